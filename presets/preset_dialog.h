/* The preset dialog: a FormatPreset's name, format, target and flags, filled
   from a slot and saved into it. "Main" and "Main2" number their items alike. */
#ifndef HORALIS_PRESETS_PRESET_DIALOG_H
#define HORALIS_PRESETS_PRESET_DIALOG_H

#include "dialog_gen.h"

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

void LoadPresetIntoDialog(DialogHandle dialog, int slot);
void SavePresetFromDialog(DialogHandle dialog, int slot);
/* Shows the presets dialog until the user stops asking to save; returns the
   exit code of the last showing. */
int RunPresetInsertDialog(int slot);
/* Shows once and saves unless cancelled. */
void RunPresetEditDialog(DialogHandle dialog, int slot);
/* Fills the dialog from the slot, shows it once and saves it unless it was
   cancelled or confirmed without a change. */
void EditStoredPreset(DialogHandle dialog, int slot);

#endif
