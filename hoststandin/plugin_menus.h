/* The host's own menus over its plugins: the plugin menu (F11), which calls
   OpenPlugin, and the configuration menu (F9), which calls Configure. Both
   ask each plugin anew with GetPluginInfo and a zeroed record. */
#ifndef HORALIS_HOSTSTANDIN_PLUGIN_MENUS_H
#define HORALIS_HOSTSTANDIN_PLUGIN_MENUS_H

enum { MENU_MAX_ENTRIES = 64 };

struct PluginMenuEntry {
  int Plugin; /* plugin number */
  int Item;   /* index of the string in that plugin's list */
  char Text[128];
};

/* Plugins the table above does not hold (the 3.x face's) number their
   entries from FOREIGN_PLUGIN_BASE; their menus reach them through these. */
enum { FOREIGN_PLUGIN_BASE = 100 };
struct ForeignPluginMenus {
  /* Adds the area's (or configuration's) entries after count; the new count. */
  int (*Collect)(int area, int config, struct PluginMenuEntry *entries, int max, int count);
  void (*Open)(const struct PluginMenuEntry *entry, int area);
  int (*Configure)(const struct PluginMenuEntry *entry);
};
void SetForeignPluginMenus(struct ForeignPluginMenus menus);

/* The entries of the plugin menu for an area (AREA_*), or of the
   configuration menu when config is 1; returns how many. */
int CollectPluginEntries(int area, int config, struct PluginMenuEntry *entries, int max);

/* Shows the plugin menu of the area and opens the plugin chosen; returns
   the entry index chosen or -1. */
int RunPluginsMenu(int area);
/* Shows the configuration menu until Esc, calling Configure for each
   entry chosen. Returns how many times Configure was called. */
int RunConfigMenu(void);

/* The last Configure's result, -1 before any. */
int LastConfigureResult(void);

#endif
