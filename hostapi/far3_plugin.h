/* The host's 3.x plugin interface (wide text, GUIDs, 32- and 64-bit): the
   records, constants and services a plugin of that generation exchanges
   with the file manager, as far as Horalis and the stand-in's second face
   use them. Every record the two sides pass by address keeps the host's
   exact layout, services we never call included, since the host fills
   PluginStartupInfo and FarStandardFunctions field by field in this order.
   tests/hostapi/far3_layout_test.cpp holds each size and offset.

   Calling convention: every service and entry point is WINAPI (stdcall on
   x86, the one x64 convention on x64); only FSF's three printf-like
   helpers are WINAPIV. Sizes and counts are size_t, signed positions and
   message parameters intptr_t, and every flag set is 64 bits wide.

   The 1.60 interface (far_plugin.h) uses many of the same names with other
   layouts: a translation unit includes one or the other, never both. */
#ifndef HORALIS_FAR3_PLUGIN_H
#define HORALIS_FAR3_PLUGIN_H

#ifdef HORALIS_FAR_PLUGIN_H
#error "far3_plugin.h and far_plugin.h declare the same names: include one per source"
#endif

#include <stddef.h>
#include <stdint.h>

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Versions ---------------------------------------------------------- */

enum VERSION_STAGE {
  VS_RELEASE = 0,
  VS_ALPHA = 1,
  VS_BETA = 2,
  VS_RC = 3,
  VS_SPECIAL = 4,
  VS_PRIVATE = 5
};

/* A host or plugin version; the host compares Major, Minor, Build, then
   Revision, and refuses a plugin whose MinFarVersion is newer than itself. */
struct VersionInfo {
  DWORD Major;
  DWORD Minor;
  DWORD Revision;
  DWORD Build;
  enum VERSION_STAGE Stage;
};

/* The interface generation a 3.x plugin names in MinFarVersion: 3.0.0,
   with the build of the SDK header whose layouts this file follows. A
   plugin may ask for an older build when it checks StructSize before using
   a late field (FreeScreen is the last of PluginStartupInfo). */
enum {
  FAR3_VERSION_MAJOR = 3,
  FAR3_VERSION_MINOR = 0,
  FAR3_VERSION_REVISION = 0,
  FAR3_SDK_BUILD = 6564
};

/* ---- What the plugin tells the host about itself ----------------------- */

/* GetGlobalInfoW: asked first, before anything else is called. */
struct GlobalInfo {
  size_t StructSize;
  struct VersionInfo MinFarVersion;
  struct VersionInfo Version;
  GUID Guid;
  const wchar_t *Title;
  const wchar_t *Description;
  const wchar_t *Author;
  void *Instance;
};

typedef unsigned long long PLUGIN_FLAGS;
#define PF_PRELOAD ((PLUGIN_FLAGS)0x01)
#define PF_DISABLEPANELS ((PLUGIN_FLAGS)0x02)
#define PF_EDITOR ((PLUGIN_FLAGS)0x04)
#define PF_VIEWER ((PLUGIN_FLAGS)0x08)
#define PF_FULLCMDLINE ((PLUGIN_FLAGS)0x10)
#define PF_DIALOG ((PLUGIN_FLAGS)0x20)
#define PF_NONE ((PLUGIN_FLAGS)0)

/* A list of menu rows: Count texts, each with the GUID the host passes
   back in OpenInfo.Guid or ConfigureInfo.Guid when the row is chosen. */
struct PluginMenuItem {
  const GUID *Guids;
  const wchar_t *const *Strings;
  size_t Count;
};

/* GetPluginInfoW: the plugin's rows in the host's menus. */
struct PluginInfo {
  size_t StructSize;
  PLUGIN_FLAGS Flags;
  struct PluginMenuItem DiskMenu;
  struct PluginMenuItem PluginMenu;
  struct PluginMenuItem PluginConfig;
  const wchar_t *CommandPrefix;
  void *Instance;
};

/* ---- How the plugin is opened ----------------------------------------- */

/* OpenInfo.OpenFrom: where the user was. */
enum OPENFROM {
  OPEN_LEFTDISKMENU = 0,
  OPEN_PLUGINSMENU = 1,
  OPEN_FINDLIST = 2,
  OPEN_SHORTCUT = 3,
  OPEN_COMMANDLINE = 4,
  OPEN_EDITOR = 5,
  OPEN_VIEWER = 6,
  OPEN_FILEPANEL = 7,
  OPEN_DIALOG = 8,
  OPEN_ANALYSE = 9,
  OPEN_RIGHTDISKMENU = 10,
  OPEN_FROMMACRO = 11,
  OPEN_LUAMACRO = 100
};

/* OpenW's argument. Guid is the chosen menu row's. Data depends on
   OpenFrom: OPEN_COMMANDLINE points to an OpenCommandLineInfo, OPEN_DIALOG
   to an OpenDlgPluginData, OPEN_FROMMACRO to an OpenMacroInfo; from the
   menus, the editor and the viewer it is 0. */
struct OpenInfo {
  size_t StructSize;
  enum OPENFROM OpenFrom;
  const GUID *Guid;
  intptr_t Data;
  void *Instance;
};

struct OpenCommandLineInfo {
  size_t StructSize;
  const wchar_t *CommandLine; /* the text after the plugin's prefix */
};

struct OpenDlgPluginData {
  size_t StructSize;
  HANDLE hDlg; /* the dialog the user was in */
};

/* The kinds of value a macro passes to, or takes from, a plugin. */
enum FARMACROVARTYPE {
  FMVT_UNKNOWN = 0,
  FMVT_INTEGER = 1,
  FMVT_STRING = 2,
  FMVT_DOUBLE = 3,
  FMVT_BOOLEAN = 4,
  FMVT_BINARY = 5,
  FMVT_POINTER = 6,
  FMVT_NIL = 7,
  FMVT_ARRAY = 8,
  FMVT_PANEL = 9,
  FMVT_ERROR = 10,
  FMVT_MBSTRING = 11,
  FMVT_NEWTABLE = 12,
  FMVT_SETTABLE = 13,
  FMVT_DIALOG = 14
};

/* One macro value; Type says which member of the union holds it. */
struct FarMacroValue {
  enum FARMACROVARTYPE Type;
  union {
    long long Integer;
    long long Boolean;
    double Double;
    const wchar_t *String;
    const char *MBString;
    void *Pointer;
    struct {
      void *Data;
      size_t Size;
    } Binary;
    struct {
      struct FarMacroValue *Values;
      size_t Count;
    } Array;
  };
};

/* OPEN_FROMMACRO's Data: the arguments of Plugin.Call after the GUID. */
struct OpenMacroInfo {
  size_t StructSize;
  size_t Count;
  struct FarMacroValue *Values;
};

/* What OpenW returns to a macro's Plugin.Call: null for "nothing" (the
   macro sees false), or a FarMacroCall whose Values become the call's
   results. The host calls Callback(CallbackData, Values, Count) once it
   has copied them, so that the plugin frees what it allocated. */
typedef void(WINAPI *FARMACROCALLBACKFREE)(void *CallbackData, struct FarMacroValue *Values,
                                           size_t Count);
struct FarMacroCall {
  size_t StructSize;
  size_t Count;
  struct FarMacroValue *Values;
  FARMACROCALLBACKFREE Callback;
  void *CallbackData;
};

/* ConfigureW: Guid is the chosen configuration row's. */
struct ConfigureInfo {
  size_t StructSize;
  const GUID *Guid;
  void *Instance;
};

/* ExitFARW: the host is closing. */
struct ExitInfo {
  size_t StructSize;
  void *Instance;
};

enum SYNCHRO_EVENTS { SE_COMMONSYNCHRO = 0, SE_FOLDERCHANGED = 1 };

/* ProcessSynchroEventW, on the host's main thread after ACTL_SYNCHRO:
   Param is the pointer the plugin gave to AdvControl. */
