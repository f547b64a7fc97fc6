/* The 3.x services that show windows (Menu, Message, ShowHelp, InputBox,
   the refused dialogs) and draw (Text, screens saved), and the record
   SetStartupInfoW gets with every slot filled. Windows draw in the OEM
   code page of the stand-in's screens: what it lacks shows as '?'. */
#include "face3_bridge.h"
#include "face3_plugins.h"
#include "face3_services.h"
#include "help.h"
#include "host_log.h"
#include "screen.h"

#include <stdio.h>
#include <string.h>
#include <wchar.h>

namespace {

enum { MAX_BREAK_KEYS = 64, MAX_MESSAGE_LINES = 64, MESSAGE_LINE_SIZE = 512 };

int PluginNumber(const GUID *id) {
  Face3Plugin *plugin = Face3ByGuid(id);
  return plugin ? plugin->Number : -1;
}

/* FarKey break keys as the host's menu takes them (PKF_* of menu.h). */
void BreakKeysOf(const FarKey *keys, int *out) {
  int n = 0;
  for (; keys && n < MAX_BREAK_KEYS - 1 && keys[n].VirtualKeyCode; ++n) {
    DWORD state = keys[n].ControlKeyState;
    int mods = (state & (LEFT_CTRL_PRESSED | RIGHT_CTRL_PRESSED) ? 1 : 0) |
               (state & (LEFT_ALT_PRESSED | RIGHT_ALT_PRESSED) ? 2 : 0) |
               (state & SHIFT_PRESSED ? 4 : 0);
    out[n] = keys[n].VirtualKeyCode | mods << 16;
  }
  out[n] = 0;
}

/* The rows shown (hidden ones left out) and, for each, its item's index. */
int RowsOf(const FarMenuItem *items, size_t count, BridgeMenuRow *rows, int *index) {
  int shown = 0;
  for (size_t i = 0; i < count && shown < BRIDGE_MAX_ROWS; ++i) {
    if (items[i].Flags & MIF_HIDDEN)
      continue;
    BridgeMenuRow &row = rows[shown];
    memset(&row, 0, sizeof row);
    WideToOem(items[i].Text, row.Text, sizeof row.Text);
    row.Selected = (items[i].Flags & MIF_SELECTED) != 0;
    row.Checked = (items[i].Flags & MIF_CHECKED) != 0;
    row.Separator = (items[i].Flags & MIF_SEPARATOR) != 0;
    row.Disabled = (items[i].Flags & (MIF_DISABLE | MIF_GRAYED)) != 0;
    index[shown++] = (int)i;
  }
  return shown;
}

intptr_t WINAPI Menu(const GUID *pluginId, const GUID *, intptr_t x, intptr_t y, intptr_t maxHeight,
                     FARMENUFLAGS flags, const wchar_t *title, const wchar_t *bottom,
                     const wchar_t *help, const FarKey *breakKeys, intptr_t *breakCode,
                     const FarMenuItem *items, size_t count) {
  static BridgeMenuRow rows[BRIDGE_MAX_ROWS];
  static int index[BRIDGE_MAX_ROWS];
  int keys[MAX_BREAK_KEYS];
  char titleText[256], bottomText[256], helpText[128];
  WideToOem(title, titleText, sizeof titleText);
  WideToOem(bottom, bottomText, sizeof bottomText);
  WideToOem(help, helpText, sizeof helpText);
  BreakKeysOf(breakKeys, keys);
  int shown = items ? RowsOf(items, count, rows, index) : 0;
  int code = -1;
  int chosen = BridgeMenu(PluginNumber(pluginId), (int)x, (int)y, (int)maxHeight,
                          (flags & FMENU_SHOWAMPERSAND) != 0, (flags & FMENU_WRAPMODE) != 0,
                          titleText, bottomText, helpText, keys, &code, rows, shown);
  if (breakCode)
    *breakCode = code;
  return chosen >= 0 && chosen < shown ? index[chosen] : -1;
}

/* FMSG_ALLINONE: one text, its lines split at '\n'. */
int SplitLines(const wchar_t *text, char lines[][MESSAGE_LINE_SIZE], int max) {
  int n = 0;
  static wchar_t line[MESSAGE_LINE_SIZE];
  while (text && n < max) {
    const wchar_t *end = wcschr(text, L'\n');
    size_t length = end ? (size_t)(end - text) : wcslen(text);
    if (length >= MESSAGE_LINE_SIZE)
      length = MESSAGE_LINE_SIZE - 1;
    wmemcpy(line, text, length);
    line[length] = 0;
    WideToOem(line, lines[n++], MESSAGE_LINE_SIZE);
    text = end ? end + 1 : nullptr;
  }
  return n;
}

/* The buttons an FMSG_MB_* set adds; how many. */
int StandardButtons(FARMESSAGEFLAGS flags, const char **out) {
  static const char *const names[][3] = {{"", "", ""},           {"OK", "", ""},
                                         {"OK", "Cancel", ""},   {"Abort", "Retry", "Ignore"},
                                         {"Yes", "No", ""},      {"Yes", "No", "Cancel"},
                                         {"Retry", "Cancel", ""}};
  unsigned set = (unsigned)((flags >> 16) & 0xF);
  if (set == 0 || set > 6)
    return 0;
  int n = 0;
  for (int i = 0; i < 3 && names[set][i][0]; ++i) {
    const char *name = names[set][i];
    out[n++] = !strcmp(name, "OK")       ? BridgeOkText()
               : !strcmp(name, "Cancel") ? BridgeCancelText()
                                         : name;
  }
  return n;
}

intptr_t WINAPI Message(const GUID *pluginId, const GUID *, FARMESSAGEFLAGS flags,
                        const wchar_t *help, const wchar_t *const *items, size_t count,
                        intptr_t buttons) {
  static char lines[MAX_MESSAGE_LINES][MESSAGE_LINE_SIZE];
  const char *pointers[MAX_MESSAGE_LINES + 3];
  int n = 0;
  if (flags & FMSG_ALLINONE)
    n = SplitLines((const wchar_t *)items, lines, MAX_MESSAGE_LINES);
  for (size_t i = 0; !(flags & FMSG_ALLINONE) && items && i < count && n < MAX_MESSAGE_LINES; ++i)
    WideToOem(items[i], lines[n++], MESSAGE_LINE_SIZE);
  for (int i = 0; i < n; ++i)
    pointers[i] = lines[i];
  const char *standard[3];
  int added = StandardButtons(flags, standard);
  if (added) {
    for (int i = 0; i < added; ++i)
      pointers[n + i] = standard[i];
    buttons = added;
    n += added;
  }
  if (buttons < 0 || buttons > n)
    buttons = 0;
  char helpText[128];
  WideToOem(help, helpText, sizeof helpText);
  HostLog("Message flags=0x%llx%s", (unsigned long long)flags,
          flags & FMSG_LEFTALIGN ? " (left-aligned lines shown centred)" : "");
  return BridgeMessage(PluginNumber(pluginId), (flags & FMSG_WARNING) != 0,
                       (flags & FMSG_ERRORTYPE) != 0, helpText, pointers, n, (int)buttons);
}

const wchar_t *WINAPI GetMsg(const GUID *pluginId, intptr_t id) {
  Face3Plugin *plugin = Face3ByGuid(pluginId);
  const wchar_t *text = plugin ? Face3Message(plugin->Messages, id) : nullptr;
  if (!text) {
    HostLog("GetMsg plugin=%d id=%ld -> \"\" (no such message)", plugin ? plugin->Number : -1,
            (long)id);
    return L"";
  }
  return text;
}

} // namespace

