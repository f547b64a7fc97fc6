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

void InsertDateText(const char *format, int target, const struct tm *moment) {
  ExpandDateText(DateText, DATE_TEXT_SIZE, format, moment);
  if (!HostReady)
    return;
  if (target == OPEN_EDITOR) {
    if (HostServices.EditorControl && !InsertIntoEditor(DateText))
      ShowNote(MSG_EDITOR_READ_ONLY, FMSG_WARNING);
  } else if (HostServices.Control) {
    FlattenLines(DateText);
    HostServices.Control(INVALID_HANDLE_VALUE, FCTL_INSERTCMDLINE, DateText);
  }
}

// A block of clipboard text, its lines ended with CR LF; null, with the
// system's error kept, when it cannot be had.
template <typename Char> static HGLOBAL TextBlock(const Char *text) {
  size_t count = 1;
  for (const Char *c = text; *c; c++)
    count += *c == '\n' ? 2 : 1;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, count * sizeof(Char));
  Char *copy = block ? (Char *)GlobalLock(block) : NULL;
  if (!copy) {
    DWORD error = GetLastError();
    if (block)
      GlobalFree(block);
    SetLastError(error);
    return NULL;
  }
  for (; *text; text++) {
    if (*text == '\n')
      *copy++ = '\r';
    *copy++ = *text;
  }
  *copy = 0;
  GlobalUnlock(block);
  return block;
}

// Keeps the error of the failed call for the error box across the clean-up.
static int PlaceOnClipboard(UINT format, HGLOBAL block) {
  if (!block)
    return 0;
  if (SetClipboardData(format, block))
    return 1; // the block is the clipboard's now
  DWORD error = GetLastError();
  GlobalFree(block);
  SetLastError(error);
  return 0;
}

// The system makes the OEM text from the Unicode one: where that holds
// names the OEM code page lacks, the host's own text is put as the OEM
// text, so that it keeps the names DateText has. Null when not needed.
static HGLOBAL OwnOemText(const WCHAR *wide) {
  char made[DATE_TEXT_SIZE];
  int same = WideCharToMultiByte(CP_OEMCP, 0, wide, -1, made, sizeof made, NULL, NULL) &&
             strcmp(made, DateText) == 0;
  return same ? NULL : TextBlock(DateText);
}

// Replaces the clipboard's contents with DateText, an empty text too, and
// its Unicode form, which other programs read first; 1 when the text was
// put.
static int PutExpandedText(const WCHAR *wide) {
  HWND owner = GetWindow(NULL, GW_HWNDFIRST);
  OpenClipboard(owner);
  EmptyClipboard();
  HGLOBAL oem = OwnOemText(wide);
  // The host works in the OEM code page; clipboard text is ANSI.
  OemToCharA(DateText, DateText);
  int placed = PlaceOnClipboard(CF_TEXT, TextBlock(DateText));
  DWORD error = GetLastError();
  if (placed)
    PlaceOnClipboard(CF_UNICODETEXT, TextBlock(wide));
  if (placed && oem)
    PlaceOnClipboard(CF_OEMTEXT, oem);
  else if (oem)
    GlobalFree(oem);
  CloseClipboard();
  // Said once the clipboard is free again: the box waits for the user.
  if (!placed)
    ShowFailureBox(MSG_CLIPBOARD_FAILED, error);
  return placed;
}

static void ExpandForClipboard(const char *format, const struct tm *moment, WCHAR *wide) {
  ExpandClipboardTexts(DateText, DATE_TEXT_SIZE, wide, DATE_TEXT_SIZE, format ? format : "",
                       moment);
}

int PutDateText(const char *format, const struct tm *moment) {
  WCHAR wide[DATE_TEXT_SIZE];
  ExpandForClipboard(format, moment, wide);
  return DateText[0] ? PutExpandedText(wide) : 0;
}

// Other modules rely on an empty text emptying the clipboard; nonzero when
// the text reached it.
extern "C" int __cdecl PutHoralis(const char *format, const struct tm *moment) {
  WCHAR wide[DATE_TEXT_SIZE];
  ExpandForClipboard(format, moment, wide);
  return PutExpandedText(wide);
}