struct ProcessSynchroEventInfo {
  size_t StructSize;
  intptr_t Event;
  void *Param;
  void *Instance;
};

/* ---- Messages ------------------------------------------------------------ */

typedef unsigned long long FARMESSAGEFLAGS;
#define FMSG_WARNING ((FARMESSAGEFLAGS)0x00000001)
#define FMSG_ERRORTYPE ((FARMESSAGEFLAGS)0x00000002)
#define FMSG_KEEPBACKGROUND ((FARMESSAGEFLAGS)0x00000004)
#define FMSG_LEFTALIGN ((FARMESSAGEFLAGS)0x00000008)
#define FMSG_ALLINONE ((FARMESSAGEFLAGS)0x00000010)
#define FMSG_MB_OK ((FARMESSAGEFLAGS)0x00010000)
#define FMSG_MB_OKCANCEL ((FARMESSAGEFLAGS)0x00020000)
#define FMSG_MB_ABORTRETRYIGNORE ((FARMESSAGEFLAGS)0x00030000)
#define FMSG_MB_YESNO ((FARMESSAGEFLAGS)0x00040000)
#define FMSG_MB_YESNOCANCEL ((FARMESSAGEFLAGS)0x00050000)
#define FMSG_MB_RETRYCANCEL ((FARMESSAGEFLAGS)0x00060000)
#define FMSG_NONE ((FARMESSAGEFLAGS)0)

/* Items[0] is the title, the rest lines; with no FMSG_MB_* flag the last
   ButtonsNumber items are buttons. Returns the chosen button from 0, or
   -1 when cancelled. */
typedef intptr_t(WINAPI *FARAPIMESSAGE)(const GUID *PluginId, const GUID *Id, FARMESSAGEFLAGS Flags,
                                        const wchar_t *HelpTopic, const wchar_t *const *Items,
                                        size_t ItemsNumber, intptr_t ButtonsNumber);

/* ---- Menus --------------------------------------------------------------- */

/* A key as the host's menus take it: a virtual key and the console's
   control-key state (LEFT_CTRL_PRESSED, SHIFT_PRESSED...). */
struct FarKey {
  WORD VirtualKeyCode;
  DWORD ControlKeyState;
};

typedef unsigned long long MENUITEMFLAGS;
#define MIF_SELECTED ((MENUITEMFLAGS)0x00010000)
#define MIF_CHECKED ((MENUITEMFLAGS)0x00020000)
#define MIF_SEPARATOR ((MENUITEMFLAGS)0x00040000)
#define MIF_DISABLE ((MENUITEMFLAGS)0x00080000)
#define MIF_GRAYED ((MENUITEMFLAGS)0x00100000)
#define MIF_HIDDEN ((MENUITEMFLAGS)0x00200000)
#define MIF_NONE ((MENUITEMFLAGS)0)

/* MIF_CHECKED may carry a mark character in its low 16 bits. */
struct FarMenuItem {
  MENUITEMFLAGS Flags;
  const wchar_t *Text;
  struct FarKey AccelKey;
  intptr_t UserData;
  intptr_t Reserved[2];
};

typedef unsigned long long FARMENUFLAGS;
#define FMENU_SHOWAMPERSAND ((FARMENUFLAGS)0x0001)
#define FMENU_WRAPMODE ((FARMENUFLAGS)0x0002)
#define FMENU_AUTOHIGHLIGHT ((FARMENUFLAGS)0x0004)
#define FMENU_REVERSEAUTOHIGHLIGHT ((FARMENUFLAGS)0x0008)
#define FMENU_CHANGECONSOLETITLE ((FARMENUFLAGS)0x0010)
#define FMENU_SHOWNOBOX ((FARMENUFLAGS)0x0020)
#define FMENU_SHOWSHORTBOX ((FARMENUFLAGS)0x0040)
#define FMENU_SHOWSINGLEBOX ((FARMENUFLAGS)0x0080)
#define FMENU_NODRAWSHADOW ((FARMENUFLAGS)0x0100)
#define FMENU_NONE ((FARMENUFLAGS)0)

/* X, Y, MaxHeight of -1 let the host choose. BreakKeys ends with a key
   whose VirtualKeyCode is 0; when one of them closes the menu, *BreakCode
   is its index (else -1). Returns the chosen row, or -1. */
typedef intptr_t(WINAPI *FARAPIMENU)(const GUID *PluginId, const GUID *Id, intptr_t X, intptr_t Y,
                                     intptr_t MaxHeight, FARMENUFLAGS Flags, const wchar_t *Title,
                                     const wchar_t *Bottom, const wchar_t *HelpTopic,
                                     const struct FarKey *BreakKeys, intptr_t *BreakCode,
                                     const struct FarMenuItem *Item, size_t ItemsNumber);

/* ---- Colours --------------------------------------------------------------- */

typedef unsigned long long FARCOLORFLAGS;
/* With an *_INDEX flag the colour's low byte is a console palette index
   (0-15); without it the colour is 0xAABBGGRR. */
#define FCF_FG_INDEX ((FARCOLORFLAGS)0x01)
#define FCF_BG_INDEX ((FARCOLORFLAGS)0x02)
#define FCF_INHERIT_STYLE ((FARCOLORFLAGS)0x04)
#define FCF_FG_UNDERLINE_INDEX ((FARCOLORFLAGS)0x08)
#define FCF_INDEXMASK ((FARCOLORFLAGS)0x0B)
#define FCF_NONE ((FARCOLORFLAGS)0)

/* A cell's colours. The host's header views each COLORREF also as index
   or RGBA bytes; the bytes are the same. */
struct FarColor {
  FARCOLORFLAGS Flags;
  COLORREF ForegroundColor;
  COLORREF BackgroundColor;
  COLORREF UnderlineColor;
  DWORD Reserved;
};

/* ---- Dialogs ------------------------------------------------------------- */

enum FARDIALOGITEMTYPES {
  DI_TEXT = 0,
  DI_VTEXT = 1,
  DI_SINGLEBOX = 2,
  DI_DOUBLEBOX = 3,
  DI_EDIT = 4,
  DI_PSWEDIT = 5,
  DI_FIXEDIT = 6,
  DI_BUTTON = 7,
  DI_CHECKBOX = 8,
  DI_RADIOBUTTON = 9,
  DI_COMBOBOX = 10,
  DI_LISTBOX = 11,
  DI_USERCONTROL = 255
};

/* Item flags. One bit means different things for different item types,
   hence the shared values. */
