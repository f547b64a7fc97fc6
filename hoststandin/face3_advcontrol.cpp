/* AdvControl: the host's version, the current window, redraws, and
   ACTL_SYNCHRO, which any thread may call: its events wait in a queue
   until the host's own thread, between keys, hands each to the plugin's
   ProcessSynchroEventW. */
#include "face3_host.h"
#include "face3_plugins.h"
#include "face3_services.h"
#include "host_log.h"
#include "host_state.h"
#include "screen.h"

#include <string.h>

namespace {

enum { MAX_SYNCHRO_EVENTS = 256 };

struct SynchroEvent {
  GUID Plugin;
  void *Param;
};

SRWLOCK QueueLock = SRWLOCK_INIT;
SynchroEvent Queue[MAX_SYNCHRO_EVENTS];
int Queued = 0;
int Dropped = 0;

intptr_t Synchro(const GUID *pluginId, void *param) {
  AcquireSRWLockExclusive(&QueueLock);
  int kept = pluginId && Queued < MAX_SYNCHRO_EVENTS;
  if (kept)
    Queue[Queued++] = {*pluginId, param};
  else
    ++Dropped;
  ReleaseSRWLockExclusive(&QueueLock);
  /* No log here: the log is the host thread's, and this may be another. */
  return kept;
}

void CopyName(const wchar_t *name, wchar_t *out, intptr_t size) {
  if (!out || size <= 0)
    return;
  wcsncpy(out, name, (size_t)size - 1);
  out[size - 1] = 0;
}

intptr_t WindowInfoOf(WindowInfo *info) {
  if (!info || info->StructSize < sizeof *info)
    return FALSE;
  static const wchar_t *const types[] = {L"Panels", L"Edit", L"View"};
  static const WINDOWINFO_TYPE kinds[] = {WTYPE_PANELS, WTYPE_EDITOR, WTYPE_VIEWER};
  int area = CurrentArea >= 0 && CurrentArea <= 2 ? CurrentArea : 0;
  CopyName(types[area], info->TypeName, info->TypeNameSize);
  CopyName(L"", info->Name, info->NameSize);
  info->TypeNameSize = (intptr_t)wcslen(types[area]) + 1;
  info->NameSize = 1;
  info->Id = area + 1;
  info->Pos = 0;
  info->Type = kinds[area];
  info->Flags = WIF_CURRENT;
  return TRUE;
}

} // namespace

intptr_t WINAPI Face3AdvControl(const GUID *pluginId, enum ADVANCED_CONTROL_COMMANDS command,
                                intptr_t param1, void *param2) {
  if (command == ACTL_SYNCHRO)
    return Synchro(pluginId, param2);
  if (command == ACTL_GETFARMANAGERVERSION) {
    VersionInfo version = {FAR3_VERSION_MAJOR, FAR3_VERSION_MINOR, FAR3_VERSION_REVISION,
                           FAR3_SDK_BUILD, VS_RELEASE};
    if (param2)
      *(VersionInfo *)param2 = version;
    HostLog("AdvControl ACTL_GETFARMANAGERVERSION -> 3.0.0.%d", FAR3_SDK_BUILD);
    return TRUE;
  }
  if (command == ACTL_REDRAWALL) {
    ScreenShow();
    HostLog("AdvControl ACTL_REDRAWALL -> 1");
    return TRUE;
  }
  if (command == ACTL_GETWINDOWINFO) {
    intptr_t done = WindowInfoOf((WindowInfo *)param2);
    HostLog("AdvControl ACTL_GETWINDOWINFO -> %ld (%s)", (long)done, AreaName(CurrentArea));
    return done;
  }
  HostLog("AdvControl command=%d param1=%ld -> 0 (not provided)", (int)command, (long)param1);
  return FALSE;
}

void Face3RunSynchroEvents(void) {
  for (;;) {
    AcquireSRWLockExclusive(&QueueLock);
    SynchroEvent event = {};
    int have = Queued > 0, dropped = Dropped;
    if (have) {
      event = Queue[0];
      memmove(Queue, Queue + 1, sizeof Queue[0] * (size_t)--Queued);
    }
    Dropped = 0;
    ReleaseSRWLockExclusive(&QueueLock);
    if (dropped)
      HostLog("AdvControl ACTL_SYNCHRO: %d events refused (queue full or no plugin)", dropped);
    if (!have)
      return;
    Face3Plugin *plugin = Face3ByGuid(&event.Plugin);
    if (!plugin || !plugin->ProcessSynchroEvent) {
      HostLog("synchro event for a plugin without ProcessSynchroEventW, dropped");
      continue;
    }
    ProcessSynchroEventInfo info = {sizeof info, SE_COMMONSYNCHRO, event.Param, nullptr};
    HostLog("ProcessSynchroEventW plugin=%d param=%p", plugin->Number, event.Param);
    plugin->ProcessSynchroEvent(&info);
  }
}
