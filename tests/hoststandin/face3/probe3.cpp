/* A 3.x plugin of the tests' own: each menu row calls one of the host's
   services and puts what came back where the user is (the editor, else
   the command line), so that a scripted run's report shows it. */
#include "far3_plugin.h"

#include <stdio.h>
#include <string.h>
#include <wchar.h>

namespace {

PluginStartupInfo Info;
FarStandardFunctions Fsf;
DWORD HostThread;

const GUID ProbeGuid = {
    0x5E1F3A10, 0x2B7C, 0x4D0E, {0x9A, 0x41, 0x6C, 0x3D, 0x8E, 0x21, 0x7F, 0x05}};
const GUID MenuRow = {0x5E1F3A11, 0x2B7C, 0x4D0E, {0x9A, 0x41, 0x6C, 0x3D, 0x8E, 0x21, 0x7F, 0x05}};
const GUID ConfigRow = {
    0x5E1F3A12, 0x2B7C, 0x4D0E, {0x9A, 0x41, 0x6C, 0x3D, 0x8E, 0x21, 0x7F, 0x05}};
const GUID WindowId = {
    0x5E1F3A13, 0x2B7C, 0x4D0E, {0x9A, 0x41, 0x6C, 0x3D, 0x8E, 0x21, 0x7F, 0x05}};

enum { MSG_TITLE, MSG_HELLO };

const wchar_t *Msg(int id) { return Info.GetMsg(&ProbeGuid, id); }

int InEditor(void) {
  WindowInfo window;
  memset(&window, 0, sizeof window);
  window.StructSize = sizeof window;
  window.Pos = -1;
  return Info.AdvControl(&ProbeGuid, ACTL_GETWINDOWINFO, 0, &window) && window.Type == WTYPE_EDITOR;
}

void Put(const wchar_t *text) {
  if (InEditor())
    Info.EditorControl(-1, ECTL_INSERTTEXT, 0, (void *)text);
  else
    Info.PanelControl(PANEL_ACTIVE, FCTL_INSERTCMDLINE, 0, (void *)text);
}

void PutSettings(void) {
  FarSettingsCreate create = {sizeof create, ProbeGuid, INVALID_HANDLE_VALUE};
  if (!Info.SettingsControl(INVALID_HANDLE_VALUE, SCTL_CREATE, PSL_ROAMING, &create)) {
    Put(L"[no settings]");
    return;
  }
  HANDLE h = create.Handle;
  FarSettingsValue sub = {sizeof sub, 0, L"Counts"};
  size_t root = (size_t)Info.SettingsControl(h, SCTL_CREATESUBKEY, 0, &sub);
  FarSettingsItem runs = {sizeof runs, root, L"Runs", FST_QWORD, {}};
  unsigned long long count = Info.SettingsControl(h, SCTL_GET, 0, &runs) ? runs.Number : 0;
  FarSettingsItem last = {sizeof last, root, L"Last", FST_STRING, {}};
  wchar_t before[64] = L"none";
  if (Info.SettingsControl(h, SCTL_GET, 0, &last))
    wcsncpy(before, last.String, 63);
  runs.Number = count + 1;
  Info.SettingsControl(h, SCTL_SET, 0, &runs);
  last.String = L"Ж-12月";
  Info.SettingsControl(h, SCTL_SET, 0, &last);
  FarSettingsItem blob = {sizeof blob, root, L"Blob", FST_DATA, {}};
  blob.Data.Size = 3;
  blob.Data.Data = "abc";
  Info.SettingsControl(h, SCTL_SET, 0, &blob);
  FarSettingsEnum list = {sizeof list, root, 0, {}};
  Info.SettingsControl(h, SCTL_ENUM, 0, &list);
  wchar_t text[200];
  Fsf.snprintf(text, 200, L"[runs=%llu last=%ls values=%u]", count + 1, before,
               (unsigned)list.Count);
  Info.SettingsControl(h, SCTL_FREE, 0, nullptr);
  Put(text);
}

DWORD WINAPI SynchroThread(void *) {
  Info.AdvControl(&ProbeGuid, ACTL_SYNCHRO, 0, (void *)42);
  return 0;
}

void PutSynchro(void) {
  HANDLE thread = CreateThread(nullptr, 0, SynchroThread, nullptr, 0, nullptr);
  WaitForSingleObject(thread, 5000);
  CloseHandle(thread);
  Put(L"[synchro asked]");
}

void PutMessage(void) {
  const wchar_t *lines[] = {Msg(MSG_TITLE), Msg(MSG_HELLO)};
  intptr_t chosen = Info.Message(&ProbeGuid, &WindowId, FMSG_MB_YESNO, nullptr, lines, 2, 0);
  wchar_t text[40];
  Fsf.snprintf(text, 40, L"[message=%d]", (int)chosen);
  Put(text);
}

void PutClipboard(void) {
  Fsf.CopyToClipboard(FCT_STREAM, L"Ж 12月");
  wchar_t pasted[40] = L"";
  size_t size = Fsf.PasteFromClipboard(FCT_STREAM, pasted, 40);
  wchar_t text[80];
  Fsf.snprintf(text, 80, L"[pasted=%ls size=%u]", pasted, (unsigned)size);
  Put(text);
}

void PutCommandLine(void) {
  wchar_t line[100] = L"";
  intptr_t size = Info.PanelControl(PANEL_ACTIVE, FCTL_GETCMDLINE, 100, line);
  intptr_t pos = -1;
  Info.PanelControl(PANEL_ACTIVE, FCTL_GETCMDLINEPOS, 0, &pos);
  wchar_t text[200];
  Fsf.snprintf(text, 200, L"[cmd=%ls size=%d pos=%d]", line, (int)size, (int)pos);
  Info.PanelControl(PANEL_ACTIVE, FCTL_SETCMDLINE, 0, text);
}

void PutOthers(int row) {
  if (row == 7) {
    HANDLE dialog = Info.DialogInit(&ProbeGuid, &WindowId, -1, -1, 20, 5, nullptr, nullptr, 0, 0, 0,
                                    nullptr, nullptr);
    Put(dialog == INVALID_HANDLE_VALUE ? L"[dialog refused]" : L"[dialog given]");
  } else if (row == 8) {
    VersionInfo version = {};
    Info.AdvControl(&ProbeGuid, ACTL_GETFARMANAGERVERSION, 0, &version);
    wchar_t text[40];
    Fsf.snprintf(text, 40, L"[host %u.%u]", (unsigned)version.Major, (unsigned)version.Minor);
    Put(text);
  } else if (row == 9) {
    Info.ShowHelp(Info.ModuleName, L"Contents", FHELP_SELFHELP);
  }
}

void RunRow(int row) {
  if (row == 0) {
    wchar_t text[100];
    Fsf.snprintf(text, 100, L"[%ls 12月]", Msg(MSG_HELLO));
    Put(text);
  } else if (row == 1)
    PutMessage();
  else if (row == 2)
    PutSettings();
  else if (row == 3)
    PutSynchro();
  else if (row == 4)
    PutClipboard();
  else if (row == 5)
    PutCommandLine();
  else
    PutOthers(row);
}

int ShowMenu(void) {
  static const wchar_t *rows[] = {L"&Insert",    L"&Message",      L"&Settings", L"S&ynchro",
                                  L"&Clipboard", L"C&ommand line", L"",          L"&Dialog",
                                  L"&Version",   L"&Help",         L"Disabled"};
  FarMenuItem items[11];
  memset(items, 0, sizeof items);
  for (int i = 0; i < 11; ++i)
    items[i].Text = rows[i];
  items[6].Flags = MIF_SEPARATOR;
  items[10].Flags = MIF_DISABLE;
  items[1].Flags = MIF_CHECKED;
  FarKey breaks[] = {{VK_F2, 0}, {VK_UP, LEFT_CTRL_PRESSED}, {0, 0}};
  intptr_t code = -1;
  intptr_t row = Info.Menu(&ProbeGuid, &WindowId, -1, -1, 0, FMENU_WRAPMODE, Msg(MSG_TITLE),
                           nullptr, L"Contents", breaks, &code, items, 11);
  if (code >= 0 && row >= 0) {
    wchar_t text[40];
    Fsf.snprintf(text, 40, L"[break %d row %d]", (int)code, (int)row);
    Put(text);
    return -1;
  }
  return (int)row;
}

void WINAPI FreeValues(void *data, FarMacroValue *, size_t) { Put((const wchar_t *)data); }

HANDLE FromMacro(const OpenMacroInfo *macro) {
  static FarMacroValue values[2];
  static FarMacroCall call;
  static wchar_t echoed[200];
  if (!macro || macro->Count < 2 || macro->Values[0].Type != FMVT_STRING ||
      macro->Values[1].Type != FMVT_STRING)
    return nullptr;
  const wchar_t *verb = macro->Values[0].String, *text = macro->Values[1].String;
  if (!wcscmp(verb, L"insert")) {
    Put(text);
    return (HANDLE)1;
  }
  if (wcscmp(verb, L"echo"))
    return nullptr;
  Fsf.snprintf(echoed, 200, L"%ls 12月", text);
  values[0].Type = FMVT_STRING;
  values[0].String = echoed;
  values[1].Type = FMVT_INTEGER;
  values[1].Integer = (long long)wcslen(text);
  call = {sizeof call, 2, values, FreeValues, (void *)L"[freed]"};
  return &call;
}

} // namespace