typedef unsigned long long FARDIALOGITEMFLAGS;
#define DIF_BOXCOLOR ((FARDIALOGITEMFLAGS)0x0000000000000200ULL)
#define DIF_GROUP ((FARDIALOGITEMFLAGS)0x0000000000000400ULL)
#define DIF_LEFTTEXT ((FARDIALOGITEMFLAGS)0x0000000000000800ULL)
#define DIF_MOVESELECT ((FARDIALOGITEMFLAGS)0x0000000000001000ULL)
#define DIF_SHOWAMPERSAND ((FARDIALOGITEMFLAGS)0x0000000000002000ULL)
#define DIF_CENTERGROUP ((FARDIALOGITEMFLAGS)0x0000000000004000ULL)
#define DIF_NOBRACKETS ((FARDIALOGITEMFLAGS)0x0000000000008000ULL)       /* buttons */
#define DIF_MANUALADDHISTORY ((FARDIALOGITEMFLAGS)0x0000000000008000ULL) /* edits */
#define DIF_SEPARATOR ((FARDIALOGITEMFLAGS)0x0000000000010000ULL)
#define DIF_SEPARATOR2 ((FARDIALOGITEMFLAGS)0x0000000000020000ULL)      /* texts */
#define DIF_EDITOR ((FARDIALOGITEMFLAGS)0x0000000000020000ULL)          /* edits */
#define DIF_LISTNOAMPERSAND ((FARDIALOGITEMFLAGS)0x0000000000020000ULL) /* lists */
#define DIF_LISTNOBOX ((FARDIALOGITEMFLAGS)0x0000000000040000ULL)       /* lists */
#define DIF_HISTORY ((FARDIALOGITEMFLAGS)0x0000000000040000ULL)         /* edits */
#define DIF_BTNNOCLOSE ((FARDIALOGITEMFLAGS)0x0000000000040000ULL)      /* buttons */
#define DIF_CENTERTEXT ((FARDIALOGITEMFLAGS)0x0000000000040000ULL)      /* texts */
#define DIF_SEPARATORUSER ((FARDIALOGITEMFLAGS)0x0000000000080000ULL)   /* texts */
#define DIF_SETSHIELD ((FARDIALOGITEMFLAGS)0x0000000000080000ULL)       /* buttons */
#define DIF_EDITEXPAND ((FARDIALOGITEMFLAGS)0x0000000000080000ULL)      /* edits */
#define DIF_DROPDOWNLIST ((FARDIALOGITEMFLAGS)0x0000000000100000ULL)
#define DIF_USELASTHISTORY ((FARDIALOGITEMFLAGS)0x0000000000200000ULL)
#define DIF_MASKEDIT ((FARDIALOGITEMFLAGS)0x0000000000400000ULL)       /* edits */
#define DIF_LISTTRACKMOUSE ((FARDIALOGITEMFLAGS)0x0000000000400000ULL) /* lists */
#define DIF_LISTTRACKMOUSEINFOCUS ((FARDIALOGITEMFLAGS)0x0000000000800000ULL)
#define DIF_SELECTONENTRY ((FARDIALOGITEMFLAGS)0x0000000000800000ULL)
#define DIF_3STATE ((FARDIALOGITEMFLAGS)0x0000000000800000ULL)
#define DIF_EDITPATH ((FARDIALOGITEMFLAGS)0x0000000001000000ULL)
#define DIF_LISTWRAPMODE ((FARDIALOGITEMFLAGS)0x0000000001000000ULL)
#define DIF_NOAUTOCOMPLETE ((FARDIALOGITEMFLAGS)0x0000000002000000ULL)
#define DIF_LISTAUTOHIGHLIGHT ((FARDIALOGITEMFLAGS)0x0000000002000000ULL)
#define DIF_LISTNOCLOSE ((FARDIALOGITEMFLAGS)0x0000000004000000ULL)
#define DIF_EDITPATHEXEC ((FARDIALOGITEMFLAGS)0x0000000004000000ULL)
#define DIF_HIDDEN ((FARDIALOGITEMFLAGS)0x0000000010000000ULL)
#define DIF_READONLY ((FARDIALOGITEMFLAGS)0x0000000020000000ULL)
#define DIF_NOFOCUS ((FARDIALOGITEMFLAGS)0x0000000040000000ULL)
#define DIF_DISABLE ((FARDIALOGITEMFLAGS)0x0000000080000000ULL)
#define DIF_DEFAULTBUTTON ((FARDIALOGITEMFLAGS)0x0000000100000000ULL)
#define DIF_FOCUS ((FARDIALOGITEMFLAGS)0x0000000200000000ULL)
#define DIF_RIGHTTEXT ((FARDIALOGITEMFLAGS)0x0000000400000000ULL)
#define DIF_WORDWRAP ((FARDIALOGITEMFLAGS)0x0000000800000000ULL)
#define DIF_HOMEITEM ((FARDIALOGITEMFLAGS)0x0000002000000000ULL)
#define DIF_NONE ((FARDIALOGITEMFLAGS)0)

/* Messages to a dialog (DM_*, through SendDlgMessage) and notifications
   from it (DN_*, to the dialog procedure). Param1 is mostly an item's
   index; what Param2 carries is said beside each one used. */
enum FARMESSAGE {
  DM_FIRST = 0,
  DM_CLOSE = 1,  /* Param1: the exit code DialogRun returns (-1: cancel) */
  DM_ENABLE = 2, /* Param2: 0 off, 1 on, -1 ask; returns the old state */
  DM_ENABLEREDRAW = 3,
  DM_GETDLGDATA = 4, /* returns the Param given to DialogInit */
  DM_GETDLGITEM = 5, /* Param2: FarGetDialogItem; returns the size needed */
  DM_GETDLGRECT = 6, /* Param2: SMALL_RECT */
  DM_GETTEXT = 7,    /* Param2: FarDialogItemData or null; returns the length */
  DM_KEY = 9,        /* Param1: count, Param2: INPUT_RECORD array */
  DM_MOVEDIALOG = 10,
  DM_SETDLGDATA = 11, /* Param2: the new dialog data; returns the old */
  DM_SETDLGITEM = 12, /* Param2: FarDialogItem */
  DM_SETFOCUS = 13,   /* returns TRUE when the item took the focus */
  DM_REDRAW = 14,     /* redraws the whole dialog */
  DM_SETTEXT = 15,    /* Param2: FarDialogItemData */
  DM_SETMAXTEXTLENGTH = 16,
  DM_SHOWDIALOG = 17,
  DM_GETFOCUS = 18,     /* returns the focused item's index */
  DM_GETCURSORPOS = 19, /* Param2: COORD */
  DM_SETCURSORPOS = 20, /* Param2: COORD */
  DM_SETTEXTPTR = 22,   /* Param2: a wide text, copied by the host */
  DM_SHOWITEM = 23,     /* Param2: 0 hide, 1 show, -1 toggle; returns the old state */
  DM_ADDHISTORY = 24,
  DM_GETCHECK = 25, /* returns a FARCHECKEDSTATE */
  DM_SETCHECK = 26, /* Param2: a FARCHECKEDSTATE; returns the old one */
  DM_SET3STATE = 27,
  DM_LISTSORT = 28,
  DM_LISTGETITEM = 29,
  DM_LISTGETCURPOS = 30, /* Param2: FarListPos or null; returns the selected row */
  DM_LISTSETCURPOS = 31, /* Param2: FarListPos */
  DM_LISTDELETE = 32,
  DM_LISTADD = 33,
  DM_LISTADDSTR = 34,
  DM_LISTUPDATE = 35,
  DM_LISTINSERT = 36,
  DM_LISTFINDSTRING = 37,
  DM_LISTINFO = 38,
  DM_LISTGETDATA = 39,
  DM_LISTSETDATA = 40,
  DM_LISTSETTITLES = 41,
  DM_LISTGETTITLES = 42,
  DM_RESIZEDIALOG = 43,
  DM_SETITEMPOSITION = 44, /* Param2: SMALL_RECT */
  DM_GETDROPDOWNOPENED = 45,
  DM_SETDROPDOWNOPENED = 46,
  DM_SETHISTORY = 47,
  DM_GETITEMPOSITION = 48, /* Param2: SMALL_RECT */
  DM_SETINPUTNOTIFY = 49,
  DM_EDITUNCHANGEDFLAG = 50,
  DM_GETITEMDATA = 51,
  DM_SETITEMDATA = 52,
  DM_LISTSET = 53, /* Param2: FarList, the rows replaced */
  DM_GETCURSORSIZE = 54,
  DM_SETCURSORSIZE = 55,
  DM_LISTGETDATASIZE = 56,
  DM_GETSELECTION = 57,
  DM_SETSELECTION = 58,
  DM_GETEDITPOSITION = 59,
  DM_SETEDITPOSITION = 60,
  DM_SETCOMBOBOXEVENT = 61,
  DM_GETCOMBOBOXEVENT = 62,
  DM_GETCONSTTEXTPTR = 63, /* returns the item's text, owned by the host */
  DM_GETDLGITEMSHORT = 64,
  DM_SETDLGITEMSHORT = 65,
  DM_GETDIALOGINFO = 66,
  DM_GETDIALOGTITLE = 67,

