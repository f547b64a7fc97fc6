#include "face3_bridge.h"

#include "dialog.h"
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

int BridgeInputBox(int plugin, const char *title, const char *subtitle, const char *help,
                   int password, char *text, int size) {
  static FarDialogItem items[5];
  memset(items, 0, sizeof items);
  const int width = 72;
  const struct {
    int Type, X1, Y1, X2;
    const char *Data;
  } layout[] = {{DI_DOUBLEBOX, 3, 1, width - 4, title},
                {DI_TEXT, 5, 2, width - 6, subtitle},
                {password ? DI_PSWEDIT : DI_EDIT, 5, 3, width - 6, text},
                {DI_BUTTON, 0, 5, 0, HostText(HT_OK)},
                {DI_BUTTON, 0, 5, 0, HostText(HT_CANCEL)}};
  for (int i = 0; i < 5; ++i) {
    items[i].Type = layout[i].Type;
    items[i].X1 = layout[i].X1;
    items[i].Y1 = items[i].Y2 = layout[i].Y1;
    items[i].X2 = layout[i].X2;
    snprintf(items[i].Data, sizeof items[i].Data, "%s", layout[i].Data ? layout[i].Data : "");
  }
  items[0].Y2 = 6;
  items[2].Focus = 1;
  items[3].Flags = items[4].Flags = DIF_CENTERGROUP;
  items[3].DefaultButton = 1;
  int closed = HostDialog(plugin, -1, -1, width, 8, help, items, 5);
  if (closed != 2 && closed != 3)
    return 0;
  snprintf(text, size, "%s", items[2].Data);
  return 1;
}
