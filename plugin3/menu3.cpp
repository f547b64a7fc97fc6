#include "plugin3/menu3.h"

#include <string.h>

#include "plugin3/host3.h"
#include "plugin3/names3.h"
#include "plugin3/settings3.h"

enum { QUICK_FORMAT_SIZE = 512 };

// The entries that work in this plugin, in the 1.60 menu's words.
enum MainEntry { ENTRY_QUICK, ENTRY_NAMES, MAIN_ENTRIES };

static intptr_t ShowMenu(const struct FarMenuItem *items, size_t count, const wchar_t *help) {
  if (!Far.Menu)
    return -1;
  intptr_t chosen = Far.Menu(&PluginGuid, &MainMenuGuid, -1, -1, 0, FMENU_WRAPMODE,
                             Msg3(MSG3_TITLE), NULL, help, NULL, NULL, items, count);
  return chosen >= 0 && (size_t)chosen < count ? chosen : -1;
}

static void RunQuickInsertion(const struct Place3 *place) {
  static wchar_t format[QUICK_FORMAT_SIZE];
  HANDLE settings = OpenSettings3();
  size_t key = SettingsKey3(settings, FSSF_ROOT, L"Auto", 0);
  int custom = ReadNumber3(settings, key, L"Custom", 0) != 0;
  if (custom)
    ReadText3(settings, key, L"Format", format, QUICK_FORMAT_SIZE);
  CloseSettings3(settings);
  DeliverFormat3(custom ? format : Msg3(MSG3_QUICK_FORMAT), place);
}

void RunMainMenu3(const struct Place3 *place) {
  struct FarMenuItem items[MAIN_ENTRIES];
  memset(items, 0, sizeof items);
  items[ENTRY_QUICK].Text = Msg3(MSG3_MENU_QUICK);
  items[ENTRY_NAMES].Text = Msg3(MSG3_NAMES_ENTRY);
  intptr_t chosen = ShowMenu(items, MAIN_ENTRIES, L"Contents");
  if (chosen == ENTRY_QUICK)
    RunQuickInsertion(place);
  else if (chosen == ENTRY_NAMES)
    EditNames3();
}

int RunConfigureMenu3(void) {
  // Only the names have settings of their own in this plugin so far.
  struct FarMenuItem items[1];
  memset(items, 0, sizeof items);
  items[0].Text = Msg3(MSG3_NAMES_ENTRY);
  if (ShowMenu(items, 1, L"Settings") != 0)
    return 0;
  EditNames3();
  return 1;
}
