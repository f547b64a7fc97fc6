/* The stand-in's second face: 3.x plugins (wide texts, GUIDs), told from
   1.60 ones by their GetGlobalInfoW export. What the rest of the stand-in
   calls; it sees none of the 3.x records. Windows only. */
#ifndef HORALIS_HOSTSTANDIN_FACE3_HOST_H
#define HORALIS_HOSTSTANDIN_FACE3_HOST_H

#include <windows.h>

/* Whether a loaded module is a 3.x plugin (it exports GetGlobalInfoW). */
int Face3IsPlugin(HMODULE module);
/* Takes the module on as the host would (GetGlobalInfoW, SetStartupInfoW);
   1 when it is kept, else it is freed. rootKey: the run's settings root. */
int Face3LoadPlugin(HMODULE module, const char *path, const char *language, const char *rootKey);
/* How many are loaded. */
int Face3PluginCount(void);
/* ExitFARW for each, then their modules freed. */
void Face3UnloadPlugins(void);
/* Their texts reloaded in another language (the host's Lang step). */
void Face3SwitchLanguage(const char *language);
/* A script's Call step: Plugin.Call(<the 3.x plugin's GUID>, arguments). */
void Face3CallMacro(const char *arguments, int length);
/* ProcessSynchroEventW for each event ACTL_SYNCHRO queued, on this thread. */
void Face3RunSynchroEvents(void);
/* What the macro calls returned, one line each ("" when none ran). */
const char *Face3MacroResults(void);

#endif
