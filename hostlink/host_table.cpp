#include "hostlink/host_table.h"

#include <string.h>

struct PluginStartupInfo HostServices;
volatile int HostReady;
char RootKeyCopy[ROOT_KEY_SIZE];

void TakeHostTable(const struct PluginStartupInfo *Info) {
  if (!Info)
    return;
  memcpy(&HostServices, Info, sizeof HostServices);
  HostReady = 1;
  // A root key that does not fit is left empty rather than cut: a cut path
  // would name some other key, and the settings store refuses an empty root.
  const char *root = Info->RootKey;
  size_t length = root ? strlen(root) : (size_t)ROOT_KEY_SIZE;
  if (length < ROOT_KEY_SIZE)
    memcpy(RootKeyCopy, root, length + 1);
  else
    RootKeyCopy[0] = 0;
  HostServices.RootKey = RootKeyCopy;
}

const char *GetMsgText(int MsgId) {
  if (!HostReady || !HostServices.GetMsg)
    return NULL;
  return HostServices.GetMsg(HostServices.ModuleNumber, MsgId);
}
