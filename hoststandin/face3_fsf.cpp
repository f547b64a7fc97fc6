/* FarStandardFunctions for the 3.x face: the clipboard as Unicode text,
   the string helpers on the C library and Win32, and the file-system
   helpers Horalis never calls refused safely with a log line. */
#include "face3_plugins.h"
#include "host_log.h"

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

namespace {

int Refused(const char *name) {
  HostLog("FSF %s -> 0 (not provided)", name);
  return 0;
}

BOOL WINAPI CopyToClipboard(enum FARCLIPBOARD_TYPE type, const wchar_t *data) {
  if (!OpenClipboard(nullptr)) {
    HostLog("FSF CopyToClipboard -> 0 (the clipboard cannot be opened)");
    return FALSE;
  }
  EmptyClipboard();
  BOOL done = TRUE;
  if (data) {
    size_t bytes = (wcslen(data) + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    void *at = memory ? GlobalLock(memory) : nullptr;
    if (at) {
      memcpy(at, data, bytes);
      GlobalUnlock(memory);
    }
    done = at && SetClipboardData(CF_UNICODETEXT, memory);
    if (!done && memory)
      GlobalFree(memory);
  }
  CloseClipboard();
  HostLog("FSF CopyToClipboard type=%d %u characters -> %d", (int)type,
          data ? (unsigned)wcslen(data) : 0u, done);
  return done;
}

/* The size needed in characters, terminator included; the text copied
   when it fits Size. 0 when there is no text. */
size_t WINAPI PasteFromClipboard(enum FARCLIPBOARD_TYPE type, wchar_t *data, size_t size) {
  size_t needed = 0;
  if (OpenClipboard(nullptr)) {
    HANDLE memory = GetClipboardData(CF_UNICODETEXT);
    const wchar_t *text = memory ? (const wchar_t *)GlobalLock(memory) : nullptr;
    if (text) {
      needed = wcslen(text) + 1;
      if (data && size >= needed)
        memcpy(data, text, needed * sizeof(wchar_t));
      GlobalUnlock(memory);
    }
    CloseClipboard();
  }
  HostLog("FSF PasteFromClipboard type=%d size=%u -> %u", (int)type, (unsigned)size,
          (unsigned)needed);
  return needed;
}

int WINAPI Atoi(const wchar_t *s) { return s ? _wtoi(s) : 0; }
long long WINAPI Atoi64(const wchar_t *s) { return s ? _wtoi64(s) : 0; }
wchar_t *WINAPI Itoa(int value, wchar_t *s, int radix) { return _itow(value, s, radix); }
wchar_t *WINAPI Itoa64(long long value, wchar_t *s, int radix) { return _i64tow(value, s, radix); }

int WINAPIV Sprintf(wchar_t *buffer, const wchar_t *format, ...) {
  va_list arguments;
  va_start(arguments, format);
  int n = _vsnwprintf(buffer, 0x10000, format, arguments);
  va_end(arguments);
  return n;
}

int WINAPIV Snprintf(wchar_t *buffer, size_t size, const wchar_t *format, ...) {
  if (!buffer || !size)
    return 0;
  va_list arguments;
  va_start(arguments, format);
  int n = _vsnwprintf(buffer, size, format, arguments);
  va_end(arguments);
  buffer[size - 1] = 0;
  return n;
}

int WINAPIV Sscanf(const wchar_t *buffer, const wchar_t *format, ...) {
  va_list arguments;
  va_start(arguments, format);
  int n = vswscanf(buffer, format, arguments);
  va_end(arguments);
  return n;
}

void Swap(char *a, char *b, size_t width) {
  for (size_t i = 0; i < width; ++i) {
    char t = a[i];
    a[i] = b[i];
    b[i] = t;
  }
}

/* An insertion sort: stable, and fine for the few rows a plugin sorts. */
void WINAPI Qsort(void *base, size_t count, size_t width, FARSTDCOMPARECALLBACK compare,
                  void *param) {
  char *rows = (char *)base;
  for (size_t i = 1; i < count; ++i)
    for (size_t j = i; j > 0 && compare(rows + (j - 1) * width, rows + j * width, param) > 0; --j)
      Swap(rows + (j - 1) * width, rows + j * width, width);
}

void *WINAPI Bsearch(const void *key, const void *base, size_t count, size_t width,
                     FARSTDCOMPARECALLBACK compare, void *param) {
  size_t low = 0, high = count;
  while (low < high) {
    size_t middle = low + (high - low) / 2;
    const char *row = (const char *)base + middle * width;
    int order = compare(key, row, param);
    if (order == 0)
      return (void *)row;
    if (order < 0)
      high = middle;
    else
      low = middle + 1;
  }
  return nullptr;
}

int WINAPI IsLower(wchar_t c) { return IsCharLowerW(c); }
int WINAPI IsUpper(wchar_t c) { return IsCharUpperW(c); }
int WINAPI IsAlpha(wchar_t c) { return IsCharAlphaW(c); }
int WINAPI IsAlphanum(wchar_t c) { return IsCharAlphaNumericW(c); }
wchar_t WINAPI Upper(wchar_t c) {
  CharUpperBuffW(&c, 1);
  return c;
}
wchar_t WINAPI Lower(wchar_t c) {
  CharLowerBuffW(&c, 1);
  return c;
}
void WINAPI UpperBuf(wchar_t *buffer, intptr_t length) {
  if (buffer && length > 0)
    CharUpperBuffW(buffer, (DWORD)length);
}
void WINAPI LowerBuf(wchar_t *buffer, intptr_t length) {
  if (buffer && length > 0)
    CharLowerBuffW(buffer, (DWORD)length);
}
void WINAPI Strupr(wchar_t *s) { UpperBuf(s, s ? (intptr_t)wcslen(s) : 0); }
void WINAPI Strlwr(wchar_t *s) { LowerBuf(s, s ? (intptr_t)wcslen(s) : 0); }
int WINAPI Stricmp(const wchar_t *a, const wchar_t *b) { return lstrcmpiW(a, b); }
int WINAPI Strnicmp(const wchar_t *a, const wchar_t *b, intptr_t n) {
  int la = (int)wcsnlen(a, (size_t)n), lb = (int)wcsnlen(b, (size_t)n);
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a, la, b, lb) - 2;
}
int WINAPI CompareStrings(const wchar_t *a, size_t la, const wchar_t *b, size_t lb) {
  return CompareStringW(LOCALE_USER_DEFAULT, 0, a, (int)la, b, (int)lb) - 2;
}

void WINAPI Unquote(wchar_t *s) {
  wchar_t *to = s;
  for (wchar_t *from = s; s && *from; ++from)
    if (*from != L'"')
      *to++ = *from;
  if (s)
    *to = 0;
}

wchar_t *WINAPI RTrim(wchar_t *s) {
  size_t n = s ? wcslen(s) : 0;
  while (n && iswspace(s[n - 1]))
    s[--n] = 0;
  return s;
}
wchar_t *WINAPI LTrim(wchar_t *s) {
  size_t skip = 0;
  while (s && s[skip] && iswspace(s[skip]))
    ++skip;
  if (skip)
    memmove(s, s + skip, (wcslen(s + skip) + 1) * sizeof(wchar_t));
  return s;
}
wchar_t *WINAPI Trim(wchar_t *s) { return LTrim(RTrim(s)); }

/* Cut to MaxLength characters, "..." at the front as the host does. */
wchar_t *WINAPI TruncStr(wchar_t *s, intptr_t maxLength) {
  size_t n = s ? wcslen(s) : 0;
  if (!s || maxLength < 0 || n <= (size_t)maxLength)
    return s;
  size_t keep = maxLength > 3 ? (size_t)maxLength - 3 : 0;
  memmove(s + (maxLength > 3 ? 3 : 0), s + n - keep, (keep + 1) * sizeof(wchar_t));
  for (intptr_t i = 0; i < 3 && i < maxLength; ++i)
    s[i] = L'.';
  s[maxLength] = 0;
  return s;
}

wchar_t *WINAPI QuoteSpaceOnly(wchar_t *s) {
  Refused("QuoteSpaceOnly");
  return s;
}

const wchar_t *WINAPI PointToName(const wchar_t *path) {
  const wchar_t *name = path;
  for (const wchar_t *p = path; p && *p; ++p)
    if (*p == L'\\' || *p == L'/' || *p == L':')
      name = p + 1;
  return name;
}

BOOL WINAPI AddEndSlash(wchar_t *path) {
  size_t n = path ? wcslen(path) : 0;
  if (!path)
    return FALSE;
  if (!n || path[n - 1] != L'\\')
    wcscpy(path + n, L"\\");
  return TRUE;
}

size_t WINAPI GetPathRoot(const wchar_t *, wchar_t *root, size_t size) {
  if (root && size)
    root[0] = 0;
  return (size_t)Refused("GetPathRoot");
}
size_t WINAPI InputRecordToName(const INPUT_RECORD *, wchar_t *, size_t) {
  return (size_t)Refused("FarInputRecordToName");
}
BOOL WINAPI NameToInputRecord(const wchar_t *, INPUT_RECORD *) {
  return Refused("FarNameToInputRecord");
}
wchar_t *WINAPI XLat(wchar_t *line, intptr_t, intptr_t, XLAT_FLAGS) {
  Refused("XLat");
  return line;
}
size_t WINAPI GetFileOwner(const wchar_t *, const wchar_t *, wchar_t *, size_t) {
  return (size_t)Refused("GetFileOwner");
}
size_t WINAPI GetNumberOfLinks(const wchar_t *) { return (size_t)Refused("GetNumberOfLinks"); }
void WINAPI RecursiveSearch(const wchar_t *, const wchar_t *, FRSUSERFUNC, FRSMODE, void *) {
  Refused("FarRecursiveSearch");
}
size_t WINAPI MkTemp(wchar_t *, size_t, const wchar_t *) { return (size_t)Refused("MkTemp"); }
size_t WINAPI ProcessName(const wchar_t *, wchar_t *, size_t, PROCESSNAME_FLAGS) {
  return (size_t)Refused("ProcessName");
}
BOOL WINAPI MkLink(const wchar_t *, const wchar_t *, enum LINK_TYPE, MKLINK_FLAGS) {
  return Refused("MkLink");
}
size_t WINAPI ConvertPath(enum CONVERTPATHMODES, const wchar_t *, wchar_t *, size_t) {
  return (size_t)Refused("ConvertPath");
}
size_t WINAPI GetReparsePointInfo(const wchar_t *, wchar_t *, size_t) {
  return (size_t)Refused("GetReparsePointInfo");
}
size_t WINAPI CurrentDirectory(size_t size, wchar_t *buffer) {
  return GetCurrentDirectoryW((DWORD)size, buffer) + 1;
}
size_t WINAPI FormatFileSize(unsigned long long, intptr_t, FARFORMATFILESIZEFLAGS, wchar_t *,
                             size_t) {
  return (size_t)Refused("FormatFileSize");
}
unsigned long long WINAPI FarClock(void) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return (unsigned long long)(now.QuadPart / (frequency.QuadPart / 1000000 + 1));
}
uintptr_t WINAPI DetectCodePage(DetectCodePageInfo *) {
  return (uintptr_t)Refused("DetectCodePage");
}

