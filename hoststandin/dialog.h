/* The host's Dialog service: texts, boxes, edit fields (512-byte text),
   check boxes, radio groups (DIF_GROUP starts one; with DIF_MOVESELECT
   moving through it selects), buttons, the default button and focus; Tab and
   Shift+Tab move the focus in item order, the arrows by place on screen, Space toggles or presses,
   Enter closes with the focused button, else the default button, else the focused item; Esc closes
   with -1. The items' Data, Selected and Focus are written back when the dialog closes. */
#ifndef HORALIS_HOSTSTANDIN_DIALOG_H
#define HORALIS_HOSTSTANDIN_DIALOG_H

#include "far_plugin.h"

enum { DIALOG_MAX_ITEMS = 256 };

int WINAPI HostDialog(int PluginNumber, int X1, int Y1, int X2, int Y2, const char *HelpTopic,
                      struct FarDialogItem *Item, int ItemsNumber);

#endif
