/* The presets and the quick-format settings as a person uses them: menus
   and dialogs of the real Horalis.dll and Dialog.gen in the stand-in. */
#include "e2e_support.h"
#include "farhost_run.h"

#include <string>

#include <gtest/gtest.h>

namespace {

const char Bar[] = "\xB3"; /* the menu's column bar in the OEM code page */

/* A run under the test's own settings root. Keys with typed text go
   through a keys file, away from command-line quoting. */
FarhostRun RunWithKeys(const std::string &name, const std::string &options, const std::string &keys,
                       const TestRootKey &root) {
  return RunFarhost(name, options + "--keys-file \"" + WriteWorkFile(name + ".keys", keys) + "\" " +
                              root.Option());
}

std::string EditorOption(const std::string &file) {
  return "--from editor --file \"" + file + "\" ";
}

/* Main menu, second entry: the presets menu. */
const std::string OpenPresets = "F11 Enter Down Enter ";

TEST(Presets, CreateWithInsSeeThePreviewAndInsertWithOneKey) {
  TestRootKey root("preset_create");
  std::string file = WriteWorkFile("preset_create.txt", "");
  DateWindow window("[%Y]");
  /* Ins on slot 1: the dialog opens on the name, then the format, then
     Quick insert; Enter saves. The menu comes back with the preview; Enter
     on slot 1 inserts at once. */
  FarhostRun run = RunWithKeys("preset_create", EditorOption(file),
                               OpenPresets + "Down Ins Dump \"Year\" Tab \"[%Y]\" "
                                             "Tab Tab Tab Space Enter Dump Enter",
                               root);
  window.Close();
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  EXPECT_TRUE(HasDate(run.Editor, "<date>", window)) << "inserted at the cursor\n" << run.Log;
  EXPECT_EQ(root.GetString("Format1", "Name"), "Year");
  EXPECT_EQ(root.GetString("Format1", "Format"), "[%Y]");
  EXPECT_EQ(root.GetDword("Format1", "Mode"), 0x10001u) << "quick insert, at the cursor";
  std::vector<std::string> screens = Screens(run);
  ASSERT_EQ(screens.size(), 2u) << run.Output;
  EXPECT_EQ(screens[0].find("[ Insert ]"), std::string::npos)
      << "a showing that only saves has no Insert button\n"
      << screens[0];
  EXPECT_NE(screens[0].find("[ Save ]"), std::string::npos) << screens[0];
  std::string line = std::string("1  ") + Bar + " Year        " + Bar + " ";
  EXPECT_TRUE(screens[1].find(line + window.Before) != std::string::npos ||
              screens[1].find(line + window.After) != std::string::npos)
      << "the live preview\n"
      << screens[1];
  EXPECT_EQ(run.Log.find("Dialog plugin=0", run.Log.rfind("Menu plugin=0")), std::string::npos)
      << "no dialog after the last menu: quick insert";
}

TEST(Presets, EditWithF4AndDeleteWithDel) {
  TestRootKey root("preset_edit");
  root.SetString("Format2", "Name", "Old");
  root.SetString("Format2", "Format", "old");
  root.SetDword("Format2", "Mode", 0);
  FarhostRun run =
      RunWithKeys("preset_edit", "",
                  OpenPresets + "Down Down F4 BS BS BS \"New\" Enter Dump Del Dump Esc", root);
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  std::vector<std::string> screens = Screens(run);
  ASSERT_EQ(screens.size(), 2u) << run.Output;
  EXPECT_NE(screens[0].find(std::string("2  ") + Bar + " New         " + Bar + " old"),
            std::string::npos)
      << "F4 edited the slot\n"
      << screens[0];
  EXPECT_NE(screens[1].find(std::string("2  ") + Bar + " <None>      " + Bar), std::string::npos)
      << "Del removed it at once\n"
      << screens[1];
  EXPECT_FALSE(root.HasKey("Format2")) << "the slot's key is gone";
  EXPECT_EQ(run.Cmdline, "") << "nothing was inserted";
}

TEST(Presets, AfterSaveEnterInserts) {
  TestRootKey root("preset_save_insert");
  root.SetString("Format2", "Name", "Two");
  root.SetString("Format2", "Format", "<%Y>");
  root.SetDword("Format2", "Mode", 0x10000);
  std::string file = WriteWorkFile("preset_save_insert.txt", "");
  DateWindow window("<%Y>");
  /* Enter on slot 2: the dialog opens on the name; Save (Alt+S) keeps the
     new name and shows the dialog again, on the name, where Enter means
     the default button, Insert. */
  FarhostRun run = RunWithKeys("preset_save_insert", EditorOption(file),
                               OpenPresets + "Down Down Enter BS BS BS \"Deux\" Alt+S Enter", root);
  window.Close();
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  EXPECT_EQ(root.GetString("Format2", "Name"), "Deux") << "Save kept the name";
  EXPECT_TRUE(HasDate(run.Editor, "<date>", window)) << "Enter inserted\n" << run.Log;
  size_t dialogs = 0;
  for (size_t at = 0; (at = run.Log.find("Dialog plugin=0", at)) != std::string::npos; at++)
    dialogs++;
  EXPECT_EQ(dialogs, 2u) << "one showing before the save, one after\n" << run.Log;
}

TEST(Presets, AnEmptyFormatKeepsTheClipboard) {
  TestRootKey root("preset_empty");
  /* From the viewer, two Enters on a slot with nothing stored. */
  FarhostRun run = RunWithKeys("preset_empty", "--from viewer --clipboard kept ",
                               OpenPresets + "Down Enter Enter", root);
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  EXPECT_EQ(run.Clipboard, "kept") << run.Log;
}

TEST(Presets, ALongNameIsListed) {
  TestRootKey root("preset_long");
  root.SetString("Format4", "Name", std::string(80, 'n'));
  root.SetString("Format4", "Format", "%Y");
  FarhostRun run = RunWithKeys("preset_long", "", OpenPresets + "Dump Esc", root);
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  std::vector<std::string> screens = Screens(run);
  ASSERT_EQ(screens.size(), 1u) << run.Output;
  EXPECT_NE(screens[0].find(std::string("4  ") + Bar + " " + std::string(60, 'n')),
            std::string::npos)
      << "the saved preset is listed, not <None>\n"
      << screens[0];
}

/* The column of the second bar on each line of the presets menu. */
std::vector<size_t> SecondBars(const std::string &screen) {
  std::vector<size_t> columns;
  for (int slot = 0; slot <= 9; slot++) {
    size_t at = screen.find(std::to_string(slot) + "  " + Bar);
    if (at == std::string::npos)
      break;
    size_t second = screen.find(Bar, at + 4);
    columns.push_back(second - screen.rfind('\n', at));
  }
  return columns;
}

TEST(Presets, TheMenuHasItsTitleAndItsColumnsLineUpInBothLanguages) {
  TestRootKey root("preset_columns");
  root.SetString("Format4", "Name", "Four");
  root.SetString("Format4", "Format", "%Y");
  for (const char *language : {"Eng", "Rus"}) {
    FarhostRun run = RunWithKeys("preset_columns", std::string("--lang ") + language + " ",
                                 OpenPresets + "Dump Esc", root);
    ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
    std::vector<std::string> screens = Screens(run);
    ASSERT_EQ(screens.size(), 1u) << run.Output;
    std::vector<size_t> columns = SecondBars(screens[0]);
    ASSERT_EQ(columns.size(), 10u) << language << "\n" << screens[0];
    for (int slot = 1; slot <= 9; slot++)
      EXPECT_EQ(columns[(size_t)slot], columns[0])
          << language << ": slot " << slot << "'s bar under the free-format line's\n"
          << screens[0];
    EXPECT_NE(screens[0].find(Message(language, 13)), std::string::npos)
        << language << ": the menu's own title\n"
        << screens[0];
  }
}

TEST(QuickFormat, F4OnTheFirstEntryChangesTheNextQuickInsertion) {
  TestRootKey root("quick_format");
  std::string file = WriteWorkFile("quick_format.txt", "");
  DateWindow window("<%Y>");
  /* F4 on the first entry: the dialog opens on its radio group; custom
     format, the field emptied and typed, OK; the menu comes back on that
     entry and Enter inserts with it. */
  std::string erase;
  for (int i = 0; i < 40; i++)
    erase += "BS ";
  FarhostRun run =
      RunWithKeys("quick_format", EditorOption(file),
                  "F11 Enter F4 Down Space Tab End " + erase + "\"<%Y>\" Enter Enter", root);
  window.Close();
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  EXPECT_EQ(root.GetDword("Auto", "Custom"), 1u);
  EXPECT_EQ(root.GetString("Auto", "Format"), "<%Y>");
  EXPECT_TRUE(HasDate(run.Editor, "<date>", window)) << run.Log;
}

} // namespace
