#include <string.h>

#include "datetext/date_text.h"
#include "datetext/locale_names.h"
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

void DeliverDateText(const char *format, int openFrom) {
  if (openFrom == OPEN_EDITOR)
    InsertDateText(format, OPEN_EDITOR, NULL);
  else if (openFrom == OPEN_VIEWER)
    PutHoralis(format, NULL);
  else
    InsertDateText(format, 0, NULL);
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

extern "C" void __cdecl PutHoralis(const char *format, const struct tm *moment) {
  HWND owner = GetWindow(NULL, GW_HWNDFIRST);
  OpenClipboard(owner);
  EmptyClipboard();
  ExpandDateTextIn(DateText, DATE_TEXT_SIZE, format ? format : "", moment, NAMES_FOR_CLIPBOARD);
  // The host works in the OEM code page; clipboard text is ANSI.
  OemToCharA(DateText, DateText);
  if (!PlaceOnClipboard(DateText))
    ShowErrorBox("ClipboardError");
  CloseClipboard();
}