  DN_FIRST = 4096,
  DN_BTNCLICK = 4097,        /* Param2: the new check state */
  DN_CTLCOLORDIALOG = 4098,  /* Param2: FarColor of the dialog's background */
  DN_CTLCOLORDLGITEM = 4099, /* Param2: FarDialogItemColors, changed in place */
  DN_CTLCOLORDLGLIST = 4100,
  DN_DRAWDIALOG = 4101,
  DN_DRAWDLGITEM = 4102,
  DN_EDITCHANGE = 4103, /* Param2: the FarDialogItem as it now stands */
  DN_GOTFOCUS = 4105,
  DN_HELP = 4106, /* Param2: the topic; return another to change it */
  DN_HOTKEY = 4107,
  DN_INITDIALOG = 4108, /* Param2: the Param given to DialogInit */
  DN_KILLFOCUS = 4109,  /* return -1 to let the focus go */
  DN_LISTCHANGE = 4110, /* Param2: the new selected row */
  DN_DRAGGED = 4111,
  DN_RESIZECONSOLE = 4112,
  DN_DRAWDIALOGDONE = 4113,
  DN_LISTHOTKEY = 4114,
  DN_INPUT = 4115,
  DN_CONTROLINPUT = 4116, /* Param2: const INPUT_RECORD*; TRUE: handled */
  DN_CLOSE = 4117,        /* Param1: the exit code; FALSE keeps the dialog open */
  DN_GETVALUE = 4118,
  DN_DROPDOWNOPENED = 4119,
  DN_DRAWDLGITEMDONE = 4120,

  DM_USER = 0x4000
};

enum FARCHECKEDSTATE {
  BSTATE_UNCHECKED = 0,
  BSTATE_CHECKED = 1,
  BSTATE_3STATE = 2,
  BSTATE_TOGGLE = 3
};

typedef unsigned long long LISTITEMFLAGS;
#define LIF_SELECTED ((LISTITEMFLAGS)0x00010000)
#define LIF_CHECKED ((LISTITEMFLAGS)0x00020000)
#define LIF_SEPARATOR ((LISTITEMFLAGS)0x00040000)
#define LIF_DISABLE ((LISTITEMFLAGS)0x00080000)
#define LIF_GRAYED ((LISTITEMFLAGS)0x00100000)
#define LIF_HIDDEN ((LISTITEMFLAGS)0x00200000)
#define LIF_DELETEUSERDATA ((LISTITEMFLAGS)0x80000000)
#define LIF_NONE ((LISTITEMFLAGS)0)

struct FarListItem {
  LISTITEMFLAGS Flags;
  const wchar_t *Text;
  intptr_t UserData;
  intptr_t Reserved;
};

/* The rows of a list box or combo box (FarDialogItem.ListItems). */
struct FarList {
  size_t StructSize;
  size_t ItemsNumber;
  struct FarListItem *Items;
};

struct FarListPos {
  size_t StructSize;
  intptr_t SelectPos;
  intptr_t TopPos; /* -1: the host keeps the selection in view */
};

/* DN_CTLCOLORDLGITEM's Param2: the item's colours, which the procedure
   may change in place; how many and what each means depends on the type. */
struct FarDialogItemColors {
  size_t StructSize;
  unsigned long long Flags;
  size_t ColorsCount;
  struct FarColor *Colors;
};

/* A screen cell, for DI_USERCONTROL's buffer. */
struct FAR_CHAR_INFO {
  wchar_t Char;
  wchar_t Reserved0;
  int Reserved1;
  struct FarColor Attributes;
};

/* One dialog item. The host copies Data; MaxLength counts characters
   without the terminator, 0 for no limit. */
struct FarDialogItem {
  enum FARDIALOGITEMTYPES Type;
  intptr_t X1, Y1, X2, Y2;
  union {
    intptr_t Selected;          /* check boxes, radio buttons */
    struct FarList *ListItems;  /* list and combo boxes */
    struct FAR_CHAR_INFO *VBuf; /* DI_USERCONTROL */
    intptr_t Reserved0;
  };
  const wchar_t *History;
  const wchar_t *Mask;
  FARDIALOGITEMFLAGS Flags;
  const wchar_t *Data;
  size_t MaxLength;
  intptr_t UserData;
  intptr_t Reserved[2];
};

/* DM_GETTEXT and DM_SETTEXT: a text and its length in characters. For
   DM_GETTEXT PtrLength is the buffer's room and the host terminates. */
struct FarDialogItemData {
  size_t StructSize;
  size_t PtrLength;
  wchar_t *PtrData;
};

/* DM_GETDLGITEM: Item receives the item followed by its texts, when Size
   is enough (asked first with Item null). */
struct FarGetDialogItem {
  size_t StructSize;
  size_t Size;
  struct FarDialogItem *Item;
};

typedef unsigned long long FARDIALOGFLAGS;
#define FDLG_WARNING ((FARDIALOGFLAGS)0x0001)
#define FDLG_SMALLDIALOG ((FARDIALOGFLAGS)0x0002)
#define FDLG_NODRAWSHADOW ((FARDIALOGFLAGS)0x0004)
#define FDLG_NODRAWPANEL ((FARDIALOGFLAGS)0x0008)
#define FDLG_KEEPCONSOLETITLE ((FARDIALOGFLAGS)0x0010)
#define FDLG_NONMODAL ((FARDIALOGFLAGS)0x0020)
#define FDLG_STAY_ON_TOP ((FARDIALOGFLAGS)0x0040)
#define FDLG_NONE ((FARDIALOGFLAGS)0)

/* A dialog procedure; what it does not handle goes to DefDlgProc. */
typedef intptr_t(WINAPI *FARWINDOWPROC)(HANDLE hDlg, intptr_t Msg, intptr_t Param1, void *Param2);
typedef intptr_t(WINAPI *FARAPISENDDLGMESSAGE)(HANDLE hDlg, intptr_t Msg, intptr_t Param1,
                                               void *Param2);
typedef intptr_t(WINAPI *FARAPIDEFDLGPROC)(HANDLE hDlg, intptr_t Msg, intptr_t Param1,
                                           void *Param2);
/* X1, Y1 of -1 centre the dialog; X2, Y2 are then its width and height.
   Returns INVALID_HANDLE_VALUE on failure. Param reaches DN_INITDIALOG. */
typedef HANDLE(WINAPI *FARAPIDIALOGINIT)(const GUID *PluginId, const GUID *Id, intptr_t X1,
                                         intptr_t Y1, intptr_t X2, intptr_t Y2,
                                         const wchar_t *HelpTopic, const struct FarDialogItem *Item,
                                         size_t ItemsNumber, intptr_t Reserved,
                                         FARDIALOGFLAGS Flags, FARWINDOWPROC DlgProc, void *Param);
/* Returns the index of the item that closed the dialog, or -1. */
typedef intptr_t(WINAPI *FARAPIDIALOGRUN)(HANDLE hDlg);
typedef void(WINAPI *FARAPIDIALOGFREE)(HANDLE hDlg);

/* ---- Editor -------------------------------------------------------------- */

#define CURRENT_EDITOR (-1)

