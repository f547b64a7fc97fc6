/* The clock indicator in the stand-in: shown in the corner while the host
   goes on, then gone with the host's screen as it was. */
#include "e2e_support.h"
#include "farhost_run.h"

#include <string.h>

#include <string>

#include <gtest/gtest.h>

namespace {

/* Main menu, third entry: the clock. */
const std::string ShowClock = "F11 Enter Down Down Enter ";

std::string Row(const std::string &screen, int row) {
  size_t at = screen.find('\n'); /* past the "--- screen ---" line */
  for (int i = 0; i < row && at != std::string::npos; ++i)
    at = screen.find('\n', at + 1);
  if (at == std::string::npos)
    return "";
  size_t end = screen.find('\n', at + 1);
  return screen.substr(at + 1, end == std::string::npos ? end : end - at - 1);
}

/* A custom clock format shown for pause milliseconds. */
void StoreClock(TestRootKey &root, const std::string &format, DWORD pause) {
  root.SetDword("Indicator", "Custom", 1);
  root.SetString("Indicator", "Format", format);
  root.SetDword("Indicator", "Pause", pause);
}

TEST(Clock, ShownInTheCornerThenGoneWithThePanelsIntact) {
  const char *languages[] = {"Eng", "Rus"};
  for (const char *language : languages) {
    TestRootKey root(std::string("clock_shown_") + language);
    root.SetDword("Indicator", "Custom", 1);
    root.SetString("Indicator", "Format", "[clock %Y]");
    root.SetDword("Indicator", "Pause", 1500);
    root.SetDword("Indicator", "Ycoord", 1);
    DateWindow window("[clock %Y]");
    FarhostRun run = RunFarhost(std::string("clock_shown_") + language,
                                std::string("--lang ") + language + " --keys \"Dump " + ShowClock +
                                    "Wait 700 Dump Esc Wait 2500 Dump\" " + root.Option());
    window.Close();
    ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
    std::vector<std::string> screens = Screens(run);
    ASSERT_EQ(screens.size(), 3u) << run.Output;
    std::string before = Row(screens[0], 1), during = Row(screens[1], 1);
    size_t length = window.Before.size();
    ASSERT_GT(before.size(), length) << screens[0];
    std::string tail = during.substr(during.size() - length);
    EXPECT_TRUE(tail == window.Before || tail == window.After)
        << language << ": the text ends in the last column of row 1\n"
        << screens[1];
    EXPECT_EQ(before.substr(0, before.size() - length), during.substr(0, during.size() - length))
        << language << ": the rest of the row is the host's";
    EXPECT_EQ(screens[0], screens[2]) << language << ": afterwards the screen is as before";
  }
}

/* The log line of the console's title and code page at a moment. */
std::string ConsoleState(const FarhostRun &run, const std::string &when) {
  size_t at = run.Log.find("host: " + when + ": ");
  return at == std::string::npos
             ? "<not logged>"
             : run.Log.substr(at + 8 + when.size(), run.Log.find('\n', at) - at - 8 - when.size());
}

/* The clock ticks: two screens 1.5 s apart during one display show
   different seconds. */
TEST(Clock, TwoScreensApartShowDifferentSeconds) {
  TestRootKey root("clock_ticks");
  StoreClock(root, "[%H:%M:%S]", 5000);
  root.SetDword("Indicator", "SwitchMode", 1);
  FarhostRun run =
      RunFarhost("clock_ticks", "--keys \"" + ShowClock + "Wait 500 Dump Wait 1500 Dump " +
                                    ShowClock + "\" " + root.Option());
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  std::vector<std::string> screens = Screens(run);
  ASSERT_EQ(screens.size(), 2u) << run.Output;
  std::string first = Row(screens[0], 0), second = Row(screens[1], 0);
  size_t at = first.rfind('['), other = second.rfind('[');
  ASSERT_NE(at, std::string::npos) << screens[0];
  ASSERT_NE(other, std::string::npos) << screens[1];
  EXPECT_EQ(first.size() - at, 10u) << "[hh:mm:ss] flush right\n" << screens[0];
  EXPECT_NE(first.substr(at), second.substr(other)) << "the seconds moved on";
}

/* The host quits while the clock shows: it calls ExitFAR and frees the
   module; the clock is gone at once, with the screen, the title and the
   code page as the host had them. */
TEST(Clock, QuitDuringADisplayPutsEverythingBack) {
  TestRootKey root("clock_quit");
  StoreClock(root, "[clock %Y]", 60000);
  root.SetDword("Indicator", "Title", 1);
  DWORD start = GetTickCount();
  FarhostRun run = RunFarhost("clock_quit", "--dump --keys \"Dump " + ShowClock +
                                                "Wait 700 Dump\" " + root.Option());
  DWORD lasted = GetTickCount() - start;
  ASSERT_EQ(run.ExitCode, 0) << "no crash on the unload\n" << run.Stderr;
  std::vector<std::string> screens = Screens(run);
  ASSERT_EQ(screens.size(), 3u) << run.Output;
  EXPECT_NE(Row(screens[1], 0).find("[clock "), std::string::npos) << "shown\n" << screens[1];
  EXPECT_EQ(screens[0], screens[2]) << "the screen as before the display";
  EXPECT_NE(run.Log.find("ExitFAR plugin=0"), std::string::npos) << run.Log;
  EXPECT_NE(ConsoleState(run, "as the host starts"), "<not logged>") << run.Log;
  EXPECT_EQ(ConsoleState(run, "as the host starts"),
            ConsoleState(run, "after the plugins are unloaded"))
      << "the title and the output code page as the host had them";
  EXPECT_LT(lasted, 30000u) << "the display of a minute did not hold the host";
}

/* The host's own steps during a display, in either language; the
   clock reads none of the host's texts once it shows:
   - kept until switched off, in the default format of the language file,
     while the host switches its language and frees the old texts;
   - the plugin unloaded without ExitFAR, its texts freed, mid-display;
   - a title the host sets during a display stays after it, while one it
     left alone comes back. */
TEST(Clock, TheHostsStepsDuringADisplay) {
  const struct {
    const char *name, *language, *steps;
    DWORD stay, title;
    const char *titleAfter; /* "" for the title from before the display */
  } cases[] = {
      {"language", "Eng", "Lang Rus Wait 1500 Dump ", 1, 0, ""},
      {"language", "Rus", "Lang Eng Wait 1500 Dump ", 1, 0, ""},
      {"unload", "Rus", "Unload Wait 3000 Dump ", 0, 0, ""},
      {"title", "Eng", "Title \\\"host title\\\" Wait 3000 Dump ", 0, 1, "host title"},
      {"title_kept", "Rus", "Wait 3000 Dump ", 0, 1, ""},
  };
  for (const auto &c : cases) {
    std::string name = std::string("clock_") + c.name + "_" + c.language;
    SCOPED_TRACE(name);
    TestRootKey root(name);
    root.SetDword("Indicator", "Pause", 2000);
    root.SetDword("Indicator", "Stay", c.stay);
    root.SetDword("Indicator", "Title", c.title);
    std::string keys = "Dump " + ShowClock + "Wait 700 Dump " + c.steps + (c.stay ? ShowClock : "");
    FarhostRun run = RunFarhost(name, std::string("--lang ") + c.language + " --keys \"" + keys +
                                          "\" " + root.Option());
    ASSERT_EQ(run.ExitCode, 0) << "no fault\n" << run.Stderr << run.Log;
    std::vector<std::string> screens = Screens(run);
    ASSERT_EQ(screens.size(), 3u) << run.Output;
    EXPECT_NE(Row(screens[1], 0), Row(screens[0], 0)) << "shown\n" << screens[1];
    if (c.stay) {
      EXPECT_NE(Row(screens[2], 0), Row(screens[0], 0)) << "still shown\n" << screens[2];
    } else {
      EXPECT_EQ(screens[0], screens[2]) << "afterwards the screen as before";
    }
    std::string before = ConsoleState(run, "at dump 1");
    std::string title = c.titleAfter[0] ? "console title \"" + std::string(c.titleAfter) + "\""
                                        : before.substr(0, before.find(", output"));
    EXPECT_EQ(0u, ConsoleState(run, "at dump 3").find(title)) << run.Log;
  }
}

/* A format typed in the dialog is stored in the OEM code page, like every
   text the host hands over; shown in Russian, its letters are right. */
TEST(Clock, ACyrillicFormatShowsInRussian) {
  TestRootKey root("clock_cyrillic");
  const std::string time = "\x82\xE0\xA5\xAC\xEF"; /* "Время" in code page 866 */
  StoreClock(root, time + " %Y", 1500);
  DateWindow window(time + " %Y");
  FarhostRun run = RunFarhost("clock_cyrillic", "--lang Rus --keys \"" + ShowClock +
                                                    "Wait 500 Dump\" " + root.Option());
  window.Close();
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  std::vector<std::string> screens = Screens(run);
  ASSERT_EQ(screens.size(), 1u) << run.Output;
  std::string top = Row(screens[0], 0);
  EXPECT_TRUE(top.find(window.Before) != std::string::npos ||
              top.find(window.After) != std::string::npos)
      << "\"Время\" and the year in the top row\n"
      << screens[0];
}

/* Main menu, third entry, F4: the clock's settings; then the display
   time's field emptied of its "3000". */
const std::string ClockSettings = "F11 Enter Down Down F4 ";
const std::string PauseField = "Tab Tab Tab End BS BS BS BS ";

TEST(Clock, TheSettingsRefuseANegativeDisplayTime) {
  const char *languages[] = {"Eng", "Rus"};
  for (const char *language : languages) {
    std::string name = std::string("clock_refuse_") + language;
    TestRootKey root(name);
    FarhostRun run = RunFarhost(name, std::string("--lang ") + language + " --keys \"" +
                                          ClockSettings + PauseField +
                                          "-5 Enter Dump Enter "
                                          "Dump Esc\" " +
                                          root.Option());
    ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
    std::vector<std::string> screens = Screens(run);
    ASSERT_EQ(screens.size(), 2u) << run.Output;
    EXPECT_NE(screens[0].find(Message(language, 74)), std::string::npos)
        << language << ": the range named\n"
        << screens[0];
    EXPECT_NE(screens[1].find("-5"), std::string::npos)
        << language << ": the dialog again, with the input\n"
        << screens[1];
    EXPECT_EQ(root.GetDword("Indicator", "Pause"), 0xDEADBEEFu) << language << ": nothing saved";
  }
}

/* In the colour picker (Alt+L), Right and Space choose blue and "t" tries
   it; the focus stays on blue, so Right and Space choose green, which
   Enter accepts. Back in the settings the focus is on "Colour...": Enter
   opens the picker again, Enter accepts, Tab and Enter save. */
TEST(Clock, ThePickersFocusStaysOnTheColourShown) {
  TestRootKey root("clock_colour_focus");
  FarhostRun run = RunFarhost("clock_colour_focus", "--keys \"" + ClockSettings +
                                                        "Alt+L Right Space t Right Space Enter "
                                                        "Enter Dump Enter Tab Enter\" " +
                                                        root.Option());
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  EXPECT_EQ(root.GetDword("Indicator", "Color"), 0x32u) << "green on cyan\n" << run.Log;
  std::vector<std::string> screens = Screens(run);
  ASSERT_EQ(screens.size(), 1u) << run.Output;
  EXPECT_NE(screens[0].find(Message("Eng", 61)), std::string::npos)
      << "Enter on the colour button opened the picker again\n"
      << screens[0];
}

} // namespace

