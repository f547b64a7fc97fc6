#include "hostlink/date_delivery.h"

#include <string.h>

#include "datetext/clipboard_text.h"
#include "datetext/format_check.h"
#include "hostlink/failure_box.h"
#include "hostlink/host_table.h"

char DateText[DATE_TEXT_SIZE];

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

// Said once the clipboard is free again: the box waits for the user.
static int Delivered(int put) {
  if (put == CLIPBOARD_REFUSED)
    ShowFailureBox(MSG_CLIPBOARD_FAILED, GetLastError());
  return put == CLIPBOARD_PUT;
}

int PutDateText(const char *format, const struct tm *moment) {
  DateExpansion expansion;
  ExpandDate(&expansion, format ? format : "", moment);
  return Delivered(PutExpansion(&expansion, DateText));
}

// A format that gives no text, or names something that cannot be found,
// leaves the clipboard as it was: the caller learns of it from the result.
extern "C" int __cdecl PutHoralis(const char *format, const struct tm *moment) {
  WCHAR wide[FORMAT_TEXT_SIZE];
  DateExpansion expansion;
  struct FormatFault fault;
  DecodeFormat(format, wide);
  ExpandDateW(&expansion, wide, moment);
  DateText[0] = 0;
  if (expansion.Length <= 0)
    return 0;
  WriteExpansion(&expansion, CP_OEMCP, DateText, DATE_TEXT_SIZE);
  if (FindSilentMistakeW(wide, &fault))
    return 0;
  return Delivered(PutExpansion(&expansion, DateText));
}
