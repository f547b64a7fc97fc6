/* Every setting lives under HKEY_CURRENT_USER\<host root>\Horalis. One key
   is open at a time, the current key; each open replaces it. */
#ifndef HORALIS_SETTINGS_SETTINGS_STORE_H
#define HORALIS_SETTINGS_SETTINGS_STORE_H

#include <windows.h>

/* A key's path below the host's root key, which is opened first: any root
   the host can hand over (up to 255 characters) works. */
enum { KEY_PATH_SIZE = 32, PRESET_TEXT_SIZE = 512 };

/* Preset slots: 0 the free-format line, 1..9 the user's, 11 the calendar's. */
enum { FREE_FORMAT_SLOT = 0, CALENDAR_SLOT = 11 };

struct FormatPreset {
  char Format[PRESET_TEXT_SIZE];
  char Name[PRESET_TEXT_SIZE];
  DWORD Mode;
};

/* "Mode" packs one flag per byte; a byte other than 0 is on. The fourth,
   which earlier versions never set, is the calendar's week numbers. */
enum {
  MODE_QUICK_INSERT_SHIFT = 0,
  MODE_VIEW_ONLY_SHIFT = 8,
  MODE_AT_CURSOR_SHIFT = 16,
  MODE_WEEK_NUMBERS_SHIFT = 24
};
DWORD PackPresetMode(int quickInsert, int viewOnly, int atCursor);
int PresetModeQuickInsert(DWORD mode);
int PresetModeViewOnly(DWORD mode);
int PresetModeAtCursor(DWORD mode);
int PresetModeWeekNumbers(DWORD mode);

/* The names of the key and values that several features read or write,
   spelled in one place. */
extern const char ConfigKey[], NameValue[], FormatValue[], ModeValue[], CustomValue[];

extern HKEY CurrentKey;

/* A thread's sequence of one open and its reads and writes runs under this
   lock, since another thread's open would replace the current key. */
void LockSettings(void);
void UnlockSettings(void);

HKEY OpenPresetKey(int slot);
HKEY OpenExistingPresetKey(int slot);
HKEY OpenSettingsKey(const char *name);
/* The named key only if it exists, never creating it. */
HKEY OpenExistingSettingsKey(const char *name);
LONG DeletePresetKey(int slot);
/* 1 only when the registry says the slot holds no preset: its key or its
   "Name" is missing. A slot that cannot be read for another reason may
   hold one and is not free. Closes the current key. */
int PresetSlotIsFree(int slot);
LONG ReadValue(const char *name, void *buffer, int size);
/* Without a current key: the reason the last open failed. */
LONG WriteValue(const char *name, const void *data, int type);
/* The first failure of a sequence of results, for a save of several
   values: ERROR_SUCCESS while all went well. */
LONG FirstFailure(LONG sofar, LONG next);
/* A whole slot, its key created when missing; takes the settings lock. */
void ReadPreset(struct FormatPreset *preset, int slot);

/* Reads a text of the current key: always terminated inside the buffer;
   empty when missing or too long for it. */
LONG ReadText(const char *name, char *buffer, int size);

/* Reads a number of the current key; 0 when it cannot be read. */
DWORD ReadNumber(const char *name);
/* The same, with the value to take when it cannot be read. */
DWORD ReadNumberOr(const char *name, DWORD missing);

#endif
