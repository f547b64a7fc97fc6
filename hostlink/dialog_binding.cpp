#include "hostlink/dialog_binding.h"

#include <stddef.h>
#include <string.h>

#include "hostlink/format_text.h"
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

// Every entry at its fallback, fixed at compile time: the module runs no
// start-up code of its own, so nothing here may need a constructor.
static constexpr struct DialogLibrary FallbackLibrary = {
    NULL,
    NoLoadDialogEx,
    NoEnumDialog,
    NoFreeDialog,
    NoGetNumById,
    NoGetItemStatus,
    NoShowDialog,
    NoGetItemData,
    NoGetItemAddr,
    NoGetRadioStatus,
    NoInit,
    NoSetItemColor,
    NoSetItemStatus,
    NoSetRadioStatus,
    NoHideItem,
    NoRestoreItem,
    NoGetItemNULL,
    NoVersion,
    NoParseNum,
    NoParseGetStr,
    NoParseGet,
    NoSparse,
    NoSetItemFocus,
};

// Usable before binding too: every entry starts at its fallback.
struct DialogLibrary Dialogs = FallbackLibrary;

// The library's exports by name, in the order of the operations in struct
// DialogLibrary after Module: one text, each name ended by its NUL, so that
// binding walks it without a table of addresses to build.
static const char OperationNames[] =
    "LoadDialogEx\0EnumDialog\0FreeDialog\0GetNumById\0GetItemStatus\0ShowDialog\0"
    "GetItemData\0GetItemAddr\0GetRadioStatus\0DG_Init\0SetItemColor\0SetItemStatus\0"
    "SetRadioStatus\0HideItem\0RestoreItem\0GetItemNULL\0DialogGeneratorVersion\0parseNum\0"
    "parseGetStr\0parseGet\0sparse\0SetItemFocus\0";
enum { OPERATION_COUNT = 22 };

// The operations follow Module one pointer after another, none between.
static_assert(offsetof(struct DialogLibrary, SetItemFocus) -
                          offsetof(struct DialogLibrary, LoadDialogEx) ==
                      (OPERATION_COUNT - 1) * sizeof(FARPROC) &&
                  sizeof(struct DialogLibrary) == offsetof(struct DialogLibrary, LoadDialogEx) +
                                                      OPERATION_COUNT * sizeof(FARPROC),
              "the operations' order and layout");

// Dialog.gen in a folder named by the first `length` characters of
// `folder`, joined with the separator the folder itself uses (Windows takes
// '/' as one too).
static HMODULE LoadFromFolder(const char *folder, size_t length) {
  char path[MAX_PATH];
  size_t name = sizeof DIALOG_GEN_FILE_NAME; // with its terminator
  if (length == 0 || length + 1 + name > sizeof path)
    return NULL;
  memcpy(path, folder, length);
  char last = path[length - 1];
  if (last != '\\' && last != '/') {
    int slashes = memchr(path, '/', length) && !memchr(path, '\\', length);
    path[length++] = slashes ? '/' : '\\';
  }
  memcpy(path + length, DIALOG_GEN_FILE_NAME, name);
  return LoadLibraryA(path);
}

static HMODULE LoadBeside(HMODULE module) {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(module, path, sizeof path);
  // Nothing at all, or a path cut to fit the buffer, names no real folder.
  if (length == 0 || length >= sizeof path)
    return NULL;
  size_t folder = 0;
  for (DWORD i = 0; i < length; i++)
    if (path[i] == '\\' || path[i] == '/')
      folder = i + 1;
  return LoadFromFolder(path, folder);
}

// A drive's root and below, or a share, or the root of the current drive:
// never a name taken from the current folder.
static int IsFullPath(const char *folder, size_t length) {
  int drive = length >= 3 && folder[1] == ':' && (folder[2] == '\\' || folder[2] == '/');
  return drive || (length >= 1 && (folder[0] == '\\' || folder[0] == '/'));
}

// Each folder of a PATH-style list by its full path, quotes taken off;
// empty and relative entries would name the current folder and are passed.
static HMODULE LoadFromFolderList(const char *list) {
  for (const char *entry = list; *entry;) {
    const char *end = strchr(entry, ';');
    size_t length = end ? (size_t)(end - entry) : strlen(entry);
    const char *folder = entry;
    size_t folderLength = length;
    if (folderLength >= 2 && folder[0] == '"' && folder[folderLength - 1] == '"') {
      folder++;
      folderLength -= 2;
    }
    HMODULE handle = IsFullPath(folder, folderLength) ? LoadFromFolder(folder, folderLength) : NULL;
    if (handle)
      return handle;
    entry += length + (end != NULL);
  }
  return NULL;
}

// The system's folders and then PATH, each by its full path: a bare name
// would let the system look in the current folder too (first of all where
// safe DLL search is off), where a planted library would run in the host.
static HMODULE LoadFromSystemPath(void) {
  char folder[MAX_PATH];
  UINT length = GetSystemDirectoryA(folder, sizeof folder);
  HMODULE handle = length > 0 && length < sizeof folder ? LoadFromFolder(folder, length) : NULL;
  if (!handle) {
    length = GetWindowsDirectoryA(folder, sizeof folder);
    handle = length > 0 && length < sizeof folder ? LoadFromFolder(folder, length) : NULL;
  }
  if (!handle) {
    char list[32767]; // the longest value Windows gives a variable
    DWORD listLength = GetEnvironmentVariableA("PATH", list, sizeof list);
    if (listLength > 0 && listLength < sizeof list)
      handle = LoadFromFolderList(list);
  }
  return handle;
}

int BindDialogLibrary(HINSTANCE Module, struct PluginStartupInfo Info) {
  struct DialogLibrary *library = &Dialogs;
  *library = FallbackLibrary;

  HMODULE handle = LoadBeside(Module);
  if (!handle)
    handle = LoadBeside(NULL);
  if (!handle)
    handle = LoadFromSystemPath();
  library->Module = handle;

  char *slot = (char *)&library->LoadDialogEx;
  for (const char *name = OperationNames; *name; name += strlen(name) + 1) {
    FARPROC export_ = handle ? GetProcAddress(handle, name) : NULL;
    if (export_) {
      memcpy(slot, &export_, sizeof export_);
    } else {
      char line[64];
      FormatText(line, sizeof line, "Missed function \"%s\"\n", name);
      OutputDebugStringA(line);
    }
    slot += sizeof(FARPROC);
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
    FormatText(itemText, FAR_DIALOG_DATA_SIZE, "%s", Text);
  return itemText != NULL;
}

int PutItemNumber(DialogHandle Dialog, int Item, const char *Format, long Value) {
  char text[16];
  FormatText(text, sizeof text, Format, Value);
  return PutItemText(Dialog, Item, text);
}
