/* What a settings dialog shows once it is filled from the registry: the
   states and texts of the items it saves. A dialog confirmed with all of
   them as they were saves nothing, so that a stored value the dialog could
   not show as it is (too long, of another type, without its terminator, or
   missing) is not replaced by what the dialog happened to show. */
#ifndef HORALIS_HOSTLINK_DIALOG_SNAPSHOT_H
#define HORALIS_HOSTLINK_DIALOG_SNAPSHOT_H

#include "dialog_gen.h"

enum { SNAPSHOT_STATUSES = 8, SNAPSHOT_TEXTS = 4, SNAPSHOT_TEXT_SIZE = 512 };

struct DialogSnapshot {
  int StatusCount;
  int StatusItem[SNAPSHOT_STATUSES];
  int Status[SNAPSHOT_STATUSES];
  int TextCount;
  int TextItem[SNAPSHOT_TEXTS];
  int HasText[SNAPSHOT_TEXTS];
  char Text[SNAPSHOT_TEXTS][SNAPSHOT_TEXT_SIZE];
};

/* Both item lists end with 0; items past the snapshot's room are left out. */
void TakeDialogSnapshot(DialogHandle dialog, const int *statusItems, const int *textItems,
                        struct DialogSnapshot *snapshot);

/* 1 when an item's state or text differs from the snapshot. */
int DialogChangedSince(DialogHandle dialog, const struct DialogSnapshot *snapshot);

#endif
