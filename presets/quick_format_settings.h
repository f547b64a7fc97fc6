/* The settings dialogs of the quick format ("Auto") and of the presets
   menu ("Menu"). */
#ifndef HORALIS_PRESETS_QUICK_FORMAT_SETTINGS_H
#define HORALIS_PRESETS_QUICK_FORMAT_SETTINGS_H

#include <windows.h>

#include "dialog_gen.h"

enum {
  QUICK_ITEM_DEFAULT = 2, /* radio group: 2 the default format, 3 custom */
  QUICK_ITEM_CUSTOM = 3,
  QUICK_ITEM_FORMAT = 4,
  /* "Auto" only: the note after a delivery to the clipboard from the
     viewer, stored as "ClipboardNote" (on unless stored as 0) */
  QUICK_ITEM_CLIPBOARD_NOTE = 10
};

/* The choice between the default format and a custom one, and the custom
   format, as every dialog of a format in use has them (these items), from
   and to the current key, which the caller has opened under the settings
   lock. Loading returns the choice's item. */
int LoadCustomFormat(DialogHandle dialog);
LONG SaveCustomFormat(DialogHandle dialog);

/* Whether the custom format may be saved, when it is the one chosen: as
   FormatSaveAccepted. */
int CustomFormatSaveAccepted(DialogHandle dialog);

/* key is "Auto" or "Menu", also the dialog's name. */
void EditQuickFormat(const char *key);

/* The "Menu" settings' custom format, when the user chose one: the format
   the presets menu's free-format line starts from. 1 when copied. */
int ReadMenuFreeFormat(char *buffer, int size);

/* Whether a delivery to the clipboard from the viewer is followed by a
   note saying so. */
int ClipboardNoteWanted(void);

#endif
