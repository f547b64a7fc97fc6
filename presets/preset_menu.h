/* The presets menu: slot 0's free-format line and the nine named presets,
   each with a preview of its format for now. */
#ifndef HORALIS_PRESETS_PRESET_MENU_H
#define HORALIS_PRESETS_PRESET_MENU_H

#include "dialog_gen.h"
#include "settings/settings_store.h"

enum {
  PRESET_SLOTS = 10,
  PRESET_NAME_MIN_WIDTH = 10,
  PRESET_PREVIEW_WIDTH = 50,
  /* About a third of a menu line on an 80-column screen: longer names are
     cut, so that every line keeps at least 20 columns of preview there. */
  PRESET_NAME_MAX_WIDTH = 24,
  /* How much of a name the delete question quotes. */
  PRESET_CONFIRM_NAME_WIDTH = 50
};

/* The presets' messages in the language file. */
enum {
  MSG_PRESETS_FULL = 126,
  MSG_DELETE_TITLE = 127,
  MSG_DELETE_QUESTION = 128,
  MSG_DELETE_BUTTON = 129,
  MSG_CANCEL_BUTTON = 130
};

/* Break keys of the presets menu, by their index in the break-key array. */
enum { PRESET_KEY_INSERT = 0, PRESET_KEY_EDIT = 1, PRESET_KEY_DELETE = 2 };

struct PresetTableEntry {
  const char *Name;   /* null: no readable name ("<None>") */
  const char *Format; /* null: no preview */
  /* The table's own copies of a slot's texts, released by the next load;
     taken from the heap, as names and formats may be 511 characters. */
  char *NameCopy;
  char *FormatCopy;
};

extern struct PresetTableEntry PresetTable[PRESET_SLOTS];
extern struct FarMenuItem PresetMenuItems[PRESET_SLOTS];

/* The dialog "Main", shared with the main menu, which inserts from it after
   the menu returned. */
extern DialogHandle PresetDialog;

/* text padded with blanks to width columns, or cut to them ending in
   "..."; column holds size bytes. */
void FitToColumn(char *column, int size, const char *text, int width);
/* Reads slots 1..9 (never creating a key); returns the name column width,
   which the free-format label counts towards too. */
int LoadPresetTable(void);
void BuildPresetMenu(int width);
int ShowPresetMenu(int *breakCode);
/* PRESET_INSERT when the text of PresetDialog is to be inserted, -1 when
   the user left, any other value when nothing is to be inserted. */
int RunPresetMenu(void);
/* After a refused insertion: shows the insert dialog again as the user left
   it, the focus on item; its result as RunPresetMenu's. -1 when the preset
   was inserted without the dialog. */
int ReturnToPresetDialog(int item);
/* Frees PresetDialog once nothing needs it any more. */
void ReleasePresetDialog(void);

#endif
