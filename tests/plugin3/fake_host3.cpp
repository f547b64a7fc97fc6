#include "fake_host3.h"

#include <string.h>

#include "plugin3/host3.h"

FakeHost3 Host;

static std::wstring Text(const wchar_t *text) { return text ? text : L"(null)"; }

static intptr_t NextAnswer(std::vector<intptr_t> &answers) {
  if (answers.empty())
    return -1;
  intptr_t answer = answers.front();
  answers.erase(answers.begin());
  return answer;
}

static intptr_t WINAPI Menu(const GUID *, const GUID *, intptr_t, intptr_t, intptr_t, FARMENUFLAGS,
                            const wchar_t *title, const wchar_t *, const wchar_t *, const FarKey *,
                            intptr_t *breakCode, const FarMenuItem *items, size_t count) {
  std::wstring line = L"menu:" + Text(title);
  for (size_t item = 0; item < count; item++)
    line += L"|" + Text(items[item].Text);
  Host.Calls.push_back(line);
  if (breakCode)
    *breakCode = -1;
  return NextAnswer(Host.MenuAnswers);
}

static intptr_t WINAPI Message(const GUID *, const GUID *, FARMESSAGEFLAGS, const wchar_t *,
                               const wchar_t *const *items, size_t count, intptr_t) {
  Host.Calls.push_back(L"message:" + Text(count > 1 ? items[1] : NULL));
  return NextAnswer(Host.MessageAnswers);
}

static const wchar_t *WINAPI GetMsg(const GUID *, intptr_t id) {
  // As the host's, each text stays where it is while the plugin runs.
  static std::wstring texts[300];
  if (id == 151)
    return Host.Language.c_str();
  if (id == 7)
    return L"%Y";
  if (id < 0 || id >= 300)
    return NULL;
  texts[id] = L"#" + std::to_wstring(id);
  return texts[id].c_str();
}

static intptr_t WINAPI EditorControl(intptr_t, EDITOR_CONTROL_COMMANDS command, intptr_t,
                                     void *param) {
  if (Host.EditorLocked)
    return 0;
  if (command == ECTL_INSERTTEXT)
    Host.Calls.push_back(L"text:" + Text((const wchar_t *)param));
  if (command == ECTL_INSERTSTRING)
    Host.Calls.push_back(L"break");
  return 1;
}

static intptr_t WINAPI PanelControl(HANDLE, FILE_CONTROL_COMMANDS command, intptr_t, void *param) {
  if (command == FCTL_INSERTCMDLINE)
    Host.Calls.push_back(L"cmdline:" + Text((const wchar_t *)param));
  return 1;
}

static BOOL WINAPI CopyToClipboard(FARCLIPBOARD_TYPE, const wchar_t *data) {
  Host.Calls.push_back(L"clipboard:" + Text(data));
  return TRUE;
}

static intptr_t WINAPI AdvControl(const GUID *, ADVANCED_CONTROL_COMMANDS command, intptr_t,
                                  void *param) {
  if (command != ACTL_GETWINDOWINFO)
    return 0;
  WindowInfo *window = (WindowInfo *)param;
  window->Type = Host.Window;
  window->Id = Host.Window == WTYPE_DIALOG ? 77 : 1;
  return 1;
}

static intptr_t WINAPI SendDlgMessage(HANDLE dialog, intptr_t msg, intptr_t, void *param) {
  if (dialog != (HANDLE)77)
    return 0;
  FarDialogItemData *data = (FarDialogItemData *)param;
  switch (msg) {
  case DM_GETFOCUS:
    return 3;
  case DM_GETDLGITEMSHORT:
    ((FarDialogItem *)param)->Type = Host.FieldType;
    ((FarDialogItem *)param)->Flags = Host.FieldFlags;
    return 1;
  case DM_GETTEXT:
    if (data)
      wcsncpy(data->PtrData, Host.Field.c_str(), data->PtrLength);
    return (intptr_t)Host.Field.size();
  case DM_SETTEXT:
    Host.Field.assign(data->PtrData, data->PtrLength);
    return 1;
  case DM_GETCURSORPOS:
    ((COORD *)param)->X = Host.Cursor;
    return 1;
  case DM_SETCURSORPOS:
    Host.Cursor = ((COORD *)param)->X;
    return 1;
  default:
    return 0;
  }
}

