/* The clock indicator in the stand-in: shown in the corner while the host
   goes on, then gone with the host's screen as it was. */
#include "e2e_support.h"
#include "farhost_run.h"

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

} // namespace
