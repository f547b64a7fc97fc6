/* The host's 1.60 plugin interface: the records and services a plugin
   exchanges with the file manager. Shared by the plugin, the dialog library
   and the host stand-in so that all three agree on one layout. */
#ifndef HORALIS_FAR_PLUGIN_H
#define HORALIS_FAR_PLUGIN_H

#include <stddef.h>

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

enum { FAR_MODULE_NAME_SIZE = 260, FAR_MENU_TEXT_SIZE = 128, FAR_DIALOG_DATA_SIZE = 512 };

/* OpenPlugin's OpenFrom */
enum {
  OPEN_DISKMENU = 0,
  OPEN_PLUGINSMENU = 1,
  OPEN_FINDLIST = 2,
  OPEN_SHORTCUT = 3,
  OPEN_COMMANDLINE = 4,
  OPEN_EDITOR = 5,
  OPEN_VIEWER = 6
};

/* PluginInfo.Flags */
enum { PF_PRELOAD = 0x0001, PF_DISABLEPANELS = 0x0002, PF_EDITOR = 0x0004, PF_VIEWER = 0x0008 };

/* Menu flags */
enum { FMENU_SHOWAMPERSAND = 1, FMENU_WRAPMODE = 2 };

/* Message flags */
enum { FMSG_WARNING = 1, FMSG_ERRORTYPE = 2 };

/* Control commands used by the plugin */
enum { FCTL_INSERTCMDLINE = 14 };

/* EditorControl commands used by the plugin */
enum { ECTL_INSERTTEXT = 5 };

/* Dialog item types */
enum {
  DI_TEXT = 0,
  DI_VTEXT = 1,
  DI_SINGLEBOX = 2,
  DI_DOUBLEBOX = 3,
  DI_EDIT = 4,
  DI_PSWEDIT = 5,
  DI_FIXEDIT = 6,
  DI_BUTTON = 7,
  DI_CHECKBOX = 8,
  DI_RADIOBUTTON = 9
};

/* Dialog item flags */
enum {
  DIF_COLORMASK = 0xFF,
  DIF_SETCOLOR = 0x100,
  DIF_BOXCOLOR = 0x200,
  DIF_GROUP = 0x400,
  DIF_LEFTTEXT = 0x800,
  DIF_MOVESELECT = 0x1000,
  DIF_SHOWAMPERSAND = 0x2000,
  DIF_CENTERGROUP = 0x4000,
  DIF_NOBRACKETS = 0x8000,
  DIF_SEPARATOR = 0x10000
};

struct FarMenuItem {
  char Text[FAR_MENU_TEXT_SIZE];
  int Selected;
  int Checked;
  int Separator;
};

struct FarDialogItem {
  int Type;
  int X1, Y1, X2, Y2;
  int Focus;
  int Selected;
  unsigned int Flags;
  int DefaultButton;
  char Data[FAR_DIALOG_DATA_SIZE];
};

struct PluginPanelItem; /* never used by anything here */

typedef int(WINAPI *FARAPIMENU)(int PluginNumber, int X, int Y, int MaxHeight, unsigned int Flags,
                                const char *Title, const char *Bottom, const char *HelpTopic,
                                const int *BreakKeys, int *BreakCode,
                                const struct FarMenuItem *Item, int ItemsNumber);
typedef int(WINAPI *FARAPIDIALOG)(int PluginNumber, int X1, int Y1, int X2, int Y2,
                                  const char *HelpTopic, struct FarDialogItem *Item,
                                  int ItemsNumber);
typedef int(WINAPI *FARAPIMESSAGE)(int PluginNumber, unsigned int Flags, const char *HelpTopic,
                                   const char *const *Items, int ItemsNumber, int ButtonsNumber);
typedef const char *(WINAPI *FARAPIGETMSG)(int PluginNumber, int MsgId);
typedef int(WINAPI *FARAPICONTROL)(HANDLE hPlugin, int Command, void *Param);
typedef HANDLE(WINAPI *FARAPISAVESCREEN)(int X1, int Y1, int X2, int Y2);
typedef void(WINAPI *FARAPIRESTORESCREEN)(HANDLE hScreen);
typedef int(WINAPI *FARAPIGETDIRLIST)(const char *Dir, struct PluginPanelItem **pPanelItem,
                                      int *pItemsNumber);
