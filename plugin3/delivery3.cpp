#include "plugin3/delivery3.h"

#include <string.h>

#include "plugin3/host3.h"
#include "plugin3/settings3.h"

enum { FIELD_SIZE = 2048 };

// Each line at the cursor, a new line between them without indent, so
// that the next line starts as the text does. 0 when the editor refused
// the text: it is locked (read-only).
static int InsertIntoEditor(wchar_t *text) {
  if (!Far.EditorControl)
    return 0;
  for (;;) {
    wchar_t *end = wcschr(text, L'\n');
    if (end)
      *end = 0;
    int inserted = !text[0] || Far.EditorControl(CURRENT_EDITOR, ECTL_INSERTTEXT, 0, text);
    if (end)
      *end = L'\n';
    if (!inserted)
      return 0;
    if (!end)
      return 1;
    int indent = 0;
    if (!Far.EditorControl(CURRENT_EDITOR, ECTL_INSERTSTRING, 0, &indent))
      return 0;
    text = end + 1;
  }
}

// A field or the command line has one line: a break becomes a blank.
static void FlattenLines(wchar_t *text) {
  for (; *text; text++)
    if (*text == L'\n' || *text == L'\r')
      *text = L' ';
}

static int IsEditField(const struct FarDialogItem *item) {
  if (item->Flags & (DIF_READONLY | DIF_DISABLE))
    return 0;
  return item->Type == DI_EDIT || item->Type == DI_FIXEDIT ||
         (item->Type == DI_COMBOBOX && !(item->Flags & DIF_DROPDOWNLIST));
}

// Into the focused edit field at its cursor, the cursor after the text.
static enum Outcome3 InsertIntoField(HANDLE dialog, const wchar_t *text) {
  if (!Far.SendDlgMessage || !dialog)
    return PUT_NO_FIELD;
  intptr_t focus = Far.SendDlgMessage(dialog, DM_GETFOCUS, 0, NULL);
  struct FarDialogItem item;
  memset(&item, 0, sizeof item);
  if (focus < 0 || !Far.SendDlgMessage(dialog, DM_GETDLGITEMSHORT, focus, &item) ||
      !IsEditField(&item))
    return PUT_NO_FIELD;
  static wchar_t field[FIELD_SIZE];
  size_t inserted = wcslen(text);
  size_t length = (size_t)Far.SendDlgMessage(dialog, DM_GETTEXT, focus, NULL);
  if (length + inserted >= FIELD_SIZE)
    return PUT_FAILED;
  struct FarDialogItemData data = {sizeof data, FIELD_SIZE - 1, field};
  field[0] = 0;
  Far.SendDlgMessage(dialog, DM_GETTEXT, focus, &data);
  field[FIELD_SIZE - 1] = 0;
  length = wcslen(field);
  COORD cursor = {0, 0};
  Far.SendDlgMessage(dialog, DM_GETCURSORPOS, focus, &cursor);
  size_t at = cursor.X < 0 ? 0 : (size_t)cursor.X > length ? length : (size_t)cursor.X;
  memmove(field + at + inserted, field + at, (length - at + 1) * sizeof(wchar_t));
  memcpy(field + at, text, inserted * sizeof(wchar_t));
  struct FarDialogItemData changed = {sizeof changed, length + inserted, field};
  Far.SendDlgMessage(dialog, DM_SETTEXT, focus, &changed);
  COORD after = {(SHORT)(at + inserted), 0};
  Far.SendDlgMessage(dialog, DM_SETCURSORPOS, focus, &after);
  return PUT_DONE;
}

// The clipboard's lines end with CR LF (a CR added only before a bare LF).
static int PutOnClipboard(const wchar_t *text) {
  static wchar_t lines[2 * FIELD_SIZE];
  size_t used = 0;
  for (const wchar_t *c = text; *c && used < 2 * FIELD_SIZE - 2; c++) {
    if (*c == L'\n' && (c == text || c[-1] != L'\r'))
      lines[used++] = L'\r';
    lines[used++] = *c;
  }
  lines[used] = 0;
  return FarFsf.CopyToClipboard && FarFsf.CopyToClipboard(FCT_STREAM, lines);
}

enum Outcome3 PutText3(const wchar_t *text, const struct Place3 *place) {
  static wchar_t line[FIELD_SIZE];
  size_t length = wcslen(text);
  if (length >= FIELD_SIZE)
    return PUT_FAILED;
  memcpy(line, text, (length + 1) * sizeof(wchar_t));
  switch (place->Target) {
  case TARGET_EDITOR:
    return InsertIntoEditor(line) ? PUT_DONE : PUT_READ_ONLY;
  case TARGET_COMMAND_LINE:
    FlattenLines(line);
    return Far.PanelControl && Far.PanelControl(PANEL_ACTIVE, FCTL_INSERTCMDLINE, 0, line)
               ? PUT_DONE
               : PUT_FAILED;
  case TARGET_DIALOG:
    FlattenLines(line);
    return InsertIntoField(place->Dialog, line);
  case TARGET_CLIPBOARD:
    return PutOnClipboard(line) ? PUT_DONE : PUT_FAILED;
  default:
    return PUT_FAILED;
  }
}
