/* One showing: the visible items go to the host as an array of its own
   records, the host runs the dialog, and what the person changed comes back
   into the items, unless the dialog was cancelled. */
#include <stdlib.h>
#include <string.h>

#include "dialog_list.h"
#include "dialoggen.h"
#include "host_link.h"

namespace {

int IsKnownType(int type) { return type >= DI_TEXT && type <= DI_RADIOBUTTON; }

int CanTakeFocus(int type) {
  return type == DI_EDIT || type == DI_PSWEDIT || type == DI_FIXEDIT || type == DI_BUTTON ||
         type == DI_CHECKBOX || type == DI_RADIOBUTTON;
}

/* The text the host is shown: up to the first zero, at most 511 bytes. */
size_t ShownLength(const char *data) {
  size_t length = 0;
  while (length < MAX_ITEM_TEXT && data[length])
    ++length;
  return length;
}

/* A radio button the host should treat as the start of a group: the host
   groups runs of radio buttons, and a run must not join two of ours. */
int StartsHostGroup(const LoadedDialog *d, const FarDialogItem *host, const int *itemOf, int k) {
  const DialogItem *item = &d->Items[itemOf[k]];
  if (item->Group < 0 || k == 0 || host[k - 1].Type != DI_RADIOBUTTON)
    return 1;
  return d->Items[itemOf[k - 1]].Group != item->Group;
}

int BuildHostItems(const LoadedDialog *d, FarDialogItem *host, int *itemOf) {
  unsigned char groupShown[MAX_DIALOG_ITEMS] = {0};
  int count = 0;
  int focus = -1;
  for (int i = 0; i < d->ItemCount; ++i) {
    const DialogItem *item = &d->Items[i];
    if (item->Attributes & ITEM_HIDDEN)
      continue;
    const FarDialogItem *record = &item->Record;
    FarDialogItem *h = &host[count];
    h->Type = IsKnownType(record->Type) ? record->Type : DI_TEXT;
    h->X1 = record->X1;
    h->Y1 = record->Y1;
    h->X2 = record->X2;
    h->Y2 = record->Y2;
    h->Focus = 0;
    h->Selected = record->Selected != 0;
    h->Flags = record->Flags;
    h->DefaultButton = record->DefaultButton != 0;
    /* Nothing past the text's end reaches the host, marks included. */
    memset(h->Data, 0, sizeof h->Data);
    memcpy(h->Data, record->Data, ShownLength(record->Data));
    itemOf[count] = i;
    if (h->Type == DI_RADIOBUTTON) {
      if (StartsHostGroup(d, host, itemOf, count))
        h->Flags |= DIF_GROUP;
      else
        h->Flags &= ~(unsigned)DIF_GROUP;
      if (item->Group >= 0 && h->Selected) {
        h->Selected = !groupShown[item->Group];
        groupShown[item->Group] = 1;
      }
    }
    if (focus < 0 && record->Focus && CanTakeFocus(h->Type))
      focus = count;
    ++count;
  }
  if (focus >= 0)
    host[focus].Focus = 1;
  return count;
}

void CopyTextBack(FarDialogItem *record, const FarDialogItem *host) {
  size_t length = strlen(host->Data);
  /* An unchanged text is not rewritten, so the bytes past it stay as the
     plugin left them. */
  if (length == ShownLength(record->Data) && memcmp(record->Data, host->Data, length) == 0)
    return;
  memcpy(record->Data, host->Data, length + 1);
}

/* The person's choice within each group: a button that became selected wins
   over the one selected before. A group the host showed no selected button
   of keeps its selection. */
void CopyGroupsBack(LoadedDialog *d, const FarDialogItem *host, const int *itemOf, int count) {
  for (int g = 0; g < d->GroupCount; ++g) {
    DialogItem *pick = 0;
    for (int k = 0; k < count; ++k) {
      DialogItem *item = &d->Items[itemOf[k]];
      if (item->Group != g || host[k].Type != DI_RADIOBUTTON || !host[k].Selected)
        continue;
      if (!item->Record.Selected) {
        pick = item;
        break;
      }
      if (!pick)
        pick = item;
    }
    if (pick)
      SelectInGroup(d, pick);
  }
}

void CopyBack(LoadedDialog *d, FarDialogItem *host, const int *itemOf, int count) {
  int focused = -1;
  for (int k = 0; k < count; ++k) {
    FarDialogItem *record = &d->Items[itemOf[k]].Record;
    host[k].Data[MAX_ITEM_TEXT] = 0;
    CopyTextBack(record, &host[k]);
    int lone = d->Items[itemOf[k]].Group < 0;
    if (host[k].Type == DI_CHECKBOX || (host[k].Type == DI_RADIOBUTTON && lone))
      record->Selected = host[k].Selected != 0;
    if (focused < 0 && host[k].Focus)
      focused = itemOf[k];
  }
  CopyGroupsBack(d, host, itemOf, count);
  if (focused >= 0)
    for (int i = 0; i < d->ItemCount; ++i)
      d->Items[i].Record.Focus = i == focused;
}

/* What the special controls report after a showing that ended with
   `closer` (null when cancelled). */
void ReportRequests(LoadedDialog *d, DialogItem *closer, int closerType) {
  for (int g = 0; g < d->GroupCount; ++g)
    if (d->Groups[g].Choose)
      d->Groups[g].Choice = closer ? CHOICE_NONE : -1;
  if (!closer)
    return;
  if ((closer->Attributes & ITEM_REQUEST) && closerType == DI_BUTTON)
    closer->Record.Selected = 1;
  if (closer->Group >= 0 && d->Groups[closer->Group].Choose && closerType == DI_RADIOBUTTON) {
    d->Groups[closer->Group].Choice = closer->Value;
    SelectInGroup(d, closer);
  }
}

int RunHostDialog(LoadedDialog *d, const PluginStartupInfo *services, FarDialogItem *host,
                  int *itemOf) {
  int count = BuildHostItems(d, host, itemOf);
  if (count == 0)
    return -1;
  const char *help = d->HelpTopic[0] ? d->HelpTopic : 0;
  int chosen = services->Dialog(d->ModuleNumber, -1, -1, d->Width, d->Height, help, host, count);
  /* Nothing is left to write to if the dialog was freed meanwhile. */
  if (chosen < 0 || chosen >= count || !FindLiveDialog(d))
    return -1;
  DialogItem *closer = &d->Items[itemOf[chosen]];
  if (closer->ExitCode == -1)
    return -1;
  CopyBack(d, host, itemOf, count);
  ReportRequests(d, closer, host[chosen].Type);
  return closer->ExitCode;
}

} // namespace

