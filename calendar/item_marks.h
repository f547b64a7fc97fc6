/* Greying a dialog item into plain text, or colouring it, for one showing,
   and back: the item's own type and flags are kept in the last bytes of its
   text field. */
#ifndef HORALIS_CALENDAR_ITEM_MARKS_H
#define HORALIS_CALENDAR_ITEM_MARKS_H

#include "dialog_gen.h"

/* Grey for what cannot be chosen; today's and the weekend's own colours
   on the dialog's light grey. */
enum { MARK_TAG = 0xF00F00, MARK_COLOR = 0x78, TODAY_COLOR = 0x1F, WEEKEND_COLOR = 0x74 };

void MarkItem(DialogHandle dialog, int item);
/* Only the colour, kept and given back the same way: the item can still be
   chosen. */
void ColourItem(DialogHandle dialog, int item, int colour);
/* Leaves an item that carries no mark alone. */
void UnmarkItem(DialogHandle dialog, int item);

#endif
