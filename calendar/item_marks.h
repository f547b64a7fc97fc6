/* Greying a dialog item into plain text for one showing, and back: the
   item's own type and flags are kept in the last bytes of its text field. */
#ifndef HORALIS_CALENDAR_ITEM_MARKS_H
#define HORALIS_CALENDAR_ITEM_MARKS_H

#include "dialog_gen.h"

enum { MARK_TAG = 0xF00F00, MARK_COLOR = 0x78 };

void MarkItem(DialogHandle dialog, int item);
/* Leaves an item that carries no mark alone. */
void UnmarkItem(DialogHandle dialog, int item);

#endif
