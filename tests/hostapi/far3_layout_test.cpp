// The 3.x interface's records as the host lays them out, on x86 and on
// x64: every size and offset of what the plugin and the host exchange, and
// every field's type, so that a field missing, moved or mistyped fails.
//
// The figures follow from the SDK header's declarations and the Windows
// ABI of each architecture:
//  - x86: pointers, size_t and intptr_t take 4 bytes, aligned to 4; int,
//    enums, DWORD, BOOL and COLORREF 4; WORD and wchar_t 2; GUID 16,
//    aligned to 4. An unsigned long long or a double takes 8 and, inside a
//    record, is aligned to 8 (the Microsoft layout, which mingw-w64 keeps),
//    so a record holding one is padded to a multiple of 8.
//  - x64: pointers, size_t and intptr_t take 8 bytes, aligned to 8; the
//    rest as on x86.
// A record is padded to its largest member's alignment; a member starts at
// the next multiple of its own. For example FarMenuItem: Flags (8 bytes) at
// 0, Text at 8, the 8-byte FarKey (aligned to 4) after it at 12 or 16,
// UserData at 20 or 24, Reserved[2] at 24 or 32: 32 bytes on x86, 48 on x64.
// Records of pointer-sized fields only (PluginStartupInfo,
// FarStandardFunctions, EditorInfo...) have field i at 4i or 8i.
#include <cstddef>
#include <type_traits>

#include <gtest/gtest.h>

#include "far3_plugin.h"

