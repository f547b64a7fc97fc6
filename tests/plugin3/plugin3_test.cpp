// The 3.x front end against a fake host: what it tells the host, where a
// text goes from each place, what a macro gets, and the settings it keeps.
#include <gtest/gtest.h>
#include <string.h>

#include "fake_host3.h"
#include "plugin3/delivery3.h"
#include "plugin3/host3.h"
#include "plugin3/macro3.h"

extern "C" {
void WINAPI GetGlobalInfoW(GlobalInfo *info);
void WINAPI GetPluginInfoW(PluginInfo *info);
HANDLE WINAPI OpenW(const OpenInfo *info);
}

static const char OldKey[] = "Software\\Far Manager\\Plugins\\Horalis";

static std::wstring ThisYear(void) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return std::to_wstring(now.wYear);
}

class Plugin3 : public ::testing::Test {
protected:
  void SetUp() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, OldKey);
    Host = FakeHost3();
  }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, OldKey); }
  // OpenW from `from`, the main menu answered with `entry`.
  void Open(OPENFROM from, intptr_t entry, intptr_t data = 0) {
    Host.MenuAnswers.insert(Host.MenuAnswers.begin(), entry);
    OpenInfo info = {sizeof info, from, &PluginMenuGuid, data, NULL};
    EXPECT_EQ(NULL, OpenW(&info));
  }
};

TEST_F(Plugin3, TellsTheHostWhoItIs) {
  GlobalInfo global;
  memset(&global, 0, sizeof global);
  GetGlobalInfoW(&global);
  EXPECT_EQ(sizeof global, global.StructSize);
  EXPECT_TRUE(IsEqualGUID(PluginGuid, global.Guid));
  EXPECT_EQ(3u, global.MinFarVersion.Major) << "a 3.x plugin";
  EXPECT_EQ(0u, global.MinFarVersion.Minor) << "any 3.0 host of the stable builds";
  EXPECT_LT(global.MinFarVersion.Build, (DWORD)FAR3_SDK_BUILD);
  EXPECT_STREQ(L"Horalis", global.Title);
  StartPlugin();
  PluginInfo info;
  memset(&info, 0, sizeof info);
  GetPluginInfoW(&info);
  EXPECT_EQ(PF_EDITOR | PF_VIEWER | PF_DIALOG, info.Flags);
  ASSERT_EQ(1u, info.PluginMenu.Count);
  EXPECT_TRUE(IsEqualGUID(PluginMenuGuid, info.PluginMenu.Guids[0]));
  ASSERT_EQ(1u, info.PluginConfig.Count);
  EXPECT_TRUE(IsEqualGUID(ConfigMenuGuid, info.PluginConfig.Guids[0]));
}

TEST_F(Plugin3, AnOlderHostsShorterTableLeavesLateServicesOut) {
  StartPlugin(offsetof(PluginStartupInfo, SettingsControl));
  EXPECT_TRUE(Far.Menu != NULL);
  EXPECT_TRUE(Far.SettingsControl == NULL) << "past the host's StructSize";
  Open(OPEN_EDITOR, 0);
  EXPECT_EQ(L"text:" + ThisYear(), Host.Calls.back()) << "still inserts";
}

// Each place a menu is opened from, and what the text (the quick format,
// "%Y" here, with the user's "%Y\n%Y" in its place) becomes there.
TEST_F(Plugin3, QuickInsertionGoesWhereTheUserWas) {
  std::wstring y = ThisYear();
  StartPlugin();
  Open(OPEN_EDITOR, 0);
  EXPECT_EQ(L"text:" + y, Host.Calls.back());
  Open(OPEN_PLUGINSMENU, 0);
  EXPECT_EQ(L"cmdline:" + y, Host.Calls.back());
  Open(OPEN_VIEWER, 0);
  EXPECT_EQ(L"message:#133", Host.Calls.back()) << "the viewer's note";
  EXPECT_EQ(L"clipboard:" + y, Host.Calls[Host.Calls.size() - 2]);
  Host.Field = L"ab";
  Host.Cursor = 1;
  OpenDlgPluginData dialog = {sizeof dialog, (HANDLE)77};
  Open(OPEN_DIALOG, 0, (intptr_t)&dialog);
  EXPECT_EQ(L"a" + y + L"b", Host.Field) << "at the field's cursor";
  EXPECT_EQ(1 + (int)y.size(), Host.Cursor) << "the cursor after the text";
  Host.FieldType = DI_BUTTON;
  Open(OPEN_DIALOG, 0, (intptr_t)&dialog);
  EXPECT_EQ(L"message:#261", Host.Calls.back()) << "no field: said so";
  Host.EditorLocked = 1;
  Open(OPEN_EDITOR, 0);
  EXPECT_EQ(L"message:#132", Host.Calls.back()) << "read-only: said so";
}

TEST_F(Plugin3, LinesBecomeEditorLinesAndClipboardLines) {
  StartPlugin();
  struct Place3 editor = {TARGET_EDITOR, NULL}, line = {TARGET_COMMAND_LINE, NULL},
                clipboard = {TARGET_CLIPBOARD, NULL};
  EXPECT_EQ(PUT_DONE, PutText3(L"a\nb", &editor));
  EXPECT_EQ(PUT_DONE, PutText3(L"a\nb", &line));
  EXPECT_EQ(PUT_DONE, PutText3(L"a\nb\r\nc", &clipboard));
  std::vector<std::wstring> expected = {L"text:a", L"break", L"text:b", L"cmdline:a b",
                                        L"clipboard:a\r\nb\r\nc"};
  EXPECT_EQ(expected, Host.Calls);
}