static FakeSetting *Find(size_t root, const wchar_t *name) {
  for (FakeSetting &setting : Host.Settings)
    if (setting.Root == root && setting.Name == name)
      return &setting;
  return NULL;
}

// Roots: 0 the top, then 1 + the index of a key's name in Host.Keys.
static intptr_t Subkey(FarSettingsValue *value, int create) {
  std::wstring name = std::to_wstring(value->Root) + L"\\" + value->Value;
  for (size_t key = 0; key < Host.Keys.size(); key++)
    if (Host.Keys[key] == name)
      return (intptr_t)key + 1;
  if (!create)
    return 0;
  Host.Keys.push_back(name);
  return (intptr_t)Host.Keys.size();
}

static intptr_t WINAPI SettingsControl(HANDLE handle, FAR_SETTINGS_CONTROL_COMMANDS command,
                                       intptr_t, void *param) {
  FarSettingsItem *item = (FarSettingsItem *)param;
  if (command == SCTL_CREATE) {
    ((FarSettingsCreate *)param)->Handle = (HANDLE)5;
    return 1;
  }
  if (handle != (HANDLE)5)
    return 0;
  if (command == SCTL_CREATESUBKEY || command == SCTL_OPENSUBKEY)
    return Subkey((FarSettingsValue *)param, command == SCTL_CREATESUBKEY);
  FakeSetting *found = item ? Find(item->Root, item->Name) : NULL;
  if (command == SCTL_GET && found && found->Type == item->Type) {
    item->Number = found->Number;
    if (item->Type == FST_STRING)
      item->String = found->Text.c_str();
    return 1;
  }
  if (command == SCTL_SET) {
    FakeSetting setting = {item->Root, item->Name, item->Type, 0, L""};
    if (item->Type == FST_QWORD)
      setting.Number = item->Number;
    if (item->Type == FST_STRING)
      setting.Text = item->String;
    found ? (void)(*found = setting) : Host.Settings.push_back(setting);
    return 1;
  }
  return command == SCTL_FREE;
}

const FakeSetting *FindSetting(const wchar_t *key, const wchar_t *name) {
  for (size_t root = 0; root < Host.Keys.size(); root++)
    if (Host.Keys[root] == std::wstring(L"0\\") + key)
      return Find(root + 1, name);
  return NULL;
}

void PutSetting(const wchar_t *key, const wchar_t *name, unsigned long long number) {
  FarSettingsValue value = {sizeof value, 0, key};
  size_t root = (size_t)Subkey(&value, 1);
  FakeSetting setting = {root, name, FST_QWORD, number, L""};
  Host.Settings.push_back(setting);
}

extern "C" void WINAPI SetStartupInfoW(const PluginStartupInfo *info);

void StartPlugin(size_t structSize) {
  static FarStandardFunctions fsf;
  static PluginStartupInfo info;
  memset(&fsf, 0, sizeof fsf);
  fsf.StructSize = sizeof fsf;
  fsf.CopyToClipboard = CopyToClipboard;
  memset(&info, 0, sizeof info);
  info.StructSize = structSize ? structSize : sizeof info;
  info.Menu = Menu;
  info.Message = Message;
  info.GetMsg = GetMsg;
  info.PanelControl = PanelControl;
  info.EditorControl = EditorControl;
  info.FSF = &fsf;
  info.AdvControl = AdvControl;
  info.SendDlgMessage = SendDlgMessage;
  info.SettingsControl = SettingsControl;
  SetStartupInfoW(&info);
}
