#include "clipboard_io.h"

#include "host_log.h"

#include <stdio.h>
#include <string.h>
#include <windows.h>

namespace {
HWINSTA OriginalStation = nullptr;
HWINSTA RestrictedStation = nullptr;
} // namespace

int ReadClipboardText(char *out, int size) {
  out[0] = 0;
  if (!OpenClipboard(nullptr))
    return 0;
  int ok = 0;
  HANDLE data = GetClipboardData(CF_TEXT);
  const char *text = data ? (const char *)GlobalLock(data) : nullptr;
  if (text) {
    SIZE_T limit = GlobalSize(data);
    int n = 0;
    while ((SIZE_T)n < limit && n < size - 1 && text[n])
      ++n;
    memcpy(out, text, n);
    out[n] = 0;
    GlobalUnlock(data);
    ok = 1;
  }
  CloseClipboard();
  return ok;
}

int ReadClipboardUtf8(char *out, int size) {
  out[0] = 0;
  if (!OpenClipboard(nullptr))
    return 0;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const wchar_t *text = data ? (const wchar_t *)GlobalLock(data) : nullptr;
  if (text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, out, size, nullptr, nullptr);
    out[n > 0 ? n - 1 : 0] = 0;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text != nullptr;
}

int PutClipboardText(const char *text) {
  if (!OpenClipboard(nullptr))
    return 0;
  EmptyClipboard();
  SIZE_T n = strlen(text) + 1;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, n);
  int ok = 0;
  if (block) {
    memcpy(GlobalLock(block), text, n);
    GlobalUnlock(block);
    ok = SetClipboardData(CF_TEXT, block) != nullptr;
    if (!ok)
      GlobalFree(block);
  }
  CloseClipboard();
  return ok;
}

int EmptyClipboardText(void) {
  if (!OpenClipboard(nullptr))
    return 0;
  int ok = EmptyClipboard() != 0;
  CloseClipboard();
  return ok;
}

int EnterRestrictedWindowStation(void) {
  OriginalStation = GetProcessWindowStation();
  /* Attributes and desktops only: no WINSTA_ACCESSCLIPBOARD. */
  RestrictedStation = CreateWindowStationA("HoralisNoClipboard", 0,
                                           WINSTA_READATTRIBUTES | WINSTA_WRITEATTRIBUTES |
                                               WINSTA_CREATEDESKTOP | WINSTA_ENUMDESKTOPS,
                                           nullptr);
  if (!RestrictedStation || !SetProcessWindowStation(RestrictedStation)) {
    HostLog("clipboard: cannot enter a window station without clipboard rights (error %lu)",
            (unsigned long)GetLastError());
    return 0;
  }
  HostLog("clipboard: in a window station without clipboard rights");
  return 1;
}

int EnterOwnClipboardStation(void) {
  /* The clipboard belongs to the window station: one of this process's own
     has a clipboard nothing else shares. */
  char name[48];
  snprintf(name, sizeof name, "HoralisOwnClipboard%lu", (unsigned long)GetCurrentProcessId());
  HWINSTA station = CreateWindowStationA(name, 0, WINSTA_ALL_ACCESS, nullptr);
  if (!station || !SetProcessWindowStation(station)) {
    HostLog("clipboard: cannot enter a window station of its own (error %lu)",
            (unsigned long)GetLastError());
    if (station)
      CloseWindowStation(station);
    return 0;
  }
  HostLog("clipboard: in a window station of its own, %s", name);
  return 1;
}

void LeaveRestrictedWindowStation(void) {
  if (OriginalStation && RestrictedStation) {
    SetProcessWindowStation(OriginalStation);
    CloseWindowStation(RestrictedStation);
    RestrictedStation = nullptr;
  }
}
