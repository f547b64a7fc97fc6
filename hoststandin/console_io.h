/* The Win32 console under the stand-in: shows the screen grid on the
   console screen buffer (where a plugin's own drawing shares it), reads
   keys, and reads the buffer back for screen dumps. Windows only. */
#ifndef HORALIS_HOSTSTANDIN_CONSOLE_IO_H
#define HORALIS_HOSTSTANDIN_CONSOLE_IO_H

#include "keys.h"

/* The host's code page: its screen, its language files and what is typed
   are in the OEM code page of a Russian system. */
enum { HOST_CODE_PAGE = 866 };

/* Takes the console; width/height 0 use the console window's. 0 when the
   process has no console. */
int ConsoleOpen(int width, int height);
void ConsoleFlush(void);
int ConsoleReadKey(struct HostKey *key);
/* The first rows of the screen buffer as text, each ended by "\n", trailing
   blanks cut; returns the length. */
int ConsoleReadScreen(char *out, int size);
/* Blanks the screen and shows the cursor at the top, for what is printed
   after the run. */
void ConsoleClose(void);

#endif
