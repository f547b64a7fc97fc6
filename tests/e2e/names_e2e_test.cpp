// The names every format takes without a "%{...}" of its own: by default
// those of the interface's language, otherwise the choice made in the
// configuration menu, kept under "Config".
#include "e2e_support.h"
#include "farhost_run.h"

#include <string>
#include <time.h>
#include <windows.h>

#include <gtest/gtest.h>

namespace {

const DWORD NothingStored = 0xFFFFFFFF;

// This month's name: the Windows user's, in the OEM code page, or the
// runtime's.
std::string MonthName(bool users) {
  time_t now = time(nullptr);
  const struct tm *today = localtime(&now);
  char text[64] = "";
  if (!users) {
    strftime(text, sizeof text, "%B", today);
    return text;
  }
  WCHAR wide[64];
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SMONTHNAME1 + today->tm_mon, wide, 64);
  WideCharToMultiByte(CP_OEMCP, 0, wide, -1, text, sizeof text, NULL, NULL);
  return text;
}

TEST(NamesSetting, TheDefaultFollowsTheInterfaceAndAStoredChoiceWins) {
  const struct {
    const char *Language;
    DWORD Stored;
    bool Users;
  } cases[] = {
      {"Eng", NothingStored, false}, {"Eng", 2, false}, {"Eng", 1, true}, {"Eng", 0, false},
      {"Rus", NothingStored, true},  {"Rus", 2, true},  {"Rus", 1, true}, {"Rus", 0, false},
  };
  for (const auto &c : cases) {
    std::string name = std::string("names_") + c.Language + std::to_string((int)c.Stored);
    TestRootKey root(name);
    if (c.Stored != NothingStored)
      root.SetDword("Config", "UserLanguage", c.Stored);
    root.SetDword("Auto", "Custom", 1);
    root.SetString("Auto", "Format", "%B");
    FarhostRun run = RunFarhost(name, "--lang " + std::string(c.Language) +
                                          " --keys \"F11 Enter Enter\" " + root.Option());
    ASSERT_EQ(run.ExitCode, 0) << name << ": " << run.Stderr;
    EXPECT_EQ(MonthName(c.Users), run.Cmdline)
        << name << ": expected the " << (c.Users ? "Windows user's" : "runtime's") << " name";
  }
}

// The menu's fifth entry, from the configuration menu (Enter) and from the
// plugin's menu (F4) alike: each choice is stored and used at once.
TEST(NamesSetting, EachChoiceOfTheMenuIsStoredAndUsed) {
  const struct {
    const char *Language, *Open, *Line;
    DWORD Stored;
    bool Users;
  } cases[] = {
      {"Eng", "F9 Enter End Enter", "", 2, false},
      {"Eng", "F11 Enter End F4", "Down", 1, true},
      {"Rus", "F9 Enter End Enter", "Down Down", 0, false},
      {"Rus", "F11 Enter End F4", "", 2, true},
  };
  for (const auto &c : cases) {
    std::string name = std::string("names_menu_") + c.Language + std::to_string((int)c.Stored);
    TestRootKey root(name);
    root.SetDword("Auto", "Custom", 1);
    root.SetString("Auto", "Format", "%B");
    // The menu it was opened from comes back, and Esc leaves it.
    std::string keys = std::string(c.Open) + " " + c.Line + " Enter Esc F11 Enter Enter";
    FarhostRun run = RunFarhost(name, "--lang " + std::string(c.Language) + " --keys \"" + keys +
                                          "\" " + root.Option());
    ASSERT_EQ(run.ExitCode, 0) << name << ": " << run.Stderr;
    EXPECT_NE(std::string::npos, run.Log.find("title=\"" + Message(c.Language, 152) + "\""))
        << name << ": the names' menu\n"
        << run.Log;
    EXPECT_EQ(c.Stored, root.GetDword("Config", "UserLanguage")) << name;
    EXPECT_EQ(MonthName(c.Users), run.Cmdline) << name << ": the choice is used at once";
  }
}

} // namespace
