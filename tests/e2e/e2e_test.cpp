#include "e2e_support.h"
#include "farhost_run.h"

#include <string.h>
#include <string>
#include <time.h>
#include <windows.h>

#include <gtest/gtest.h>

namespace {

const char Note[] = "Meeting: \nsecond line\n";

TEST(QuickInsertion, IntoTheEditorAtItsCursor) {
  const struct {
    const char *Name, *Language, *Keys, *Editor;
  } cases[] = {
      {"editor_end_of_line", "Eng", "End F11 Enter Enter", "Meeting: <date>\nsecond line\n"},
      {"editor_inside_line", "Eng", "Down Right Right Right F11 Enter Enter",
       "Meeting: \nsec<date>ond line\n"},
      {"editor_russian", "Rus", "End F11 Enter Enter", "Meeting: <date>\nsecond line\n"},
  };
  for (const auto &c : cases) {
    std::string file = WriteWorkFile(std::string(c.Name) + ".txt", Note);
    TestRootKey root(c.Name);
    DateWindow window(Message(c.Language, 7));
    FarhostRun run =
        RunFarhost(c.Name, "--from editor --lang " + std::string(c.Language) + " --file \"" + file +
                               "\" --keys \"" + c.Keys + "\" " + root.Option());
    window.Close();
    ASSERT_EQ(run.ExitCode, 0) << c.Name << ": " << run.Stderr;
    EXPECT_TRUE(HasDate(run.Editor, c.Editor, window)) << c.Name << "\n" << run.Log;
    EXPECT_EQ(run.Cmdline, "") << c.Name << ": the command line is left alone";
    EXPECT_NE(run.Log.find("OpenPlugin plugin=0 from=5 item=0"), std::string::npos)
        << c.Name << ": called from the editor";
    EXPECT_NE(run.Log.find("EditorControl ECTL_INSERTTEXT"), std::string::npos) << c.Name;
  }
}

TEST(QuickInsertion, IntoTheCommandLineAtItsCursorFromThePanels) {
  TestRootKey root("panels");
  DateWindow window(Message("Eng", 7));
  FarhostRun run = RunFarhost(
      "panels", "--keys \"ab Left F11 Enter Enter\" --clipboard untouched " + root.Option());
  window.Close();
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  EXPECT_TRUE(HasDate(run.Cmdline, "a<date>b", window)) << run.Log;
  EXPECT_EQ(run.Clipboard, "untouched");
  EXPECT_NE(run.Log.find("OpenPlugin plugin=0 from=1 item=0"), std::string::npos)
      << "OpenFrom 1 from the panels' plugin menu";
  EXPECT_NE(run.Log.find("Control FCTL_INSERTCMDLINE"), std::string::npos);
}

TEST(QuickInsertion, OntoTheClipboardInAnsiFromTheViewer) {
  TestRootKey root("viewer");
  /* A format of its own with OEM letters ("Дата" in code page 866). */
  const std::string format = "\x84\xA0\xE2\xA0 %d.%m.%Y %H:%M";
  root.SetDword("Auto", "Custom", 1);
  root.SetString("Auto", "Format", format);
  DateWindow window(format);
  FarhostRun run = RunFarhost(
      "viewer", "--from viewer --keys \"F11 Enter Enter\" --clipboard before " + root.Option());
  window.Close();
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  char before[80], after[80];
  OemToCharA(window.Before.c_str(), before);
  OemToCharA(window.After.c_str(), after);
  DateWindow ansi(format);
  ansi.Before = before;
  ansi.After = after;
  EXPECT_TRUE(HasDate(run.Clipboard, "<date>", ansi)) << run.Log;
  if (GetOEMCP() != GetACP()) {
    EXPECT_NE(std::string(before), window.Before) << "OEM letters change in the ANSI code page";
  }
  EXPECT_EQ(run.Cmdline, "");
  EXPECT_NE(run.Log.find("OpenPlugin plugin=0 from=6 item=0"), std::string::npos);
}

TEST(QuickInsertion, EscInTheMenuDoesNothing) {
  const struct {
    const char *Name, *Area;
  } cases[] = {{"esc_panels", "panels"}, {"esc_editor", "editor"}, {"esc_viewer", "viewer"}};
  for (const auto &c : cases) {
    std::string file = WriteWorkFile(std::string(c.Name) + ".txt", Note);
    TestRootKey root(c.Name);
    FarhostRun run = RunFarhost(c.Name, std::string("--from ") + c.Area + " --file \"" + file +
                                            "\" --keys \"xy F11 Enter Esc\" --clipboard sentinel " +
                                            root.Option());
    ASSERT_EQ(run.ExitCode, 0) << c.Name << ": " << run.Stderr;
    EXPECT_NE(run.Log.find("Menu plugin=0 title=\"Horalis\""), std::string::npos)
        << c.Name << ": the main menu was shown\n"
        << run.Log;
    EXPECT_NE(run.Log.find("OpenPlugin -> INVALID_HANDLE_VALUE"), std::string::npos) << c.Name;
    EXPECT_EQ(run.Clipboard, "sentinel") << c.Name;
    if (std::string(c.Area) == "editor") {
      EXPECT_EQ(run.Editor, Escaped(std::string("xyMeeting: \nsecond line\n"))) << c.Name;
      EXPECT_EQ(run.Cmdline, "") << c.Name;
    } else {
      EXPECT_EQ(run.Cmdline, std::string(c.Area) == "panels" ? "xy" : "") << c.Name;
    }
    EXPECT_EQ(run.Log.find("ECTL_INSERTTEXT"), std::string::npos) << c.Name;
    EXPECT_EQ(run.Log.find("FCTL_INSERTCMDLINE"), std::string::npos) << c.Name;
  }
}

/* A custom quick format that is empty or cannot be read (512 bytes with no
   end) delivers nothing: from the viewer the clipboard keeps its text. */
TEST(QuickInsertion, AnEmptyOrUnreadableCustomFormatKeepsTheClipboard) {
  const struct {
    const char *Name;
    std::string Stored; /* the value's bytes, terminator included */
  } cases[] = {{"quick_empty", std::string(1, '\0')},
               {"quick_unterminated", std::string(512, 'x')}};
  for (const auto &c : cases) {
    TestRootKey root(c.Name);
    root.SetDword("Auto", "Custom", 1);
    root.SetBytes("Auto", "Format", REG_SZ, c.Stored);
    FarhostRun run = RunFarhost(
        c.Name, "--from viewer --keys \"F11 Enter Enter\" --clipboard kept " + root.Option());
    ASSERT_EQ(run.ExitCode, 0) << c.Name << ": " << run.Stderr;
    EXPECT_NE(run.Log.find("OpenPlugin plugin=0 from=6 item=0"), std::string::npos)
        << c.Name << ": quick insertion ran\n"
        << run.Log;
    EXPECT_EQ(run.Clipboard, "kept") << c.Name;
  }
}

/* Under a root key of 200 characters each settings dialog saves, and
   opened again shows what was saved. Keys go through a file, away from
   command-line quoting. */
TEST(SettingsDialogs, SaveAndReadBackUnderALongRootKey) {
  std::string erase;
  for (int i = 0; i < 40; i++)
    erase += "BS ";
  const std::string customField = "Down Space Tab End " + erase;
  const struct {
    const char *Name;
    std::string Keys; /* to the emptied field */
    const char *Key, *Value, *Typed;
  } cases[] = {
      {"long_root_auto", "F11 Enter F4 " + customField, "Auto", "Format", "[Auto %Y]"},
      {"long_root_menu", "F11 Enter Down F4 " + customField, "Menu", "Format", "[Menu %Y]"},
      {"long_root_preset", "F11 Enter Down Enter Down Ins \"Long\" Tab ", "Format1", "Format",
       "[Preset %Y]"},
      {"long_root_calendar", "F11 Enter Down Down Down F4 ", "Format11", "Format", "[Calendar %Y]"},
      {"long_root_clock", "F11 Enter Down Down F4 Alt+T End " + erase, "Indicator", "Pause",
       "1234"},
  };
  for (const auto &c : cases) {
    std::string name = c.Name;
    TestRootKey root(name + std::string(200 - 20 - name.size(), 'r'));
    ASSERT_EQ(root.Root.size(), 200u);
    /* Saved with Enter; the menu comes back on the entry, where F4 opens
       the same dialog again, read from the registry. */
    std::string keys = c.Keys + "\"" + c.Typed + "\" Enter F4 Dump Esc Esc Esc";
    FarhostRun run = RunFarhost(name, "--keys-file \"" + WriteWorkFile(name + ".keys", keys) +
                                          "\" " + root.Option());
    ASSERT_EQ(run.ExitCode, 0) << name << ": " << run.Stderr;
    std::string stored = std::string(c.Value) == "Pause"
                             ? std::to_string(root.GetDword(c.Key, c.Value))
                             : root.GetString(c.Key, c.Value);
    EXPECT_EQ(stored, c.Typed) << name << ": saved under the long root\n" << run.Log;
    std::vector<std::string> screens = Screens(run);
    ASSERT_EQ(screens.size(), 1u) << name << "\n" << run.Output;
    EXPECT_NE(screens[0].find(c.Typed), std::string::npos)
        << name << ": read back into the dialog\n"
        << screens[0];
    EXPECT_EQ(run.Log.find("Message plugin=0"), std::string::npos) << name << ": no failure box\n"
                                                                   << run.Log;
  }
}

/* A save the registry refuses says so, in each language, and the dialog
   comes back with the choice made in it. */
TEST(SettingsDialogs, ARefusedSaveSaysSoAndTheDialogComesBack) {
  for (const char *language : {"Eng", "Rus"}) {
    SCOPED_TRACE(language);
    TestRootKey root(std::string("refused_save") + language);
    root.MakeVolatile();
    FarhostRun run = RunFarhost("refused_save", std::string("--lang ") + language +
                                                    " --keys \"F11 Enter F4 Down Space Enter Dump "
                                                    "Enter Dump Esc Esc\" " +
                                                    root.Option());
    ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
    std::vector<std::string> screens = Screens(run);
    ASSERT_EQ(screens.size(), 2u) << run.Output;
    EXPECT_NE(screens[0].find(Message(language, 85) + " (1021)"), std::string::npos)
        << "the box's title with the system's code\n"
        << screens[0];
    EXPECT_NE(screens[0].find(Message(language, 88)), std::string::npos) << screens[0];
    size_t unchosen = screens[1].find("( ) "), chosen = screens[1].find("(\xF9) ");
    EXPECT_TRUE(unchosen != std::string::npos && chosen != std::string::npos && unchosen < chosen)
        << "the dialog back, its second choice, the custom format, still made\n"
        << screens[1];
    EXPECT_FALSE(root.HasKey("Auto")) << "nothing saved";
  }
}

TEST(ConfigurationMenu, CallsConfigure) {
  TestRootKey root("configure");
  /* Esc in the plugin's menu: Configure returns 0. */
  FarhostRun run = RunFarhost("configure_esc", "--keys \"F9 Enter Esc Esc\" " + root.Option());
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  EXPECT_NE(run.Log.find("configuration menu: 1 entries"), std::string::npos) << run.Log;
  EXPECT_NE(run.Log.find("Configure plugin=0 item=0"), std::string::npos);
  EXPECT_NE(run.Log.find("Menu plugin=0 title=\"Horalis\""), std::string::npos)
      << "Configure opens the plugin's menu";
  EXPECT_NE(run.Log.find("Configure -> 0"), std::string::npos);
  /* Enter on the first entry opens its settings dialog; then Configure is 1. */
  run = RunFarhost("configure_enter", "--keys \"F9 Enter Enter Dump Esc Esc\" " + root.Option());
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  EXPECT_NE(run.Log.find("Dialog plugin=0"), std::string::npos) << "a settings dialog\n" << run.Log;
  EXPECT_NE(run.Log.find("Configure -> 1"), std::string::npos) << run.Log;
  EXPECT_EQ(run.Log.find("OpenPlugin plugin="), std::string::npos) << "nothing was opened";
  EXPECT_EQ(run.Cmdline, "");
}

TEST(ConfigurationMenu, NoUseMenuRemovesOnlyTheConfigurationEntry) {
  TestRootKey root("nousemenu");
  root.SetDword("Config", "NoUseMenu", 1);
  FarhostRun run = RunFarhost("nousemenu", "--keys \"F9 Enter F11 Esc\" " + root.Option());
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  EXPECT_NE(run.Log.find("configuration menu: 0 entries"), std::string::npos) << run.Log;
  EXPECT_EQ(run.Log.find("Configure plugin="), std::string::npos);
  EXPECT_NE(run.Log.find("plugins menu from panels: 1 entries"), std::string::npos)
      << "the plugin menu keeps Horalis";
  root.SetDword("Config", "NoUseMenu", 0);
  run = RunFarhost("usemenu", "--keys \"F9 Esc\" " + root.Option());
  EXPECT_NE(run.Log.find("configuration menu: 1 entries"), std::string::npos)
      << "read anew: with 0 the entry is back\n"
      << run.Log;
}

TEST(ClipboardRefusal, ShowsTheErrorBoxWithTheSystemErrorInEachLanguage) {
  for (const char *language : {"Eng", "Rus"}) {
    TestRootKey root(std::string("refusal") + language);
    FarhostRun run = RunFarhost("refusal", std::string("--lang ") + language +
                                               " --from viewer --no-clipboard-rights --clipboard "
                                               "kept --keys \"F11 Enter Enter Dump Enter\" " +
                                               root.Option());
    ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
    size_t screen = run.Output.find("--- screen ---");
    ASSERT_NE(screen, std::string::npos) << run.Output;
    std::string dump = run.Output.substr(screen);
    SCOPED_TRACE(language);
    EXPECT_NE(dump.find(Message(language, 85) + " (5)"), std::string::npos)
        << "the box's title with the system's code\n"
        << dump;
    EXPECT_NE(dump.find(Message(language, 87)), std::string::npos) << dump;
    EXPECT_NE(dump.find("[ " + Message(language, 86) + " ]"), std::string::npos) << dump;
    EXPECT_EQ(dump.find("Cancel"), std::string::npos) << "one button\n" << dump;
    EXPECT_NE(run.Log.find("Message plugin=0 flags=1 items=5 buttons=1"), std::string::npos)
        << "a warning: title, text, the system's reason, separator, OK\n"
        << run.Log;
    EXPECT_EQ(run.Clipboard, "kept") << "the refused text did not replace the clipboard";
  }
}

TEST(Help, F1InThePluginsMenuShowsItsTopic) {
  TestRootKey root("help");
  FarhostRun run = RunFarhost("help", "--keys \"F11 Enter F1 Dump Esc Esc\" " + root.Option());
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  EXPECT_NE(run.Log.find("help: topic Contents"), std::string::npos) << run.Log;
  EXPECT_NE(run.Output.find("Horalis: date and time"), std::string::npos)
      << "the Contents topic of HoralisEng.hlf\n"
      << run.Output;
}

/* The zones topic, reached by its link in the contents, shows every '@'
   of its examples and prose, in both languages. */
TEST(Help, TheZonesTopicShowsEveryAt) {
  for (const char *language : {"Eng", "Rus"}) {
    TestRootKey root("help_zones");
    FarhostRun run = RunFarhost(
        "help_zones", std::string("--lang ") + language +
                          " --keys \"F11 Enter F1 Tab Tab Tab Tab Tab Tab Enter Dump PgDn Dump "
                          "Esc Esc\" " +
                          root.Option());
    ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
    EXPECT_NE(run.Log.find("help: topic Zones"), std::string::npos) << language << "\n" << run.Log;
    std::vector<std::string> screens = Screens(run);
    ASSERT_EQ(screens.size(), 2u) << run.Output;
    for (const char *shown : {"(@UTC+5:30, @UTC-3)", "(@Tokyo_Standard_Time)", "@Pacific"})
      EXPECT_NE(screens[0].find(shown), std::string::npos) << language << ": " << shown << "\n"
                                                           << screens[0];
    for (const char *shown : {"%{@Tokyo}%H:%M ", "%{@UTC+5:30}%H:%M %z", "%{@local}%H:%M "})
      EXPECT_NE(screens[1].find(shown), std::string::npos) << language << ": " << shown << "\n"
                                                           << screens[1];
  }
}

} // namespace
