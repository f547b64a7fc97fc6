/* The stand-in's second face, end to end: the tests' 3.x probe plugin
   loaded by farhost, each of its menu rows calling one host service and
   putting the answer where the user is. Runs the same on x86 and x64. */
#include "farhost_run.h"

#include <stdio.h>
#include <string>
#include <windows.h>

#include <gtest/gtest.h>

namespace {

FarhostRun RunProbe(const std::string &name, const std::string &arguments) {
  return RunFarhost("face3_" + name, "--own-clipboard --scratch-settings " + arguments);
}

TEST(Face3, EachServiceAnswersThroughTheProbe) {
  const struct {
    const char *Name, *From, *Language, *Keys, *Cmdline, *Editor, *Log;
  } cases[] = {
      {"insert_panels", "panels", "Eng", "F11 Enter i", "[Hello 12月]", "",
       "OpenW plugin=100 from=1"},
      {"insert_editor_rus", "editor", "Rus", "F11 Enter i", "", "[Привет 12月]",
       "OpenW plugin=100 from=5"},
      {"message_yes", "panels", "Eng", "F11 Enter m Enter", "[message=0]", "",
       "Message flags=0x40000"},
      {"message_esc", "panels", "Eng", "F11 Enter m Esc", "[message=-1]", "", "Message"},
      {"break_f2", "panels", "Eng", "F11 Enter Down F2", "[break 0 row 1]", "", "breakcode=0"},
      {"break_ctrl_up", "panels", "Eng", "F11 Enter Ctrl+Up", "[break 1 row 0]", "", "breakcode=1"},
      {"disabled_skipped", "panels", "Eng", "F11 Enter End Up Enter", "[host 3.0]", "",
       "ACTL_GETFARMANAGERVERSION"},
      {"synchro", "panels", "Eng", "F11 Enter y",
       "[synchro asked][synchro 42 on the host's thread: yes]", "",
       "ProcessSynchroEventW plugin=100"},
      {"clipboard", "panels", "Eng", "F11 Enter c", "[pasted=Ж 12月 size=6]", "",
       "FSF CopyToClipboard type=1 5 characters -> 1"},
      {"command_line", "panels", "Eng", "ab Left F11 Enter o", "[cmd=ab size=3 pos=1]", "",
       "FCTL_GETCMDLINEPOS -> 1"},
      {"dialog_refused", "panels", "Eng", "F11 Enter d", "[dialog refused]", "",
       "DialogInit items=0 -> INVALID_HANDLE_VALUE"},
      {"configure", "panels", "Eng", "F9 Enter Esc", "[configure]", "", "ConfigureW plugin=100"},
      {"editor_unicode_kept", "editor", "Eng", "F11 Enter i Left Left F11 Enter i", "",
       "[Hello 12[Hello 12月]月]", "ECTL_INSERTTEXT"},
  };
  for (const auto &c : cases) {
    FarhostRun run = RunProbe(c.Name, std::string("--from ") + c.From + " --lang " + c.Language +
                                          " --keys \"" + c.Keys + "\"");
    ASSERT_EQ(run.ExitCode, 0) << c.Name << ": " << run.Stderr;
    EXPECT_EQ(run.Cmdline, c.Cmdline) << c.Name << "\n" << run.Log;
    EXPECT_EQ(run.Editor, c.Editor) << c.Name;
    EXPECT_NE(run.Log.find(c.Log), std::string::npos) << c.Name << ": expected " << c.Log;
    EXPECT_NE(run.Log.find("ExitFARW plugin=100"), std::string::npos) << c.Name;
  }
}

TEST(Face3, LoadsGlobalInfoFirstAndRefusesAPluginNeedingANewerHost) {
  FarhostRun run = RunProbe("load", "--keys \"F10\"");
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  size_t global = run.Log.find("GetGlobalInfoW"), startup = run.Log.find("SetStartupInfoW");
  ASSERT_NE(global, std::string::npos) << run.Log;
  EXPECT_LT(global, startup) << "GetGlobalInfoW comes before SetStartupInfoW";
  FarhostRun refused = RunProbe("refused", "--plugins \"" NEW_PLUGINS_DIR "\" --keys \"F10\"");
  EXPECT_NE(refused.Stderr.find("needs a newer host"), std::string::npos) << refused.Stderr;
  EXPECT_EQ(refused.Log.find("SetStartupInfoW"), std::string::npos) << "never started";
}

TEST(Face3, MenusAndHelpShowThePluginsTextsInTheHostsLanguage) {
  const struct { const char *Language, *Title; } cases[] = {{"Eng", "Probe"}, {"Rus", "Проба"}};
  for (const auto &c : cases) {
    FarhostRun run =
        RunProbe(std::string("menu_") + c.Language,
                 std::string("--lang ") + c.Language + " --keys \"F11 Enter Dump Esc\"");
    std::vector<std::string> screens = Screens(run);
    ASSERT_EQ(screens.size(), 1u) << run.Output;
    EXPECT_NE(screens[0].find(c.Title), std::string::npos) << screens[0];
    EXPECT_NE(screens[0].find("Clipboard"), std::string::npos) << screens[0];
  }
  FarhostRun help = RunProbe("help", "--keys \"F11 Enter h Dump Esc\"");
  std::vector<std::string> screens = Screens(help);
  ASSERT_EQ(screens.size(), 1u) << help.Log;
  EXPECT_NE(screens[0].find("The probe calls each service"), std::string::npos) << screens[0];
}

TEST(Face3, MacroCallsReturnValuesAndInsert) {
  const struct {
    const char *Name, *From, *Keys, *Macro, *Cmdline, *Editor;
  } cases[] = {
      {"echo", "panels", "Call \\\"echo\\\" \\\"abc\\\"", "string \"abc 12月\", integer 3",
       "[freed]", ""},
      {"insert", "editor", "Call \\\"insert\\\" \\\"%d\\\"", "true", "", "%d"},
      {"unknown", "panels", "Call \\\"nope\\\" \\\"x\\\"", "nothing (false)", "", ""},
  };
  for (const auto &c : cases) {
    FarhostRun run = RunProbe(std::string("macro_") + c.Name,
                              std::string("--from ") + c.From + " --keys \"" + c.Keys + "\"");
    ASSERT_EQ(run.ExitCode, 0) << c.Name << ": " << run.Stderr;
    EXPECT_NE(run.Output.find(std::string("macro: ") + Escaped(c.Macro)), std::string::npos)
        << c.Name << "\n"
        << run.Output << run.Log;
    EXPECT_EQ(run.Cmdline, c.Cmdline) << c.Name;
    EXPECT_EQ(run.Editor, c.Editor) << c.Name;
    EXPECT_NE(run.Log.find("OpenW plugin=100 from=11"), std::string::npos) << c.Name;
  }
}

TEST(Face3, SettingsAreKeptAcrossRuns) {
  char root[80];
  snprintf(root, sizeof root, "Software\\HoralisTests\\face3_%lu", GetCurrentProcessId());
  const char *expected[] = {"[runs=1 last=none values=3]", "[runs=2 last=Ж-12月 values=3]"};
  for (int i = 0; i < 2; ++i) {
    FarhostRun run = RunFarhost("face3_settings_" + std::to_string(i),
                                std::string("--own-clipboard --root-key \"") + root +
                                    "\" --keys \"F11 Enter s\"");
    EXPECT_EQ(run.Cmdline, expected[i]) << "run " << i + 1 << "\n" << run.Log;
  }
  RegDeleteTreeA(HKEY_CURRENT_USER, root);
}

#ifdef _WIN64
/* The 64-bit stand-in says why it cannot take a 32-bit DLL, or a 64-bit
   one of another kind, and goes on without them. */
TEST(Face3, The64BitStandInLoadsOnly3xPlugins) {
  const struct {
    const char *Source, *Said;
  } cases[] = {
      {"C:\\windows\\syswow64\\version.dll", "a 32-bit plugin cannot load into the 64-bit"},
      {"C:\\windows\\system32\\version.dll", "the 64-bit stand-in loads only those"}};
  int n = 0;
  for (const auto &c : cases) {
    std::string folder = WorkPath("face3_others_" + std::to_string(n++));
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA((folder + "/Other").c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(c.Source, (folder + "/Other/Other.dll").c_str(), FALSE)) << c.Source;
    FarhostRun run = RunProbe("others", "--plugins \"" + folder + "\" --keys \"F10\"");
    EXPECT_EQ(run.ExitCode, 0) << run.Stderr;
    EXPECT_NE(run.Stderr.find(c.Said), std::string::npos) << c.Source << ": " << run.Stderr;
  }
}
#endif

} // namespace
