/* The Windows sources of what the portable parts ask for: folder listings
   for the panels and the last system error's text for Message. */
#ifndef HORALIS_HOSTSTANDIN_WIN32_SOURCES_H
#define HORALIS_HOSTSTANDIN_WIN32_SOURCES_H

#include "panels.h"

int ListFolder(const char *folder, struct PanelFile *files, int max);
unsigned int ReadLastSystemError(char *text, int size);

#endif
