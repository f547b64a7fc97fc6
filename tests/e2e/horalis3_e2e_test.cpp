/* The 3.x plugin end to end through the stand-in's second face: its main
   menu in both languages, quick insertion into the editor and the command
   line, macros inserting and returning text, and its settings kept across
   a restart after the 1.60 plugin's were taken over. */
#include "farhost_run.h"

#include <stdio.h>
#include <string>
#include <windows.h>

#include <gtest/gtest.h>

namespace {

FarhostRun RunHoralis3(const std::string &name, const std::string &arguments) {
  return RunFarhost("horalis3_" + name, "--own-clipboard " + arguments);
}

// Empty: nothing may arrive; otherwise what arrived holds it.
void ExpectArrived(const std::string &arrived, const std::string &wanted, const char *name) {
  if (wanted.empty()) {
    EXPECT_EQ(arrived, "") << name;
  } else {
    EXPECT_NE(arrived.find(wanted), std::string::npos) << name << ": " << arrived;
  }
}

std::string ThisYear() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return std::to_string(now.wYear);
}

std::string ThisMonth() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return std::to_string(now.wMonth);
}

TEST(Horalis3, MainMenuInTheHostsLanguage) {
  const struct {
    const char *Language, *Quick, *Names;
  } cases[] = {{"Eng", "Insert date and time", "Names of months and days"},
               {"Rus", "Вставить дату и время", "Названия месяцев и дней"}};
  for (const auto &c : cases) {
    FarhostRun run = RunHoralis3(std::string("menu_") + c.Language,
                                 std::string("--scratch-settings --lang ") + c.Language +
                                     " --keys \"F11 Enter Dump Esc\"");
    std::vector<std::string> screens = Screens(run);
    ASSERT_EQ(screens.size(), 1u) << run.Output << run.Stderr;
    EXPECT_NE(screens[0].find(c.Quick), std::string::npos) << screens[0];
    EXPECT_NE(screens[0].find(c.Names), std::string::npos) << screens[0];
    EXPECT_EQ(screens[0].find("Presets"), std::string::npos) << "no entry of the next wave";
  }
}

// The quick format is "%d %B %Y %H:%M" in English, "%d.%m.%Y %H:%M" in
// Russian: the year is in either; the macros' formats are their own.
TEST(Horalis3, TextArrivesWhereTheUserIs) {
  std::string month = ThisMonth() + "月", year = ThisYear();
  const struct {
    const char *Name, *From, *Language, *Keys;
    std::string Cmdline, Editor, Macro;
  } cases[] = {
      {"quick_editor", "editor", "Eng", "F11 Enter Enter", "", year, ""},
      {"quick_panels_rus", "panels", "Rus", "F11 Enter Enter", year, "", ""},
      {"macro_insert_ja", "editor", "Eng", "Call \\\"insert\\\" \\\"%{ja}%B\\\"", "", month,
       "boolean true"},
      {"macro_text", "panels", "Rus", "Call \\\"text\\\" \\\"%{ja}%B\\\"", "", "",
       "string \"" + month + "\""},
      {"macro_mistake", "editor", "Eng", "Call \\\"insert\\\" \\\"%{Mars}%H\\\"", "", "",
       "nothing (false)"},
  };
  for (const auto &c : cases) {
    FarhostRun run =
        RunHoralis3(c.Name, std::string("--scratch-settings --from ") + c.From + " --lang " +
                                c.Language + " --keys \"" + c.Keys + "\"");
    ASSERT_EQ(run.ExitCode, 0) << c.Name << ": " << run.Stderr;
    ExpectArrived(run.Cmdline, c.Cmdline, c.Name);
    ExpectArrived(run.Editor, c.Editor, c.Name);
    if (!c.Macro.empty()) {
      EXPECT_NE(run.Output.find("macro: " + Escaped(c.Macro)), std::string::npos) << c.Name;
    }
  }
}

// The 1.60 plugin's quick format is taken over on the first start, with a
// note; a restart keeps it and takes nothing over again.
TEST(Horalis3, OldSettingsTakenOverOnceAndKeptAcrossARestart) {
  const char *old = "Software\\Far Manager\\Plugins\\Horalis\\Auto";
  char root[80];
  snprintf(root, sizeof root, "Software\\HoralisTests\\horalis3_%lu", GetCurrentProcessId());
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, old, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key, NULL),
            ERROR_SUCCESS);
  DWORD custom = 1;
  RegSetValueExA(key, "Custom", 0, REG_DWORD, (const BYTE *)&custom, sizeof custom);
  RegSetValueExA(key, "Format", 0, REG_SZ, (const BYTE *)"old %Y", 7);
  const char *keys[] = {"F11 Enter Dump Enter Enter", "F11 Enter Enter"};
  for (int i = 0; i < 2; ++i) {
    FarhostRun run =
        RunHoralis3("takeover_" + std::to_string(i),
                    std::string("--root-key \"") + root + "\" --keys \"" + keys[i] + "\"");
    EXPECT_EQ(run.Cmdline, "old " + ThisYear()) << "run " << i + 1 << "\n" << run.Log;
    std::vector<std::string> screens = Screens(run);
    if (i == 0) {
      ASSERT_EQ(screens.size(), 1u) << run.Output;
      EXPECT_NE(screens[0].find("were taken over"), std::string::npos) << screens[0];
    }
    // Changed after the first start: never read again.
    RegSetValueExA(key, "Format", 0, REG_SZ, (const BYTE *)"new %Y", 7);
  }
  RegCloseKey(key);
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Far Manager\\Plugins\\Horalis");
  RegDeleteTreeA(HKEY_CURRENT_USER, root);
}

} // namespace
