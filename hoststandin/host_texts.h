/* The stand-in's own texts in the host's language: English, or Russian
   (in the OEM code page, as the screen holds it) when the host's language
   is Russian. Its menus' and windows' titles, buttons, notes and key bar. */
#ifndef HORALIS_HOSTSTANDIN_HOST_TEXTS_H
#define HORALIS_HOSTSTANDIN_HOST_TEXTS_H

enum HostTextId {
  HT_NONE, /* "" */
  HT_PLUGIN_COMMANDS,
  HT_PLUGINS_CONFIGURATION,
  HT_NO_ENTRY,
  HT_OK,
  HT_HELP,
  HT_NO_TOPIC,
  HT_NO_HELP_FILE,
  HT_COMMAND_LINE,
  HT_NO_COMMANDS,
  HT_TEXT_KEPT,
  HT_EDITOR,
  HT_CHANGED,
  HT_SAVE,
  HT_DONT_SAVE,
  HT_CANCEL,
  HT_NO_FILE,
  HT_OPENED_READ_ONLY,
  HT_NOT_SAVED,
  HT_CANNOT_SAVE,
  HT_NEW_TEXT,
  HT_LINE,
  HT_COLUMN,
  HT_READ_ONLY,
  HT_VIEWER,
  HT_KEY_HELP,
  HT_KEY_VIEW,
  HT_KEY_EDIT,
  HT_KEY_CONF,
  HT_KEY_QUIT,
  HT_KEY_PLUGIN,
  HT_KEY_SAVE,
  HT_HOST_KEYS,
  HT_KEYS_F11,
  HT_KEYS_F9,
  HT_KEYS_F4,
  HT_KEYS_F2,
  HT_KEYS_F10,
  HT_KEYS_PASTE,
  HT_KEYS_ESC,
  HT_KEYS_F1,
  HT_KEYS_ALT_L,
  HT_KEYS_ALT_U,
  HT_PATH_TOO_LONG,
  HT_OPENED_EMPTY,
  HT_TOO_LARGE,
  HT_OPENED_START,
  HT_UNREADABLE,
  HT_NUL_BYTES,
  HT_OPENED_READ_ONLY_AS_IS,
  HT_VIEWER_NOTE,
  HT_FOLDER,
  HT_COUNT
};

const char *HostText(int id);

#endif