enum EDITOR_CONTROL_COMMANDS {
  ECTL_GETSTRING = 0,
  ECTL_SETSTRING = 1,
  ECTL_INSERTSTRING = 2, /* Param2: int*, non-zero to indent the new line, or null */
  ECTL_DELETESTRING = 3,
  ECTL_DELETECHAR = 4,
  ECTL_INSERTTEXT = 5,  /* Param2: the wide text, typed at the cursor */
  ECTL_GETINFO = 6,     /* Param2: EditorInfo with StructSize set */
  ECTL_SETPOSITION = 7, /* Param2: EditorSetPosition, -1 for what stays */
  ECTL_SELECT = 8,
  ECTL_REDRAW = 9,
  ECTL_TABTOREAL = 10,
  ECTL_REALTOTAB = 11,
  ECTL_EXPANDTABS = 12,
  ECTL_SETTITLE = 13,
  ECTL_READINPUT = 14,
  ECTL_PROCESSINPUT = 15,
  ECTL_ADDCOLOR = 16,
  ECTL_GETCOLOR = 17,
  ECTL_SAVEFILE = 18,
  ECTL_QUIT = 19,
  ECTL_SETKEYBAR = 20,
  ECTL_SETPARAM = 22,
  ECTL_GETBOOKMARKS = 23,
  ECTL_DELETEBLOCK = 25,
  ECTL_ADDSESSIONBOOKMARK = 26,
  ECTL_PREVSESSIONBOOKMARK = 27,
  ECTL_NEXTSESSIONBOOKMARK = 28,
  ECTL_CLEARSESSIONBOOKMARKS = 29,
  ECTL_DELETESESSIONBOOKMARK = 30,
  ECTL_GETSESSIONBOOKMARKS = 31,
  ECTL_UNDOREDO = 32,
  ECTL_GETFILENAME = 33,
  ECTL_DELCOLOR = 34,
  ECTL_SUBSCRIBECHANGEEVENT = 36,
  ECTL_UNSUBSCRIBECHANGEEVENT = 37,
  ECTL_GETTITLE = 38
};

/* ECTL_GETINFO's answer; positions count from 0. */
struct EditorInfo {
  size_t StructSize;
  intptr_t EditorID;
  intptr_t WindowSizeX;
  intptr_t WindowSizeY;
  intptr_t TotalLines;
  intptr_t CurLine;
  intptr_t CurPos;
  intptr_t CurTabPos;
  intptr_t TopScreenLine;
  intptr_t LeftPos;
  intptr_t Overtype;
  intptr_t BlockType;
  intptr_t BlockStartLine;
  uintptr_t Options;
  intptr_t TabSize;
  size_t BookmarkCount;
  size_t SessionBookmarkCount;
  uintptr_t CurState;
  uintptr_t CodePage;
};

struct EditorSetPosition {
  size_t StructSize;
  intptr_t CurLine;
  intptr_t CurPos;
  intptr_t CurTabPos;
  intptr_t TopScreenLine;
  intptr_t LeftPos;
  intptr_t Overtype;
};

/* EditorID: CURRENT_EDITOR for the one in front. */
typedef intptr_t(WINAPI *FARAPIEDITORCONTROL)(intptr_t EditorID,
                                              enum EDITOR_CONTROL_COMMANDS Command, intptr_t Param1,
                                              void *Param2);

/* ---- Panels and the command line ---------------------------------------- */

#define PANEL_NONE ((HANDLE)(-1))
#define PANEL_ACTIVE ((HANDLE)(-1))
#define PANEL_PASSIVE ((HANDLE)(-2))
#define PANEL_STOP ((HANDLE)(-1))

enum FILE_CONTROL_COMMANDS {
  FCTL_CLOSEPANEL = 0,
  FCTL_GETPANELINFO = 1,
  FCTL_UPDATEPANEL = 2,
  FCTL_REDRAWPANEL = 3,
  FCTL_GETCMDLINE = 4, /* Param1: room in characters, Param2: buffer; returns the size needed */
  FCTL_SETCMDLINE = 5, /* Param2: the new wide text */
  FCTL_SETSELECTION = 6,
  FCTL_SETVIEWMODE = 7,
  FCTL_INSERTCMDLINE = 8, /* Param2: the wide text, put at the cursor */
  FCTL_SETUSERSCREEN = 9,
  FCTL_SETPANELDIRECTORY = 10,
  FCTL_SETCMDLINEPOS = 11,
  FCTL_GETCMDLINEPOS = 12,
  FCTL_SETSORTMODE = 13,
  FCTL_SETSORTORDER = 14,
  FCTL_SETCMDLINESELECTION = 15,
  FCTL_GETCMDLINESELECTION = 16,
  FCTL_CHECKPANELSEXIST = 17,
  FCTL_GETUSERSCREEN = 19,
  FCTL_ISACTIVEPANEL = 20,
  FCTL_GETPANELITEM = 21,
  FCTL_GETSELECTEDPANELITEM = 22,
  FCTL_GETCURRENTPANELITEM = 23,
  FCTL_GETPANELDIRECTORY = 24,
  FCTL_GETCOLUMNTYPES = 25,
  FCTL_GETCOLUMNWIDTHS = 26,
  FCTL_BEGINSELECTION = 27,
  FCTL_ENDSELECTION = 28,
  FCTL_CLEARSELECTION = 29,
  FCTL_SETDIRECTORIESFIRST = 30,
  FCTL_GETPANELFORMAT = 31,
  FCTL_GETPANELHOSTFILE = 32,
  FCTL_GETPANELPREFIX = 34,
  FCTL_SETACTIVEPANEL = 35
};

/* hPanel: PANEL_ACTIVE for the command-line commands. */
typedef intptr_t(WINAPI *FARAPIPANELCONTROL)(HANDLE hPanel, enum FILE_CONTROL_COMMANDS Command,
                                             intptr_t Param1, void *Param2);

/* ---- AdvControl ---------------------------------------------------------- */

enum ADVANCED_CONTROL_COMMANDS {
  ACTL_GETFARMANAGERVERSION = 0, /* Param2: VersionInfo */
  ACTL_WAITKEY = 2,
  ACTL_GETCOLOR = 3,
  ACTL_GETARRAYCOLOR = 4,
  ACTL_GETWINDOWINFO = 6, /* Param2: WindowInfo, Pos -1 for the current window */
  ACTL_GETWINDOWCOUNT = 7,
  ACTL_SETCURRENTWINDOW = 8,
  ACTL_COMMIT = 9,
  ACTL_GETFARHWND = 10,
  ACTL_SETARRAYCOLOR = 16,
  ACTL_REDRAWALL = 19,
  ACTL_SYNCHRO = 20, /* Param2: handed to ProcessSynchroEventW; any thread */
  ACTL_SETPROGRESSSTATE = 21,
  ACTL_SETPROGRESSVALUE = 22,
  ACTL_QUIT = 23,
  ACTL_GETFARRECT = 24,
  ACTL_GETCURSORPOS = 25,
  ACTL_SETCURSORPOS = 26,
  ACTL_PROGRESSNOTIFY = 27,
  ACTL_GETWINDOWTYPE = 28
};

enum WINDOWINFO_TYPE {
  WTYPE_UNKNOWN = -1,
  WTYPE_DESKTOP = 0,
  WTYPE_PANELS = 1,
  WTYPE_VIEWER = 2,
  WTYPE_EDITOR = 3,
  WTYPE_DIALOG = 4,
  WTYPE_VMENU = 5,
  WTYPE_HELP = 6,
  WTYPE_COMBOBOX = 7,
  WTYPE_GRABBER = 8,
  WTYPE_HMENU = 9
};

typedef unsigned long long WINDOWINFO_FLAGS;
#define WIF_MODIFIED ((WINDOWINFO_FLAGS)0x01)
#define WIF_CURRENT ((WINDOWINFO_FLAGS)0x02)
#define WIF_MODAL ((WINDOWINFO_FLAGS)0x04)
#define WIF_NONE ((WINDOWINFO_FLAGS)0)

/* ACTL_GETWINDOWINFO: the texts are filled when their buffers are given,
   with their sizes in characters. */
struct WindowInfo {
  size_t StructSize;
  intptr_t Id;
  wchar_t *TypeName;
  wchar_t *Name;
  intptr_t TypeNameSize;
  intptr_t NameSize;
  intptr_t Pos;
  enum WINDOWINFO_TYPE Type;
  WINDOWINFO_FLAGS Flags;
};

typedef intptr_t(WINAPI *FARAPIADVCONTROL)(const GUID *PluginId,
                                           enum ADVANCED_CONTROL_COMMANDS Command, intptr_t Param1,
                                           void *Param2);

/* ---- Settings kept by the host ----------------------------------------- */