TEST_F(Plugin3, ASilentMistakeAsksFirst) {
  StartPlugin();
  PutSetting(L"Auto", L"Custom", 1);
  Host.Settings.push_back({Host.Settings.back().Root, L"Format", FST_STRING, 0, L"%{zz}X"});
  Host.MessageAnswers = {1}; // Back
  Open(OPEN_EDITOR, 0);
  EXPECT_EQ(L"message:#142", Host.Calls.back()) << "asked, nothing inserted";
  Host.MessageAnswers = {0}; // Insert anyway
  Open(OPEN_EDITOR, 0);
  EXPECT_EQ(L"text:X", Host.Calls.back());
}

TEST_F(Plugin3, MacrosInsertOrReturnTextAndNothingOnAMistake) {
  StartPlugin();
  struct Case {
    const wchar_t *Verb, *Format;
    WINDOWINFO_TYPE Window;
    FARMACROVARTYPE Result;
    const wchar_t *Call;
  } cases[] = {
      {L"text", L"%{ja}%B", WTYPE_PANELS, FMVT_STRING, NULL},
      {L"insert", L"x%%", WTYPE_EDITOR, FMVT_BOOLEAN, L"text:x%"},
      {L"insert", L"x", WTYPE_PANELS, FMVT_BOOLEAN, L"cmdline:x"},
      {L"insert", L"x", WTYPE_VIEWER, FMVT_UNKNOWN, NULL},
      {L"insert", L"%{zz}x", WTYPE_EDITOR, FMVT_UNKNOWN, NULL},
      {L"text", L"", WTYPE_PANELS, FMVT_UNKNOWN, NULL},
      {L"paste", L"x", WTYPE_EDITOR, FMVT_UNKNOWN, NULL},
  };
  for (const Case &c : cases) {
    Host.Calls.clear();
    Host.Window = c.Window;
    FarMacroValue values[2];
    values[0].Type = values[1].Type = FMVT_STRING;
    values[0].String = c.Verb;
    values[1].String = c.Format;
    OpenMacroInfo call = {sizeof call, 2, values};
    OpenInfo info = {sizeof info, OPEN_FROMMACRO, &PluginGuid, (intptr_t)&call, NULL};
    FarMacroCall *result = (FarMacroCall *)OpenW(&info);
    SCOPED_TRACE(testing::Message() << "verb " << (const char *)(c.Verb[0] == 't' ? "text" : "x"));
    EXPECT_EQ(c.Result == FMVT_UNKNOWN, result == NULL) << c.Format;
    EXPECT_EQ(c.Call ? 1u : 0u, Host.Calls.size()) << "no box, no text from a macro but its own";
    if (c.Call && !Host.Calls.empty()) {
      EXPECT_EQ(c.Call, Host.Calls[0]);
    }
    if (!result)
      continue;
    ASSERT_EQ(1u, result->Count);
    EXPECT_EQ(c.Result, result->Values[0].Type);
    if (c.Result == FMVT_STRING) {
      EXPECT_EQ(L'\x6708', result->Values[0].String[wcslen(result->Values[0].String) - 1])
          << "a Japanese month ends with 月";
    }
    result->Callback(result->CallbackData, result->Values, result->Count);
  }
}

TEST_F(Plugin3, TheNamesChoiceIsKeptAndFollowsTheHostsLanguage) {
  StartPlugin();
  Host.MenuAnswers = {2}; // the names' menu: the runtime's
  Open(OPEN_PLUGINSMENU, 1);
  const FakeSetting *stored = FindSetting(L"Config", L"UserLanguage");
  ASSERT_TRUE(stored != NULL);
  EXPECT_EQ(0u, stored->Number) << "the runtime's names, as the 1.60 plugin stores them";
}

TEST_F(Plugin3, TheOldPluginsSettingsAreTakenOverOnce) {
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS,
            RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Far Manager\\Plugins\\Horalis\\Auto", 0,
                            NULL, 0, KEY_ALL_ACCESS, NULL, &key, NULL));
  const char oem[] = "%d \x8c\xa0\xa9"; // "Май" in code page 866
  DWORD custom = 1;
  RegSetValueExA(key, "Format", 0, REG_SZ, (const BYTE *)oem, sizeof oem);
  RegSetValueExA(key, "Custom", 0, REG_DWORD, (const BYTE *)&custom, sizeof custom);
  RegCloseKey(key);
  StartPlugin();
  const FakeSetting *format = FindSetting(L"Auto", L"Format");
  ASSERT_TRUE(format != NULL);
  if (GetOEMCP() == 866) {
    EXPECT_EQ(L"%d \x41c\x430\x439", format->Text) << "decoded from the OEM code page";
  }
  EXPECT_EQ(1u, FindSetting(L"Auto", L"Custom")->Number);
  Open(OPEN_PLUGINSMENU, -1);
  EXPECT_EQ(L"message:#260", Host.Calls.front()) << "the note says so, once";
  // A restart keeps the settings and takes nothing over again.
  Host.Calls.clear();
  Host.Settings.back().Text = L"changed";
  StartPlugin();
  Open(OPEN_PLUGINSMENU, -1);
  EXPECT_EQ(1u, Host.Calls.size()) << "only the menu";
  EXPECT_EQ(L"changed", Host.Settings.back().Text);
}