typedef int(WINAPI *FARAPIGETPLUGINDIRLIST)(int PluginNumber, HANDLE hPlugin, const char *Dir,
                                            struct PluginPanelItem **pPanelItem, int *pItemsNumber);
typedef void(WINAPI *FARAPIFREEDIRLIST)(const struct PluginPanelItem *PanelItem);
typedef int(WINAPI *FARAPIVIEWER)(const char *FileName, const char *Title, int X1, int Y1, int X2,
                                  int Y2, DWORD Flags);
typedef int(WINAPI *FARAPIEDITOR)(const char *FileName, const char *Title, int X1, int Y1, int X2,
                                  int Y2, DWORD Flags, int StartLine, int StartChar);
typedef int(WINAPI *FARAPICMPNAME)(const char *Pattern, const char *String, int SkipPath);
typedef int(WINAPI *FARAPICHARTABLE)(int Command, char *Buffer, int BufferSize);
typedef void(WINAPI *FARAPITEXT)(int X, int Y, int Color, const char *Str);
typedef int(WINAPI *FARAPIEDITORCONTROL)(int Command, void *Param);

struct PluginStartupInfo {
  int StructSize;
  char ModuleName[FAR_MODULE_NAME_SIZE];
  int ModuleNumber;
  const char *RootKey;
  FARAPIMENU Menu;
  FARAPIDIALOG Dialog;
  FARAPIMESSAGE Message;
  FARAPIGETMSG GetMsg;
  FARAPICONTROL Control;
  FARAPISAVESCREEN SaveScreen;
  FARAPIRESTORESCREEN RestoreScreen;
  FARAPIGETDIRLIST GetDirList;
  FARAPIGETPLUGINDIRLIST GetPluginDirList;
  FARAPIFREEDIRLIST FreeDirList;
  FARAPIVIEWER Viewer;
  FARAPIEDITOR Editor;
  FARAPICMPNAME CmpName;
  FARAPICHARTABLE CharTable;
  FARAPITEXT Text;
  FARAPIEDITORCONTROL EditorControl;
};

struct PluginInfo {
  int StructSize;
  DWORD Flags;
  const char *const *DiskMenuStrings;
  int *DiskMenuNumbers;
  int DiskMenuStringsNumber;
  const char *const *PluginMenuStrings;
  int PluginMenuStringsNumber;
  const char *const *PluginConfigStrings;
  int PluginConfigStringsNumber;
  const char *CommandPrefix;
};

/* The entry points a plugin exports, for the host's GetProcAddress. */
typedef void(WINAPI *PLUGIN_SETSTARTUPINFO)(const struct PluginStartupInfo *Info);
typedef void(WINAPI *PLUGIN_GETPLUGININFO)(struct PluginInfo *Info);
typedef HANDLE(WINAPI *PLUGIN_OPENPLUGIN)(int OpenFrom, int Item);
typedef int(WINAPI *PLUGIN_CONFIGURE)(int ItemNumber);
typedef void(WINAPI *PLUGIN_EXITFAR)(void);

#ifdef __cplusplus
}
#endif

/* The layouts the host relies on, as a 32-bit process sees them. */
#if defined(__cplusplus) && !defined(_WIN64) && !defined(__LP64__)
static_assert(sizeof(PluginStartupInfo) == 336, "PluginStartupInfo is 336 bytes");
static_assert(sizeof(PluginInfo) == 40, "PluginInfo is 40 bytes");
static_assert(sizeof(FarMenuItem) == 140, "FarMenuItem is 140 bytes");
static_assert(sizeof(FarDialogItem) == 548, "FarDialogItem is 548 bytes");
#endif
#if defined(__cplusplus)
static_assert(sizeof(FarDialogItem) == 36 + FAR_DIALOG_DATA_SIZE,
              "FarDialogItem: 9 ints then Data");
static_assert(sizeof(PluginStartupInfo) == offsetof(PluginStartupInfo, Menu) + 16 * sizeof(void *),
              "PluginStartupInfo: header, root key, then 16 services");
#endif

#endif
