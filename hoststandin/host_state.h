/* What the host shows and holds: the current area (panels with the command
   line, the editor or the viewer), the command line and its language. */
#ifndef HORALIS_HOSTSTANDIN_HOST_STATE_H
#define HORALIS_HOSTSTANDIN_HOST_STATE_H

#include "line_edit.h"

enum { AREA_PANELS = 0, AREA_EDITOR = 1, AREA_VIEWER = 2, HOST_LANGUAGE_SIZE = 64 };

extern int CurrentArea;
/* The host's language, as --lang names it ("English", "Russian", ...). */
extern char HostLanguage[HOST_LANGUAGE_SIZE];
extern struct LineEdit CommandLine;

/* The OpenFrom value a plugin called from an area gets. */
int OpenFromOfArea(int area);
const char *AreaName(int area);

#endif
