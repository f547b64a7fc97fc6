#include "dialog_list.h"

#include "dialoggen.h"
#include "parser.h"

namespace {

/* Only the host's thread uses the library. */
struct LoadedDialog *LiveDialogs;

} // namespace

void AddLiveDialog(struct LoadedDialog *Dialog) {
  Dialog->Next = LiveDialogs;
  LiveDialogs = Dialog;
}

struct LoadedDialog *FindLiveDialog(DialogHandle Handle) {
  for (LoadedDialog *d = LiveDialogs; d; d = d->Next)
    if (d == Handle)
      return d;
  return 0;
}

int RemoveLiveDialog(struct LoadedDialog *Dialog) {
  for (LoadedDialog **link = &LiveDialogs; *link; link = &(*link)->Next)
    if (*link == Dialog) {
      *link = Dialog->Next;
      return 1;
    }
  return 0;
}

struct DialogItem *FindItem(DialogHandle Handle, int Item) {
  LoadedDialog *d = FindLiveDialog(Handle);
  if (!d)
    return 0;
  for (int i = 0; i < d->ItemCount; ++i)
    if (d->Items[i].Number == Item)
      return &d->Items[i];
  return 0;
}

void SelectInGroup(struct LoadedDialog *Dialog, const struct DialogItem *Chosen) {
  for (int i = 0; i < Dialog->ItemCount; ++i)
    if (Dialog->Items[i].Group == Chosen->Group)
      Dialog->Items[i].Record.Selected = &Dialog->Items[i] == Chosen;
}

extern "C" void __cdecl FreeDialog(DialogHandle Dialog) {
  if (RemoveLiveDialog(Dialog))
    DestroyDialog(Dialog);
}
