/* The operations Dialog.gen exports, declared for the library's own files
   and its tests. Each matches its pointer type in dialog_gen.h. */
#ifndef HORALIS_DIALOGGEN_DIALOGGEN_H
#define HORALIS_DIALOGGEN_DIALOGGEN_H

#include "dialog_gen.h"

#ifdef __cplusplus
extern "C" {
#endif

DialogHandle __cdecl LoadDialogEx(HINSTANCE Module, int ModuleNumber, const char *FileName,
                                  const char *DialogName);
int __cdecl EnumDialog(HINSTANCE Module, const char *FileName, char *Names, int Size);
void __cdecl FreeDialog(DialogHandle Dialog);
int __cdecl GetNumById(DialogHandle Dialog, int Item);
int __cdecl GetItemStatus(DialogHandle Dialog, int Item);
int __cdecl ShowDialog(DialogHandle Dialog);
char *__cdecl GetItemData(DialogHandle Dialog, int Item);
struct FarDialogItem *__cdecl GetItemAddr(DialogHandle Dialog, int Item);
int __cdecl GetRadioStatus(DialogHandle Dialog, int Item);
void __cdecl DG_Init(struct PluginStartupInfo Info);
void __cdecl SetItemColor(DialogHandle Dialog, int Item, int Color);
void __cdecl SetItemStatus(DialogHandle Dialog, int Item, int State);
void __cdecl SetRadioStatus(DialogHandle Dialog, int Item, int Value);
void __cdecl HideItem(DialogHandle Dialog, int Item);
void __cdecl RestoreItem(DialogHandle Dialog, int Item);
void *__cdecl GetItemNULL(void);
int __cdecl DialogGeneratorVersion(void);
int __cdecl parseNum(const char *Text, int *Pos);
int __cdecl parseGetStr(const char *Text, int *Pos, char *Out, int Size);
int __cdecl parseGet(const char *Text, int *Pos, char *Out, int Size);
int __cdecl sparse(const char *Text, int *Pos);
void __cdecl SetItemFocus(DialogHandle Dialog, int Item);

#ifdef __cplusplus
}
#endif

#endif
