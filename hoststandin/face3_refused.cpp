/* The services Horalis does not use, and the dialogs, which this stand-in
   does not have for 3.x plugins yet: each refuses as the host does when it
   cannot (a null, a zero, INVALID_HANDLE_VALUE) and logs that it was
   called, so that a plugin calling one is seen. */
#include "face3_services.h"
#include "host_log.h"

namespace {

intptr_t WINAPI GetDirList(const wchar_t *, PluginPanelItem **items, size_t *count) {
  if (items)
    *items = nullptr;
  if (count)
    *count = 0;
  HostLog("GetDirList -> 0 (not provided)");
  return FALSE;
}

intptr_t WINAPI GetPluginDirList(const GUID *, HANDLE, const wchar_t *, PluginPanelItem **items,
                                 size_t *count) {
  return GetDirList(nullptr, items, count);
}

void WINAPI FreeDirList(PluginPanelItem *, size_t) { HostLog("FreeDirList (nothing to free)"); }
void WINAPI FreePluginDirList(HANDLE, PluginPanelItem *, size_t) {
  HostLog("FreePluginDirList (nothing to free)");
}

intptr_t WINAPI Viewer(const wchar_t *, const wchar_t *, intptr_t, intptr_t, intptr_t, intptr_t,
                       VIEWER_FLAGS, uintptr_t) {
  HostLog("Viewer -> 0 (not provided)");
  return FALSE;
}

intptr_t WINAPI Editor(const wchar_t *, const wchar_t *, intptr_t, intptr_t, intptr_t, intptr_t,
                       EDITOR_FLAGS, intptr_t, intptr_t, uintptr_t) {
  HostLog("Editor -> 0 (not provided)");
  return 0;
}

BOOL WINAPI ColorDialog(const GUID *, COLORDIALOGFLAGS, FarColor *) {
  HostLog("ColorDialog -> 0 (not provided)");
  return FALSE;
}

HANDLE WINAPI DialogInit(const GUID *, const GUID *, intptr_t, intptr_t, intptr_t, intptr_t,
                         const wchar_t *, const FarDialogItem *, size_t items, intptr_t,
                         FARDIALOGFLAGS, FARWINDOWPROC, void *) {
  HostLog("DialogInit items=%u -> INVALID_HANDLE_VALUE (this stand-in has no 3.x dialogs yet)",
          (unsigned)items);
  return INVALID_HANDLE_VALUE;
}

intptr_t WINAPI DialogRun(HANDLE) {
  HostLog("DialogRun -> -1 (no dialog: DialogInit refused it)");
  return -1;
}

void WINAPI DialogFree(HANDLE) { HostLog("DialogFree (no dialog to free)"); }

intptr_t WINAPI DialogMessage(HANDLE, intptr_t message, intptr_t, void *) {
  HostLog("SendDlgMessage/DefDlgProc message=%ld -> 0 (no dialog)", (long)message);
  return 0;
}

intptr_t WINAPI ViewerControl(intptr_t, VIEWER_CONTROL_COMMANDS command, intptr_t, void *) {
  HostLog("ViewerControl command=%d -> 0 (not provided)", (int)command);
  return 0;
}

intptr_t WINAPI PluginsControl(HANDLE, FAR_PLUGINS_CONTROL_COMMANDS command, intptr_t, void *) {
  HostLog("PluginsControl command=%d -> 0 (not provided)", (int)command);
  return 0;
}

intptr_t WINAPI FileFilterControl(HANDLE, FAR_FILE_FILTER_CONTROL_COMMANDS command, intptr_t,
                                  void *) {
  HostLog("FileFilterControl command=%d -> 0 (not provided)", (int)command);
  return 0;
}

intptr_t WINAPI RegExpControl(HANDLE, FAR_REGEXP_CONTROL_COMMANDS command, intptr_t, void *) {
  HostLog("RegExpControl command=%d -> 0 (not provided)", (int)command);
  return 0;
}

intptr_t WINAPI MacroControl(const GUID *, FAR_MACRO_CONTROL_COMMANDS command, intptr_t, void *) {
  HostLog("MacroControl command=%d -> 0 (not provided)", (int)command);
  return 0;
}

} // namespace

void Face3FillRefusedServices(PluginStartupInfo *info) {
  info->GetDirList = GetDirList;
  info->GetPluginDirList = GetPluginDirList;
  info->FreeDirList = FreeDirList;
  info->FreePluginDirList = FreePluginDirList;
  info->Viewer = Viewer;
  info->Editor = Editor;
  info->ColorDialog = ColorDialog;
  info->DialogInit = DialogInit;
  info->DialogRun = DialogRun;
  info->DialogFree = DialogFree;
  info->SendDlgMessage = DialogMessage;
  info->DefDlgProc = DialogMessage;
  info->ViewerControl = ViewerControl;
  info->PluginsControl = PluginsControl;
  info->FileFilterControl = FileFilterControl;
  info->RegExpControl = RegExpControl;
  info->MacroControl = MacroControl;
}
