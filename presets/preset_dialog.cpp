#include "presets/preset_dialog.h"

#include "hostlink/dialog_binding.h"
#include "hostlink/dialog_snapshot.h"
#include "hostlink/failure_box.h"
#include "hostlink/host_table.h"
#include "presets/format_checks.h"
#include "presets/preset_menu.h"
#include "presets/preview_line.h"
#include "settings/settings_store.h"

void LoadPresetIntoDialog(DialogHandle dialog, int slot) {
  LockSettings();
  OpenPresetKey(slot);
  char *name = Dialogs.GetItemData(dialog, PRESET_ITEM_NAME);
  if (name)
    ReadText(NameValue, name, PRESET_TEXT_SIZE);
  char *format = Dialogs.GetItemData(dialog, PRESET_ITEM_FORMAT);
  if (format)
    ReadText(FormatValue, format, PRESET_TEXT_SIZE);
  // A preset never saved goes to the cursor, whichever way it was started.
  DWORD mode = ReadNumberOr(ModeValue, NEW_PRESET_MODE);
  UnlockSettings();
  ShowPresetMode(dialog, mode);
  ClearFormatPreview(dialog);
}

void ShowPresetMode(DialogHandle dialog, DWORD mode) {
  Dialogs.SetRadioStatus(dialog, PRESET_ITEM_AT_CURSOR,
                         PresetModeAtCursor(mode) ? PRESET_ITEM_AT_CURSOR : PRESET_ITEM_CLIPBOARD);
  Dialogs.SetItemStatus(dialog, PRESET_ITEM_QUICK_INSERT, PresetModeQuickInsert(mode));
  Dialogs.SetItemStatus(dialog, PRESET_ITEM_VIEW_ONLY, PresetModeViewOnly(mode));
  Dialogs.SetItemStatus(dialog, PRESET_ITEM_WEEK_NUMBERS, PresetModeWeekNumbers(mode));
}

void StartNewPreset(DialogHandle dialog) {
  PutItemText(dialog, PRESET_ITEM_NAME, "");
  PutItemText(dialog, PRESET_ITEM_FORMAT, "");
  ShowPresetMode(dialog, NEW_PRESET_MODE);
  ClearFormatPreview(dialog);
  Dialogs.SetItemFocus(dialog, PRESET_ITEM_NAME);
}

LONG SavePresetFromDialog(DialogHandle dialog, int slot) {
  DWORD mode = PackPresetMode(Dialogs.GetItemStatus(dialog, PRESET_ITEM_QUICK_INSERT),
                              Dialogs.GetItemStatus(dialog, PRESET_ITEM_VIEW_ONLY),
                              Dialogs.GetItemStatus(dialog, PRESET_ITEM_AT_CURSOR)) |
               (DWORD)(Dialogs.GetItemStatus(dialog, PRESET_ITEM_WEEK_NUMBERS) != 0)
                   << MODE_WEEK_NUMBERS_SHIFT;
  const char *name = Dialogs.GetItemData(dialog, PRESET_ITEM_NAME);
  const char *format = Dialogs.GetItemData(dialog, PRESET_ITEM_FORMAT);
  LockSettings();
  OpenPresetKey(slot);
  LONG result = ERROR_SUCCESS;
  if (name)
    result = WriteValue(NameValue, name, REG_SZ);
  if (format)
    result = FirstFailure(result, WriteValue(FormatValue, format, REG_SZ));
  result = FirstFailure(result, WriteValue(ModeValue, &mode, REG_DWORD));
  UnlockSettings();
  return result;
}

// A preset's name and format are what its menu line shows and inserts:
// neither is saved empty. The calendar's format has no name, and is not in
// use while it only shows a day.
static int PresetSaveAccepted(DialogHandle dialog, int slot) {
  if (slot == CALENDAR_SLOT)
    return FormatSaveAccepted(dialog, PRESET_ITEM_FORMAT,
                              !Dialogs.GetItemStatus(dialog, PRESET_ITEM_VIEW_ONLY));
  const char *name = Dialogs.GetItemData(dialog, PRESET_ITEM_NAME);
  if (name && !name[0]) {
    ShowNote(MSG_NAME_EMPTY, 0);
    Dialogs.SetItemFocus(dialog, PRESET_ITEM_NAME);
    return 0;
  }
  return FormatSaveAccepted(dialog, PRESET_ITEM_FORMAT, 1);
}

int SavePresetChecked(DialogHandle dialog, int slot) {
  return PresetSaveAccepted(dialog, slot) && SettingsSaved(SavePresetFromDialog(dialog, slot));
}

int RunPresetInsertDialog(int slot) {
  int exitCode;
  for (;;) {
    exitCode = ShowFormatDialog(PresetDialog, PRESET_ITEM_FORMAT);
    if (!Dialogs.GetItemStatus(PresetDialog, PRESET_ITEM_SAVE))
      break;
    SavePresetChecked(PresetDialog, slot);
  }
  return exitCode;
}

void RunPresetEditDialog(DialogHandle dialog, int slot) {
  while (ShowFormatDialog(dialog, PRESET_ITEM_FORMAT) != -1 && !SavePresetChecked(dialog, slot)) {
  }
}

void EditStoredPreset(DialogHandle dialog, int slot) {
  static const int statusItems[] = {PRESET_ITEM_AT_CURSOR, PRESET_ITEM_QUICK_INSERT,
                                    PRESET_ITEM_VIEW_ONLY, PRESET_ITEM_WEEK_NUMBERS, 0};
  static const int textItems[] = {PRESET_ITEM_NAME, PRESET_ITEM_FORMAT, 0};
  LoadPresetIntoDialog(dialog, slot);
  struct DialogSnapshot shown;
  TakeDialogSnapshot(dialog, statusItems, textItems, &shown);
  while (ShowFormatDialog(dialog, PRESET_ITEM_FORMAT) != -1 && DialogChangedSince(dialog, &shown) &&
         !SavePresetChecked(dialog, slot)) {
  }
}