BOOL WINAPI Face3ShowHelp(const wchar_t *moduleName, const wchar_t *topic, FARHELPFLAGS flags) {
  Face3Plugin *plugin = nullptr;
  if (flags & FHELP_GUID)
    plugin = Face3ByGuid((const GUID *)moduleName);
  for (int i = 0; !plugin && moduleName && i < Face3Count; ++i)
    if (!_wcsicmp(Face3Plugins[i].ModuleName, moduleName))
      plugin = &Face3Plugins[i];
  char topicText[HELP_TOPIC_SIZE];
  WideToOem(topic, topicText, sizeof topicText);
  HostLog("ShowHelp topic=%s flags=0x%llx -> %s", topicText, (unsigned long long)flags,
          plugin ? "the plugin's help" : "0 (no such plugin)");
  if (!plugin || !Face3LoadHelp(plugin->Number))
    return FALSE;
  return HelpShowTopic(topicText[0] ? topicText : "Contents");
}

void Face3FillStartupInfo(Face3Plugin *plugin) {
  PluginStartupInfo *info = &plugin->Info;
  memset(info, 0, sizeof *info);
  Face3FillStandardFunctions(&plugin->Fsf);
  info->StructSize = sizeof *info;
  info->ModuleName = plugin->ModuleName;
  info->Menu = Menu;
  info->Message = Message;
  info->GetMsg = GetMsg;
  info->PanelControl = Face3PanelControl;
  info->EditorControl = Face3EditorControl;
  info->FSF = &plugin->Fsf;
  info->ShowHelp = Face3ShowHelp;
  info->AdvControl = Face3AdvControl;
  info->SettingsControl = Face3SettingsControl;
  Face3FillScreenServices(info);
  Face3FillRefusedServices(info);
}
