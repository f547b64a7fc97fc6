/* The operations of the dialog library Dialog.gen, as a plugin binds them by
   name at run time. All are caller-cleans (cdecl). Shared by the library and
   the plugin's binding so that both agree on every signature. */
#ifndef HORALIS_DIALOG_GEN_H
#define HORALIS_DIALOG_GEN_H

#include "far_plugin.h"

#ifdef __cplusplus
extern "C" {
#endif

/* One loaded dialog; 0 when a load failed. */
typedef struct LoadedDialog *DialogHandle;

#define DIALOG_GEN_FILE_NAME "Dialog.gen"

/* Every operation, by its export name, in the order a plugin binds them. */
enum { DIALOG_GEN_OPERATIONS = 22 };
static const char *const DialogGenOperationNames[DIALOG_GEN_OPERATIONS] = {"LoadDialogEx",
                                                                           "EnumDialog",
                                                                           "FreeDialog",
                                                                           "GetNumById",
                                                                           "GetItemStatus",
                                                                           "ShowDialog",
                                                                           "GetItemData",
                                                                           "GetItemAddr",
                                                                           "GetRadioStatus",
                                                                           "DG_Init",
                                                                           "SetItemColor",
                                                                           "SetItemStatus",
                                                                           "SetRadioStatus",
                                                                           "HideItem",
                                                                           "RestoreItem",
                                                                           "GetItemNULL",
                                                                           "DialogGeneratorVersion",
                                                                           "parseNum",
                                                                           "parseGetStr",
                                                                           "parseGet",
                                                                           "sparse",
                                                                           "SetItemFocus"};

typedef DialogHandle(__cdecl *DG_LOADDIALOGEX)(HINSTANCE Module, int ModuleNumber,
                                               const char *FileName, const char *DialogName);
/* Copies the names of the dialogs of a file beside Module into Names, each
   zero-terminated, as many whole names as fit in Size bytes, the list ended
   by an empty name; returns how many dialogs the file holds (0 when it is
   missing or malformed). */
typedef int(__cdecl *DG_ENUMDIALOG)(HINSTANCE Module, const char *FileName, char *Names, int Size);
typedef void(__cdecl *DG_FREEDIALOG)(DialogHandle Dialog);
/* The position of an item number in the host's item array, or -1. */
typedef int(__cdecl *DG_GETNUMBYID)(DialogHandle Dialog, int Item);
typedef int(__cdecl *DG_GETITEMSTATUS)(DialogHandle Dialog, int Item);
typedef int(__cdecl *DG_SHOWDIALOG)(DialogHandle Dialog);
typedef char *(__cdecl *DG_GETITEMDATA)(DialogHandle Dialog, int Item);
typedef struct FarDialogItem *(__cdecl *DG_GETITEMADDR)(DialogHandle Dialog, int Item);
typedef int(__cdecl *DG_GETRADIOSTATUS)(DialogHandle Dialog, int Item);
typedef void(__cdecl *DG_INIT)(struct PluginStartupInfo Info);
typedef void(__cdecl *DG_SETITEMCOLOR)(DialogHandle Dialog, int Item, int Color);
typedef void(__cdecl *DG_SETITEMSTATUS)(DialogHandle Dialog, int Item, int State);
typedef void(__cdecl *DG_SETRADIOSTATUS)(DialogHandle Dialog, int Item, int Value);
typedef void(__cdecl *DG_HIDEITEM)(DialogHandle Dialog, int Item);
typedef void(__cdecl *DG_RESTOREITEM)(DialogHandle Dialog, int Item);
/* A shared empty item text; callers only test it. */
typedef void *(__cdecl *DG_GETITEMNULL)(void);
/* The library's version as major * 100 + minor. */
typedef int(__cdecl *DG_VERSION)(void);
/* Description-file token readers, each at *Pos in a zero-terminated line:
   blanks are skipped first and *Pos moves past what was read. parseNum: a
   number, decimal or 0x hexadecimal (0 when none). parseGetStr: a quoted
   text into Out (its length, or -1). parseGet: a word into Out (its length,
   0 when none, -1 when it does not fit). sparse: blanks only (the character
   reached; 0 at the end of the line or at a ';' comment). */
typedef int(__cdecl *DG_PARSENUM)(const char *Text, int *Pos);
typedef int(__cdecl *DG_PARSEGETSTR)(const char *Text, int *Pos, char *Out, int Size);
typedef int(__cdecl *DG_PARSEGET)(const char *Text, int *Pos, char *Out, int Size);
typedef int(__cdecl *DG_SPARSE)(const char *Text, int *Pos);
typedef void(__cdecl *DG_SETITEMFOCUS)(DialogHandle Dialog, int Item);

#ifdef __cplusplus
}
#endif

#endif