enum FAR_SETTINGS_CONTROL_COMMANDS {
  SCTL_CREATE = 0, /* handle INVALID_HANDLE_VALUE; Param1: a location; Param2: FarSettingsCreate */
  SCTL_FREE = 1,   /* closes the handle */
  SCTL_SET = 2,    /* Param2: FarSettingsItem */
  SCTL_GET = 3,    /* Param2: FarSettingsItem with Root, Name, Type set */
  SCTL_ENUM = 4,   /* Param2: FarSettingsEnum */
  SCTL_DELETE = 5, /* Param2: FarSettingsValue; a null Value deletes Root itself */
  SCTL_CREATESUBKEY = 6, /* Param2: FarSettingsValue; returns the subkey's root, 0 on failure */
  SCTL_OPENSUBKEY = 7    /* Param2: FarSettingsValue; returns the subkey's root, 0 if absent */
};

enum FARSETTINGSTYPES {
  FST_UNKNOWN = 0,
  FST_SUBKEY = 1,
  FST_QWORD = 2,
  FST_STRING = 3,
  FST_DATA = 4
};

/* The plugin's own top key is root 0. */
enum FARSETTINGS_SUBFOLDERS { FSSF_ROOT = 0 };

/* SCTL_CREATE's Param1. */
enum FAR_PLUGIN_SETTINGS_LOCATION { PSL_ROAMING = 0, PSL_LOCAL = 1 };

/* SCTL_CREATE: Guid names whose settings; the host fills Handle. */
struct FarSettingsCreate {
  size_t StructSize;
  GUID Guid;
  HANDLE Handle;
};

/* One value under Root. Texts and data that SCTL_GET returns belong to the
   host and stay valid until the handle is freed. */
struct FarSettingsItem {
  size_t StructSize;
  size_t Root;
  const wchar_t *Name;
  enum FARSETTINGSTYPES Type;
  union {
    unsigned long long Number;
    const wchar_t *String;
    struct {
      size_t Size;
      const void *Data;
    } Data;
  };
};

struct FarSettingsName {
  const wchar_t *Name;
  enum FARSETTINGSTYPES Type;
};

struct FarSettingsHistory; /* the host's histories, never read here */

/* SCTL_ENUM: the host fills Count and Items for what is under Root. */
struct FarSettingsEnum {
  size_t StructSize;
  size_t Root;
  size_t Count;
  union {
    const struct FarSettingsName *Items;
    const struct FarSettingsHistory *Histories;
  };
};

/* A subkey's name (or a value's, for SCTL_DELETE) under Root. */
struct FarSettingsValue {
  size_t StructSize;
  size_t Root;
  const wchar_t *Value;
};

typedef intptr_t(WINAPI *FARAPISETTINGSCONTROL)(HANDLE hHandle,
                                                enum FAR_SETTINGS_CONTROL_COMMANDS Command,
                                                intptr_t Param1, void *Param2);

/* ---- InputBox, help, texts ---------------------------------------------- */

typedef unsigned long long INPUTBOXFLAGS;
#define FIB_ENABLEEMPTY ((INPUTBOXFLAGS)0x0001)
#define FIB_PASSWORD ((INPUTBOXFLAGS)0x0002)
#define FIB_EXPANDENV ((INPUTBOXFLAGS)0x0004)
#define FIB_NOUSELASTHISTORY ((INPUTBOXFLAGS)0x0008)
#define FIB_BUTTONS ((INPUTBOXFLAGS)0x0010)
#define FIB_NOAMPERSAND ((INPUTBOXFLAGS)0x0020)
#define FIB_EDITPATH ((INPUTBOXFLAGS)0x0040)
#define FIB_EDITPATHEXEC ((INPUTBOXFLAGS)0x0080)
#define FIB_NONE ((INPUTBOXFLAGS)0)

/* DestSize: DestText's room in characters. Returns TRUE on Enter. */
typedef intptr_t(WINAPI *FARAPIINPUTBOX)(const GUID *PluginId, const GUID *Id, const wchar_t *Title,
                                         const wchar_t *SubTitle, const wchar_t *HistoryName,
                                         const wchar_t *SrcText, wchar_t *DestText, size_t DestSize,
                                         const wchar_t *HelpTopic, INPUTBOXFLAGS Flags);

typedef unsigned long long FARHELPFLAGS;
#define FHELP_SELFHELP ((FARHELPFLAGS)0x00000000) /* ModuleName: the plugin's own path */
#define FHELP_FARHELP ((FARHELPFLAGS)0x00000001)
#define FHELP_CUSTOMFILE ((FARHELPFLAGS)0x00000002)
#define FHELP_CUSTOMPATH ((FARHELPFLAGS)0x00000004)
#define FHELP_GUID ((FARHELPFLAGS)0x00000008) /* ModuleName points to a plugin's GUID */
#define FHELP_USECONTENTS ((FARHELPFLAGS)0x40000000)
#define FHELP_NOSHOWERROR ((FARHELPFLAGS)0x80000000)
#define FHELP_NONE ((FARHELPFLAGS)0)

typedef BOOL(WINAPI *FARAPISHOWHELP)(const wchar_t *ModuleName, const wchar_t *Topic,
                                     FARHELPFLAGS Flags);
/* MsgId counts from 0 in the language file of the host's language. */
typedef const wchar_t *(WINAPI *FARAPIGETMSG)(const GUID *PluginId, intptr_t MsgId);
/* Str null shows what earlier calls drew. */
typedef void(WINAPI *FARAPITEXT)(intptr_t X, intptr_t Y, const struct FarColor *Color,
                                 const wchar_t *Str);
typedef HANDLE(WINAPI *FARAPISAVESCREEN)(intptr_t X1, intptr_t Y1, intptr_t X2, intptr_t Y2);
typedef void(WINAPI *FARAPIRESTORESCREEN)(HANDLE hScreen);
typedef void(WINAPI *FARAPIFREESCREEN)(HANDLE hScreen);

/* ---- Services Horalis never calls, declared for their place ------------- */

struct PluginPanelItem; /* panels' file records, never read here */

typedef intptr_t(WINAPI *FARAPIGETDIRLIST)(const wchar_t *Dir, struct PluginPanelItem **pPanelItem,
                                           size_t *pItemsNumber);
typedef intptr_t(WINAPI *FARAPIGETPLUGINDIRLIST)(const GUID *PluginId, HANDLE hPanel,
                                                 const wchar_t *Dir,
                                                 struct PluginPanelItem **pPanelItem,
                                                 size_t *pItemsNumber);
typedef void(WINAPI *FARAPIFREEDIRLIST)(struct PluginPanelItem *PanelItem, size_t nItemsNumber);
typedef void(WINAPI *FARAPIFREEPLUGINDIRLIST)(HANDLE hPanel, struct PluginPanelItem *PanelItem,
                                              size_t nItemsNumber);

typedef unsigned long long VIEWER_FLAGS;
typedef unsigned long long EDITOR_FLAGS;
typedef intptr_t(WINAPI *FARAPIVIEWER)(const wchar_t *FileName, const wchar_t *Title, intptr_t X1,
                                       intptr_t Y1, intptr_t X2, intptr_t Y2, VIEWER_FLAGS Flags,
                                       uintptr_t CodePage);
typedef intptr_t(WINAPI *FARAPIEDITOR)(const wchar_t *FileName, const wchar_t *Title, intptr_t X1,
                                       intptr_t Y1, intptr_t X2, intptr_t Y2, EDITOR_FLAGS Flags,
                                       intptr_t StartLine, intptr_t StartChar, uintptr_t CodePage);

typedef unsigned long long COLORDIALOGFLAGS;
typedef BOOL(WINAPI *FARAPICOLORDIALOG)(const GUID *PluginId, COLORDIALOGFLAGS Flags,
                                        struct FarColor *Color);

/* Each command set below is passed by value as an enum: only its first
   commands are named here. */
