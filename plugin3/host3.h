/* The 3.x plugin's copy of the host's service table, its identity and the
   message helpers every part of it uses. */
#ifndef HORALIS_PLUGIN3_HOST3_H
#define HORALIS_PLUGIN3_HOST3_H

#include "far3_plugin.h"

/* The plugin, its menu rows, its menus and its messages, by GUID. */
extern const GUID PluginGuid, PluginMenuGuid, ConfigMenuGuid, MainMenuGuid, NamesMenuGuid,
    MessageGuid;

/* Message numbers: those of the 1.60 plugin's language file the 3.x
   plugin uses too (the files share their sources), then its own texts. */
enum {
  MSG3_PLUGIN_NAME = 0,
  MSG3_MENU_QUICK = 1,
  MSG3_TITLE = 5,
  MSG3_QUICK_FORMAT = 7,
  MSG3_OK = 125,
  MSG3_FORMAT_EMPTY = 131,
  MSG3_EDITOR_READ_ONLY = 132,
  MSG3_ON_CLIPBOARD = 133,
  MSG3_TEXT_EMPTY = 134, /* a format that gives no text */
  MSG3_MISTAKE_TITLE = 135,
  MSG3_INSERT_ANYWAY = 136,
  MSG3_MISTAKE_BACK = 137,
  MSG3_MISTAKE_NOTE = 142, /* the line above the mistake */
  MSG3_NAMES_ENTRY = 150,
  MSG3_INTERFACE_LANGUAGE = 151, /* the language file's own, "en" for English */
  MSG3_NAMES_TITLE = 152,
  MSG3_NAMES_CHOICES = 153, /* 153..155, in the order shown */
  MSG3_TAKEN_OVER = 260,    /* the 1.60 plugin's settings were taken over */
  MSG3_NO_FIELD = 261       /* a dialog whose focus is on no edit field */
};

/* The host's table and helpers as SetStartupInfoW gave them: fields the
   host did not give (an older, shorter table) stay null. */
extern struct PluginStartupInfo Far;
extern struct FarStandardFunctions FarFsf;

void TakeStartupInfo(const struct PluginStartupInfo *info);

/* The language file's text; never null (empty without a host or text). */
const wchar_t *Msg3(intptr_t id);

/* A note under the plugin's title with its "Ok" button; flags FMSG_*. */
void ShowNote3(intptr_t msgId, FARMESSAGEFLAGS flags);

/* The host's message box: lines[0] the title, the last `buttons` lines
   buttons. The button chosen, -1 for Esc or without a host. */
intptr_t ShowMessage3(FARMESSAGEFLAGS flags, const wchar_t *const *lines, size_t count,
                      intptr_t buttons);

#endif
