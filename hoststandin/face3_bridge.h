/* The stand-in's own windows (its 1.60-shaped Menu and Message) reached
   from the 3.x face, whose sources cannot see the 1.60 records: texts in
   the OEM code page, plain types only. */
#ifndef HORALIS_HOSTSTANDIN_FACE3_BRIDGE_H
#define HORALIS_HOSTSTANDIN_FACE3_BRIDGE_H

enum { BRIDGE_ROW_TEXT = 128, BRIDGE_MAX_ROWS = 256 };

struct BridgeMenuRow {
  char Text[BRIDGE_ROW_TEXT];
  int Selected, Checked, Separator, Disabled;
};

/* breakKeys: virtual key | PKF_* << 16, ending with 0, or null. */
int BridgeMenu(int plugin, int x, int y, int maxHeight, int showAmpersand, int wrap,
               const char *title, const char *bottom, const char *help, const int *breakKeys,
               int *breakCode, const struct BridgeMenuRow *rows, int count);
int BridgeMessage(int plugin, int warning, int errorType, const char *help,
                  const char *const *items, int count, int buttons);
/* The host's own button names, in its language. */
const char *BridgeOkText(void);
const char *BridgeCancelText(void);

#endif
