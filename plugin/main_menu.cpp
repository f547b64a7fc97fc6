// The five-entry main menu shared by OpenPlugin and Configure, and what
// each entry does.
#include <string.h>

#include "calendar/calendar_dialog.h"
#include "calendar/calendar_settings.h"
#include "hostlink/date_delivery.h"
#include "hostlink/dialog_binding.h"
#include "hostlink/host_table.h"
#include "indicator/clock_indicator.h"
#include "indicator/indicator_settings.h"
#include "plugin/names_setting.h"
#include "plugin/plugin.h"
#include "presets/format_checks.h"
#include "presets/preset_dialog.h"
#include "presets/preset_menu.h"
#include "presets/quick_format_settings.h"
#include "settings/settings_store.h"

// The four features, then the names they all use.
enum { MAIN_MENU_ENTRIES = 5, CLOCK_ENTRY = 2, NAMES_ENTRY = 4 };

static void EditAutoFormat(void) { EditQuickFormat("Auto"); }
static void EditMenuFormat(void) { EditQuickFormat("Menu"); }

// The settings behind F4 (or Enter from Configure), one per entry.
static void (*const SettingsOperations[MAIN_MENU_ENTRIES])(void) = {
    EditAutoFormat, EditMenuFormat, EditIndicatorSettings, EditCalendarFormat, EditNamesSetting};

void CopyMenuText(char *text, const char *message) {
  // A longer message is cut to fit the item.
  size_t length = message ? strlen(message) : 0;
  if (length > FAR_MENU_TEXT_SIZE - 1)
    length = FAR_MENU_TEXT_SIZE - 1;
  memcpy(text, message ? message : "", length);
  text[length] = 0;
}

int ShowMainMenu(int configureMode) {
  // On the stack: the host copies the items, and static data of this size
  // would cost the module a page of memory.
  struct FarMenuItem MainMenuItems[MAIN_MENU_ENTRIES];
  for (int entry = 0; entry < MAIN_MENU_ENTRIES; entry++) {
    int text = entry == NAMES_ENTRY ? MSG_NAMES_ENTRY : MSG_MENU_QUICK + entry;
    CopyMenuText(MainMenuItems[entry].Text, GetMsgText(text));
    MainMenuItems[entry].Selected = 0;
    MainMenuItems[entry].Checked = 0;
    MainMenuItems[entry].Separator = 0;
  }
  // From Configure, Enter opens settings too, and the bottom line says so.
  const char *bottom = GetMsgText(configureMode ? MSG_CONFIGURE_BOTTOM : MSG_MAIN_BOTTOM);
  // F1 opens the help of what the menu is for.
  const char *helpTopic = configureMode ? "Settings" : "Contents";
  static const int BreakKeys[] = {VK_F4, 0};
  for (;;) {
    // A kept clock is on until its entry is chosen again: the entry says so.
    MainMenuItems[CLOCK_ENTRY].Checked = KeptClockShown();
    int breakCode;
    int chosen = ShowHostMenu(MSG_TITLE, bottom, helpTopic, BreakKeys, &breakCode, MainMenuItems,
                              MAIN_MENU_ENTRIES);
    if ((breakCode == 0 || configureMode) && chosen >= 0 && DialogLibraryReady &&
        SettingsOperations[chosen])
      SettingsOperations[chosen]();
    for (int entry = 0; entry < MAIN_MENU_ENTRIES; entry++)
      MainMenuItems[entry].Selected = entry == chosen;
    if (breakCode == -1)
      return chosen;
  }
}

// Every delivery of the main menu: at the cursor, which from the viewer is
// the clipboard, or on the clipboard.
static enum Delivery Deliver(const char *format, int openFrom, int atCursor) {
  enum DeliveryTarget target = !atCursor || openFrom == OPEN_VIEWER ? TO_CLIPBOARD
                               : openFrom == OPEN_EDITOR            ? TO_EDITOR
                                                                    : TO_COMMAND_LINE;
  enum Delivery delivery = DeliverFormat(format, target, NULL);
  // The viewer shows no change: a note says where the text went.
  if (delivery == DELIVERED && openFrom == OPEN_VIEWER && ClipboardNoteWanted())
    ShowNote(MSG_ON_CLIPBOARD, 0);
  return delivery;
}

static void RunQuickInsertion(int openFrom) {
  LockSettings();
  DWORD custom = OpenSettingsKey("Auto") ? ReadNumber(CustomValue) : 0;
  if (custom)
    ReadText(FormatValue, QuickFormat, sizeof QuickFormat);
  UnlockSettings();
  Deliver(custom ? QuickFormat : GetMsgText(MSG_QUICK_FORMAT), openFrom, 1);
}

static void RunPresets(int openFrom) {
  // The dialog holds the chosen preset as the user left it. A refused
  // delivery brings it back so, the focus on what was refused.
  int result = RunPresetMenu();
  while (result == PRESET_INSERT) {
    int atCursor = Dialogs.GetItemStatus(PresetDialog, PRESET_ITEM_AT_CURSOR);
    enum Delivery delivery =
        Deliver(Dialogs.GetItemData(PresetDialog, PRESET_ITEM_FORMAT), openFrom, atCursor);
    if (delivery == DELIVERED)
      break;
    result = ReturnToPresetDialog(delivery == FORMAT_REFUSED ? PRESET_ITEM_FORMAT
                                  : atCursor                 ? PRESET_ITEM_AT_CURSOR
                                                             : PRESET_ITEM_CLIPBOARD);
  }
  ReleasePresetDialog();
}

void RunMainMenuEntry(int entry, int openFrom) {
  switch (entry) {
  case 0:
    RunQuickInsertion(openFrom);
    break;
  case 1:
    RunPresets(openFrom);
    break;
  case 2:
    InvokeClockIndicator();
    break;
  case 3:
    ShowCalendar(openFrom);
    break;
  case NAMES_ENTRY:
    EditNamesSetting(); // a setting only, from either menu
    break;
  default:
    break;
  }
}
