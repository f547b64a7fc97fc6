#include "editor_text.h"
#include "host_state.h"
#include "input.h"
#include "plugin_menus.h"
#include "plugin_table.h"
#include "services.h"
#include "stand_in_fixture.h"

#include <string.h>
#include <string>
#include <vector>

namespace {

TEST(StartupInfo, FilledAsTheHostDoes) {
  PluginStartupInfo info;
  memset(&info, 0xCC, sizeof info);
  FillStartupInfo(&info, 2, "C:\\Far\\Plugins\\Horalis\\Horalis.dll", "Software\\Far\\Plugins");
  EXPECT_EQ(info.StructSize, (int)sizeof(PluginStartupInfo));
#if !defined(_WIN64) && !defined(__LP64__)
  EXPECT_EQ(info.StructSize, 336) << "the 1.60 record of a 32-bit host";
#endif
  EXPECT_STREQ(info.ModuleName, "C:\\Far\\Plugins\\Horalis\\Horalis.dll");
  EXPECT_EQ(info.ModuleNumber, 2);
  EXPECT_STREQ(info.RootKey, "Software\\Far\\Plugins");
  void *services[16];
  memcpy(services, &info.Menu, sizeof services);
  for (int i = 0; i < 16; ++i)
    EXPECT_NE(services[i], nullptr) << "service " << i << " is set";
}

TEST(StartupInfo, HarmlessServicesDoNoHarm) {
  PluginStartupInfo info;
  FillStartupInfo(&info, 0, "x.dll", "k");
  PluginPanelItem *items = (PluginPanelItem *)&info;
  int count = 7;
  EXPECT_EQ(info.GetDirList("C:\\", &items, &count), FALSE);
  EXPECT_EQ(items, nullptr);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(info.GetPluginDirList(0, nullptr, "x", nullptr, nullptr), FALSE);
  info.FreeDirList(nullptr);
  EXPECT_EQ(info.Viewer("x", "t", 0, 0, -1, -1, 0), FALSE);
  EXPECT_EQ(info.Editor("x", "t", 0, 0, -1, -1, 0, 1, 1), 0);
  EXPECT_EQ(info.CharTable(0, nullptr, 0), -1);
  EXPECT_EQ(info.CmpName("*.lng", "C:\\p\\HoralisEng.LNG", TRUE), TRUE);
  EXPECT_EQ(info.CmpName("*.lng", "C:\\p.lng\\x.hlf", TRUE), FALSE);
  EXPECT_EQ(info.CmpName("H?ralis*", "Horalis.dll", FALSE), TRUE);
  EXPECT_EQ(info.CmpName(nullptr, "x", FALSE), FALSE);
  EXPECT_EQ(info.Control(INVALID_HANDLE_VALUE, 9999, nullptr), FALSE);
  EXPECT_EQ(info.EditorControl(9999, nullptr), FALSE);
}

class ServicesTest : public StandInTest {};

TEST_F(ServicesTest, InsertCmdLineAtTheCursor) {
  const struct {
    const char *Typed; /* keys typed into the command line first */
    const char *Insert;
    const char *Result;
  } cases[] = {{"", "07.12.2026", "07.12.2026"},
               {"abc", "X", "abcX"},
               {"abc Left", "X", "abXc"},
               {"abc Home", "X", "Xabc"},
               {"abc Ctrl+Y", "X", "X"}, /* Ctrl+Y empties the line */
               {"abc", "", "abc"}};
  for (const auto &c : cases) {
    LineEditSet(&CommandLine, "", 0, LINE_EDIT_SIZE);
    PressKeys(c.Typed);
    HostKey key;
    while (InputNext(&key))
      LineEditKey(&CommandLine, &key);
    EXPECT_EQ(HostControl(INVALID_HANDLE_VALUE, FCTL_INSERTCMDLINE, (void *)c.Insert), TRUE);
    EXPECT_STREQ(CommandLine.Text, c.Result) << "typed \"" << c.Typed << "\"";
  }
  EXPECT_EQ(HostControl(INVALID_HANDLE_VALUE, FCTL_INSERTCMDLINE, nullptr), FALSE) << "no text";
  EXPECT_EQ(HostControl((HANDLE)1, FCTL_INSERTCMDLINE, (void *)"x"), FALSE)
      << "only the active panel (INVALID_HANDLE_VALUE) has the command line";
  EXPECT_STREQ(CommandLine.Text, "abc") << "refused insertions change nothing";
}

TEST_F(ServicesTest, InsertCmdLineKeepsWithinTheLine) {
  std::string long_(LINE_EDIT_SIZE + 100, 'z');
  LineEditSet(&CommandLine, "", 0, LINE_EDIT_SIZE);
  HostControl(INVALID_HANDLE_VALUE, FCTL_INSERTCMDLINE, (void *)long_.c_str());
  EXPECT_EQ(strlen(CommandLine.Text), (size_t)LINE_EDIT_SIZE - 1) << "cut to the line's size";
  HostControl(INVALID_HANDLE_VALUE, FCTL_INSERTCMDLINE, (void *)"more");
  EXPECT_EQ(strlen(CommandLine.Text), (size_t)LINE_EDIT_SIZE - 1) << "a full line takes no more";
}

TEST_F(ServicesTest, InsertTextAtTheEditorsCursor) {
  const struct {
    const char *Text;
    int Line, Column;
    const char *Insert;
    const char *Result;
  } cases[] = {
      {"", 0, 0, "07.12.2026", "07.12.2026"},
      {"Meeting: \nsecond", 0, 9, "07.12", "Meeting: 07.12\nsecond"},
      {"Meeting: \nsecond", 1, 3, "[x]", "Meeting: \nsec[x]ond"},
      {"ab", 0, 1, "1\r2", "a1\r\n2b"},
      {"x\nab", 1, 1, "1\r\n2\n3", "x\na1\n2\n3b"}, /* breaks as the file's lines */
      {"a\r\nb", 1, 1, "!", "a\r\nb!"},
  };
  CurrentArea = AREA_EDITOR;
  for (const auto &c : cases) {
    EditorSetText(c.Text, (int)strlen(c.Text));
    EditorSetCursor(c.Line, c.Column);
    EXPECT_EQ(HostEditorControl(ECTL_INSERTTEXT, (void *)c.Insert), TRUE);
    char text[256];
    EditorGetText(text, sizeof text);
    EXPECT_STREQ(text, c.Result) << "inserting \"" << c.Insert << "\" into \"" << c.Text << "\"";
  }
  CurrentArea = AREA_PANELS;
  EditorSetText("keep", 4);
  EXPECT_EQ(HostEditorControl(ECTL_INSERTTEXT, (void *)"x"), FALSE) << "no editor is current";
  CurrentArea = AREA_EDITOR;
  EXPECT_EQ(HostEditorControl(ECTL_INSERTTEXT, nullptr), FALSE) << "no text";
  EditorSetReadOnly(1);
  EXPECT_EQ(HostEditorControl(ECTL_INSERTTEXT, (void *)"x"), FALSE) << "a read-only file";
  char text[16];
  EditorGetText(text, sizeof text);
  EXPECT_STREQ(text, "keep");
}

TEST_F(ServicesTest, GetMsgFromTheChosenLanguageFile) {
  ClearPlugins();
  int n = AddPluginSlot("C:\\P\\Horalis\\Horalis.dll");
  ASSERT_EQ(n, 0);
  EXPECT_STREQ(Plugins[0].Folder, "C:\\P\\Horalis\\");
  const char text[] = ".Language=English,English\n\"Horalis\"\n\"&Insert\"\n";
  char error[LNG_ERROR_SIZE];
  static LngFile messages;
  ASSERT_EQ(ParseLng(text, sizeof text - 1, &messages, error, sizeof error), 1);
  EXPECT_STREQ(HostGetMsg(0, 0), "") << "not loaded yet";
  Plugins[0].Messages = &messages;
  EXPECT_STREQ(HostGetMsg(0, 0), "Horalis");
  EXPECT_STREQ(HostGetMsg(0, 1), "&Insert");
  EXPECT_STREQ(HostGetMsg(0, 2), "") << "past the last message: empty, never null";
  EXPECT_STREQ(HostGetMsg(0, -1), "");
  EXPECT_STREQ(HostGetMsg(5, 0), "") << "no such plugin";
  ClearPlugins();
}

/* Fake plugins, to see what the host's menus ask and pass. */
struct FakeCalls {
  std::vector<int> OpenFrom;
  std::vector<int> Configured;
  int InfoCalls = 0;
  int InfoWasZeroed = 1;
};
FakeCalls Calls;
DWORD FakeFlags = PF_EDITOR | PF_VIEWER;
int FakeNoConfig = 0;
const char *const FakeStrings[] = {"Horalis date and time"};

void WINAPI FakeGetPluginInfo(PluginInfo *info) {
  ++Calls.InfoCalls;
  static const PluginInfo zero = {};
  if (memcmp(info, &zero, sizeof zero) != 0)
    Calls.InfoWasZeroed = 0;
  info->StructSize = sizeof *info;
  info->Flags = FakeFlags;
  info->PluginMenuStrings = FakeStrings;
  info->PluginMenuStringsNumber = 1;
  if (!FakeNoConfig) {
    info->PluginConfigStrings = FakeStrings;
    info->PluginConfigStringsNumber = 1;
  }
}
HANDLE WINAPI FakeOpenPlugin(int openFrom, int) {
  Calls.OpenFrom.push_back(openFrom);
  return INVALID_HANDLE_VALUE;
}
int WINAPI FakeConfigure(int item) {
  Calls.Configured.push_back(item);
  return 1;
}

const char *const WithNull[] = {nullptr, "second"};
void WINAPI StrangeGetPluginInfo(PluginInfo *info) {
  info->Flags = PF_EDITOR;
  info->PluginMenuStrings = WithNull;
  info->PluginMenuStringsNumber = 2;
  info->PluginConfigStrings = nullptr;
  info->PluginConfigStringsNumber = 5; /* a count without strings */
}

class PluginMenusTest : public StandInTest {
protected:
  void SetUp() override {
    StandInTest::SetUp();
    Calls = FakeCalls();
    FakeFlags = PF_EDITOR | PF_VIEWER;
    FakeNoConfig = 0;
    ClearPlugins();
    AddPluginSlot("C:\\P\\Horalis\\Horalis.dll");
    Plugins[0].GetPluginInfo = FakeGetPluginInfo;
    Plugins[0].OpenPlugin = FakeOpenPlugin;
    Plugins[0].Configure = FakeConfigure;
  }
  void TearDown() override { ClearPlugins(); }
};

TEST_F(PluginMenusTest, OpenPluginGetsTheAreasOpenFrom) {
  const struct {
    int Area, OpenFrom;
  } cases[] = {
      {AREA_PANELS, OPEN_PLUGINSMENU}, {AREA_EDITOR, OPEN_EDITOR}, {AREA_VIEWER, OPEN_VIEWER}};
  for (const auto &c : cases) {
    Calls.OpenFrom.clear();
    PressKeys("Enter");
    EXPECT_EQ(RunPluginsMenu(c.Area), 0) << AreaName(c.Area);
    ASSERT_EQ(Calls.OpenFrom.size(), 1u) << AreaName(c.Area);
    EXPECT_EQ(Calls.OpenFrom[0], c.OpenFrom) << AreaName(c.Area);
  }
  EXPECT_EQ(Calls.InfoWasZeroed, 1) << "GetPluginInfo gets a zeroed record each time";
  EXPECT_EQ(Calls.InfoCalls, 3) << "asked anew for each menu";
  PressKeys("Esc");
  Calls.OpenFrom.clear();
  EXPECT_EQ(RunPluginsMenu(AREA_PANELS), -1);
  EXPECT_TRUE(Calls.OpenFrom.empty()) << "Esc opens nothing";
}

TEST_F(PluginMenusTest, FlagsDecideWhereThePluginIsOffered) {
  PluginMenuEntry entries[MENU_MAX_ENTRIES];
  const struct {
    DWORD Flags;
    int Panels, Editor, Viewer;
  } cases[] = {{0, 1, 0, 0},
               {PF_EDITOR, 1, 1, 0},
               {PF_VIEWER, 1, 0, 1},
               {PF_EDITOR | PF_VIEWER, 1, 1, 1},
               {PF_DISABLEPANELS | PF_EDITOR, 0, 1, 0}};
  for (const auto &c : cases) {
    FakeFlags = c.Flags;
    EXPECT_EQ(CollectPluginEntries(AREA_PANELS, 0, entries, MENU_MAX_ENTRIES), c.Panels)
        << "flags " << c.Flags << " panels";
    EXPECT_EQ(CollectPluginEntries(AREA_EDITOR, 0, entries, MENU_MAX_ENTRIES), c.Editor)
        << "flags " << c.Flags << " editor";
    EXPECT_EQ(CollectPluginEntries(AREA_VIEWER, 0, entries, MENU_MAX_ENTRIES), c.Viewer)
        << "flags " << c.Flags << " viewer";
  }
}

TEST_F(PluginMenusTest, ConfigurationMenuListsConfigStringsOnly) {
  PluginMenuEntry entries[MENU_MAX_ENTRIES];
  ASSERT_EQ(CollectPluginEntries(AREA_PANELS, 1, entries, MENU_MAX_ENTRIES), 1);
  EXPECT_STREQ(entries[0].Text, "Horalis date and time");
  PressKeys("Enter Esc");
  EXPECT_EQ(RunConfigMenu(), 1) << "Configure called once, then Esc";
  ASSERT_EQ(Calls.Configured.size(), 1u);
  EXPECT_EQ(Calls.Configured[0], 0) << "the item number of the string";
  EXPECT_EQ(LastConfigureResult(), 1);

  FakeNoConfig = 1; /* what NoUseMenu does to the plugin's record */
  EXPECT_EQ(CollectPluginEntries(AREA_PANELS, 1, entries, MENU_MAX_ENTRIES), 0)
      << "no configuration strings: no entry";
  EXPECT_EQ(CollectPluginEntries(AREA_PANELS, 0, entries, MENU_MAX_ENTRIES), 1)
      << "the plugin menu keeps its entry";
  PressKeys("Enter");
  EXPECT_EQ(RunConfigMenu(), 0) << "nothing to configure";
  EXPECT_EQ(Calls.Configured.size(), 1u);
}

TEST_F(PluginMenusTest, StrangePluginRecordsAreSafe) {
  Plugins[0].GetPluginInfo = StrangeGetPluginInfo;
  PluginMenuEntry entries[MENU_MAX_ENTRIES];
  ASSERT_EQ(CollectPluginEntries(AREA_EDITOR, 0, entries, MENU_MAX_ENTRIES), 2);
  EXPECT_STREQ(entries[0].Text, "") << "a null string shows empty";
  EXPECT_EQ(entries[1].Item, 1) << "OpenPlugin's Item is the string's index";
  EXPECT_EQ(CollectPluginEntries(AREA_PANELS, 1, entries, MENU_MAX_ENTRIES), 0);
  Plugins[0].GetPluginInfo = nullptr;
  EXPECT_EQ(CollectPluginEntries(AREA_PANELS, 0, entries, MENU_MAX_ENTRIES), 0)
      << "a plugin without GetPluginInfo has no entries";
}

} // namespace
