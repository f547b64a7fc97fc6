/* The dialog library Dialog.gen, bound by name at start-up. Every entry is
   the library's export or a harmless fallback, so callers never test them. */
#ifndef HORALIS_HOSTLINK_DIALOG_BINDING_H
#define HORALIS_HOSTLINK_DIALOG_BINDING_H

#include "dialog_gen.h"

struct DialogLibrary {
  HMODULE Module;
  DG_LOADDIALOGEX LoadDialogEx;
  DG_ENUMDIALOG EnumDialog;
  DG_FREEDIALOG FreeDialog;
  DG_GETNUMBYID GetNumById;
  DG_GETITEMSTATUS GetItemStatus;
  DG_SHOWDIALOG ShowDialog;
  DG_GETITEMDATA GetItemData;
  DG_GETITEMADDR GetItemAddr;
  DG_GETRADIOSTATUS GetRadioStatus;
  DG_INIT DG_Init;
  DG_SETITEMCOLOR SetItemColor;
  DG_SETITEMSTATUS SetItemStatus;
  DG_SETRADIOSTATUS SetRadioStatus;
  DG_HIDEITEM HideItem;
  DG_RESTOREITEM RestoreItem;
  DG_GETITEMNULL GetItemNULL;
  DG_VERSION DialogGeneratorVersion;
  DG_PARSENUM parseNum;
  DG_PARSEGETSTR parseGetStr;
  DG_PARSEGET parseGet;
  DG_SPARSE sparse;
  DG_SETITEMFOCUS SetItemFocus;
};

extern struct DialogLibrary Dialogs;

/* Loads Dialog.gen beside the module, beside the host, or from the system
   path, binds every operation and initialises the library. 1 when loaded. */
int BindDialogLibrary(HINSTANCE Module, struct PluginStartupInfo Info);

/* Loads a dialog of a description file beside the plugin. */
DialogHandle LoadPluginDialog(const char *FileName, const char *DialogName);

/* Puts text into an item's text, cut to what the item holds; 0 when the
   library gives the item no text. */
int PutItemText(DialogHandle Dialog, int Item, const char *Text);
/* The same for a number, written by a format of one conversion of a long. */
int PutItemNumber(DialogHandle Dialog, int Item, const char *Format, long Value);

#endif
