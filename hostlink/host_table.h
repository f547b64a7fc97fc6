/* The plugin's copy of the host's service table and the message helpers
   every feature uses. */
#ifndef HORALIS_HOSTLINK_HOST_TABLE_H
#define HORALIS_HOSTLINK_HOST_TABLE_H

#include "far_plugin.h"

enum { ROOT_KEY_SIZE = 256 };

/* Message numbers of the language file whose roles the code relies on. */
enum {
  MSG_PLUGIN_NAME = 0,
  MSG_MENU_QUICK = 1, /* main menu entries 1..4 */
  MSG_TITLE = 5,
  MSG_FREE_FORMAT = 6,
  MSG_QUICK_FORMAT = 7,
  MSG_CLOCK_FORMAT = 8,
  MSG_CLOCK_PAUSE = 9,
  MSG_PRESETS_BOTTOM = 11,
  MSG_MAIN_BOTTOM = 12,
  MSG_PRESETS_TITLE = 13,
  MSG_CONFIGURE_BOTTOM = 14, /* the main menu's bottom line from Configure */
  MSG_MONTH_BASE = 35,       /* + month 1..12 */
  MSG_DIALOG_FILE = 59
};

extern struct PluginStartupInfo HostServices;
extern volatile int HostReady;
extern char RootKeyCopy[ROOT_KEY_SIZE];

void TakeHostTable(const struct PluginStartupInfo *Info);
const char *GetMsgText(int MsgId);

#endif
