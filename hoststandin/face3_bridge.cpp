#include "face3_bridge.h"

#include "host_texts.h"
#include "menu.h"
#include "message.h"

#include <stdio.h>
#include <string.h>

int BridgeMenu(int plugin, int x, int y, int maxHeight, int showAmpersand, int wrap,
               const char *title, const char *bottom, const char *help, const int *breakKeys,
               int *breakCode, const BridgeMenuRow *rows, int count) {
  static FarMenuItem items[BRIDGE_MAX_ROWS];
  static unsigned char disabled[BRIDGE_MAX_ROWS];
  if (count > BRIDGE_MAX_ROWS)
    count = BRIDGE_MAX_ROWS;
  for (int i = 0; i < count; ++i) {
    memset(&items[i], 0, sizeof items[i]);
    snprintf(items[i].Text, sizeof items[i].Text, "%s", rows[i].Text);
    items[i].Selected = rows[i].Selected;
    items[i].Checked = rows[i].Checked;
    items[i].Separator = rows[i].Separator;
    disabled[i] = (unsigned char)(rows[i].Disabled != 0);
  }
  MenuSetDisabledRows(disabled, count);
  unsigned flags = (showAmpersand ? FMENU_SHOWAMPERSAND : 0) | (wrap ? FMENU_WRAPMODE : 0);
  return HostMenu(plugin, x, y, maxHeight, flags, title, bottom, help, breakKeys, breakCode, items,
                  count);
}

int BridgeMessage(int plugin, int warning, int errorType, const char *help,
                  const char *const *items, int count, int buttons) {
  unsigned flags = (warning ? FMSG_WARNING : 0) | (errorType ? FMSG_ERRORTYPE : 0);
  return HostMessage(plugin, flags, help, items, count, buttons);
}

const char *BridgeOkText(void) { return HostText(HT_OK); }
const char *BridgeCancelText(void) { return HostText(HT_CANCEL); }
