/* The entry points, the quick insertion's buffer and the main menu. */
#ifndef HORALIS_PLUGIN_PLUGIN_H
#define HORALIS_PLUGIN_PLUGIN_H

#include "far_plugin.h"
#include "hostlink/module_state.h"

extern char QuickFormat[FORMAT_SIZE];

/* The main menu; configureMode 1 when opened through Configure. Returns the
   entry chosen (0..3) or -1. */
int ShowMainMenu(int configureMode);

/* A menu line's text, cut to the item. */
void CopyMenuText(char *text, const char *message);

/* Runs what Enter on a main-menu entry does from OpenPlugin; -1 nothing. */
void RunMainMenuEntry(int entry, int openFrom);

#ifdef __cplusplus
extern "C" {
#endif
BOOL WINAPI DllMain(HINSTANCE Instance, DWORD Reason, LPVOID Reserved);
void WINAPI SetStartupInfo(const struct PluginStartupInfo *Info);
void WINAPI GetPluginInfo(struct PluginInfo *Info);
HANDLE WINAPI OpenPlugin(int OpenFrom, int Item);
int WINAPI Configure(int ItemNumber);
void WINAPI ExitFAR(void);
#ifdef __cplusplus
}
#endif

#endif
