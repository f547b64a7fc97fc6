#include "presets/quick_format_settings.h"

#include "datetext/locale_names.h"
#include "hostlink/dialog_binding.h"
#include "hostlink/dialog_snapshot.h"
#include "hostlink/host_table.h"
#include "presets/preset_dialog.h"
#include "settings/settings_store.h"

// Fills the dialog from the key; 1 when the key could be opened.
static int LoadQuickFormat(DialogHandle dialog, const char *key) {
  char stored[PRESET_TEXT_SIZE];
  LockSettings();
  int opened = OpenSettingsKey(key) != NULL;
  DWORD custom = opened ? ReadNumber("Custom") : 0;
  // The stored format is shown, so that confirming without a change keeps
  // it; with none stored the description's own text stays.
  int haveFormat = opened && ReadText("Format", stored, sizeof stored) == ERROR_SUCCESS;
  UnlockSettings();
  if (!opened)
    return 0;
  int selected = custom ? QUICK_ITEM_CUSTOM : QUICK_ITEM_DEFAULT;
  Dialogs.SetRadioStatus(dialog, QUICK_ITEM_DEFAULT, selected);
  // The dialog opens on its radio group, on the choice in force.
  Dialogs.SetItemFocus(dialog, selected);
  if (haveFormat)
    PutItemText(dialog, QUICK_ITEM_FORMAT, stored);
  return 1;
}

static void SaveQuickFormat(DialogHandle dialog, const char *key) {
  DWORD custom = Dialogs.GetItemStatus(dialog, QUICK_ITEM_CUSTOM) != 0;
  const char *format = Dialogs.GetItemData(dialog, QUICK_ITEM_FORMAT);
  LockSettings();
  if (OpenSettingsKey(key)) {
    WriteValue("Custom", &custom, REG_DWORD);
    if (format)
      WriteValue("Format", format, REG_SZ);
  }
  UnlockSettings();
}

// Kept with the module-wide settings: it governs every format. Written
// data, not read-only: that page of the module is full.
static char LanguageValue[] = "UserLanguage";

void ReadLanguageSetting(void) {
  LockSettings();
  UserLanguageForAll = OpenExistingSettingsKey("Config") && ReadNumber(LanguageValue);
  UnlockSettings();
}

static void SaveLanguageSetting(DialogHandle dialog) {
  DWORD chosen = Dialogs.GetItemStatus(dialog, QUICK_ITEM_USER_LANGUAGE) != 0;
  LockSettings();
  if (OpenSettingsKey("Config") && WriteValue(LanguageValue, &chosen, REG_DWORD) == ERROR_SUCCESS)
    UserLanguageForAll = (int)chosen;
  UnlockSettings();
}

void EditQuickFormat(const char *key) {
  DialogHandle dialog = LoadPluginDialog(GetMsgText(MSG_DIALOG_FILE), key);
  if (!dialog)
    return;
  static const int statusItems[] = {QUICK_ITEM_CUSTOM, 0};
  static const int textItems[] = {QUICK_ITEM_FORMAT, 0};
  int opened = LoadQuickFormat(dialog, key);
  // Only the quick format's dialog holds the names' language.
  int withLanguage = Dialogs.GetItemAddr(dialog, QUICK_ITEM_USER_LANGUAGE) != NULL;
  if (withLanguage)
    Dialogs.SetItemStatus(dialog, QUICK_ITEM_USER_LANGUAGE, UserLanguageForAll);
  struct DialogSnapshot shown;
  TakeDialogSnapshot(dialog, statusItems, textItems, &shown);
  if (Dialogs.ShowDialog(dialog) != -1) {
    if (opened && DialogChangedSince(dialog, &shown))
      SaveQuickFormat(dialog, key);
    if (withLanguage &&
        (Dialogs.GetItemStatus(dialog, QUICK_ITEM_USER_LANGUAGE) != 0) != (UserLanguageForAll != 0))
      SaveLanguageSetting(dialog);
  }
  Dialogs.FreeDialog(dialog);
}

void EditCalendarFormat(void) {
  DialogHandle dialog = LoadPluginDialog(GetMsgText(MSG_DIALOG_FILE), "Main2");
  if (!dialog)
    return;
  EditStoredPreset(dialog, CALENDAR_SLOT);
  Dialogs.FreeDialog(dialog);
}

int ReadMenuFreeFormat(char *buffer, int size) {
  LockSettings();
  int copied = OpenExistingSettingsKey("Menu") && ReadNumber("Custom") &&
               ReadText("Format", buffer, size) == ERROR_SUCCESS && buffer[0];
  UnlockSettings();
  if (!copied && size > 0)
    buffer[0] = 0;
  return copied;
}
