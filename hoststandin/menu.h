/* The host's Menu service: a centred (or placed) framed list with title and
   bottom line, '&' hotkeys, the Selected item highlighted first, wrapping
   with FMENU_WRAPMODE, break keys reported through BreakCode. */
#ifndef HORALIS_HOSTSTANDIN_MENU_H
#define HORALIS_HOSTSTANDIN_MENU_H

#include "far_plugin.h"

/* Modifier flags of a break key, in the key's high word. */
enum { PKF_CONTROL = 1, PKF_ALT = 2, PKF_SHIFT = 4 };

int WINAPI HostMenu(int PluginNumber, int X, int Y, int MaxHeight, unsigned int Flags,
                    const char *Title, const char *Bottom, const char *HelpTopic,
                    const int *BreakKeys, int *BreakCode, const struct FarMenuItem *Item,
                    int ItemsNumber);

/* Rows the next HostMenu shows greyed and never selects (the 3.x face's
   MIF_DISABLE and MIF_GRAYED): rows[i] non-zero. Cleared by that menu. */
void MenuSetDisabledRows(const unsigned char *rows, int count);

#endif
