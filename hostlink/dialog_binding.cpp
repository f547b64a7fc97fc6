#include "hostlink/dialog_binding.h"

#include <stdio.h>
#include <string.h>

#include "hostlink/host_table.h"
#include "hostlink/module_state.h"

// Fallbacks for operations the library lacks: they do nothing, so a missing
// export disables one operation and never crashes a caller.
static DialogHandle __cdecl NoLoadDialogEx(HINSTANCE, int, const char *, const char *) { return 0; }
static int __cdecl NoEnumDialog(HINSTANCE, const char *, char *, int) { return 0; }
static void __cdecl NoFreeDialog(DialogHandle) {}
static int __cdecl NoGetNumById(DialogHandle, int) { return 0; }
static int __cdecl NoGetItemStatus(DialogHandle, int) { return 0; }
static int __cdecl NoShowDialog(DialogHandle) { return 0; }
static char *__cdecl NoGetItemData(DialogHandle, int) { return NULL; }
static struct FarDialogItem *__cdecl NoGetItemAddr(DialogHandle, int) { return NULL; }
static int __cdecl NoGetRadioStatus(DialogHandle, int) { return 0; }
static void __cdecl NoInit(struct PluginStartupInfo) {}
static void __cdecl NoSetItemColor(DialogHandle, int, int) {}
static void __cdecl NoSetItemStatus(DialogHandle, int, int) {}
static void __cdecl NoSetRadioStatus(DialogHandle, int, int) {}
static void __cdecl NoHideItem(DialogHandle, int) {}
static void __cdecl NoRestoreItem(DialogHandle, int) {}
static void *__cdecl NoGetItemNULL(void) { return NULL; }
static int __cdecl NoVersion(void) { return 0; }
static int __cdecl NoParseNum(const char *, int *) { return 0; }
static int __cdecl NoParseGetStr(const char *, int *, char *, int) { return 0; }
static int __cdecl NoParseGet(const char *, int *, char *, int) { return 0; }
static int __cdecl NoSparse(const char *, int *) { return 0; }
static void __cdecl NoSetItemFocus(DialogHandle, int) {}

static void SetFallbacks(struct DialogLibrary *library) {
  library->LoadDialogEx = NoLoadDialogEx;
  library->EnumDialog = NoEnumDialog;
  library->FreeDialog = NoFreeDialog;
  library->GetNumById = NoGetNumById;
  library->GetItemStatus = NoGetItemStatus;
  library->ShowDialog = NoShowDialog;
  library->GetItemData = NoGetItemData;
  library->GetItemAddr = NoGetItemAddr;
  library->GetRadioStatus = NoGetRadioStatus;
  library->DG_Init = NoInit;
  library->SetItemColor = NoSetItemColor;
  library->SetItemStatus = NoSetItemStatus;
  library->SetRadioStatus = NoSetRadioStatus;
  library->HideItem = NoHideItem;
  library->RestoreItem = NoRestoreItem;
  library->GetItemNULL = NoGetItemNULL;
  library->DialogGeneratorVersion = NoVersion;
  library->parseNum = NoParseNum;
  library->parseGetStr = NoParseGetStr;
  library->parseGet = NoParseGet;
  library->sparse = NoSparse;
  library->SetItemFocus = NoSetItemFocus;
}

static struct DialogLibrary FallbackLibrary(void) {
  struct DialogLibrary library;
  memset(&library, 0, sizeof library);
  SetFallbacks(&library);
  return library;
}

// Usable before binding too: every entry starts at its fallback.
struct DialogLibrary Dialogs = FallbackLibrary();

// The operations in the order they are resolved, each with the slot that
// receives the export.
struct OperationSlot {
  const char *name;
  void *slot;
};

static HMODULE LoadBeside(HMODULE module) {
  char path[256];
  DWORD length = GetModuleFileNameA(module, path, sizeof path);
  // Nothing at all, or a path cut to fit the buffer, names no real folder.
  if (length == 0 || length >= sizeof path)
    return NULL;
  // Windows takes '/' as a separator too.
  char *name = path;
  for (char *p = path; *p; p++)
    if (*p == '\\' || *p == '/')
      name = p + 1;
  size_t room = sizeof path - (size_t)(name - path);
  if (strlen(DIALOG_GEN_FILE_NAME) >= room)
    return NULL;
  strcpy(name, DIALOG_GEN_FILE_NAME);
  return LoadLibraryA(path);
}

int BindDialogLibrary(HINSTANCE Module, struct PluginStartupInfo Info) {
  struct DialogLibrary *library = &Dialogs;
  *library = FallbackLibrary();

  HMODULE handle = LoadBeside(Module);
  if (!handle)
    handle = LoadBeside(NULL);
  if (!handle)
    handle = LoadLibraryA(DIALOG_GEN_FILE_NAME);
  library->Module = handle;

  const struct OperationSlot operations[] = {
      {"LoadDialogEx", &library->LoadDialogEx},
      {"EnumDialog", &library->EnumDialog},
      {"FreeDialog", &library->FreeDialog},
      {"GetNumById", &library->GetNumById},
      {"GetItemStatus", &library->GetItemStatus},
      {"ShowDialog", &library->ShowDialog},
      {"GetItemData", &library->GetItemData},
      {"GetItemAddr", &library->GetItemAddr},
      {"GetRadioStatus", &library->GetRadioStatus},
      {"DG_Init", &library->DG_Init},
      {"SetItemColor", &library->SetItemColor},
      {"SetItemStatus", &library->SetItemStatus},
      {"SetRadioStatus", &library->SetRadioStatus},
      {"HideItem", &library->HideItem},
      {"RestoreItem", &library->RestoreItem},
      {"GetItemNULL", &library->GetItemNULL},
      {"DialogGeneratorVersion", &library->DialogGeneratorVersion},
      {"parseNum", &library->parseNum},
      {"parseGetStr", &library->parseGetStr},
      {"parseGet", &library->parseGet},
      {"sparse", &library->sparse},
      {"SetItemFocus", &library->SetItemFocus},
  };
  for (const struct OperationSlot &operation : operations) {
    char line[64];
    snprintf(line, sizeof line, "Missed function \"%s\"\n", operation.name);
    FARPROC export_ = handle ? GetProcAddress(handle, operation.name) : NULL;
    if (export_)
      memcpy(operation.slot, &export_, sizeof export_);
    else
      OutputDebugStringA(line);
  }
  if (!handle)
    return 0;
  library->GetItemNULL();
  library->DG_Init(Info);
  return 1;
}

DialogHandle LoadPluginDialog(const char *FileName, const char *DialogName) {
  if (!FileName || !DialogName)
    return 0;
  return Dialogs.LoadDialogEx(ModuleInstance, HostServices.ModuleNumber, FileName, DialogName);
}

int PutItemText(DialogHandle Dialog, int Item, const char *Text) {
  char *itemText = Dialogs.GetItemData(Dialog, Item);
  if (itemText)
    snprintf(itemText, FAR_DIALOG_DATA_SIZE, "%s", Text);
  return itemText != NULL;
}