void FillStrings(FarStandardFunctions *f) {
  f->atoi = Atoi;
  f->atoi64 = Atoi64;
  f->itoa = Itoa;
  f->itoa64 = Itoa64;
  f->sprintf = Sprintf;
  f->sscanf = Sscanf;
  f->qsort = Qsort;
  f->bsearch = Bsearch;
  f->snprintf = Snprintf;
  f->LIsLower = IsLower;
  f->LIsUpper = IsUpper;
  f->LIsAlpha = IsAlpha;
  f->LIsAlphanum = IsAlphanum;
  f->LUpper = Upper;
  f->LLower = Lower;
  f->LUpperBuf = UpperBuf;
  f->LLowerBuf = LowerBuf;
  f->LStrupr = Strupr;
  f->LStrlwr = Strlwr;
  f->LStricmp = Stricmp;
  f->LStrnicmp = Strnicmp;
  f->Unquote = Unquote;
  f->LTrim = LTrim;
  f->RTrim = RTrim;
  f->Trim = Trim;
  f->TruncStr = TruncStr;
  f->TruncPathStr = TruncStr;
  f->QuoteSpaceOnly = QuoteSpaceOnly;
  f->PointToName = PointToName;
  f->AddEndSlash = AddEndSlash;
  f->CompareStrings = CompareStrings;
}

} // namespace

void Face3FillStandardFunctions(FarStandardFunctions *f) {
  memset(f, 0, sizeof *f);
  f->StructSize = sizeof *f;
  FillStrings(f);
  f->GetPathRoot = GetPathRoot;
  f->CopyToClipboard = CopyToClipboard;
  f->PasteFromClipboard = PasteFromClipboard;
  f->FarInputRecordToName = InputRecordToName;
  f->FarNameToInputRecord = NameToInputRecord;
  f->XLat = XLat;
  f->GetFileOwner = GetFileOwner;
  f->GetNumberOfLinks = GetNumberOfLinks;
  f->FarRecursiveSearch = RecursiveSearch;
  f->MkTemp = MkTemp;
  f->ProcessName = ProcessName;
  f->MkLink = MkLink;
  f->ConvertPath = ConvertPath;
  f->GetReparsePointInfo = GetReparsePointInfo;
  f->GetCurrentDirectory = CurrentDirectory;
  f->FormatFileSize = FormatFileSize;
  f->FarClock = FarClock;
  f->DetectCodePage = DetectCodePage;
}
