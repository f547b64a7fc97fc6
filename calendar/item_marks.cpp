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

static struct FarDialogItem *KeepAndColour(DialogHandle dialog, int item, int colour) {
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
  if (record)
    record->Type = DI_TEXT;
}

void ColourItem(DialogHandle dialog, int item, int colour) { KeepAndColour(dialog, item, colour); }

void UnmarkItem(DialogHandle dialog, int item) {
  struct FarDialogItem *record = Dialogs.GetItemAddr(dialog, item);
  if (!record || GetWord(record->Data, MARK_TAG_AT) != MARK_TAG)
    return;
  PutWord(record->Data, MARK_TAG_AT, 0);
  record->Flags = GetWord(record->Data, MARK_FLAGS_AT);
  record->Type = (int)GetWord(record->Data, MARK_TYPE_AT);
}
