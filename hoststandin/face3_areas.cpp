/* PanelControl's command-line commands and EditorControl, on the command
   line and editor of a 3.x run, which hold UTF-8: a wide text goes in and
   comes out whole, and positions count wide characters. */
#include "editor_text.h"
#include "face3_plugins.h"
#include "face3_services.h"
#include "host_log.h"
#include "host_state.h"

#include <stdio.h>
#include <string.h>
#include <wchar.h>
#include <string>

namespace {

std::string Utf8Of(const wchar_t *text) {
  int size = text ? WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr) : 0;
  std::string out(size > 0 ? (size_t)size : 1, '\0');
  if (size > 0)
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], size, nullptr, nullptr);
  out.resize(size > 0 ? (size_t)size - 1 : 0);
  return out;
}

void LogText(const char *what, const std::string &utf8, intptr_t result) {
  char quoted[256];
  QuoteForLog(utf8.c_str(), 200, quoted, sizeof quoted);
  HostLog("%s %s -> %ld", what, quoted, (long)result);
}

/* FCTL_GETCMDLINE: the size needed in characters, terminator included;
   the text when the buffer holds it all. */
intptr_t GetCommandLine(intptr_t room, wchar_t *buffer) {
  static wchar_t wide[LINE_EDIT_SIZE];
  Utf8ToWide(CommandLine.Text, wide, LINE_EDIT_SIZE);
  intptr_t needed = (intptr_t)wcslen(wide) + 1;
  if (buffer && room > 0) {
    intptr_t take = needed <= room ? needed - 1 : room - 1;
    wmemcpy(buffer, wide, (size_t)take);
    buffer[take] = 0;
  }
  HostLog("PanelControl FCTL_GETCMDLINE room=%ld -> %ld", (long)room, (long)needed);
  return needed;
}

intptr_t CommandLinePosition(int set, intptr_t position, intptr_t *out) {
  if (set) {
    if (position < 0)
      return FALSE;
    CommandLine.Cursor = Utf8Bytes(CommandLine.Text, (int)position);
    HostLog("PanelControl FCTL_SETCMDLINEPOS %ld -> 1", (long)position);
    return TRUE;
  }
  intptr_t at = Utf8Characters(CommandLine.Text, CommandLine.Cursor);
  if (out)
    *out = at;
  HostLog("PanelControl FCTL_GETCMDLINEPOS -> %ld", (long)at);
  return out != nullptr;
}

intptr_t EditorGetInfo(EditorInfo *info) {
  if (!info || info->StructSize < sizeof *info)
    return FALSE;
  int line = 0, column = 0;
  EditorGetCursor(&line, &column);
  size_t size = info->StructSize;
  memset(info, 0, sizeof *info);
  info->StructSize = size;
  info->EditorID = 1;
  info->WindowSizeX = 80;
  info->WindowSizeY = 23;
  info->TotalLines = EditorLineCount();
  info->CurLine = line;
  info->CurPos = info->CurTabPos = Utf8Characters(EditorLine(line), column);
  info->TabSize = 8;
  info->CurState = EditorModified() ? 1 : 0;
  info->CodePage = CP_UTF8;
  return TRUE;
}

intptr_t EditorSetPositionTo(const EditorSetPosition *to) {
  if (!to)
    return FALSE;
  int line = 0, column = 0;
  EditorGetCursor(&line, &column);
  if (to->CurLine >= 0)
    line = to->CurLine < EditorLineCount() ? (int)to->CurLine : EditorLineCount() - 1;
  if (to->CurPos >= 0)
    column = Utf8Bytes(EditorLine(line), (int)to->CurPos);
  EditorSetCursor(line, column);
  HostLog("EditorControl ECTL_SETPOSITION line=%ld pos=%ld -> 1", (long)to->CurLine,
          (long)to->CurPos);
  return TRUE;
}

} // namespace

intptr_t WINAPI Face3PanelControl(HANDLE panel, enum FILE_CONTROL_COMMANDS command, intptr_t param1,
                                  void *param2) {
  switch (command) {
  case FCTL_GETCMDLINE:
    return GetCommandLine(param1, (wchar_t *)param2);
  case FCTL_SETCMDLINE:
  case FCTL_INSERTCMDLINE: {
    std::string text = Utf8Of((const wchar_t *)param2);
    if (!param2) {
      LogText("PanelControl set/insert command line", text, 0);
      return FALSE;
    }
    if (command == FCTL_SETCMDLINE)
      LineEditSet(&CommandLine, text.c_str(), (int)text.size(), LINE_EDIT_SIZE);
    else
      LineEditInsert(&CommandLine, text.c_str());
    LogText(command == FCTL_SETCMDLINE ? "PanelControl FCTL_SETCMDLINE"
                                       : "PanelControl FCTL_INSERTCMDLINE",
            text, 1);
    return TRUE;
  }
  case FCTL_GETCMDLINEPOS:
    return CommandLinePosition(0, 0, (intptr_t *)param2);
  case FCTL_SETCMDLINEPOS:
    return CommandLinePosition(1, param1, nullptr);
  default:
    HostLog("PanelControl panel=%p command=%d -> 0 (not provided)", panel, (int)command);
    return FALSE;
  }
}

intptr_t WINAPI Face3EditorControl(intptr_t editorId, enum EDITOR_CONTROL_COMMANDS command,
                                   intptr_t, void *param2) {
  if (CurrentArea != AREA_EDITOR) {
    HostLog("EditorControl command=%d -> 0 (no editor is current)", (int)command);
    return FALSE;
  }
  switch (command) {
  case ECTL_GETINFO:
    return EditorGetInfo((EditorInfo *)param2);
  case ECTL_SETPOSITION:
    return EditorSetPositionTo((const EditorSetPosition *)param2);
  case ECTL_INSERTTEXT: {
    std::string text = Utf8Of((const wchar_t *)param2);
    intptr_t done = param2 && EditorInsertText(text.c_str());
    LogText("EditorControl ECTL_INSERTTEXT", text, done);
    return done;
  }
  case ECTL_INSERTSTRING: {
    int indent = param2 ? *(const int *)param2 : 0;
    intptr_t broken = EditorInsertText("\n");
    HostLog("EditorControl ECTL_INSERTSTRING indent=%d -> %ld", indent, (long)broken);
    return broken;
  }
  default:
    HostLog("EditorControl editor=%ld command=%d -> 0 (not provided)", (long)editorId,
            (int)command);
    return FALSE;
  }
}
