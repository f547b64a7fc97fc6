/* The host's service table that DG_Init hands over: the library shows
   dialogs through its Dialog service and fetches message texts with GetMsg. */
#ifndef HORALIS_DIALOGGEN_HOST_LINK_H
#define HORALIS_DIALOGGEN_HOST_LINK_H

#include "far_plugin.h"

/* The table, or null before DG_Init. */
const struct PluginStartupInfo *HostServices(void);

/* Forgets the table, as before DG_Init (tests start from there). */
void ForgetHostServices(void);

#endif
