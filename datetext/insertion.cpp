#include <string.h>

#include "datetext/date_text.h"
#include "datetext/format_preview.h"
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

// A block of clipboard text, its lines ended with CR LF (a CR is added
// only before a bare LF); null, with the system's error kept, when it
// cannot be had.
template <typename Char> static HGLOBAL TextBlock(const Char *text) {
  size_t count = 1;
  for (const Char *c = text; *c; c++)
    count += *c == '\n' && (c == text || c[-1] != '\r') ? 2 : 1;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, count * sizeof(Char));
  Char *copy = block ? (Char *)GlobalLock(block) : NULL;
  if (!copy) {
    DWORD error = GetLastError();
    if (block)
      GlobalFree(block);
    SetLastError(error);
    return NULL;
  }
  for (const Char *c = text; *c; c++) {
    if (*c == '\n' && (c == text || c[-1] != '\r'))
      *copy++ = '\r';
    *copy++ = *c;
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

// The system makes the OEM text from the Unicode one: where that is not
// the plugin's own OEM text (a letter the OEM code page has only as a
// look-alike, names it shows in English), DateText goes as the OEM text.
// Null when not needed.
static HGLOBAL OwnOemText(const WCHAR *wide) {
  char made[2 * DATE_TEXT_SIZE];
  int same = WideCharToMultiByte(CP_OEMCP, 0, wide, -1, made, sizeof made, NULL, NULL) &&
             strcmp(made, DateText) == 0;
  return same ? NULL : TextBlock(DateText);
}

// The clipboard's texts of one expansion: the OEM one in DateText, the
// ANSI one in `ansi`; 0 when the format gives no text.
static int WriteClipboardTexts(const DateExpansion *expansion, char *ansi) {
  DateText[0] = ansi[0] = 0;
  if (expansion->Length <= 0)
    return 0;
  WriteExpansion(expansion, CP_OEMCP, DateText, DATE_TEXT_SIZE);
  WriteExpansion(expansion, CP_ACP, ansi, DATE_TEXT_SIZE);
  return 1;
}

// The Unicode text as long as a delivered text may be, a surrogate pair
// whole or not at all: the expansion keeps one character more.
static void CutUnicodeText(DateExpansion *expansion) {
  WCHAR *last = &expansion->Text[DATE_TEXT_SIZE - 2];
  if (expansion->Length >= DATE_TEXT_SIZE && *last >= 0xD800 && *last < 0xDC00)
    *last = 0;
  expansion->Text[DATE_TEXT_SIZE - 1] = 0;
}

// Replaces the clipboard's contents with the expansion: CF_TEXT in the
// ANSI code page, CF_UNICODETEXT, which other programs read first, and
// CF_OEMTEXT when the system would make it otherwise; 1 when the text was
// put.
static int PutExpandedText(DateExpansion *expansion, const char *ansi) {
  HWND owner = GetWindow(NULL, GW_HWNDFIRST);
  OpenClipboard(owner);
  EmptyClipboard();
  CutUnicodeText(expansion);
  HGLOBAL oem = OwnOemText(expansion->Text);
  int placed = PlaceOnClipboard(CF_TEXT, TextBlock(ansi));
  DWORD error = GetLastError();
  if (placed)
    PlaceOnClipboard(CF_UNICODETEXT, TextBlock(expansion->Text));
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

int PutDateText(const char *format, const struct tm *moment) {
  DateExpansion expansion;
  char ansi[DATE_TEXT_SIZE];
  ExpandDate(&expansion, format ? format : "", moment);
  return WriteClipboardTexts(&expansion, ansi) ? PutExpandedText(&expansion, ansi) : 0;
}

// A format that gives no text, or names something that cannot be found,
// leaves the clipboard as it was: the caller learns of it from the result.
extern "C" int __cdecl PutHoralis(const char *format, const struct tm *moment) {
  DateExpansion expansion;
  char ansi[DATE_TEXT_SIZE];
  ExpandDate(&expansion, format ? format : "", moment);
  if (!WriteClipboardTexts(&expansion, ansi) || FindSilentMistake(format, NULL, 0))
    return 0;
  return PutExpandedText(&expansion, ansi);
}
