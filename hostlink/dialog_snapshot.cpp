#include "hostlink/dialog_snapshot.h"

#include <string.h>

#include "hostlink/dialog_binding.h"

void TakeDialogSnapshot(DialogHandle dialog, const int *statusItems, const int *textItems,
                        struct DialogSnapshot *snapshot) {
  snapshot->StatusCount = 0;
  for (; *statusItems && snapshot->StatusCount < SNAPSHOT_STATUSES; statusItems++) {
    snapshot->StatusItem[snapshot->StatusCount] = *statusItems;
    snapshot->Status[snapshot->StatusCount++] = Dialogs.GetItemStatus(dialog, *statusItems);
  }
  snapshot->TextCount = 0;
  for (; *textItems && snapshot->TextCount < SNAPSHOT_TEXTS; textItems++) {
    int index = snapshot->TextCount++;
    const char *text = Dialogs.GetItemData(dialog, *textItems);
    snapshot->TextItem[index] = *textItems;
    snapshot->HasText[index] = text != NULL;
    // Item texts hold at least 512 bytes; a longer one differs at its end.
    const char *end = text ? (const char *)memchr(text, 0, SNAPSHOT_TEXT_SIZE - 1) : text;
    size_t length = !text ? 0 : end ? (size_t)(end - text) : SNAPSHOT_TEXT_SIZE - 1;
    memcpy(snapshot->Text[index], text ? text : "", length);
    snapshot->Text[index][length] = 0;
  }
}

int DialogChangedSince(DialogHandle dialog, const struct DialogSnapshot *snapshot) {
  for (int i = 0; i < snapshot->StatusCount; i++)
    if (Dialogs.GetItemStatus(dialog, snapshot->StatusItem[i]) != snapshot->Status[i])
      return 1;
  for (int i = 0; i < snapshot->TextCount; i++) {
    const char *text = Dialogs.GetItemData(dialog, snapshot->TextItem[i]);
    if ((text != NULL) != snapshot->HasText[i] ||
        (text && strncmp(text, snapshot->Text[i], SNAPSHOT_TEXT_SIZE) != 0))
      return 1;
  }
  return 0;
}
