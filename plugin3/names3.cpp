#include "plugin3/names3.h"

#include <string.h>

#include "datetext/locale_names.h"
#include "plugin3/host3.h"
#include "plugin3/settings3.h"

// The value under "Config", as the 1.60 plugin keeps it: 0 the runtime's
// (English) names, 1 the Windows user's language, else as the interface.
static const wchar_t NamesValue[] = L"UserLanguage";
enum { NAMES_RUNTIME = 0, NAMES_USER = 1, NAMES_AS_INTERFACE = 2 };

// A language file without the line is taken as English.
static int InterfaceIsEnglish(void) {
  const wchar_t *language = Msg3(MSG3_INTERFACE_LANGUAGE);
  return !language[0] || wcscmp(language, L"en") == 0;
}

static int StoredChoice(void) {
  HANDLE settings = OpenSettings3();
  size_t key = SettingsKey3(settings, FSSF_ROOT, L"Config", 0);
  unsigned long long stored = ReadNumber3(settings, key, NamesValue, NAMES_AS_INTERFACE);
  CloseSettings3(settings);
  return stored == NAMES_RUNTIME || stored == NAMES_USER ? (int)stored : NAMES_AS_INTERFACE;
}

static void ApplyChoice(int choice) {
  UserLanguageForAll =
      choice == NAMES_USER || (choice == NAMES_AS_INTERFACE && !InterfaceIsEnglish());
}

void ApplyNames3(void) { ApplyChoice(StoredChoice()); }

enum { NAMES_CHOICE_COUNT = 3 };

// The menu's lines, the default first.
static const int ChoiceOrder[NAMES_CHOICE_COUNT] = {NAMES_AS_INTERFACE, NAMES_USER, NAMES_RUNTIME};

void EditNames3(void) {
  if (!Far.Menu)
    return;
  int current = StoredChoice();
  struct FarMenuItem items[NAMES_CHOICE_COUNT];
  memset(items, 0, sizeof items);
  for (int line = 0; line < NAMES_CHOICE_COUNT; line++) {
    items[line].Text = Msg3(MSG3_NAMES_CHOICES + line);
    if (ChoiceOrder[line] == current)
      items[line].Flags = MIF_SELECTED | MIF_CHECKED;
  }
  intptr_t chosen =
      Far.Menu(&PluginGuid, &NamesMenuGuid, -1, -1, 0, FMENU_WRAPMODE, Msg3(MSG3_NAMES_TITLE), NULL,
               L"Languages", NULL, NULL, items, NAMES_CHOICE_COUNT);
  if (chosen < 0 || chosen >= NAMES_CHOICE_COUNT)
    return;
  HANDLE settings = OpenSettings3();
  size_t key = SettingsKey3(settings, FSSF_ROOT, L"Config", 1);
  int saved = WriteNumber3(settings, key, NamesValue, (unsigned long long)ChoiceOrder[chosen]);
  CloseSettings3(settings);
  if (saved)
    ApplyChoice(ChoiceOrder[chosen]);
}
