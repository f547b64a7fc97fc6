#include "services.h"

#include "dialog.h"
#include "editor_text.h"
#include "host_log.h"
#include "host_state.h"
#include "menu.h"
#include "message.h"
#include "plugin_table.h"
#include "screen.h"

#include <stdio.h>
#include <string.h>

int CurrentArea = AREA_PANELS;
char HostLanguage[HOST_LANGUAGE_SIZE] = "English";
LineEdit CommandLine = {{0}, 0, 0, 0, LINE_EDIT_SIZE};

int OpenFromOfArea(int area) {
  return area == AREA_EDITOR ? OPEN_EDITOR : area == AREA_VIEWER ? OPEN_VIEWER : OPEN_PLUGINSMENU;
}

const char *AreaName(int area) {
  return area == AREA_EDITOR ? "editor" : area == AREA_VIEWER ? "viewer" : "panels";
}

namespace {

int WINAPI NoDirList(const char *Dir, PluginPanelItem **pPanelItem, int *pItemsNumber) {
  HostLog("GetDirList %s -> 0 (not provided)", Dir ? Dir : "(null)");
  if (pPanelItem)
    *pPanelItem = nullptr;
  if (pItemsNumber)
    *pItemsNumber = 0;
  return FALSE;
}

int WINAPI NoPluginDirList(int PluginNumber, HANDLE, const char *Dir, PluginPanelItem **pPanelItem,
                           int *pItemsNumber) {
  HostLog("GetPluginDirList plugin=%d %s -> 0 (not provided)", PluginNumber, Dir ? Dir : "(null)");
  if (pPanelItem)
    *pPanelItem = nullptr;
  if (pItemsNumber)
    *pItemsNumber = 0;
  return FALSE;
}

void WINAPI NoFreeDirList(const PluginPanelItem *) {}

int WINAPI NoViewer(const char *FileName, const char *, int, int, int, int, DWORD) {
  HostLog("Viewer %s -> 0 (not provided)", FileName ? FileName : "(null)");
  return FALSE;
}

int WINAPI NoEditor(const char *FileName, const char *, int, int, int, int, DWORD, int, int) {
  HostLog("Editor %s -> 0 (not provided)", FileName ? FileName : "(null)");
  return 0;
}

int WINAPI NoCharTable(int Command, char *, int) {
  HostLog("CharTable %d -> -1 (not provided)", Command);
  return -1;
}

int Match(const char *pattern, const char *text) {
  for (;; ++pattern, ++text) {
    if (*pattern == '*') {
      while (*pattern == '*')
        ++pattern;
      if (!*pattern)
        return 1;
      for (; *text; ++text)
        if (Match(pattern, text))
          return 1;
      return 0;
    }
    if (!*pattern)
      return !*text;
    if (!*text)
      return 0;
    if (*pattern != '?') {
      char a = *pattern, b = *text;
      if (a >= 'A' && a <= 'Z')
        a += 32;
      if (b >= 'A' && b <= 'Z')
        b += 32;
      if (a != b)
        return 0;
    }
  }
}

} // namespace

const char *WINAPI HostGetMsg(int PluginNumber, int MsgId) {
  PluginSlot *slot = PluginByNumber(PluginNumber);
  const char *text = slot && slot->Messages ? LngMessage(slot->Messages, MsgId) : nullptr;
  if (!text) {
    HostLog("GetMsg plugin=%d id=%d -> \"\" (no such message)", PluginNumber, MsgId);
    return "";
  }
  return text;
}

int WINAPI HostControl(HANDLE hPlugin, int Command, void *Param) {
  if (Command == FCTL_INSERTCMDLINE) {
    char quoted[256];
    QuoteForLog((const char *)Param, 200, quoted, sizeof quoted);
    if (hPlugin != INVALID_HANDLE_VALUE || !Param) {
      HostLog("Control FCTL_INSERTCMDLINE %s -> 0 (%s)", quoted,
              Param ? "not the active panel" : "no text");
      return FALSE;
    }
    LineEditInsert(&CommandLine, (const char *)Param);
    HostLog("Control FCTL_INSERTCMDLINE %s -> 1", quoted);
    return TRUE;
  }
  HostLog("Control command=%d -> 0 (not provided)", Command);
  return FALSE;
}

int WINAPI HostEditorControl(int Command, void *Param) {
  if (Command == ECTL_INSERTTEXT) {
    char quoted[256];
    QuoteForLog((const char *)Param, 200, quoted, sizeof quoted);
    if (CurrentArea != AREA_EDITOR || !Param) {
      HostLog("EditorControl ECTL_INSERTTEXT %s -> 0 (%s)", quoted,
              Param ? "no editor is current" : "no text");
      return FALSE;
    }
    if (!EditorInsertText((const char *)Param)) {
      HostLog("EditorControl ECTL_INSERTTEXT %s -> 0 (the file is read-only)", quoted);
      return FALSE;
    }
    HostLog("EditorControl ECTL_INSERTTEXT %s -> 1", quoted);
    return TRUE;
  }
  if (Command == ECTL_INSERTSTRING) {
    // A new line at the cursor, as Enter makes it; a locked (read-only)
    // editor refuses it, as it refuses any change. The stand-in's editor
    // has no auto-indent, so the indent flag changes nothing.
    int indent = Param ? *(const int *)Param : 0;
    int broken = CurrentArea == AREA_EDITOR && EditorInsertText("\n");
    HostLog("EditorControl ECTL_INSERTSTRING indent=%d -> %d", indent, broken);
    return broken;
  }
  HostLog("EditorControl command=%d -> 0 (not provided)", Command);
  return FALSE;
}

HANDLE WINAPI HostSaveScreen(int, int, int, int) {
  int handle = ScreenSave();
  return handle < 0 ? nullptr : (HANDLE)(INT_PTR)(handle + 1);
}

void WINAPI HostRestoreScreen(HANDLE hScreen) {
  if (hScreen)
    ScreenRestore((int)(INT_PTR)hScreen - 1);
  ScreenShow();
}

int WINAPI HostCmpName(const char *Pattern, const char *String, int SkipPath) {
  if (!Pattern || !String)
    return FALSE;
  if (SkipPath) {
    const char *slash = strrchr(String, '\\');
    if (slash)
      String = slash + 1;
  }
  return Match(Pattern, String);
}

void WINAPI HostText(int X, int Y, int Color, const char *Str) {
  if (!Str) {
    ScreenShow();
    return;
  }
  ScreenPut(X, Y, Color, Str, (int)strlen(Str));
}

void FillStartupInfo(PluginStartupInfo *info, int moduleNumber, const char *moduleName,
                     const char *rootKey) {
  memset(info, 0, sizeof *info);
  info->StructSize = sizeof *info;
  snprintf(info->ModuleName, sizeof info->ModuleName, "%s", moduleName ? moduleName : "");
  info->ModuleNumber = moduleNumber;
  info->RootKey = rootKey;
  info->Menu = HostMenu;
  info->Dialog = HostDialog;
  info->Message = HostMessage;
  info->GetMsg = HostGetMsg;
  info->Control = HostControl;
  info->SaveScreen = HostSaveScreen;
  info->RestoreScreen = HostRestoreScreen;
  info->GetDirList = NoDirList;
  info->GetPluginDirList = NoPluginDirList;
  info->FreeDirList = NoFreeDirList;
  info->Viewer = NoViewer;
  info->Editor = NoEditor;
  info->CmpName = HostCmpName;
  info->CharTable = NoCharTable;
  info->Text = HostText;
  info->EditorControl = HostEditorControl;
}
