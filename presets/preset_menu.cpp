#include "presets/preset_menu.h"

#include <stdlib.h>
#include <string.h>

#include "hostlink/date_delivery.h"
#include "datetext/local_time.h"
#include "hostlink/format_text.h"
#include "hostlink/dialog_binding.h"
#include "hostlink/host_table.h"
#include "presets/preset_dialog.h"
#include "presets/preview_line.h"
#include "presets/quick_format_settings.h"
#include "settings/settings_store.h"

// The name listed for a preset without a readable one.
enum { MSG_NO_PRESET_NAME = 110 };

struct PresetTableEntry PresetTable[PRESET_SLOTS];
struct FarMenuItem PresetMenuItems[PRESET_SLOTS];
DialogHandle PresetDialog;

// The slot the insert dialog was last shown for; -1 when Enter inserted
// without it.
static int InsertDialogSlot = -1;

// What a slot without a readable preset shows.
static const char *NoPresetName(void) { return GetMsgTextOr(MSG_NO_PRESET_NAME, ""); }

static int WidenNameColumn(int width, const char *name) {
  int length = name ? (int)strlen(name) : 0;
  return length > width ? length : width;
}

// Null when the heap refuses: the slot is then listed as if unreadable.
static char *CopyText(const char *text) {
  size_t size = strlen(text) + 1;
  char *copy = (char *)malloc(size);
  if (copy)
    memcpy(copy, text, size);
  return copy;
}

static void ReleaseCopies(struct PresetTableEntry *entry) {
  free(entry->NameCopy);
  free(entry->FormatCopy);
  entry->NameCopy = entry->FormatCopy = NULL;
  entry->Name = entry->Format = NULL;
}

int LoadPresetTable(void) {
  ReleaseCopies(&PresetTable[0]);
  PresetTable[0].Name = GetMsgText(MSG_FREE_FORMAT);
  int width = WidenNameColumn(PRESET_NAME_MIN_WIDTH, PresetTable[0].Name);
  char buffer[PRESET_TEXT_SIZE];
  LockSettings();
  for (int slot = 1; slot < PRESET_SLOTS; slot++) {
    // Read whole, as the preset dialog reads them: a saved preset is listed
    // whatever the length of its name and format.
    struct PresetTableEntry *entry = &PresetTable[slot];
    ReleaseCopies(entry);
    if (!OpenExistingPresetKey(slot) || ReadText(NameValue, buffer, sizeof buffer) != ERROR_SUCCESS)
      continue;
    entry->Name = entry->NameCopy = CopyText(buffer);
    if (!entry->Name)
      continue;
    width = WidenNameColumn(width, entry->Name);
    ReadText(FormatValue, buffer, sizeof buffer);
    entry->Format = entry->FormatCopy = CopyText(buffer);
  }
  UnlockSettings();
  // The free-format line previews the presets-menu format the user chose in
  // the "Menu" settings, if any.
  if (ReadMenuFreeFormat(buffer, sizeof buffer))
    PresetTable[0].Format = PresetTable[0].FormatCopy = CopyText(buffer);
  return width;
}

void FitToColumn(char *column, int size, const char *text, int width) {
  int length = text ? (int)strlen(text) : 0;
  if (width > size - 1)
    width = size - 1;
  if (width < 0)
    width = 0;
  // Cut visibly, with dots every code page holds.
  int kept = length <= width ? length : width > 3 ? width - 3 : 0;
  memcpy(column, text ? text : "", kept);
  memset(column + kept, length <= width ? ' ' : '.', width - kept);
  column[width] = 0;
}

// One screen line each: a line break or a tab in a preview becomes a blank.
static void FlattenPreview(char *text) {
  for (; *text; text++)
    if ((unsigned char)*text < ' ')
      *text = ' ';
}

void BuildPresetMenu(int width) {
  if (width > PRESET_NAME_MAX_WIDTH)
    width = PRESET_NAME_MAX_WIDTH;
  // Every preview shows the same moment.
  struct tm now;
  ReadLocalTime(&now);
  char column[PRESET_NAME_MAX_WIDTH + 1];
  for (int slot = 0; slot < PRESET_SLOTS; slot++) {
    const struct PresetTableEntry *entry = &PresetTable[slot];
    struct FarMenuItem *item = &PresetMenuItems[slot];
    DateText[0] = 0;
    if (entry->Name && entry->Format)
      ExpandDateText(DateText, DATE_TEXT_SIZE, entry->Format, &now);
    FlattenPreview(DateText);
    // Names are cut to the column, so the bars line up and the preview fits.
    FitToColumn(column, sizeof column, entry->Name ? entry->Name : NoPresetName(), width);
    FormatText(item->Text, sizeof item->Text, "&%-2d \xB3 %s \xB3 %-.*s", slot, column,
               PRESET_PREVIEW_WIDTH, DateText);
    item->Selected = 0;
    item->Checked = 0;
    item->Separator = 0;
  }
}

int ShowPresetMenu(int *breakCode) {
  static const int BreakKeys[] = {VK_INSERT, VK_F4, VK_DELETE, 0};
  return ShowHostMenu(MSG_PRESETS_TITLE, GetMsgText(MSG_PRESETS_BOTTOM), "Presets", BreakKeys,
                      breakCode, PresetMenuItems, PRESET_SLOTS);
}

void ReleasePresetDialog(void) {
  if (PresetDialog)
    Dialogs.FreeDialog(PresetDialog);
  PresetDialog = 0;
}

