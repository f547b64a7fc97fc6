/* The plugins the stand-in has loaded, each with its entry points, its
   folder and its language and help files for the host's language. The
   loader (plugin_loader, Windows only) fills it; menus and services use it. */
#ifndef HORALIS_HOSTSTANDIN_PLUGIN_TABLE_H
#define HORALIS_HOSTSTANDIN_PLUGIN_TABLE_H

#include "far_plugin.h"
#include "lng_file.h"

enum { MAX_PLUGINS = 16, PLUGIN_PATH_SIZE = 260 };

struct PluginSlot {
  char ModuleName[PLUGIN_PATH_SIZE]; /* the DLL's full path */
  char Folder[PLUGIN_PATH_SIZE];     /* with its trailing backslash */
  char LngPath[PLUGIN_PATH_SIZE];    /* empty when none was found */
  char HlfPath[PLUGIN_PATH_SIZE];
  /* The host's language table for this plugin, null when none is loaded;
     replaced (and the old one freed) when the host's language changes. */
  struct LngFile *Messages;
  char MessagesError[LNG_ERROR_SIZE];
  HMODULE Module;
  PLUGIN_SETSTARTUPINFO SetStartupInfo;
  PLUGIN_GETPLUGININFO GetPluginInfo;
  PLUGIN_OPENPLUGIN OpenPlugin;
  PLUGIN_CONFIGURE Configure;
  PLUGIN_EXITFAR ExitFAR; /* null when not exported */
};

extern struct PluginSlot Plugins[MAX_PLUGINS];
extern int PluginCount;

/* The slot of a plugin number, or null for a number no plugin has. */
struct PluginSlot *PluginByNumber(int number);
/* Adds a slot (entry points still empty); its number, or -1 when full. */
int AddPluginSlot(const char *moduleName);
void ClearPlugins(void);

#endif