extern "C" {

void WINAPI GetGlobalInfoW(GlobalInfo *info) {
  info->StructSize = sizeof *info;
  info->MinFarVersion = {3, 0, 0, PROBE_NEEDS_BUILD, VS_RELEASE};
  info->Version = {1, 0, 0, 1, VS_RELEASE};
  info->Guid = ProbeGuid;
  info->Title = L"Probe3";
  info->Description = L"Calls each service of the host";
  info->Author = L"Horalis tests";
}

void WINAPI SetStartupInfoW(const PluginStartupInfo *info) {
  Info = *info;
  Fsf = *info->FSF;
  Info.FSF = &Fsf;
  HostThread = GetCurrentThreadId();
}

void WINAPI GetPluginInfoW(PluginInfo *info) {
  static const wchar_t *menu[1], *config[1];
  menu[0] = Msg(MSG_TITLE);
  config[0] = Msg(MSG_TITLE);
  info->StructSize = sizeof *info;
  info->Flags = PF_EDITOR | PF_VIEWER | PF_DIALOG;
  info->PluginMenu = {&MenuRow, menu, 1};
  info->PluginConfig = {&ConfigRow, config, 1};
}

HANDLE WINAPI OpenW(const OpenInfo *info) {
  if (info->OpenFrom == OPEN_FROMMACRO)
    return FromMacro((const OpenMacroInfo *)info->Data);
  if (!info->Guid || memcmp(info->Guid, &MenuRow, sizeof MenuRow))
    return nullptr;
  int row = ShowMenu();
  if (row >= 0)
    RunRow(row);
  return nullptr;
}

intptr_t WINAPI ConfigureW(const ConfigureInfo *info) {
  Put(info->Guid && !memcmp(info->Guid, &ConfigRow, sizeof ConfigRow) ? L"[configure]"
                                                                      : L"[configure: wrong row]");
  return TRUE;
}

intptr_t WINAPI ProcessSynchroEventW(const ProcessSynchroEventInfo *info) {
  wchar_t text[60];
  Fsf.snprintf(text, 60, L"[synchro %d on the host's thread: %ls]", (int)(intptr_t)info->Param,
               GetCurrentThreadId() == HostThread ? L"yes" : L"no");
  Put(text);
  return 0;
}

void WINAPI ExitFARW(const ExitInfo *) {}
}
