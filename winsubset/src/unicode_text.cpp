// UTF-8 and the case of Unicode letters, as far as the plugin's names need
// them: the Basic Multilingual Plane, and capitals of Latin, Greek and
// Cyrillic letters.
#include "winsubset_internal.h"

// Writes `ch` at `at` when there is room; counts it either way.
static int Put(LPWSTR wide, int size, int at, WCHAR ch) {
  if (size > 0 && at < size)
    wide[at] = ch;
  return at + 1;
}

static int ContinuationCount(BYTE lead) { return lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0; }

int Utf8ToWide(const BYTE *text, int length, LPWSTR wide, int size) {
  int at = 0;
  for (int i = 0; i < length;) {
    BYTE lead = text[i++];
    int more = lead < 0x80 ? 0 : ContinuationCount(lead);
    WCHAR ch = (WCHAR)(more == 2 ? lead & 0x0F : more == 1 ? lead & 0x1F : lead);
    int valid = lead < 0x80 || (more > 0 && lead < 0xF0);
    for (; more > 0 && i < length && (text[i] & 0xC0) == 0x80; more--)
      ch = (WCHAR)(ch << 6 | (text[i++] & 0x3F));
    at = Put(wide, size, at, valid && more == 0 ? ch : (WCHAR)0xFFFD);
  }
  if (size > 0 && at > size) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  return at;
}

int WideToUtf8(LPCWSTR wide, int length, BYTE *text, int size) {
  int at = 0;
  for (int i = 0; i < length; i++) {
    WCHAR ch = wide[i];
    BYTE bytes[3];
    int count = ch < 0x80 ? 1 : ch < 0x800 ? 2 : 3;
    bytes[0] = (BYTE)(count == 1 ? ch : count == 2 ? 0xC0 | ch >> 6 : 0xE0 | ch >> 12);
    if (count == 3)
      bytes[1] = (BYTE)(0x80 | (ch >> 6 & 0x3F));
    if (count > 1)
      bytes[count - 1] = (BYTE)(0x80 | (ch & 0x3F));
    for (int b = 0; b < count; b++, at++)
      if (size > 0 && at < size)
        text[at] = bytes[b];
  }
  if (size > 0 && at > size) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  return at;
}

static WCHAR UpperCase(WCHAR ch) {
  if ((ch >= 'a' && ch <= 'z') || (ch >= 0xE0 && ch <= 0xFE && ch != 0xF7))
    return (WCHAR)(ch - 0x20);
  if (ch >= 0x0430 && ch <= 0x044F) // а to я
    return (WCHAR)(ch - 0x20);
  if (ch >= 0x0450 && ch <= 0x045F) // ѐ to џ
    return (WCHAR)(ch - 0x50);
  if (ch >= 0x03B1 && ch <= 0x03C9 && ch != 0x03C2) // α to ω
    return (WCHAR)(ch - 0x20);
  if (ch == 0x0491) // ґ
    return 0x0490;
  return ch;
}

extern "C" DWORD WINAPI CharUpperBuffW(LPWSTR lpsz, DWORD cchLength) {
  if (!lpsz)
    return 0;
  for (DWORD i = 0; i < cchLength; i++)
    lpsz[i] = UpperCase(lpsz[i]);
  return cchLength;
}
