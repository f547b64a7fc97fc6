/* The presets and the quick-format settings as a person uses them: menus
   and dialogs of the real Horalis.dll and Dialog.gen in the stand-in. */
#include "e2e_support.h"
#include "farhost_run.h"

#include <string>

#include <gtest/gtest.h>

namespace {

const char Bar[] = "\xB3"; /* the menu's column bar in the OEM code page */

/* Keys with typed text go through a keys file, away from command-line
   quoting. */
std::string KeysOption(const std::string &name, const std::string &keys) {
  return "--keys-file \"" + WriteWorkFile(name + ".keys", keys) + "\" ";
}

/* Main menu, second entry: the presets menu. */
const std::string OpenPresets = "F11 Enter Down Enter ";

TEST(Presets, CreateWithInsSeeThePreviewAndInsertWithOneKey) {
  TestRootKey root("preset_create");
  std::string file = WriteWorkFile("preset_create.txt", "");
  DateWindow window("[%Y]");
  /* Ins on slot 1: the format, the name, then Quick insert; Enter saves.
     The menu comes back with the preview; Enter on slot 1 inserts at once. */
  FarhostRun run = RunFarhost(
      "preset_create",
      "--from editor --file \"" + file + "\" " +
          KeysOption("preset_create", OpenPresets + "Down Ins \"[%Y]\" Shift+Tab \"Year\" "
                                                    "Tab Tab Tab Tab Space Enter Dump Enter") +
          root.Option());
  window.Close();
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  EXPECT_TRUE(HasDate(run.Editor, "<date>", window)) << "inserted at the cursor\n" << run.Log;
  EXPECT_EQ(root.GetString("Format1", "Name"), "Year");
  EXPECT_EQ(root.GetString("Format1", "Format"), "[%Y]");
  EXPECT_EQ(root.GetDword("Format1", "Mode"), 0x10001u) << "quick insert, at the cursor";
  std::vector<std::string> screens = Screens(run);
  ASSERT_EQ(screens.size(), 1u) << run.Output;
  std::string line = std::string("1  ") + Bar + " Year       " + Bar + " ";
  EXPECT_TRUE(screens[0].find(line + window.Before) != std::string::npos ||
              screens[0].find(line + window.After) != std::string::npos)
      << "the live preview\n"
      << screens[0];
  EXPECT_EQ(run.Log.find("Dialog plugin=0", run.Log.rfind("Menu plugin=0")), std::string::npos)
      << "no dialog after the last menu: quick insert";
}

TEST(Presets, EditWithF4AndDeleteWithDel) {
  TestRootKey root("preset_edit");
  root.SetString("Format2", "Name", "Old");
  root.SetString("Format2", "Format", "old");
  root.SetDword("Format2", "Mode", 0);
  FarhostRun run = RunFarhost(
      "preset_edit",
      KeysOption("preset_edit",
                 OpenPresets + "Down Down F4 Shift+Tab BS BS BS \"New\" Enter Dump Del Dump Esc") +
          root.Option());
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  std::vector<std::string> screens = Screens(run);
  ASSERT_EQ(screens.size(), 2u) << run.Output;
  EXPECT_NE(screens[0].find(std::string("2  ") + Bar + " New        " + Bar + " old"),
            std::string::npos)
      << "F4 edited the slot\n"
      << screens[0];
  EXPECT_NE(screens[1].find(std::string("2  ") + Bar + " <None>     " + Bar), std::string::npos)
      << "Del removed it at once\n"
      << screens[1];
  EXPECT_FALSE(root.HasKey("Format2")) << "the slot's key is gone";
  EXPECT_EQ(run.Cmdline, "") << "nothing was inserted";
}

TEST(QuickFormat, F4OnTheFirstEntryChangesTheNextQuickInsertion) {
  TestRootKey root("quick_format");
  std::string file = WriteWorkFile("quick_format.txt", "");
  DateWindow window("<%Y>");
  /* F4 on the first entry: custom format, the field emptied and typed, OK;
     the menu comes back on that entry and Enter inserts with it. */
  std::string erase;
  for (int i = 0; i < 40; i++)
    erase += "BS ";
  FarhostRun run = RunFarhost(
      "quick_format", "--from editor --file \"" + file + "\" " +
                          KeysOption("quick_format", "F11 Enter F4 Shift+Tab Space Tab End " +
                                                         erase + "\"<%Y>\" Enter Enter") +
                          root.Option());
  window.Close();
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  EXPECT_EQ(root.GetDword("Auto", "Custom"), 1u);
  EXPECT_EQ(root.GetString("Auto", "Format"), "<%Y>");
  EXPECT_TRUE(HasDate(run.Editor, "<date>", window)) << run.Log;
}

} // namespace
