/* Each export has exactly the type the plugin binds it as. */
#include <type_traits>

#include "dialoggen.h"

#define SAME_TYPE(function, pointer)                                                               \
  static_assert(std::is_same<decltype(&function), pointer>::value, #function " as bound")

SAME_TYPE(LoadDialogEx, DG_LOADDIALOGEX);
SAME_TYPE(EnumDialog, DG_ENUMDIALOG);
SAME_TYPE(FreeDialog, DG_FREEDIALOG);
SAME_TYPE(GetNumById, DG_GETNUMBYID);
SAME_TYPE(GetItemStatus, DG_GETITEMSTATUS);
SAME_TYPE(ShowDialog, DG_SHOWDIALOG);
SAME_TYPE(GetItemData, DG_GETITEMDATA);
SAME_TYPE(GetItemAddr, DG_GETITEMADDR);
SAME_TYPE(GetRadioStatus, DG_GETRADIOSTATUS);
SAME_TYPE(DG_Init, DG_INIT);
SAME_TYPE(SetItemColor, DG_SETITEMCOLOR);
SAME_TYPE(SetItemStatus, DG_SETITEMSTATUS);
SAME_TYPE(SetRadioStatus, DG_SETRADIOSTATUS);
SAME_TYPE(HideItem, DG_HIDEITEM);
SAME_TYPE(RestoreItem, DG_RESTOREITEM);
SAME_TYPE(GetItemNULL, DG_GETITEMNULL);
SAME_TYPE(DialogGeneratorVersion, DG_VERSION);
SAME_TYPE(parseNum, DG_PARSENUM);
SAME_TYPE(parseGetStr, DG_PARSEGETSTR);
SAME_TYPE(parseGet, DG_PARSEGET);
SAME_TYPE(sparse, DG_SPARSE);
SAME_TYPE(SetItemFocus, DG_SETITEMFOCUS);
