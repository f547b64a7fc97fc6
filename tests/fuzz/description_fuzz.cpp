/* libFuzzer target: any bytes as a description file. Whatever parses is
   then shown through a host that scribbles over every item, and read and
   written through every operation, so that a dialog that loads is safe to
   use as well. */
#include <stdint.h>
#include <string.h>

#include "dialog_list.h"
#include "dialoggen.h"
#include "parser.h"

namespace {

const uint8_t *Script;
size_t ScriptSize;

int WINAPI ScribblingDialog(int, int, int, int, int, const char *, struct FarDialogItem *Item,
                            int ItemsNumber) {
  for (int i = 0; i < ItemsNumber; ++i) {
    uint8_t b = ScriptSize ? Script[(size_t)i % ScriptSize] : 0;
    Item[i].Selected = b & 1;
    Item[i].Focus = (b >> 1) & 1;
    if (b & 4)
      memset(Item[i].Data, 'x', sizeof Item[i].Data);
  }
  return ScriptSize ? (int)(Script[0] % (ItemsNumber + 2)) - 1 : -1;
}

void Exercise(LoadedDialog *d) {
  AddLiveDialog(d);
  for (int round = 0; round < 3; ++round) {
    ShowDialog(d);
    for (int i = 0; i < d->ItemCount; ++i) {
      int n = d->Items[i].Number;
      GetRadioStatus(d, n);
      SetRadioStatus(d, n, d->Items[i].Value);
      SetItemStatus(d, n, round);
      GetNumById(d, n);
      if (round == 1) {
        HideItem(d, n);
        GetItemAddr(d, n)->Type = d->Items[i].Value; /* any type the plugin may write */
      } else {
        RestoreItem(d, n);
      }
    }
  }
  FreeDialog(d);
}

void ExerciseByName(const char *name, void *context) {
  const uint8_t *data = (const uint8_t *)context;
  ParseError error;
  LoadedDialog *d = ParseDialog((const char *)data, ScriptSize, name, &error);
  if (d)
    Exercise(d);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
  PluginStartupInfo host;
  memset(&host, 0, sizeof host);
  host.Dialog = ScribblingDialog;
  DG_Init(host);
  Script = Data;
  ScriptSize = Size;
  ParseError error;
  ListDialogs((const char *)Data, Size, ExerciseByName, (void *)Data, &error);
  LoadedDialog *d = ParseDialog((const char *)Data, Size, "Main", &error);
  DestroyDialog(d);
  return 0;
}
