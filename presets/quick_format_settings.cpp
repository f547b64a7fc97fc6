#include "presets/quick_format_settings.h"

#include <string.h>

#include "datetext/locale_names.h"
#include "hostlink/dialog_binding.h"
#include "hostlink/dialog_snapshot.h"
#include "hostlink/failure_box.h"
#include "hostlink/host_table.h"
#include "presets/format_checks.h"
#include "presets/preview_line.h"
#include "settings/settings_store.h"

// Only the quick insertion delivers from the viewer through its settings.
static int HasClipboardNote(const char *key) { return strcmp(key, "Auto") == 0; }

int ClipboardNoteWanted(void) {
  LockSettings();
  DWORD wanted = OpenExistingSettingsKey("Auto") ? ReadNumberOr("ClipboardNote", 1) : 1;
  UnlockSettings();
  return wanted != 0;
}

int LoadCustomFormat(DialogHandle dialog) {
  char stored[PRESET_TEXT_SIZE];
  int selected = ReadNumber(CustomValue) ? QUICK_ITEM_CUSTOM : QUICK_ITEM_DEFAULT;
  Dialogs.SetRadioStatus(dialog, QUICK_ITEM_DEFAULT, selected);
  // The stored format is shown, so that confirming without a change keeps
  // it; with none stored the description's own text stays.
  if (ReadText(FormatValue, stored, sizeof stored) == ERROR_SUCCESS)
    PutItemText(dialog, QUICK_ITEM_FORMAT, stored);
  return selected;
}

LONG SaveCustomFormat(DialogHandle dialog) {
  DWORD custom = Dialogs.GetItemStatus(dialog, QUICK_ITEM_CUSTOM) != 0;
  const char *format = Dialogs.GetItemData(dialog, QUICK_ITEM_FORMAT);
  LONG result = WriteValue(CustomValue, &custom, REG_DWORD);
  return format ? FirstFailure(result, WriteValue(FormatValue, format, REG_SZ)) : result;
}

int CustomFormatSaveAccepted(DialogHandle dialog) {
  return FormatSaveAccepted(dialog, QUICK_ITEM_FORMAT,
                            Dialogs.GetItemStatus(dialog, QUICK_ITEM_CUSTOM));
}

// Fills the dialog from the key, when it can be opened.
static void LoadQuickFormat(DialogHandle dialog, const char *key) {
  if (HasClipboardNote(key))
    Dialogs.SetItemStatus(dialog, QUICK_ITEM_CLIPBOARD_NOTE, ClipboardNoteWanted());
  LockSettings();
  // The dialog opens on its radio group, on the choice in force.
  if (OpenSettingsKey(key))
    Dialogs.SetItemFocus(dialog, LoadCustomFormat(dialog));
  UnlockSettings();
}

static LONG SaveQuickFormat(DialogHandle dialog, const char *key) {
  LockSettings();
  OpenSettingsKey(key);
  LONG result = SaveCustomFormat(dialog);
  if (HasClipboardNote(key)) {
    DWORD note = Dialogs.GetItemStatus(dialog, QUICK_ITEM_CLIPBOARD_NOTE) != 0;
    result = FirstFailure(result, WriteValue("ClipboardNote", &note, REG_DWORD));
  }
  UnlockSettings();
  return result;
}

void EditQuickFormat(const char *key) {
  DialogHandle dialog = LoadPluginDialog(GetMsgText(MSG_DIALOG_FILE), key);
  if (!dialog)
    return;
  // "Menu" has no note: its items start after the note's.
  static const int statusItems[] = {QUICK_ITEM_CLIPBOARD_NOTE, QUICK_ITEM_CUSTOM, 0};
  static const int textItems[] = {QUICK_ITEM_FORMAT, 0};
  LoadQuickFormat(dialog, key);
  struct DialogSnapshot shown;
  TakeDialogSnapshot(dialog, statusItems + !HasClipboardNote(key), textItems, &shown);
  // A save refused or failed is said so, and the dialog comes back with
  // the user's input until it is saved or cancelled.
  while (ShowFormatDialog(dialog, QUICK_ITEM_FORMAT) != -1 && DialogChangedSince(dialog, &shown) &&
         (!CustomFormatSaveAccepted(dialog) || !SettingsSaved(SaveQuickFormat(dialog, key)))) {
  }
  Dialogs.FreeDialog(dialog);
}

int ReadMenuFreeFormat(char *buffer, int size) {
  LockSettings();
  int copied = OpenExistingSettingsKey("Menu") && ReadNumber(CustomValue) &&
               ReadText(FormatValue, buffer, size) == ERROR_SUCCESS && buffer[0];
  UnlockSettings();
  if (!copied && size > 0)
    buffer[0] = 0;
  return copied;
}
