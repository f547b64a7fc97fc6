/* Loads plugins the way the host does: each folder under the plugins
   folder, each DLL in it by LoadLibrary, the entry points by name, the
   language and help files of the host's language; then SetStartupInfo.
   Windows only. */
#ifndef HORALIS_HOSTSTANDIN_PLUGIN_LOADER_H
#define HORALIS_HOSTSTANDIN_PLUGIN_LOADER_H

/* Returns the number of plugins loaded; problems go to stderr and the log. */
int LoadPlugins(const char *pluginsFolder, const char *language, const char *rootKey);

/* As the host quits: each plugin's ExitFAR when it exports one, then its
   module freed. */
void UnloadPlugins(void);

/* What a host may do while it runs. Each plugin's texts reloaded in
   another language: its old table is freed, so a pointer GetMsg gave
   before faults when read. And every plugin unloaded as a host that skips
   ExitFAR would: FreeLibrary, then its language table freed; the host goes
   on without them. */
void SwitchPluginsLanguage(const char *language);
void UnloadPluginsWithoutExit(void);

/* Chooses among the files matching a pattern (e.g. "dir\\*.lng") the one
   whose .Language is the wanted one, else English, else the first; "" when
   there is none. */
void FindLanguageFile(const char *folder, const char *extension, const char *language, char *out,
                      int size);

#endif
