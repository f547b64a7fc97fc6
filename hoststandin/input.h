/* Where keys come from: a script (scripted mode, and the tests) or the
   console (interactive mode). When a script runs out, every waiting screen
   is told so and closes as if Esc were pressed, so the run always ends. */
#ifndef HORALIS_HOSTSTANDIN_INPUT_H
#define HORALIS_HOSTSTANDIN_INPUT_H

#include "keys.h"

typedef int (*KeyReader)(struct HostKey *key); /* blocks; 0 when input is closed */
typedef void (*DumpWriter)(void);

void InputSetScript(const struct HostKey *keys, int count);
void InputSetReader(KeyReader reader);
void InputSetDumpWriter(DumpWriter writer);
int InputScripted(void);

/* The next key, 1; or 0 once the script is over (or the console closed).
   Dump steps of a script are carried out here and never returned. */
int InputNext(struct HostKey *key);
/* The same for the host's own screens (panels, editor, viewer), which also
   get the host's steps (HK_LANGUAGE, HK_UNLOAD, HK_TITLE); InputNext skips
   those, since a window of a plugin is open. */
int InputNextOnHost(struct HostKey *key);
/* Keys of the script not yet read, and how many times a key was asked for
   after the input had ended: more than once means the input ended inside a
   window (menu, dialog, message) and not only in the main screens. */
int InputRemaining(void);
int InputRanOutInside(void);
/* What the host's own screens do while they wait for a key (the editor's
   clock): run during a script's Wait steps and while the console has no
   key, only when a host screen asked for the key, never under a window. */
void InputSetIdle(void (*idle)(void));
void InputIdle(void);

/* What the host does on its own thread before each key is read, under
   windows too, and during Wait steps: the 3.x plugins' synchro events. */
void InputSetPump(void (*pump)(void));
void InputPump(void);

/* The next key, turning the end of input into Esc for modal windows. */
struct HostKey InputNextOrEsc(void);

#endif
