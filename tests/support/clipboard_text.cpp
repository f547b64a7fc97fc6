#include "support/clipboard_text.h"

#include <string.h>

std::string ClipboardText(UINT format) {
  if (!OpenClipboard(NULL))
    return "<not opened>";
  std::string text = "<no text>";
  HANDLE data = GetClipboardData(format);
  const char *locked = data ? (const char *)GlobalLock(data) : NULL;
  if (locked)
    text = locked;
  if (data)
    GlobalUnlock(data);
  CloseClipboard();
  return text;
}

std::string ClipboardUnicodeText() {
  if (!OpenClipboard(NULL))
    return "<not opened>";
  std::string text = "<no text>";
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const WCHAR *locked = data ? (const WCHAR *)GlobalLock(data) : NULL;
  char utf8[2048];
  if (locked && WideCharToMultiByte(CP_UTF8, 0, locked, -1, utf8, sizeof utf8, NULL, NULL))
    text = utf8;
  if (data)
    GlobalUnlock(data);
  CloseClipboard();
  return text;
}

bool PutClipboardText(HWND owner, const char *text) {
  if (!OpenClipboard(owner))
    return false;
  EmptyClipboard();
  size_t size = strlen(text) + 1;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  memcpy(GlobalLock(block), text, size);
  GlobalUnlock(block);
  if (!SetClipboardData(CF_TEXT, block))
    GlobalFree(block);
  CloseClipboard();
  return true;
}
