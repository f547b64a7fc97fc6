/* A format's mistakes said before they cost, and deliveries that say where
   the text went, as a person meets them in the stand-in, in both
   languages. */
#include "e2e_support.h"
#include "farhost_run.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

const char *const Languages[] = {"Eng", "Rus"};

FarhostRun RunIn(const char *language, const std::string &name, const std::string &options,
                 const std::string &keys, const TestRootKey &root) {
  std::string file = WriteWorkFile(name + ".keys", keys);
  return RunFarhost(name, std::string("--lang ") + language + " " + options + "--keys-file \"" +
                              file + "\" " + root.Option());
}

bool Holds(const std::string &screen, const std::string &text) {
  return !text.empty() && screen.find(text) != std::string::npos;
}

/* A misspelt zone is asked about: "Insert anyway" inserts; "Back" brings
   the preset's dialog back as typed, its preview line naming the zone. */
TEST(Mistakes, AMisspeltZoneIsAskedAboutBeforeItIsInserted) {
  for (const char *language : Languages) {
    SCOPED_TRACE(language);
    TestRootKey root(std::string("mistake_zone_") + language);
    root.SetDword("Auto", "Custom", 1);
    root.SetString("Auto", "Format", "[%{@Tokio}%Y]");
    root.SetString("Format1", "Name", "Tokio");
    root.SetString("Format1", "Format", "<%{@Tokio}%Y>");
    root.SetDword("Format1", "Mode", 0x10000); /* at the cursor, with its dialog */
    FarhostRun run = RunIn(language, std::string("mistake_zone_") + language, "",
                           "F11 Enter Enter Dump Enter Space "
                           "F11 Enter Down Enter Down Enter Enter Dump Right Enter Dump Esc",
                           root);
    ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
    std::vector<std::string> screens = Screens(run);
    ASSERT_EQ(screens.size(), 3u) << run.Output;
    EXPECT_TRUE(Holds(screens[0], Message(language, 135)) &&
                Holds(screens[0], Message(language, 173)) && Holds(screens[0], "\"@Tokio\""))
        << "the question names the zone\n"
        << screens[0];
    EXPECT_EQ(run.Cmdline, "[" + ExpandNow("%Y") + "] ") << "Insert anyway inserted\n" << run.Log;
    EXPECT_TRUE(Holds(screens[1], Message(language, 135))) << "asked again\n" << screens[1];
    EXPECT_TRUE(Holds(screens[2], "<%{@Tokio}%Y>") && Holds(screens[2], Message(language, 173)))
        << "Back: the dialog as typed, the preview naming the zone\n"
        << screens[2];
  }
}

/* A preset without a name is not saved: a note, then the dialog back with
   the format typed, the focus on the name, which typed there saves it. */
TEST(Mistakes, APresetWithoutANameIsRefused) {
  for (const char *language : Languages) {
    SCOPED_TRACE(language);
    TestRootKey root(std::string("mistake_name_") + language);
    FarhostRun run = RunIn(language, std::string("mistake_name_") + language, "",
                           "F11 Enter Down Enter Ins Tab \"[%Y]\" Enter Dump Enter Dump "
                           "\"Year\" Enter Esc",
                           root);
    ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
    std::vector<std::string> screens = Screens(run);
    ASSERT_EQ(screens.size(), 2u) << run.Output;
    EXPECT_TRUE(Holds(screens[0], Message(language, 139))) << screens[0];
    EXPECT_TRUE(Holds(screens[1], "[%Y]")) << "the dialog as typed\n" << screens[1];
    EXPECT_EQ(root.GetString("Format1", "Name"), "Year") << "saved once named";
    EXPECT_EQ(root.GetString("Format1", "Format"), "[%Y]");
  }
}

/* From the calendar a format that gives no text is refused with its note
   and the calendar comes back; from the viewer a picked day goes to the
   command line behind it, and a note says so. */
TEST(Mistakes, TheCalendarRefusesNoTextAndTellsTheViewerWhere) {
  const std::string OpenCalendar = "F11 Enter Down Down Down Enter ";
  for (const char *language : Languages) {
    SCOPED_TRACE(language);
    TestRootKey root(std::string("mistake_calendar_") + language);
    root.SetString("Format11", "Format", "%{+3000000d}%Y");
    root.SetDword("Format11", "Mode", 0x10000);
    FarhostRun refused = RunIn(language, std::string("mistake_calendar_") + language, "",
                               OpenCalendar + "Enter Dump Enter Dump Esc", root);
    ASSERT_EQ(refused.ExitCode, 0) << refused.Stderr;
    std::vector<std::string> screens = Screens(refused);
    ASSERT_EQ(screens.size(), 2u) << refused.Output;
    EXPECT_TRUE(Holds(screens[0], Message(language, 134))) << screens[0];
    EXPECT_TRUE(Holds(screens[1], " " + ExpandNow("%Y") + " ")) << "the calendar back\n"
                                                                << screens[1];
    EXPECT_EQ(refused.Cmdline, "");

    root.SetString("Format11", "Format", "[%Y]");
    FarhostRun viewer = RunIn(language, std::string("calendar_viewer_") + language,
                              "--from viewer ", OpenCalendar + "Enter Dump Enter", root);
    ASSERT_EQ(viewer.ExitCode, 0) << viewer.Stderr;
    screens = Screens(viewer);
    ASSERT_EQ(screens.size(), 1u) << viewer.Output;
    EXPECT_TRUE(Holds(screens[0], Message(language, 141))) << screens[0];
    EXPECT_EQ(viewer.Cmdline, "[" + ExpandNow("%Y") + "]");
  }
}

/* Under "as the interface language" the default names follow the host's
   language as it is switched, without a restart. */
TEST(Mistakes, TheDefaultNamesFollowAHostLanguageSwitch) {
  std::string names[2];
  for (int i = 0; i < 2; i++) {
    TestRootKey root(std::string("names_switch_") + Languages[i]);
    root.SetDword("Auto", "Custom", 1);
    root.SetString("Auto", "Format", "%d %B");
    FarhostRun run = RunIn(Languages[i], std::string("names_start_") + Languages[i], "",
                           "F11 Enter Enter", root);
    ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
    names[i] = run.Cmdline;
  }
  ASSERT_EQ(names[0], ExpandNow("%d %B")) << "English names under the English interface";
  ASSERT_NE(names[1], names[0]) << "the Russian interface's names differ";
  for (int i = 0; i < 2; i++) {
    const char *other = Languages[1 - i];
    TestRootKey root(std::string("names_switched_") + Languages[i]);
    root.SetDword("Auto", "Custom", 1);
    root.SetString("Auto", "Format", "%d %B");
    FarhostRun run = RunIn(Languages[i], std::string("names_switched_") + Languages[i], "",
                           std::string("Lang ") + other + " F11 Enter Enter Space Lang " +
                               Languages[i] + " F11 Enter Enter",
                           root);
    ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
    EXPECT_EQ(run.Cmdline, names[1 - i] + " " + names[i])
        << "started in " << Languages[i] << ", switched to " << other << " and back\n"
        << run.Log;
  }
}

} // namespace
