/* The 3.x plugins loaded: each with its entry points, its identity from
   GetGlobalInfoW, its texts and the records handed to SetStartupInfoW. */
#ifndef HORALIS_HOSTSTANDIN_FACE3_PLUGINS_H
#define HORALIS_HOSTSTANDIN_FACE3_PLUGINS_H

#include "far3_plugin.h"
#include "face3_texts.h"

enum { FACE3_MAX_PLUGINS = 8, FACE3_PATH_SIZE = 260 };

struct Face3Plugin {
  HMODULE Module;
  int Number; /* FOREIGN_PLUGIN_BASE + index: how the host's menus name it */
  GUID Guid;
  wchar_t ModuleName[FACE3_PATH_SIZE];
  char Folder[FACE3_PATH_SIZE]; /* with its trailing backslash */
  char HlfPath[FACE3_PATH_SIZE];
  struct Face3Texts *Messages; /* null when no language file was read */
  FAR3_SETSTARTUPINFO SetStartupInfo;
  FAR3_GETPLUGININFO GetPluginInfo;
  FAR3_OPEN Open;
  FAR3_CONFIGURE Configure;
  FAR3_EXITFAR Exit;
  FAR3_PROCESSSYNCHROEVENT ProcessSynchroEvent;
  struct PluginStartupInfo Info;
  struct FarStandardFunctions Fsf;
};

extern struct Face3Plugin Face3Plugins[FACE3_MAX_PLUGINS];
extern int Face3Count;

/* The plugin a GUID names, or null. */
struct Face3Plugin *Face3ByGuid(const GUID *guid);
struct Face3Plugin *Face3ByNumber(int number);
/* "{8-4-4-4-12}" for logs. */
void Face3GuidText(const GUID *guid, char *out, int size);
/* The settings root the loader was given (HKCU relative). */
const char *Face3SettingsRoot(void);

/* The services (face3_services, face3_fsf, face3_settings). */
void Face3FillStartupInfo(struct Face3Plugin *plugin);
void Face3FillStandardFunctions(struct FarStandardFunctions *fsf);
intptr_t WINAPI Face3SettingsControl(HANDLE handle, enum FAR_SETTINGS_CONTROL_COMMANDS command,
                                     intptr_t param1, void *param2);
/* Joins the host's menus and help to the 3.x plugins (face3_menus). */
void Face3InstallHooks(void);
/* Opens a plugin from an area with OpenW; returns what OpenW returned. */
HANDLE Face3Open(struct Face3Plugin *plugin, enum OPENFROM from, const GUID *item, intptr_t data);

#endif
