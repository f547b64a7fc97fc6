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

int ShowHostMessage(unsigned flags, const char *helpTopic, const char *const *lines, int count,
                    int buttons) {
  if (!HostReady || !HostServices.Message)
    return -1;
  return HostServices.Message(HostServices.ModuleNumber, flags, helpTopic, lines, count, buttons);
}

int ShowHostMenu(int titleId, const char *bottom, const char *helpTopic, const int *breakKeys,
                 int *breakCode, const struct FarMenuItem *items, int count) {
  if (breakCode)
    *breakCode = -1;
  if (!HostReady || !HostServices.Menu)
    return -1;
  int chosen =
      HostServices.Menu(HostServices.ModuleNumber, -1, -1, 0, FMENU_WRAPMODE, GetMsgText(titleId),
                        bottom, helpTopic, breakKeys, breakCode, items, count);
  // Anything but an item is the menu left with Esc.
  return chosen >= 0 && chosen < count ? chosen : -1;
}

const char *GetMsgTextOr(int MsgId, const char *fallback) {
  const char *text = GetMsgText(MsgId);
  return text && text[0] ? text : fallback;
}

int ShowTitledNote(int titleId, int msgId, int okId, unsigned flags) {
  const char *lines[3] = {GetMsgTextOr(titleId, ""), GetMsgTextOr(msgId, ""),
                          GetMsgTextOr(okId, "Ok")};
  return ShowHostMessage(flags, NULL, lines, 3, 1);
}

int ShowNote(int msgId, unsigned flags) { return ShowTitledNote(MSG_TITLE, msgId, MSG_OK, flags); }
