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
  MSG_DIALOG_FILE = 59,
  MSG_OK = 125
};

extern struct PluginStartupInfo HostServices;
extern volatile int HostReady;
extern char RootKeyCopy[ROOT_KEY_SIZE];

void TakeHostTable(const struct PluginStartupInfo *Info);
const char *GetMsgText(int MsgId);
/* The message, or `fallback` where the language file has no text for it:
   a box still says what it must. */
const char *GetMsgTextOr(int MsgId, const char *fallback);
/* The host's message box: lines[0] is the title, the last buttons lines
   are buttons. Returns the button chosen, -1 for Esc or without a host. */
int ShowHostMessage(unsigned flags, const char *helpTopic, const char *const *lines, int count,
                    int buttons);
/* The host's menu, wrapping, under the language file's title titleId.
   Returns the item chosen, -1 for Esc or without a host; breakCode (if
   given) is -1 unless a break key closed it. */
int ShowHostMenu(int titleId, const char *bottom, const char *helpTopic, const int *breakKeys,
                 int *breakCode, const struct FarMenuItem *items, int count);
/* A one-line message of the language file under a title of it, with one
   button; a language file older than the message still gets the button. */
int ShowTitledNote(int titleId, int msgId, int okId, unsigned flags);
/* The same under the plugin's title, with its "Ok" button. */
int ShowNote(int msgId, unsigned flags);

#endif
