#include "calendar/item_marks.h"

#include <string.h>

#include "hostlink/dialog_binding.h"

// Where the mark lives in the item's 512-byte text field, past any text.
enum { MARK_TAG_AT = 500, MARK_TYPE_AT = 504, MARK_FLAGS_AT = 508 };

static void PutWord(char *data, int at, unsigned value) { memcpy(data + at, &value, 4); }

static unsigned GetWord(const char *data, int at) {
  unsigned value;
  memcpy(&value, data + at, 4);
  return value;
}

// Where the host starts the text of an item of that type and flags, from
// its X1: past a check box's "[ ] ", a radio button's "( ) " (" * " in a
// group with DIF_MOVESELECT) or a button's opening bracket. A text greyed
// from such an item starts there too, under its neighbours' texts.
static int TextColumn(int type, unsigned flags) {
  if (type == DI_RADIOBUTTON && (flags & DIF_MOVESELECT))
    return 3;
  if (type == DI_RADIOBUTTON || type == DI_CHECKBOX)
    return 4;
  return type == DI_BUTTON && !(flags & DIF_NOBRACKETS) ? 2 : 0;
}

static struct FarDialogItem *KeepAndColour(DialogHandle dialog, int item, int colour) {
  // Marked twice, the item keeps what it was before the first.
  UnmarkItem(dialog, item);
  struct FarDialogItem *record = Dialogs.GetItemAddr(dialog, item);
  if (!record)
    return NULL;
  // The flags are kept before the colour changes them, so unmarking takes
  // the colour back too.
  PutWord(record->Data, MARK_FLAGS_AT, record->Flags);
  PutWord(record->Data, MARK_TYPE_AT, (unsigned)record->Type);
  PutWord(record->Data, MARK_TAG_AT, MARK_TAG);
  Dialogs.SetItemColor(dialog, item, colour);
  return record;
}

void MarkItem(DialogHandle dialog, int item) {
  struct FarDialogItem *record = KeepAndColour(dialog, item, MARK_COLOR);
  if (!record)
    return;
  record->X1 += TextColumn(record->Type, GetWord(record->Data, MARK_FLAGS_AT));
  record->Type = DI_TEXT;
}

void ColourItem(DialogHandle dialog, int item, int colour) { KeepAndColour(dialog, item, colour); }

void UnmarkItem(DialogHandle dialog, int item) {
  struct FarDialogItem *record = Dialogs.GetItemAddr(dialog, item);
  if (!record || GetWord(record->Data, MARK_TAG_AT) != MARK_TAG)
    return;
  PutWord(record->Data, MARK_TAG_AT, 0);
  record->Flags = GetWord(record->Data, MARK_FLAGS_AT);
  int type = (int)GetWord(record->Data, MARK_TYPE_AT);
  if (record->Type == DI_TEXT && type != DI_TEXT)
    record->X1 -= TextColumn(type, record->Flags);
  record->Type = type;
}