namespace {

/* The editor's own clock (HH:MM at the status line's right end) turns a
   minute every 300 ms here, under a display that covers it: when the
   display has ended, the status line shows the host's newest clock, never
   one saved before the host wrote it. */
TEST(Clock, TheEditorsClockComesBackAsTheHostLastWroteIt) {
  TestRootKey root("clock_host_clock");
  StoreClock(root, "[%H:%M:%S]", 1000);
  FarhostRun run =
      RunFarhost("clock_host_clock", "--from editor --minute 300 --keys \"Dump " + ShowClock +
                                         "Wait 1200 Dump\" " + root.Option());
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  std::vector<std::string> screens = Screens(run);
  ASSERT_EQ(screens.size(), 2u) << run.Output;
  std::vector<std::string> clocks;
  const std::string logged = "editor: clock ";
  for (size_t at = run.Log.find(logged); at < run.Log.rfind("dump");
       at = run.Log.find(logged, at + 1))
    clocks.push_back(run.Log.substr(at + logged.size(), 5));
  ASSERT_GE(clocks.size(), 4u) << "the clock turned during the display\n" << run.Log;
  std::string status = Row(screens[1], 0);
  ASSERT_GE(status.size(), 5u) << screens[1];
  EXPECT_EQ(clocks.back(), status.substr(status.size() - 5)) << screens[1] << run.Log;
  std::string before = Row(screens[0], 0);
  EXPECT_EQ(before.substr(0, before.size() - 5), status.substr(0, status.size() - 5))
      << "the rest of the status line is the host's";
}

} // namespace