extern "C" int __cdecl ShowDialog(DialogHandle Dialog) {
  LoadedDialog *d = FindLiveDialog(Dialog);
  if (!d)
    return -1;
  /* Where the last showing ended is no place to start: Enter there would
     repeat what the person just did (save again instead of insert). */
  if (!d->FocusChosen)
    for (int i = 0; i < d->ItemCount; ++i)
      d->Items[i].Record.Focus = (d->Items[i].Attributes & ITEM_DESCRIBED_FOCUS) != 0;
  d->FocusChosen = 0;
  /* A request is the person's for one showing only. */
  for (int i = 0; i < d->ItemCount; ++i)
    if (d->Items[i].Attributes & ITEM_REQUEST)
      d->Items[i].Record.Selected = 0;
  const PluginStartupInfo *services = HostServices();
  FarDialogItem *host = (FarDialogItem *)calloc((size_t)d->ItemCount, sizeof(FarDialogItem));
  int *itemOf = (int *)calloc((size_t)d->ItemCount, sizeof(int));
  int exitCode = -1;
  if (services && services->Dialog && host && itemOf)
    exitCode = RunHostDialog(d, services, host, itemOf);
  if (exitCode == -1 && FindLiveDialog(d))
    ReportRequests(d, 0, 0);
  free(host);
  free(itemOf);
  return exitCode;
}
