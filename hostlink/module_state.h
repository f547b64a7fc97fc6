/* What the whole module shares: its instance, whether the dialog library
   was found, and the size of its format and name buffers. */
#ifndef HORALIS_HOSTLINK_MODULE_STATE_H
#define HORALIS_HOSTLINK_MODULE_STATE_H

#include <windows.h>

enum { FORMAT_SIZE = 512 };

extern HINSTANCE ModuleInstance;
extern int DialogLibraryReady;

#endif