enum VIEWER_CONTROL_COMMANDS { VCTL_GETINFO = 0, VCTL_QUIT = 1, VCTL_REDRAW = 2 };
enum FAR_PLUGINS_CONTROL_COMMANDS { PCTL_LOADPLUGIN = 0, PCTL_UNLOADPLUGIN = 1 };
enum FAR_FILE_FILTER_CONTROL_COMMANDS { FFCTL_CREATEFILEFILTER = 0, FFCTL_FREEFILEFILTER = 1 };
enum FAR_REGEXP_CONTROL_COMMANDS { RECTL_CREATE = 0, RECTL_FREE = 1 };
enum FAR_MACRO_CONTROL_COMMANDS { MCTL_LOADALL = 0, MCTL_SAVEALL = 1, MCTL_SENDSTRING = 2 };

typedef intptr_t(WINAPI *FARAPIVIEWERCONTROL)(intptr_t ViewerID,
                                              enum VIEWER_CONTROL_COMMANDS Command, intptr_t Param1,
                                              void *Param2);
typedef intptr_t(WINAPI *FARAPIPLUGINSCONTROL)(HANDLE hHandle,
                                               enum FAR_PLUGINS_CONTROL_COMMANDS Command,
                                               intptr_t Param1, void *Param2);
typedef intptr_t(WINAPI *FARAPIFILEFILTERCONTROL)(HANDLE hHandle,
                                                  enum FAR_FILE_FILTER_CONTROL_COMMANDS Command,
                                                  intptr_t Param1, void *Param2);
typedef intptr_t(WINAPI *FARAPIREGEXPCONTROL)(HANDLE hHandle,
                                              enum FAR_REGEXP_CONTROL_COMMANDS Command,
                                              intptr_t Param1, void *Param2);
typedef intptr_t(WINAPI *FARAPIMACROCONTROL)(const GUID *PluginId,
                                             enum FAR_MACRO_CONTROL_COMMANDS Command,
                                             intptr_t Param1, void *Param2);

/* ---- FarStandardFunctions -------------------------------------------------- */

/* The clipboard as the host keeps it: FCT_STREAM is plain text, FCT_COLUMN
   a column block; FCT_ANY takes either when pasting. */
enum FARCLIPBOARD_TYPE { FCT_ANY = 0, FCT_STREAM = 1, FCT_COLUMN = 2 };

enum LINK_TYPE {
  LINK_HARDLINK = 1,
  LINK_JUNCTION = 2,
  LINK_VOLMOUNT = 3,
  LINK_SYMLINKFILE = 4,
  LINK_SYMLINKDIR = 5,
  LINK_SYMLINK = 6
};

enum CONVERTPATHMODES { CPM_FULL = 0, CPM_REAL = 1, CPM_NATIVE = 2 };

typedef unsigned long long PROCESSNAME_FLAGS;
typedef unsigned long long XLAT_FLAGS;
typedef unsigned long long FRSMODE;
typedef unsigned long long MKLINK_FLAGS;
typedef unsigned long long FARFORMATFILESIZEFLAGS;

struct DetectCodePageInfo {
  size_t StructSize;
  const wchar_t *FileName;
};

typedef int(WINAPI *FARSTDCOMPARECALLBACK)(const void *, const void *, void *userparam);
typedef int(WINAPI *FRSUSERFUNC)(const struct PluginPanelItem *FData, const wchar_t *FullName,
                                 void *Param);

typedef int(WINAPIV *FARSTDSPRINTF)(wchar_t *Buffer, const wchar_t *Format, ...);
typedef int(WINAPIV *FARSTDSNPRINTF)(wchar_t *Buffer, size_t Sizebuf, const wchar_t *Format, ...);
typedef int(WINAPIV *FARSTDSSCANF)(const wchar_t *Buffer, const wchar_t *Format, ...);
typedef void(WINAPI *FARSTDQSORT)(void *base, size_t nelem, size_t width,
                                  FARSTDCOMPARECALLBACK fcmp, void *userparam);
typedef void *(WINAPI *FARSTDBSEARCH)(const void *key, const void *base, size_t nelem, size_t width,
                                      FARSTDCOMPARECALLBACK fcmp, void *userparam);
typedef size_t(WINAPI *FARSTDGETFILEOWNER)(const wchar_t *Computer, const wchar_t *Name,
                                           wchar_t *Owner, size_t Size);
typedef size_t(WINAPI *FARSTDGETNUMBEROFLINKS)(const wchar_t *Name);
typedef int(WINAPI *FARSTDATOI)(const wchar_t *s);
typedef long long(WINAPI *FARSTDATOI64)(const wchar_t *s);
typedef wchar_t *(WINAPI *FARSTDITOA64)(long long value, wchar_t *Str, int radix);
typedef wchar_t *(WINAPI *FARSTDITOA)(int value, wchar_t *Str, int radix);
typedef wchar_t *(WINAPI *FARSTDLTRIM)(wchar_t *Str);
typedef wchar_t *(WINAPI *FARSTDRTRIM)(wchar_t *Str);
typedef wchar_t *(WINAPI *FARSTDTRIM)(wchar_t *Str);
typedef wchar_t *(WINAPI *FARSTDTRUNCSTR)(wchar_t *Str, intptr_t MaxLength);
typedef wchar_t *(WINAPI *FARSTDTRUNCPATHSTR)(wchar_t *Str, intptr_t MaxLength);
typedef wchar_t *(WINAPI *FARSTDQUOTESPACEONLY)(wchar_t *Str);
typedef const wchar_t *(WINAPI *FARSTDPOINTTONAME)(const wchar_t *Path);
typedef BOOL(WINAPI *FARSTDADDENDSLASH)(wchar_t *Path);
typedef BOOL(WINAPI *FARSTDCOPYTOCLIPBOARD)(enum FARCLIPBOARD_TYPE Type, const wchar_t *Data);
/* Size: Data's room in characters. */
typedef size_t(WINAPI *FARSTDPASTEFROMCLIPBOARD)(enum FARCLIPBOARD_TYPE Type, wchar_t *Data,
                                                 size_t Size);
typedef int(WINAPI *FARSTDLOCALISLOWER)(wchar_t Ch);
typedef int(WINAPI *FARSTDLOCALISUPPER)(wchar_t Ch);
typedef int(WINAPI *FARSTDLOCALISALPHA)(wchar_t Ch);
typedef int(WINAPI *FARSTDLOCALISALPHANUM)(wchar_t Ch);
typedef wchar_t(WINAPI *FARSTDLOCALUPPER)(wchar_t LowerChar);
typedef wchar_t(WINAPI *FARSTDLOCALLOWER)(wchar_t UpperChar);
typedef void(WINAPI *FARSTDLOCALUPPERBUF)(wchar_t *Buf, intptr_t Length);
typedef void(WINAPI *FARSTDLOCALLOWERBUF)(wchar_t *Buf, intptr_t Length);
typedef void(WINAPI *FARSTDLOCALSTRUPR)(wchar_t *s1);
typedef void(WINAPI *FARSTDLOCALSTRLWR)(wchar_t *s1);
typedef int(WINAPI *FARSTDLOCALSTRICMP)(const wchar_t *s1, const wchar_t *s2);
typedef int(WINAPI *FARSTDLOCALSTRNICMP)(const wchar_t *s1, const wchar_t *s2, intptr_t n);
typedef unsigned long long(WINAPI *FARSTDFARCLOCK)(void);
typedef int(WINAPI *FARSTDCOMPARESTRINGS)(const wchar_t *Str1, size_t Size1, const wchar_t *Str2,
                                          size_t Size2);
typedef size_t(WINAPI *FARSTDPROCESSNAME)(const wchar_t *param1, wchar_t *param2, size_t size,
                                          PROCESSNAME_FLAGS flags);
typedef void(WINAPI *FARSTDUNQUOTE)(wchar_t *Str);
typedef size_t(WINAPI *FARSTDINPUTRECORDTOKEYNAME)(const INPUT_RECORD *Key, wchar_t *KeyText,
                                                   size_t Size);