static int FirstFreeSlot(void) {
  int found = -1;
  LockSettings();
  for (int slot = 1; slot < PRESET_SLOTS && found < 0; slot++)
    if (PresetSlotIsFree(slot))
      found = slot;
  UnlockSettings();
  return found;
}

// Ins never overwrites: the new preset goes into the first free slot, which
// the menu then shows under the cursor. Returns the slot, or -1.
static int CreatePreset(void) {
  int slot = FirstFreeSlot();
  if (slot < 0) {
    ShowNote(MSG_PRESETS_FULL, 0);
    return -1;
  }
  StartNewPreset(PresetDialog);
  RunPresetEditDialog(PresetDialog, slot);
  return slot;
}

// Enter on "Delete" confirms; Esc or "Cancel" keeps the preset.
static int ConfirmDelete(int slot) {
  char name[PRESET_CONFIRM_NAME_WIDTH + 3];
  const char *shown = PresetTable[slot].Name ? PresetTable[slot].Name : NoPresetName();
  int length = (int)strlen(shown);
  if (length > PRESET_CONFIRM_NAME_WIDTH)
    length = PRESET_CONFIRM_NAME_WIDTH;
  // Quoted, and cut as the menu's column cuts.
  name[0] = '"';
  FitToColumn(name + 1, sizeof name - 2, shown, length);
  name[length + 1] = '"';
  name[length + 2] = 0;
  const char *lines[5] = {GetMsgTextOr(MSG_DELETE_TITLE, ""), GetMsgTextOr(MSG_DELETE_QUESTION, ""),
                          name, GetMsgTextOr(MSG_DELETE_BUTTON, ""),
                          GetMsgTextOr(MSG_CANCEL_BUTTON, "")};
  return ShowHostMessage(FMSG_WARNING, "Presets", lines, 5, 2) == 0;
}

// Returns the line the cursor is to stand on.
static int ActOnBreakKey(int breakCode, int slot) {
  switch (breakCode) {
  case PRESET_KEY_INSERT:
  case PRESET_KEY_EDIT:
    // These showings only save the slot: an Insert button would save too.
    Dialogs.HideItem(PresetDialog, PRESET_ITEM_INSERT);
    if (breakCode == PRESET_KEY_EDIT)
      EditStoredPreset(PresetDialog, slot);
    else {
      int created = CreatePreset();
      slot = created >= 0 ? created : slot;
    }
    Dialogs.RestoreItem(PresetDialog, PRESET_ITEM_INSERT);
    break;
  case PRESET_KEY_DELETE: {
    // A slot that holds nothing goes without a question; one that cannot
    // be read is asked about like any other.
    LockSettings();
    int free = PresetSlotIsFree(slot);
    UnlockSettings();
    if (free || ConfirmDelete(slot)) {
      LockSettings();
      DeletePresetKey(slot);
      UnlockSettings();
    }
    break;
  }
  }
  return slot;
}

// Slot 0 with no format of its own starts from the "Menu" settings' format.
static void StartFreeFormat(void) {
  char *format = Dialogs.GetItemData(PresetDialog, PRESET_ITEM_FORMAT);
  if (format && !format[0])
    ReadMenuFreeFormat(format, PRESET_TEXT_SIZE);
}

// The free-format line has a dialog of its own: a format and a target,
// without the name, the flags and the save of a preset.
static int LoadFreeFormatDialog(void) {
  ReleasePresetDialog();
  PresetDialog = LoadPluginDialog(GetMsgText(MSG_DIALOG_FILE), "Free");
  return PresetDialog != 0;
}

int RunPresetMenu(void) {
  ReleasePresetDialog();
  InsertDialogSlot = -1;
  PresetDialog = LoadPluginDialog(GetMsgText(MSG_DIALOG_FILE), "Main");
  if (!PresetDialog)
    return -1;
  int remembered = 0;
  int chosen;
  int breakCode;
  do {
    BuildPresetMenu(LoadPresetTable());
    PresetMenuItems[remembered].Selected = 1;
    chosen = ShowPresetMenu(&breakCode);
    if (chosen < 0) {
      breakCode = -1;
      break;
    }
    remembered = chosen;
    // Ins works from any line, slot 0's too: it never acts on the line.
    if (breakCode == PRESET_KEY_INSERT || (breakCode != -1 && chosen != FREE_FORMAT_SLOT))
      remembered = ActOnBreakKey(breakCode, chosen);
  } while (breakCode != -1);
  if (chosen < 0 || (chosen == FREE_FORMAT_SLOT && !LoadFreeFormatDialog()))
    return -1;
  LoadPresetIntoDialog(PresetDialog, chosen);
  if (chosen == FREE_FORMAT_SLOT)
    StartFreeFormat();
  else if (Dialogs.GetItemStatus(PresetDialog, PRESET_ITEM_QUICK_INSERT))
    return PRESET_INSERT;
  InsertDialogSlot = chosen;
  return RunPresetInsertDialog(chosen);
}

int ReturnToPresetDialog(int item) {
  if (InsertDialogSlot < 0 || !PresetDialog)
    return -1;
  // A format that gave nothing comes back with the line saying why.
  const char *format = Dialogs.GetItemData(PresetDialog, PRESET_ITEM_FORMAT);
  if (item == PRESET_ITEM_FORMAT && format && format[0])
    ShowFormatPreview(PresetDialog, item);
  Dialogs.SetItemFocus(PresetDialog, item);
  return RunPresetInsertDialog(InsertDialogSlot);
}
