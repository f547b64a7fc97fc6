/* The preset dialog: a FormatPreset's name, format, target and flags, filled
   from a slot and saved into it. "Main" and "Main2" number their items alike. */
#ifndef HORALIS_PRESETS_PRESET_DIALOG_H
#define HORALIS_PRESETS_PRESET_DIALOG_H

#include "dialog_gen.h"
#include "settings/settings_store.h"

enum {
  PRESET_ITEM_AT_CURSOR = 1, /* radio group: 1 at the cursor, 2 clipboard */
  PRESET_ITEM_CLIPBOARD = 2,
  PRESET_ITEM_QUICK_INSERT = 3,
  PRESET_ITEM_NAME = 4,
  PRESET_ITEM_FORMAT = 6,
  PRESET_ITEM_INSERT = 7,
  PRESET_ITEM_SAVE = 8,
  PRESET_ITEM_VIEW_ONLY = 11,
  PRESET_ITEM_WEEK_NUMBERS = 17 /* the calendar's dialog only */
};

/* The insert button's exit code, and the presets menu's "insert" result. */
enum { PRESET_INSERT = PRESET_ITEM_INSERT };

/* What a preset starts with before it is first saved: at the cursor. */
#define NEW_PRESET_MODE ((DWORD)1 << MODE_AT_CURSOR_SHIFT)

/* Fills the dialog from the slot; a slot with no stored "Mode" shows
   NEW_PRESET_MODE. */
void LoadPresetIntoDialog(DialogHandle dialog, int slot);
/* Sets the target and the two check boxes from a packed "Mode". */
void ShowPresetMode(DialogHandle dialog, DWORD mode);
/* Empties the name and the format and shows NEW_PRESET_MODE. */
void StartNewPreset(DialogHandle dialog);
/* Returns the first failing registry result, ERROR_SUCCESS when saved. */
LONG SavePresetFromDialog(DialogHandle dialog, int slot);
/* Saves the dialog into the slot once the checks accept it: a preset's
   name is not empty, and neither is a format in use (the calendar's is not
   when it only shows a day), whose silent mistake is asked about. 1 when
   saved; otherwise the person was told why (a refused save with the focus
   on the field to mend), for the dialog to come back as typed. */
int SavePresetChecked(DialogHandle dialog, int slot);
/* Shows the presets dialog until the user stops asking to save; returns the
   exit code of the last showing. */
int RunPresetInsertDialog(int slot);
/* Shows once and saves unless cancelled; a save refused or failed is
   reported and the dialog shown again. */
void RunPresetEditDialog(DialogHandle dialog, int slot);
/* Fills the dialog from the slot, shows it once and saves it unless it was
   cancelled or confirmed without a change. */
void EditStoredPreset(DialogHandle dialog, int slot);

#endif
