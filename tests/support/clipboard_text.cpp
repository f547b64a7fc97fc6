#include "support/clipboard_text.h"

#include <windows.h>

std::string ClipboardText() {
  if (!OpenClipboard(NULL))
    return "<not opened>";
  std::string text = "<no text>";
  HANDLE data = GetClipboardData(CF_TEXT);
  const char *locked = data ? (const char *)GlobalLock(data) : NULL;
  if (locked)
    text = locked;
  if (data)
    GlobalUnlock(data);
  CloseClipboard();
  return text;
}
