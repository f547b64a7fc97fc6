/* Finding a description file beside the plugin, reading a dialog out of it
   and releasing it again. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "dialog_list.h"
#include "dialoggen.h"
#include "host_link.h"
#include "parser.h"

namespace {

/* No description comes near this; anything larger is not one. */
const size_t MaxDescriptionSize = 1 << 20;

/* The folder of the plugin's module and the file name. */
int DescriptionPath(HINSTANCE module, const char *fileName, char *path, size_t size) {
  char modulePath[MAX_PATH + 1];
  DWORD length = GetModuleFileNameA(module, modulePath, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return 0;
  modulePath[length] = 0;
  size_t folder = 0;
  for (DWORD i = 0; i < length; ++i)
    if (modulePath[i] == '\\' || modulePath[i] == '/')
      folder = i + 1;
  size_t nameLength = strlen(fileName);
  if (nameLength == 0 || folder + nameLength + 1 > size)
    return 0;
  memcpy(path, modulePath, folder);
  memcpy(path + folder, fileName, nameLength + 1);
  return 1;
}

/* The whole file, zero-terminated, for free(); null when it cannot be read
   or is too large. */
char *ReadDescription(const char *path, size_t *size) {
  FILE *file = fopen(path, "rb");
  if (!file)
    return 0;
  char *text = (char *)malloc(MaxDescriptionSize + 1);
  size_t got = text ? fread(text, 1, MaxDescriptionSize + 1, file) : 0;
  int failed = !text || ferror(file) || got > MaxDescriptionSize;
  fclose(file);
  if (failed) {
    free(text);
    return 0;
  }
  text[got] = 0;
  *size = got;
  return text;
}

/* Tells whoever watches the debugger why a dialog did not load, so that
   a person editing a description finds the line. */
void ReportLoadFailure(const char *fileName, const char *dialogName, const ParseError *error) {
  char where[24] = "";
  if (error->Line > 0)
    snprintf(where, sizeof where, ", line %d", error->Line);
  char line[400];
  snprintf(line, sizeof line, "Dialog.gen: %.100s, dialog \"%.100s\"%s: %.120s\n", fileName,
           dialogName ? dialogName : "", where, error->Reason);
  OutputDebugStringA(line);
}

void ResolveMessages(LoadedDialog *d) {
  const PluginStartupInfo *host = HostServices();
  for (int i = 0; i < d->ItemCount; ++i) {
    DialogItem *item = &d->Items[i];
    if (item->TextMessage == LITERAL_TEXT)
      continue;
    const char *text = host && host->GetMsg ? host->GetMsg(d->ModuleNumber, item->TextMessage) : 0;
    /* A message the host does not have shows as an empty text. */
    snprintf(item->Record.Data, sizeof item->Record.Data, "%s", text ? text : "");
  }
}

char *ReadDescriptionBeside(HINSTANCE module, const char *fileName, size_t *size) {
  char path[MAX_PATH + 1];
  if (!fileName || !DescriptionPath(module, fileName, path, sizeof path))
    return 0;
  return ReadDescription(path, size);
}

struct NameList {
  char *Out;
  int Size;
  int Used;
};

void AppendName(const char *name, void *context) {
  NameList *list = (NameList *)context;
  int length = (int)strlen(name);
  /* One byte stays for the empty name that ends the list. */
  if (list->Used + length + 1 < list->Size) {
    memcpy(list->Out + list->Used, name, (size_t)length + 1);
    list->Used += length + 1;
  } else {
    list->Size = list->Used + 1; /* later, shorter names would break the order */
  }
}

} // namespace

extern "C" {

DialogHandle __cdecl LoadDialogEx(HINSTANCE Module, int ModuleNumber, const char *FileName,
                                  const char *DialogName) {
  if (!DialogName)
    return 0;
  size_t size = 0;
  char *text = ReadDescriptionBeside(Module, FileName, &size);
  if (!text)
    return 0;
  ParseError error;
  LoadedDialog *d = ParseDialog(text, size, DialogName, &error);
  free(text);
  if (!d) {
    ReportLoadFailure(FileName, DialogName, &error);
    return 0;
  }
  d->ModuleNumber = ModuleNumber;
  ResolveMessages(d);
  AddLiveDialog(d);
  return d;
}

int __cdecl EnumDialog(HINSTANCE Module, const char *FileName, char *Names, int Size) {
  size_t size = 0;
  char *text = ReadDescriptionBeside(Module, FileName, &size);
  if (!text)
    return 0;
  NameList list = {Names, Names ? Size : 0, 0};
  ParseError error;
  int count = ListDialogs(text, size, AppendName, &list, &error);
  free(text);
  if (Names && Size > 0)
    Names[list.Used] = 0;
  if (count < 0) {
    ReportLoadFailure(FileName, 0, &error);
    return 0;
  }
  return count;
}

} // extern "C"
