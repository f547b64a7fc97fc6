// A dialog library with only some of the operations, for the binding's
// tests: it records how the plugin initialises it.
#include <string.h>

#include "dialog_gen.h"
#include "binding_record.h"

#ifdef _WIN32
#define EXPORT extern "C" __declspec(dllexport)
#else
#define EXPORT extern "C" __attribute__((visibility("default")))
#endif

static BindingRecord Record;

EXPORT BindingRecord *__cdecl TestRecord(void) { return &Record; }

EXPORT DialogHandle __cdecl LoadDialogEx(HINSTANCE, int, const char *, const char *name) {
  return name && strcmp(name, "Probe") == 0 ? (DialogHandle)&Record : 0;
}

EXPORT int __cdecl ShowDialog(DialogHandle) { return 42; }

EXPORT void *__cdecl GetItemNULL(void) {
  Record.getItemNullCalls++;
  return &Record;
}

EXPORT void __cdecl DG_Init(struct PluginStartupInfo info) {
  Record.initCalls++;
  Record.initAfterGetItemNull = Record.getItemNullCalls > 0;
  Record.moduleNumber = info.ModuleNumber;
  Record.structSize = info.StructSize;
  strncpy(Record.rootKey, info.RootKey ? info.RootKey : "", sizeof Record.rootKey - 1);
}
