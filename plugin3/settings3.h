/* The plugin's settings, kept by the host (SettingsControl), under the
   same key and value names as the 1.60 plugin's registry key. Each use
   opens them, reads or writes, and closes them again. */
#ifndef HORALIS_PLUGIN3_SETTINGS3_H
#define HORALIS_PLUGIN3_SETTINGS3_H

#include "far3_plugin.h"

/* The host's handle, or null when the host keeps no settings for us. */
HANDLE OpenSettings3(void);
void CloseSettings3(HANDLE settings);

/* The plugin's top key is FSSF_ROOT; NO_KEY3 stands for a key that is
   not there, and every read of it gives the missing value. */
#define NO_KEY3 ((size_t)-1)

/* A key under parent; NO_KEY3 when it is missing and not to be created,
   or cannot be. */
size_t SettingsKey3(HANDLE settings, size_t parent, const wchar_t *name, int create);

unsigned long long ReadNumber3(HANDLE settings, size_t key, const wchar_t *name,
                               unsigned long long missing);
/* Always terminated inside text; empty when missing or longer than size-1. */
void ReadText3(HANDLE settings, size_t key, const wchar_t *name, wchar_t *text, size_t size);
int WriteNumber3(HANDLE settings, size_t key, const wchar_t *name, unsigned long long value);
int WriteText3(HANDLE settings, size_t key, const wchar_t *name, const wchar_t *text);
int WriteData3(HANDLE settings, size_t key, const wchar_t *name, const void *data, size_t size);

#endif
