/* The 3.x services, each group in a file of its own. */
#ifndef HORALIS_HOSTSTANDIN_FACE3_SERVICES_H
#define HORALIS_HOSTSTANDIN_FACE3_SERVICES_H

#include "far3_plugin.h"

/* face3_areas: the command line and the editor, which keep UTF-8. */
intptr_t WINAPI Face3PanelControl(HANDLE panel, enum FILE_CONTROL_COMMANDS command, intptr_t param1,
                                  void *param2);
intptr_t WINAPI Face3EditorControl(intptr_t editorId, enum EDITOR_CONTROL_COMMANDS command,
                                   intptr_t param1, void *param2);
/* face3_advcontrol: versions, windows, redraws and synchro events. */
intptr_t WINAPI Face3AdvControl(const GUID *pluginId, enum ADVANCED_CONTROL_COMMANDS command,
                                intptr_t param1, void *param2);
BOOL WINAPI Face3ShowHelp(const wchar_t *moduleName, const wchar_t *topic, FARHELPFLAGS flags);
/* face3_menus: a plugin's help file loaded into the help viewer. */
int Face3LoadHelp(int pluginNumber);
/* face3_screen: Text, SaveScreen, RestoreScreen, FreeScreen, InputBox. */
void Face3FillScreenServices(struct PluginStartupInfo *info);
/* face3_refused: what Horalis never calls, refused safely and logged. */
void Face3FillRefusedServices(struct PluginStartupInfo *info);

#endif
