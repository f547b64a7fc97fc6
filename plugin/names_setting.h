/* The names of months and days that every format without a "%{...}" of
   its own takes, and the configuration menu's entry that chooses them. */
#ifndef HORALIS_PLUGIN_NAMES_SETTING_H
#define HORALIS_PLUGIN_NAMES_SETTING_H

#include <windows.h>

/* The value under "Config" and what it holds: 0 the runtime's (English)
   names, 1 the Windows user's language (as the check box of earlier
   versions stored them), anything else or nothing as the interface. */
#define NAMES_SETTING_VALUE "UserLanguage"
enum { NAMES_RUNTIME = 0, NAMES_USER = 1, NAMES_AS_INTERFACE = 2 };

enum {
  MSG_NAMES_ENTRY = 150,        /* the main menu's fifth entry */
  MSG_INTERFACE_LANGUAGE = 151, /* the language file's own language, "en" for English */
  MSG_NAMES_TITLE = 152,
  MSG_NAMES_CHOICES = 153 /* 153..155, in the order shown */
};

/* The choice in force, as stored. */
extern int NamesChoice;

/* Takes a stored value as the choice and sets UserLanguageForAll by it:
   the Windows user's language for 1, and, for the interface's, whenever
   the host's language file is not the English one. */
void ApplyNamesChoice(DWORD stored);

/* The choice in force decided again, on the host's thread, for the
   language the host's texts are in now: the host may have switched it
   since. */
void FollowInterfaceLanguage(void);

/* The stored choice from the current key, which the caller has opened as
   "Config" under the settings lock: start-up reads all it needs there in
   one open, and applies it with ApplyNamesChoice once unlocked. */
DWORD ReadLanguageValue(void);

/* The menu of the three choices; Enter stores the one chosen. */
void EditNamesSetting(void);

#endif
