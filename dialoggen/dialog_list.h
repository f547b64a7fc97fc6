/* The dialogs loaded and not yet freed, so that every operation can tell a
   live handle from a null, freed or made-up one before touching it. */
#ifndef HORALIS_DIALOGGEN_DIALOG_LIST_H
#define HORALIS_DIALOGGEN_DIALOG_LIST_H

#include "dialog_model.h"

void AddLiveDialog(struct LoadedDialog *Dialog);

/* The dialog of a live handle, or null. */
struct LoadedDialog *FindLiveDialog(DialogHandle Handle);

/* Takes a live dialog off the list; 1 when it was there. */
int RemoveLiveDialog(struct LoadedDialog *Dialog);

/* The item of that number in a live dialog, or null. */
struct DialogItem *FindItem(DialogHandle Handle, int Item);

/* Makes a radio button the one selected button of its group. */
void SelectInGroup(struct LoadedDialog *Dialog, const struct DialogItem *Chosen);

#endif
