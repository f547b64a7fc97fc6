#include "plugin/names_setting.h"

#include <string.h>

#include "datetext/locale_names.h"
#include "hostlink/failure_box.h"
#include "hostlink/host_table.h"
#include "plugin/plugin.h"
#include "settings/settings_store.h"

int NamesChoice = NAMES_AS_INTERFACE;

// A language file without the line is taken as English: the names then
// stay those of earlier versions.
static int InterfaceIsEnglish(void) {
  const char *language = GetMsgText(MSG_INTERFACE_LANGUAGE);
  return !language || !language[0] || strcmp(language, "en") == 0;
}

// Kept with the module-wide settings: it governs every format.
DWORD ReadLanguageValue(void) { return ReadNumberOr(NAMES_SETTING_VALUE, NAMES_AS_INTERFACE); }

void ApplyNamesChoice(DWORD stored) {
  NamesChoice = stored == NAMES_RUNTIME || stored == NAMES_USER ? (int)stored : NAMES_AS_INTERFACE;
  int userLanguage =
      NamesChoice == NAMES_USER || (NamesChoice == NAMES_AS_INTERFACE && !InterfaceIsEnglish());
  // A kept clock reads the flag as it draws: written only when it changes.
  if (UserLanguageForAll != userLanguage)
    UserLanguageForAll = userLanguage;
}

void FollowInterfaceLanguage(void) { ApplyNamesChoice((DWORD)NamesChoice); }

enum { NAMES_CHOICE_COUNT = 3 };

// The menu's lines, the default first.
static const int ChoiceOrder[NAMES_CHOICE_COUNT] = {NAMES_AS_INTERFACE, NAMES_USER, NAMES_RUNTIME};

void EditNamesSetting(void) {
  struct FarMenuItem items[NAMES_CHOICE_COUNT];
  for (int line = 0; line < NAMES_CHOICE_COUNT; line++) {
    CopyMenuText(items[line].Text, GetMsgText(MSG_NAMES_CHOICES + line));
    items[line].Selected = items[line].Checked = ChoiceOrder[line] == NamesChoice;
    items[line].Separator = 0;
  }
  int chosen = ShowHostMenu(MSG_NAMES_TITLE, NULL, "Names", NULL, NULL, items, NAMES_CHOICE_COUNT);
  if (chosen < 0)
    return;
  DWORD value = (DWORD)ChoiceOrder[chosen];
  LockSettings();
  OpenSettingsKey(ConfigKey);
  LONG result = WriteValue(NAMES_SETTING_VALUE, &value, REG_DWORD);
  UnlockSettings();
  if (SettingsSaved(result))
    ApplyNamesChoice(value);
}
