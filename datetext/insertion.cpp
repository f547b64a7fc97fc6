#include <string.h>

#include "datetext/date_text.h"
#include "datetext/locale_names.h"
#include "hostlink/failure_box.h"
#include "hostlink/host_table.h"

// Each line goes in through ECTL_INSERTTEXT and each break through
// ECTL_INSERTSTRING, which splits the line at the cursor as Enter does; its
// parameter asks for no indent, so the next line starts as the text does.
// 0 when the editor refused the text: it is locked (read-only).
static int InsertIntoEditor(char *text) {
  for (;;) {
    char *end = strchr(text, '\n');
    if (end)
      *end = 0;
    int inserted = !text[0] || HostServices.EditorControl(ECTL_INSERTTEXT, text);
    if (end)
      *end = '\n';
    if (!inserted)
      return 0;
    if (!end)
      return 1;
    int indent = 0;
    if (!HostServices.EditorControl(ECTL_INSERTSTRING, &indent))
      return 0;
    text = end + 1;
  }
}

// The command line has one line: a line break becomes a blank.
static void FlattenLines(char *text) {
  for (; *text; text++)
    if (*text == '\n' || *text == '\r')
      *text = ' ';
}

int InsertDateText(const char *format, int target, const struct tm *moment) {
  ExpandDateText(DateText, DATE_TEXT_SIZE, format, moment);
  if (!HostReady)
    return 1;
  if (target == OPEN_EDITOR) {
    if (HostServices.EditorControl && !InsertIntoEditor(DateText)) {
      ShowNote(MSG_EDITOR_READ_ONLY, FMSG_WARNING);
      return 0;
    }
  } else if (HostServices.Control) {
    FlattenLines(DateText);
    HostServices.Control(INVALID_HANDLE_VALUE, FCTL_INSERTCMDLINE, DateText);
  }
  return 1;
}

// Clipboard text ends its lines with CR LF.
static size_t ClipboardSize(const char *text) {
  size_t size = 1;
  for (; *text; text++)
    size += *text == '\n' ? 2 : 1;
  return size;
}

static void CopyWithLineEnds(char *copy, const char *text) {
  for (; *text; text++) {
    if (*text == '\n')
      *copy++ = '\r';
    *copy++ = *text;
  }
  *copy = 0;
}

// Keeps the error of the failed call for the error box across the clean-up.
static int PlaceOnClipboard(const char *text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, ClipboardSize(text));
  if (!block)
    return 0;
  char *copy = (char *)GlobalLock(block);
  if (!copy) {
    DWORD error = GetLastError();
    GlobalFree(block);
    SetLastError(error);
    return 0;
  }
  CopyWithLineEnds(copy, text);
  GlobalUnlock(block);
  if (SetClipboardData(CF_TEXT, block))
    return 1; // the block is the clipboard's now
  DWORD error = GetLastError();
  GlobalFree(block);
  SetLastError(error);
  return 0;
}

// Replaces the clipboard's contents with DateText, an empty text too; 1
// when the text was put.
static int PutExpandedText(void) {
  HWND owner = GetWindow(NULL, GW_HWNDFIRST);
  OpenClipboard(owner);
  EmptyClipboard();
  // The host works in the OEM code page; clipboard text is ANSI.
  OemToCharA(DateText, DateText);
  int placed = PlaceOnClipboard(DateText);
  DWORD error = GetLastError();
  CloseClipboard();
  // Said once the clipboard is free again: the box waits for the user.
  if (!placed)
    ShowFailureBox(MSG_CLIPBOARD_FAILED, error);
  return placed;
}

int PutDateText(const char *format, const struct tm *moment) {
  ExpandDateTextIn(DateText, DATE_TEXT_SIZE, format ? format : "", moment, NAMES_FOR_CLIPBOARD);
  return DateText[0] ? PutExpandedText() : 0;
}

// Other modules rely on an empty text emptying the clipboard; nonzero when
// the text reached it.
extern "C" int __cdecl PutHoralis(const char *format, const struct tm *moment) {
  ExpandDateTextIn(DateText, DATE_TEXT_SIZE, format ? format : "", moment, NAMES_FOR_CLIPBOARD);
  return PutExpandedText();
}