namespace {

// A host service's type, written again here from the header's facts: a
// WINAPI function pointer with these results and arguments.
template <typename Result, typename... Arguments> using Api = Result(WINAPI *)(Arguments...);
using Compare = Api<int, const void *, const void *, void *>;
using DialogProc = Api<intptr_t, HANDLE, intptr_t, intptr_t, void *>;

struct Layout {
  const char *what;
  size_t actual;
  size_t x86;
  size_t x64;
  bool declared_type;
};

#define FIELD(record, field, x86, x64, ...)                                                        \
  {                                                                                                \
#record "." #field, offsetof(record, field), x86, x64, std::is_same < decltype(record::field), \
        __VA_ARGS__> ::value                                                                       \
  }
#define SIZE(record, x86, x64)                                                                     \
  { "sizeof " #record, sizeof(record), x86, x64, true }

const Layout kEntryRecords[] = {
    FIELD(VersionInfo, Major, 0, 0, DWORD),
    FIELD(VersionInfo, Minor, 4, 4, DWORD),
    FIELD(VersionInfo, Revision, 8, 8, DWORD),
    FIELD(VersionInfo, Build, 12, 12, DWORD),
    FIELD(VersionInfo, Stage, 16, 16, VERSION_STAGE),
    SIZE(VersionInfo, 20, 20),
    FIELD(GlobalInfo, StructSize, 0, 0, size_t),
    FIELD(GlobalInfo, MinFarVersion, 4, 8, VersionInfo),
    FIELD(GlobalInfo, Version, 24, 28, VersionInfo),
    FIELD(GlobalInfo, Guid, 44, 48, GUID),
    FIELD(GlobalInfo, Title, 60, 64, const wchar_t *),
    FIELD(GlobalInfo, Description, 64, 72, const wchar_t *),
    FIELD(GlobalInfo, Author, 68, 80, const wchar_t *),
    FIELD(GlobalInfo, Instance, 72, 88, void *),
    SIZE(GlobalInfo, 76, 96),
    FIELD(PluginMenuItem, Guids, 0, 0, const GUID *),
    FIELD(PluginMenuItem, Strings, 4, 8, const wchar_t *const *),
    FIELD(PluginMenuItem, Count, 8, 16, size_t),
    SIZE(PluginMenuItem, 12, 24),
    FIELD(PluginInfo, StructSize, 0, 0, size_t),
    FIELD(PluginInfo, Flags, 8, 8, unsigned long long),
    FIELD(PluginInfo, DiskMenu, 16, 16, PluginMenuItem),
    FIELD(PluginInfo, PluginMenu, 28, 40, PluginMenuItem),
    FIELD(PluginInfo, PluginConfig, 40, 64, PluginMenuItem),
    FIELD(PluginInfo, CommandPrefix, 52, 88, const wchar_t *),
    FIELD(PluginInfo, Instance, 56, 96, void *),
    SIZE(PluginInfo, 64, 104),
    FIELD(OpenInfo, StructSize, 0, 0, size_t),
    FIELD(OpenInfo, OpenFrom, 4, 8, OPENFROM),
    FIELD(OpenInfo, Guid, 8, 16, const GUID *),
    FIELD(OpenInfo, Data, 12, 24, intptr_t),
    FIELD(OpenInfo, Instance, 16, 32, void *),
    SIZE(OpenInfo, 20, 40),
    FIELD(OpenCommandLineInfo, CommandLine, 4, 8, const wchar_t *),
    SIZE(OpenCommandLineInfo, 8, 16),
    FIELD(OpenDlgPluginData, hDlg, 4, 8, HANDLE),
    SIZE(OpenDlgPluginData, 8, 16),
    FIELD(FarMacroValue, Type, 0, 0, FARMACROVARTYPE),
    FIELD(FarMacroValue, Integer, 8, 8, long long),
    FIELD(FarMacroValue, Double, 8, 8, double),
    FIELD(FarMacroValue, String, 8, 8, const wchar_t *),
    FIELD(FarMacroValue, Binary.Data, 8, 8, void *),
    FIELD(FarMacroValue, Binary.Size, 12, 16, size_t),
    FIELD(FarMacroValue, Array.Values, 8, 8, FarMacroValue *),
    FIELD(FarMacroValue, Array.Count, 12, 16, size_t),
    SIZE(FarMacroValue, 16, 24),
    FIELD(OpenMacroInfo, StructSize, 0, 0, size_t),
    FIELD(OpenMacroInfo, Count, 4, 8, size_t),
    FIELD(OpenMacroInfo, Values, 8, 16, FarMacroValue *),
    SIZE(OpenMacroInfo, 12, 24),
    FIELD(FarMacroCall, StructSize, 0, 0, size_t),
    FIELD(FarMacroCall, Count, 4, 8, size_t),
    FIELD(FarMacroCall, Values, 8, 16, FarMacroValue *),
    FIELD(FarMacroCall, Callback, 12, 24, Api<void, void *, FarMacroValue *, size_t>),
    FIELD(FarMacroCall, CallbackData, 16, 32, void *),
    SIZE(FarMacroCall, 20, 40),
    FIELD(ConfigureInfo, Guid, 4, 8, const GUID *),
    FIELD(ConfigureInfo, Instance, 8, 16, void *),
    SIZE(ConfigureInfo, 12, 24),
    FIELD(ExitInfo, Instance, 4, 8, void *),
    SIZE(ExitInfo, 8, 16),
    FIELD(ProcessSynchroEventInfo, Event, 4, 8, intptr_t),
    FIELD(ProcessSynchroEventInfo, Param, 8, 16, void *),
    FIELD(ProcessSynchroEventInfo, Instance, 12, 24, void *),
    SIZE(ProcessSynchroEventInfo, 16, 32),
};

const Layout kMenuAndDialogRecords[] = {
    FIELD(FarKey, VirtualKeyCode, 0, 0, WORD),
    FIELD(FarKey, ControlKeyState, 4, 4, DWORD),
    SIZE(FarKey, 8, 8),
    FIELD(FarMenuItem, Flags, 0, 0, unsigned long long),
    FIELD(FarMenuItem, Text, 8, 8, const wchar_t *),
    FIELD(FarMenuItem, AccelKey, 12, 16, FarKey),
    FIELD(FarMenuItem, UserData, 20, 24, intptr_t),
    FIELD(FarMenuItem, Reserved, 24, 32, intptr_t[2]),
    SIZE(FarMenuItem, 32, 48),
    FIELD(FarColor, Flags, 0, 0, unsigned long long),
    FIELD(FarColor, ForegroundColor, 8, 8, COLORREF),
    FIELD(FarColor, BackgroundColor, 12, 12, COLORREF),
    FIELD(FarColor, UnderlineColor, 16, 16, COLORREF),
    FIELD(FarColor, Reserved, 20, 20, DWORD),
    SIZE(FarColor, 24, 24),
    FIELD(FarListItem, Flags, 0, 0, unsigned long long),
    FIELD(FarListItem, Text, 8, 8, const wchar_t *),
    FIELD(FarListItem, UserData, 12, 16, intptr_t),
    FIELD(FarListItem, Reserved, 16, 24, intptr_t),
    SIZE(FarListItem, 24, 32),
    FIELD(FarList, StructSize, 0, 0, size_t),
    FIELD(FarList, ItemsNumber, 4, 8, size_t),
    FIELD(FarList, Items, 8, 16, FarListItem *),
    SIZE(FarList, 12, 24),
    FIELD(FarListPos, SelectPos, 4, 8, intptr_t),
    FIELD(FarListPos, TopPos, 8, 16, intptr_t),
    SIZE(FarListPos, 12, 24),
    FIELD(FarDialogItemColors, StructSize, 0, 0, size_t),
    FIELD(FarDialogItemColors, Flags, 8, 8, unsigned long long),
    FIELD(FarDialogItemColors, ColorsCount, 16, 16, size_t),
    FIELD(FarDialogItemColors, Colors, 20, 24, FarColor *),
    SIZE(FarDialogItemColors, 24, 32),
    FIELD(FAR_CHAR_INFO, Char, 0, 0, wchar_t),
    FIELD(FAR_CHAR_INFO, Reserved0, 2, 2, wchar_t),
    FIELD(FAR_CHAR_INFO, Reserved1, 4, 4, int),
    FIELD(FAR_CHAR_INFO, Attributes, 8, 8, FarColor),
    SIZE(FAR_CHAR_INFO, 32, 32),
    FIELD(FarDialogItem, Type, 0, 0, FARDIALOGITEMTYPES),
    FIELD(FarDialogItem, X1, 4, 8, intptr_t),
    FIELD(FarDialogItem, Y1, 8, 16, intptr_t),
    FIELD(FarDialogItem, X2, 12, 24, intptr_t),
    FIELD(FarDialogItem, Y2, 16, 32, intptr_t),
    FIELD(FarDialogItem, Selected, 20, 40, intptr_t),
    FIELD(FarDialogItem, ListItems, 20, 40, FarList *),
    FIELD(FarDialogItem, VBuf, 20, 40, FAR_CHAR_INFO *),
    FIELD(FarDialogItem, History, 24, 48, const wchar_t *),
    FIELD(FarDialogItem, Mask, 28, 56, const wchar_t *),
    FIELD(FarDialogItem, Flags, 32, 64, unsigned long long),
    FIELD(FarDialogItem, Data, 40, 72, const wchar_t *),
    FIELD(FarDialogItem, MaxLength, 44, 80, size_t),
    FIELD(FarDialogItem, UserData, 48, 88, intptr_t),
    FIELD(FarDialogItem, Reserved, 52, 96, intptr_t[2]),
    SIZE(FarDialogItem, 64, 112),
    FIELD(FarDialogItemData, PtrLength, 4, 8, size_t),
    FIELD(FarDialogItemData, PtrData, 8, 16, wchar_t *),
    SIZE(FarDialogItemData, 12, 24),
    FIELD(FarGetDialogItem, Size, 4, 8, size_t),
    FIELD(FarGetDialogItem, Item, 8, 16, FarDialogItem *),
    SIZE(FarGetDialogItem, 12, 24),
};

const Layout kServiceRecords[] = {
    FIELD(EditorInfo, StructSize, 0, 0, size_t),
    FIELD(EditorInfo, EditorID, 4, 8, intptr_t),
    FIELD(EditorInfo, WindowSizeX, 8, 16, intptr_t),
    FIELD(EditorInfo, WindowSizeY, 12, 24, intptr_t),
    FIELD(EditorInfo, TotalLines, 16, 32, intptr_t),
    FIELD(EditorInfo, CurLine, 20, 40, intptr_t),
    FIELD(EditorInfo, CurPos, 24, 48, intptr_t),
    FIELD(EditorInfo, CurTabPos, 28, 56, intptr_t),
    FIELD(EditorInfo, TopScreenLine, 32, 64, intptr_t),
    FIELD(EditorInfo, LeftPos, 36, 72, intptr_t),
    FIELD(EditorInfo, Overtype, 40, 80, intptr_t),
    FIELD(EditorInfo, BlockType, 44, 88, intptr_t),
    FIELD(EditorInfo, BlockStartLine, 48, 96, intptr_t),
    FIELD(EditorInfo, Options, 52, 104, uintptr_t),
    FIELD(EditorInfo, TabSize, 56, 112, intptr_t),
    FIELD(EditorInfo, BookmarkCount, 60, 120, size_t),
    FIELD(EditorInfo, SessionBookmarkCount, 64, 128, size_t),
    FIELD(EditorInfo, CurState, 68, 136, uintptr_t),
    FIELD(EditorInfo, CodePage, 72, 144, uintptr_t),
    SIZE(EditorInfo, 76, 152),
    FIELD(EditorSetPosition, CurLine, 4, 8, intptr_t),
    FIELD(EditorSetPosition, CurPos, 8, 16, intptr_t),
    FIELD(EditorSetPosition, CurTabPos, 12, 24, intptr_t),
    FIELD(EditorSetPosition, TopScreenLine, 16, 32, intptr_t),
    FIELD(EditorSetPosition, LeftPos, 20, 40, intptr_t),
    FIELD(EditorSetPosition, Overtype, 24, 48, intptr_t),
    SIZE(EditorSetPosition, 28, 56),
    FIELD(WindowInfo, Id, 4, 8, intptr_t),
    FIELD(WindowInfo, TypeName, 8, 16, wchar_t *),
    FIELD(WindowInfo, Name, 12, 24, wchar_t *),
    FIELD(WindowInfo, TypeNameSize, 16, 32, intptr_t),
    FIELD(WindowInfo, NameSize, 20, 40, intptr_t),
    FIELD(WindowInfo, Pos, 24, 48, intptr_t),
    FIELD(WindowInfo, Type, 28, 56, WINDOWINFO_TYPE),
    FIELD(WindowInfo, Flags, 32, 64, unsigned long long),
    SIZE(WindowInfo, 40, 72),
    FIELD(FarSettingsCreate, Guid, 4, 8, GUID),
    FIELD(FarSettingsCreate, Handle, 20, 24, HANDLE),
    SIZE(FarSettingsCreate, 24, 32),
    FIELD(FarSettingsItem, Root, 4, 8, size_t),
    FIELD(FarSettingsItem, Name, 8, 16, const wchar_t *),
    FIELD(FarSettingsItem, Type, 12, 24, FARSETTINGSTYPES),
    FIELD(FarSettingsItem, Number, 16, 32, unsigned long long),
    FIELD(FarSettingsItem, String, 16, 32, const wchar_t *),
    FIELD(FarSettingsItem, Data.Size, 16, 32, size_t),
    FIELD(FarSettingsItem, Data.Data, 20, 40, const void *),
    SIZE(FarSettingsItem, 24, 48),
    FIELD(FarSettingsName, Name, 0, 0, const wchar_t *),
    FIELD(FarSettingsName, Type, 4, 8, FARSETTINGSTYPES),
    SIZE(FarSettingsName, 8, 16),
    FIELD(FarSettingsEnum, Root, 4, 8, size_t),
    FIELD(FarSettingsEnum, Count, 8, 16, size_t),
    FIELD(FarSettingsEnum, Items, 12, 24, const FarSettingsName *),
    SIZE(FarSettingsEnum, 16, 32),
    FIELD(FarSettingsValue, Root, 4, 8, size_t),
    FIELD(FarSettingsValue, Value, 8, 16, const wchar_t *),
    SIZE(FarSettingsValue, 12, 24),
    FIELD(DetectCodePageInfo, FileName, 4, 8, const wchar_t *),
    SIZE(DetectCodePageInfo, 8, 16),
};

const Layout kStartupInfo[] = {
    FIELD(PluginStartupInfo, StructSize, 0, 0, size_t),
    FIELD(PluginStartupInfo, ModuleName, 4, 8, const wchar_t *),
    FIELD(PluginStartupInfo, Menu, 8, 16,
          Api<intptr_t, const GUID *, const GUID *, intptr_t, intptr_t, intptr_t,
              unsigned long long, const wchar_t *, const wchar_t *, const wchar_t *, const FarKey *,
              intptr_t *, const FarMenuItem *, size_t>),
    FIELD(PluginStartupInfo, Message, 12, 24,
          Api<intptr_t, const GUID *, const GUID *, unsigned long long, const wchar_t *,
              const wchar_t *const *, size_t, intptr_t>),
    FIELD(PluginStartupInfo, GetMsg, 16, 32, Api<const wchar_t *, const GUID *, intptr_t>),
    FIELD(PluginStartupInfo, PanelControl, 20, 40,
          Api<intptr_t, HANDLE, FILE_CONTROL_COMMANDS, intptr_t, void *>),
    FIELD(PluginStartupInfo, SaveScreen, 24, 48,
          Api<HANDLE, intptr_t, intptr_t, intptr_t, intptr_t>),
    FIELD(PluginStartupInfo, RestoreScreen, 28, 56, Api<void, HANDLE>),
    FIELD(PluginStartupInfo, GetDirList, 32, 64,
          Api<intptr_t, const wchar_t *, PluginPanelItem **, size_t *>),
    FIELD(PluginStartupInfo, GetPluginDirList, 36, 72,
          Api<intptr_t, const GUID *, HANDLE, const wchar_t *, PluginPanelItem **, size_t *>),
    FIELD(PluginStartupInfo, FreeDirList, 40, 80, Api<void, PluginPanelItem *, size_t>),
    FIELD(PluginStartupInfo, FreePluginDirList, 44, 88,
          Api<void, HANDLE, PluginPanelItem *, size_t>),
    FIELD(PluginStartupInfo, Viewer, 48, 96,
          Api<intptr_t, const wchar_t *, const wchar_t *, intptr_t, intptr_t, intptr_t, intptr_t,
              unsigned long long, uintptr_t>),
    FIELD(PluginStartupInfo, Editor, 52, 104,
          Api<intptr_t, const wchar_t *, const wchar_t *, intptr_t, intptr_t, intptr_t, intptr_t,
              unsigned long long, intptr_t, intptr_t, uintptr_t>),
    FIELD(PluginStartupInfo, Text, 56, 112,
          Api<void, intptr_t, intptr_t, const FarColor *, const wchar_t *>),
    FIELD(PluginStartupInfo, EditorControl, 60, 120,
          Api<intptr_t, intptr_t, EDITOR_CONTROL_COMMANDS, intptr_t, void *>),
    FIELD(PluginStartupInfo, FSF, 64, 128, FarStandardFunctions *),
    FIELD(PluginStartupInfo, ShowHelp, 68, 136,
          Api<BOOL, const wchar_t *, const wchar_t *, unsigned long long>),
    FIELD(PluginStartupInfo, AdvControl, 72, 144,
          Api<intptr_t, const GUID *, ADVANCED_CONTROL_COMMANDS, intptr_t, void *>),
    FIELD(
        PluginStartupInfo, InputBox, 76, 152,
        Api<intptr_t, const GUID *, const GUID *, const wchar_t *, const wchar_t *, const wchar_t *,
            const wchar_t *, wchar_t *, size_t, const wchar_t *, unsigned long long>),
    FIELD(PluginStartupInfo, ColorDialog, 80, 160,
          Api<BOOL, const GUID *, unsigned long long, FarColor *>),
    FIELD(PluginStartupInfo, DialogInit, 84, 168,
          Api<HANDLE, const GUID *, const GUID *, intptr_t, intptr_t, intptr_t, intptr_t,
              const wchar_t *, const FarDialogItem *, size_t, intptr_t, unsigned long long,
              DialogProc, void *>),
    FIELD(PluginStartupInfo, DialogRun, 88, 176, Api<intptr_t, HANDLE>),
    FIELD(PluginStartupInfo, DialogFree, 92, 184, Api<void, HANDLE>),
    FIELD(PluginStartupInfo, SendDlgMessage, 96, 192, DialogProc),
    FIELD(PluginStartupInfo, DefDlgProc, 100, 200, DialogProc),
    FIELD(PluginStartupInfo, ViewerControl, 104, 208,
          Api<intptr_t, intptr_t, VIEWER_CONTROL_COMMANDS, intptr_t, void *>),
    FIELD(PluginStartupInfo, PluginsControl, 108, 216,
          Api<intptr_t, HANDLE, FAR_PLUGINS_CONTROL_COMMANDS, intptr_t, void *>),
    FIELD(PluginStartupInfo, FileFilterControl, 112, 224,
          Api<intptr_t, HANDLE, FAR_FILE_FILTER_CONTROL_COMMANDS, intptr_t, void *>),
    FIELD(PluginStartupInfo, RegExpControl, 116, 232,
          Api<intptr_t, HANDLE, FAR_REGEXP_CONTROL_COMMANDS, intptr_t, void *>),
    FIELD(PluginStartupInfo, MacroControl, 120, 240,
          Api<intptr_t, const GUID *, FAR_MACRO_CONTROL_COMMANDS, intptr_t, void *>),
    FIELD(PluginStartupInfo, SettingsControl, 124, 248,
          Api<intptr_t, HANDLE, FAR_SETTINGS_CONTROL_COMMANDS, intptr_t, void *>),
    FIELD(PluginStartupInfo, Private, 128, 256, const void *),
    FIELD(PluginStartupInfo, Instance, 132, 264, void *),
    FIELD(PluginStartupInfo, FreeScreen, 136, 272, Api<void, HANDLE>),
    SIZE(PluginStartupInfo, 140, 280),
};

const Layout kStandardFunctions[] = {
    FIELD(FarStandardFunctions, StructSize, 0, 0, size_t),
    FIELD(FarStandardFunctions, atoi, 4, 8, Api<int, const wchar_t *>),
    FIELD(FarStandardFunctions, atoi64, 8, 16, Api<long long, const wchar_t *>),
    FIELD(FarStandardFunctions, itoa, 12, 24, Api<wchar_t *, int, wchar_t *, int>),
    FIELD(FarStandardFunctions, itoa64, 16, 32, Api<wchar_t *, long long, wchar_t *, int>),
    FIELD(FarStandardFunctions, sprintf, 20, 40, int(__cdecl *)(wchar_t *, const wchar_t *, ...)),
    FIELD(FarStandardFunctions, sscanf, 24, 48,
          int(__cdecl *)(const wchar_t *, const wchar_t *, ...)),
    FIELD(FarStandardFunctions, qsort, 28, 56, Api<void, void *, size_t, size_t, Compare, void *>),
    FIELD(FarStandardFunctions, bsearch, 32, 64,
          Api<void *, const void *, const void *, size_t, size_t, Compare, void *>),
    FIELD(FarStandardFunctions, snprintf, 36, 72,
          int(__cdecl *)(wchar_t *, size_t, const wchar_t *, ...)),
    FIELD(FarStandardFunctions, LIsLower, 40, 80, Api<int, wchar_t>),
    FIELD(FarStandardFunctions, LIsUpper, 44, 88, Api<int, wchar_t>),
    FIELD(FarStandardFunctions, LIsAlpha, 48, 96, Api<int, wchar_t>),
    FIELD(FarStandardFunctions, LIsAlphanum, 52, 104, Api<int, wchar_t>),
    FIELD(FarStandardFunctions, LUpper, 56, 112, Api<wchar_t, wchar_t>),
    FIELD(FarStandardFunctions, LLower, 60, 120, Api<wchar_t, wchar_t>),
    FIELD(FarStandardFunctions, LUpperBuf, 64, 128, Api<void, wchar_t *, intptr_t>),
    FIELD(FarStandardFunctions, LLowerBuf, 68, 136, Api<void, wchar_t *, intptr_t>),
    FIELD(FarStandardFunctions, LStrupr, 72, 144, Api<void, wchar_t *>),
    FIELD(FarStandardFunctions, LStrlwr, 76, 152, Api<void, wchar_t *>),
    FIELD(FarStandardFunctions, LStricmp, 80, 160, Api<int, const wchar_t *, const wchar_t *>),
    FIELD(FarStandardFunctions, LStrnicmp, 84, 168,
          Api<int, const wchar_t *, const wchar_t *, intptr_t>),
    FIELD(FarStandardFunctions, Unquote, 88, 176, Api<void, wchar_t *>),
    FIELD(FarStandardFunctions, LTrim, 92, 184, Api<wchar_t *, wchar_t *>),
    FIELD(FarStandardFunctions, RTrim, 96, 192, Api<wchar_t *, wchar_t *>),
    FIELD(FarStandardFunctions, Trim, 100, 200, Api<wchar_t *, wchar_t *>),
    FIELD(FarStandardFunctions, TruncStr, 104, 208, Api<wchar_t *, wchar_t *, intptr_t>),
    FIELD(FarStandardFunctions, TruncPathStr, 108, 216, Api<wchar_t *, wchar_t *, intptr_t>),
    FIELD(FarStandardFunctions, QuoteSpaceOnly, 112, 224, Api<wchar_t *, wchar_t *>),
    FIELD(FarStandardFunctions, PointToName, 116, 232, Api<const wchar_t *, const wchar_t *>),
    FIELD(FarStandardFunctions, GetPathRoot, 120, 240,
          Api<size_t, const wchar_t *, wchar_t *, size_t>),
    FIELD(FarStandardFunctions, AddEndSlash, 124, 248, Api<BOOL, wchar_t *>),
    FIELD(FarStandardFunctions, CopyToClipboard, 128, 256,
          Api<BOOL, FARCLIPBOARD_TYPE, const wchar_t *>),
    FIELD(FarStandardFunctions, PasteFromClipboard, 132, 264,
          Api<size_t, FARCLIPBOARD_TYPE, wchar_t *, size_t>),
    FIELD(FarStandardFunctions, FarInputRecordToName, 136, 272,
          Api<size_t, const INPUT_RECORD *, wchar_t *, size_t>),
    FIELD(FarStandardFunctions, FarNameToInputRecord, 140, 280,
          Api<BOOL, const wchar_t *, INPUT_RECORD *>),
    FIELD(FarStandardFunctions, XLat, 144, 288,
          Api<wchar_t *, wchar_t *, intptr_t, intptr_t, unsigned long long>),
    FIELD(FarStandardFunctions, GetFileOwner, 148, 296,
          Api<size_t, const wchar_t *, const wchar_t *, wchar_t *, size_t>),
    FIELD(FarStandardFunctions, GetNumberOfLinks, 152, 304, Api<size_t, const wchar_t *>),
    FIELD(FarStandardFunctions, FarRecursiveSearch, 156, 312,
          Api<void, const wchar_t *, const wchar_t *,
              Api<int, const PluginPanelItem *, const wchar_t *, void *>, unsigned long long,
              void *>),
    FIELD(FarStandardFunctions, MkTemp, 160, 320, Api<size_t, wchar_t *, size_t, const wchar_t *>),
    FIELD(FarStandardFunctions, ProcessName, 164, 328,
          Api<size_t, const wchar_t *, wchar_t *, size_t, unsigned long long>),
    FIELD(FarStandardFunctions, MkLink, 168, 336,
          Api<BOOL, const wchar_t *, const wchar_t *, LINK_TYPE, unsigned long long>),
    FIELD(FarStandardFunctions, ConvertPath, 172, 344,
          Api<size_t, CONVERTPATHMODES, const wchar_t *, wchar_t *, size_t>),
    FIELD(FarStandardFunctions, GetReparsePointInfo, 176, 352,
          Api<size_t, const wchar_t *, wchar_t *, size_t>),
    FIELD(FarStandardFunctions, GetCurrentDirectory, 180, 360, Api<size_t, size_t, wchar_t *>),
    FIELD(FarStandardFunctions, FormatFileSize, 184, 368,
          Api<size_t, unsigned long long, intptr_t, unsigned long long, wchar_t *, size_t>),
    FIELD(FarStandardFunctions, FarClock, 188, 376, Api<unsigned long long>),
    FIELD(FarStandardFunctions, CompareStrings, 192, 384,
          Api<int, const wchar_t *, size_t, const wchar_t *, size_t>),
    FIELD(FarStandardFunctions, DetectCodePage, 196, 392, Api<uintptr_t, DetectCodePageInfo *>),
    SIZE(FarStandardFunctions, 200, 400),
};

#undef FIELD
#undef SIZE

template <size_t count> void ExpectLayouts(const Layout (&table)[count]) {
  const bool x64 = sizeof(void *) == 8;
  for (const Layout &row : table) {
    const size_t expected = x64 ? row.x64 : row.x86;
    EXPECT_EQ(expected, row.actual) << row.what << (x64 ? " on x64" : " on x86");
    EXPECT_TRUE(row.declared_type) << row.what << " has another type than the host's";
  }
}

TEST(Far3Layout, EntryPointRecords) { ExpectLayouts(kEntryRecords); }

TEST(Far3Layout, MenuAndDialogRecords) { ExpectLayouts(kMenuAndDialogRecords); }

TEST(Far3Layout, EditorPanelAndSettingsRecords) { ExpectLayouts(kServiceRecords); }

TEST(Far3Layout, PluginStartupInfoEveryField) { ExpectLayouts(kStartupInfo); }

TEST(Far3Layout, FarStandardFunctionsEveryField) { ExpectLayouts(kStandardFunctions); }

extern "C" size_t Far3LayoutSeenFromC(size_t *values, size_t room);

// The header is C as well: a C compiler lays the records out the same way.
TEST(Far3Layout, CSeesTheSameRecords) {
  const size_t seen_from_cpp[] = {
      sizeof(PluginStartupInfo),
      sizeof(FarStandardFunctions),
      sizeof(FarDialogItem),
      offsetof(FarDialogItem, ListItems),
      sizeof(FarMacroValue),
      offsetof(FarMacroValue, Binary.Size),
      sizeof(FarSettingsItem),
      offsetof(FarSettingsItem, Data.Data),
      offsetof(FarSettingsEnum, Items),
      sizeof(FarMenuItem),
      sizeof(FarColor),
      offsetof(PluginInfo, PluginConfig),
  };
  const size_t count = sizeof(seen_from_cpp) / sizeof(seen_from_cpp[0]);
  size_t seen_from_c[count] = {};
  ASSERT_EQ(count, Far3LayoutSeenFromC(seen_from_c, count));
  for (size_t i = 0; i < count; ++i)
    EXPECT_EQ(seen_from_cpp[i], seen_from_c[i]) << "figure " << i << " of the list";
}

// On x86 a service's convention is part of its type: a pointer declared
// without WINAPI would be a different type, and the table above would say so.
TEST(Far3Layout, ServicesAreStdcallOnX86) {
  const bool cdecl_same_as_stdcall =
      std::is_same<Api<intptr_t, HANDLE>, intptr_t (*)(HANDLE)>::value;
  EXPECT_EQ(sizeof(void *) == 8, cdecl_same_as_stdcall);
}

} // namespace
