/* The host's service table handed to each plugin, and the services not
   given a file of their own: GetMsg, Control, EditorControl and the ones
   Horalis never calls, which do nothing harmful. */
#ifndef HORALIS_HOSTSTANDIN_SERVICES_H
#define HORALIS_HOSTSTANDIN_SERVICES_H

#include "far_plugin.h"

enum { ROOT_KEY_TEXT_SIZE = 256 };

/* Fills the record the host passes to SetStartupInfo. */
void FillStartupInfo(struct PluginStartupInfo *info, int moduleNumber, const char *moduleName,
                     const char *rootKey);

const char *WINAPI HostGetMsg(int PluginNumber, int MsgId);
int WINAPI HostControl(HANDLE hPlugin, int Command, void *Param);
int WINAPI HostEditorControl(int Command, void *Param);
HANDLE WINAPI HostSaveScreen(int X1, int Y1, int X2, int Y2);
void WINAPI HostRestoreScreen(HANDLE hScreen);
int WINAPI HostCmpName(const char *Pattern, const char *String, int SkipPath);
void WINAPI HostText(int X, int Y, int Color, const char *Str);

#endif
