#include <string.h>

#include "datetext/date_text.h"
#include "hostlink/failure_box.h"
#include "hostlink/host_table.h"

void InsertDateText(const char *format, int target, const struct tm *moment) {
  ExpandDateText(DateText, DATE_TEXT_SIZE, format, moment);
  if (!HostReady)
    return;
  if (target == OPEN_EDITOR) {
    if (HostServices.EditorControl)
      HostServices.EditorControl(ECTL_INSERTTEXT, DateText);
  } else if (HostServices.Control) {
    HostServices.Control(INVALID_HANDLE_VALUE, FCTL_INSERTCMDLINE, DateText);
  }
}

int DeliverDateText(const char *format, int openFrom) {
  if (openFrom == OPEN_VIEWER)
    return PutDateText(format, NULL);
  InsertDateText(format, openFrom == OPEN_EDITOR ? OPEN_EDITOR : 0, NULL);
  return 1;
}

// Keeps the error of the failed call for the error box across the clean-up.
static int PlaceOnClipboard(const char *text) {
  size_t size = strlen(text) + 1;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!block)
    return 0;
  char *copy = (char *)GlobalLock(block);
  if (!copy) {
    DWORD error = GetLastError();
    GlobalFree(block);
    SetLastError(error);
    return 0;
  }
  memcpy(copy, text, size);
  GlobalUnlock(block);
  if (SetClipboardData(CF_TEXT, block))
    return 1; // the block is the clipboard's now
  DWORD error = GetLastError();
  GlobalFree(block);
  SetLastError(error);
  return 0;
}

// Replaces the clipboard's contents with DateText, an empty text too.
static void PutExpandedText(void) {
  HWND owner = GetWindow(NULL, GW_HWNDFIRST);
  OpenClipboard(owner);
  EmptyClipboard();
  // The host works in the OEM code page; clipboard text is ANSI.
  OemToCharA(DateText, DateText);
  if (!PlaceOnClipboard(DateText))
    ShowFailureBox(MSG_CLIPBOARD_FAILED, GetLastError());
  CloseClipboard();
}

int PutDateText(const char *format, const struct tm *moment) {
  ExpandDateText(DateText, DATE_TEXT_SIZE, format ? format : "", moment);
  if (!DateText[0])
    return 0;
  PutExpandedText();
  return 1;
}

// Other modules rely on an empty text emptying the clipboard.
extern "C" void __cdecl PutHoralis(const char *format, const struct tm *moment) {
  ExpandDateText(DateText, DATE_TEXT_SIZE, format ? format : "", moment);
  PutExpandedText();
}