typedef wchar_t *(WINAPI *FARSTDXLAT)(wchar_t *Line, intptr_t StartPos, intptr_t EndPos,
                                      XLAT_FLAGS Flags);
typedef BOOL(WINAPI *FARSTDKEYNAMETOINPUTRECORD)(const wchar_t *Name, INPUT_RECORD *Key);
typedef void(WINAPI *FARSTDRECURSIVESEARCH)(const wchar_t *InitDir, const wchar_t *Mask,
                                            FRSUSERFUNC Func, FRSMODE Flags, void *Param);
typedef size_t(WINAPI *FARSTDMKTEMP)(wchar_t *Dest, size_t DestSize, const wchar_t *Prefix);
typedef size_t(WINAPI *FARSTDGETPATHROOT)(const wchar_t *Path, wchar_t *Root, size_t DestSize);
typedef BOOL(WINAPI *FARSTDMKLINK)(const wchar_t *Src, const wchar_t *Dest, enum LINK_TYPE Type,
                                   MKLINK_FLAGS Flags);
typedef size_t(WINAPI *FARGETREPARSEPOINTINFO)(const wchar_t *Src, wchar_t *Dest, size_t DestSize);
typedef size_t(WINAPI *FARCONVERTPATH)(enum CONVERTPATHMODES Mode, const wchar_t *Src,
                                       wchar_t *Dest, size_t DestSize);
typedef size_t(WINAPI *FARGETCURRENTDIRECTORY)(size_t Size, wchar_t *Buffer);
typedef size_t(WINAPI *FARFORMATFILESIZE)(unsigned long long Size, intptr_t Width,
                                          FARFORMATFILESIZEFLAGS Flags, wchar_t *Dest,
                                          size_t DestSize);
typedef uintptr_t(WINAPI *FARSTDDETECTCODEPAGE)(struct DetectCodePageInfo *Info);

/* The host's helpers, in the host's order; the plugin uses the clipboard
   pair. The names of the C library's functions are kept as fields. */
struct FarStandardFunctions {
  size_t StructSize;
  FARSTDATOI atoi;
  FARSTDATOI64 atoi64;
  FARSTDITOA itoa;
  FARSTDITOA64 itoa64;
  FARSTDSPRINTF sprintf;
  FARSTDSSCANF sscanf;
  FARSTDQSORT qsort;
  FARSTDBSEARCH bsearch;
  FARSTDSNPRINTF snprintf;
  FARSTDLOCALISLOWER LIsLower;
  FARSTDLOCALISUPPER LIsUpper;
  FARSTDLOCALISALPHA LIsAlpha;
  FARSTDLOCALISALPHANUM LIsAlphanum;
  FARSTDLOCALUPPER LUpper;
  FARSTDLOCALLOWER LLower;
  FARSTDLOCALUPPERBUF LUpperBuf;
  FARSTDLOCALLOWERBUF LLowerBuf;
  FARSTDLOCALSTRUPR LStrupr;
  FARSTDLOCALSTRLWR LStrlwr;
  FARSTDLOCALSTRICMP LStricmp;
  FARSTDLOCALSTRNICMP LStrnicmp;
  FARSTDUNQUOTE Unquote;
  FARSTDLTRIM LTrim;
  FARSTDRTRIM RTrim;
  FARSTDTRIM Trim;
  FARSTDTRUNCSTR TruncStr;
  FARSTDTRUNCPATHSTR TruncPathStr;
  FARSTDQUOTESPACEONLY QuoteSpaceOnly;
  FARSTDPOINTTONAME PointToName;
  FARSTDGETPATHROOT GetPathRoot;
  FARSTDADDENDSLASH AddEndSlash;
  FARSTDCOPYTOCLIPBOARD CopyToClipboard;
  FARSTDPASTEFROMCLIPBOARD PasteFromClipboard;
  FARSTDINPUTRECORDTOKEYNAME FarInputRecordToName;
  FARSTDKEYNAMETOINPUTRECORD FarNameToInputRecord;
  FARSTDXLAT XLat;
  FARSTDGETFILEOWNER GetFileOwner;
  FARSTDGETNUMBEROFLINKS GetNumberOfLinks;
  FARSTDRECURSIVESEARCH FarRecursiveSearch;
  FARSTDMKTEMP MkTemp;
  FARSTDPROCESSNAME ProcessName;
  FARSTDMKLINK MkLink;
  FARCONVERTPATH ConvertPath;
  FARGETREPARSEPOINTINFO GetReparsePointInfo;
  FARGETCURRENTDIRECTORY GetCurrentDirectory;
  FARFORMATFILESIZE FormatFileSize;
  FARSTDFARCLOCK FarClock;
  FARSTDCOMPARESTRINGS CompareStrings;
  FARSTDDETECTCODEPAGE DetectCodePage;
};

/* ---- PluginStartupInfo ----------------------------------------------------- */

/* SetStartupInfoW's argument: valid only during the call, so the plugin
   copies it and the FarStandardFunctions it points to. A host older than
   this header may pass a smaller StructSize: fields past it are absent. */
struct PluginStartupInfo {
  size_t StructSize;
  const wchar_t *ModuleName; /* the plugin DLL's full path */
  FARAPIMENU Menu;
  FARAPIMESSAGE Message;
  FARAPIGETMSG GetMsg;
  FARAPIPANELCONTROL PanelControl;
  FARAPISAVESCREEN SaveScreen;
  FARAPIRESTORESCREEN RestoreScreen;
  FARAPIGETDIRLIST GetDirList;
  FARAPIGETPLUGINDIRLIST GetPluginDirList;
  FARAPIFREEDIRLIST FreeDirList;
  FARAPIFREEPLUGINDIRLIST FreePluginDirList;
  FARAPIVIEWER Viewer;
  FARAPIEDITOR Editor;
  FARAPITEXT Text;
  FARAPIEDITORCONTROL EditorControl;
  struct FarStandardFunctions *FSF;
  FARAPISHOWHELP ShowHelp;
  FARAPIADVCONTROL AdvControl;
  FARAPIINPUTBOX InputBox;
  FARAPICOLORDIALOG ColorDialog;
  FARAPIDIALOGINIT DialogInit;
  FARAPIDIALOGRUN DialogRun;
  FARAPIDIALOGFREE DialogFree;
  FARAPISENDDLGMESSAGE SendDlgMessage;
  FARAPIDEFDLGPROC DefDlgProc;
  FARAPIVIEWERCONTROL ViewerControl;
  FARAPIPLUGINSCONTROL PluginsControl;
  FARAPIFILEFILTERCONTROL FileFilterControl;
  FARAPIREGEXPCONTROL RegExpControl;
  FARAPIMACROCONTROL MacroControl;
  FARAPISETTINGSCONTROL SettingsControl;
  const void *Private;
  void *Instance;
  FARAPIFREESCREEN FreeScreen;
};

/* ---- Entry points ---------------------------------------------------------- */

/* What a 3.x plugin exports, undecorated (the x86 DLL's .def file drops
   the @n of stdcall), and what a host looks up with GetProcAddress. The
   host calls GetGlobalInfoW first and refuses a plugin without it. */
typedef void(WINAPI *FAR3_GETGLOBALINFO)(struct GlobalInfo *Info);
typedef void(WINAPI *FAR3_SETSTARTUPINFO)(const struct PluginStartupInfo *Info);
typedef void(WINAPI *FAR3_GETPLUGININFO)(struct PluginInfo *Info);
/* Returns null for "no panel"; from a macro, see FarMacroCall. */
typedef HANDLE(WINAPI *FAR3_OPEN)(const struct OpenInfo *Info);
typedef intptr_t(WINAPI *FAR3_CONFIGURE)(const struct ConfigureInfo *Info);
typedef void(WINAPI *FAR3_EXITFAR)(const struct ExitInfo *Info);
typedef intptr_t(WINAPI *FAR3_PROCESSSYNCHROEVENT)(const struct ProcessSynchroEventInfo *Info);

#ifdef __cplusplus
}
#endif

#endif
