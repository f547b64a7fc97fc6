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
  FarhostRun run = RunWithKeys(
      "preset_edit", "",
      OpenPresets + "Down Down F4 BS BS BS \"New\" Enter Dump Del Enter Dump Esc", root);
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  std::vector<std::string> screens = Screens(run);
  ASSERT_EQ(screens.size(), 2u) << run.Output;
  EXPECT_NE(screens[0].find(std::string("2  ") + Bar + " New         " + Bar + " old"),
            std::string::npos)
      << "F4 edited the slot\n"
      << screens[0];
  EXPECT_NE(screens[1].find(std::string("2  ") + Bar + " <None>      " + Bar), std::string::npos)
      << "Del and Enter on \"Delete\" removed it\n"
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
  root.SetString("Format5", "Name", std::string(90, 'n'));
  root.SetString("Format5", "Format", "%Y");
  std::string year = ExpandNow("%Y");
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
    for (int slot : {4, 5}) {
      size_t at = screens[0].find(std::to_string(slot) + "  " + Bar);
      std::string line = screens[0].substr(at, screens[0].find('\n', at) - at);
      EXPECT_NE(line.find(std::string(" ") + Bar + " " + year), std::string::npos)
          << language << ": slot " << slot << "'s preview is visible\n"
          << line;
      if (slot == 5) {
        EXPECT_NE(line.find(std::string(21, 'n') + "... " + Bar), std::string::npos)
            << language << ": a 90-character name cut to a third of the line\n"
            << line;
      }
    }
  }
}

const char *const Languages[] = {"Eng", "Rus"};

std::string LanguageOption(const char *language) { return std::string("--lang ") + language + " "; }

bool HasLine(const std::string &screen, int slot, const std::string &name) {
  return screen.find(std::to_string(slot) + "  " + Bar + " " + name + " ") != std::string::npos;
}

TEST(Presets, InsFillsAFreeSlotAndDelAsksFirst) {
  for (const char *language : Languages) {
    TestRootKey root("preset_keep");
    root.SetString("Format1", "Name", "One");
    root.SetString("Format1", "Format", "1");
    root.SetString("Format2", "Name", "ISO");
    root.SetString("Format2", "Format", "%F %T");
    /* Ins on the filled slot 2, then Del on it: Esc, then Enter. */
    FarhostRun run = RunWithKeys("preset_keep", LanguageOption(language),
                                 OpenPresets + "Down Down Ins \"Short\" Tab \"%Y\" Enter Dump "
                                               "Up Del Dump Esc Dump Del Enter Dump Esc",
                                 root);
    ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
    std::vector<std::string> screens = Screens(run);
    ASSERT_EQ(screens.size(), 4u) << run.Output;
    EXPECT_TRUE(HasLine(screens[0], 2, "ISO") && HasLine(screens[0], 3, "Short"))
        << language << ": Ins kept slot 2 and filled slot 3\n"
        << screens[0];
    EXPECT_NE(screens[1].find(Message(language, 128)), std::string::npos)
        << language << ": Del asks\n"
        << screens[1];
    EXPECT_NE(screens[1].find("\"ISO\""), std::string::npos) << language << ": naming the preset";
    EXPECT_TRUE(HasLine(screens[2], 2, "ISO")) << language << ": Esc kept it\n" << screens[2];
    EXPECT_TRUE(HasLine(screens[3], 2, Message(language, 110)))
        << language << ": Enter removed it\n"
        << screens[3];
    EXPECT_EQ(root.GetString("Format3", "Format"), "%Y") << language;
    EXPECT_EQ(root.GetDword("Format3", "Mode"), 0x10000u) << language << ": at the cursor";
  }
}

TEST(Presets, F1OpensThePresetsHelpAndEscReturnsToTheMenu) {
  for (const char *language : Languages) {
    TestRootKey root("preset_help");
    FarhostRun run =
        RunWithKeys("preset_help", LanguageOption(language), OpenPresets + "F1 Esc Dump Esc", root);
    ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
    EXPECT_NE(run.Log.find("help: topic Presets"), std::string::npos) << language << "\n"
                                                                      << run.Log;
    std::vector<std::string> screens = Screens(run);
    ASSERT_EQ(screens.size(), 1u) << run.Output;
    EXPECT_NE(screens[0].find(Message(language, 13)), std::string::npos)
        << language << ": back in the presets menu\n"
        << screens[0];
  }
}

TEST(Presets, ATwoLineTemplateInsertsTwoLines) {
  struct Case {
    const char *from, *expected;
  } const cases[] = {
      {"--from editor --file \"%s\" ", "[<date>]\r\n(two)"},
      {"", "[<date>] (two)"}, /* the command line has one line */
  };
  for (const char *language : Languages)
    for (const Case &c : cases) {
      TestRootKey root("preset_lines");
      root.SetString("Format1", "Name", "Two lines");
      root.SetString("Format1", "Format", "[%Y]%n(two)");
      root.SetDword("Format1", "Mode", 0x10001);
      std::string from = c.from;
      size_t at = from.find("%s");
      if (at != std::string::npos)
        from.replace(at, 2, WriteWorkFile("preset_lines.txt", ""));
      DateWindow window("%Y");
      FarhostRun run = RunWithKeys("preset_lines", LanguageOption(language) + from,
                                   OpenPresets + "Down Enter", root);
      window.Close();
      ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
      std::string reported = at != std::string::npos ? run.Editor : run.Cmdline;
      EXPECT_TRUE(HasDate(reported, c.expected, window)) << language << " " << c.from << run.Log;
    }
}

/* Each ends in a short message (or, turned off, without one). */
TEST(Presets, SilentEndsGiveAMessage) {
  struct Case {
    const char *name, *from;
    const char *keys;
    int message;
    bool shown;
  } const cases[] = {
      {"all_taken", "", "F11 Enter Down Enter Ins Dump Esc Esc", 126, true},
      {"empty_format", "", "F11 Enter Enter Dump", 131, true},
      {"read_only", "--from editor --file \"%s\" ", "Enter F11 Enter Enter Dump", 132, true},
      {"viewer_note", "--from viewer ", "F11 Enter Enter Dump", 133, true},
      {"viewer_note_off", "--from viewer ", "F11 Enter Enter Dump", 133, false},
  };
  for (const char *language : Languages)
    for (const Case &c : cases) {
      TestRootKey root(c.name);
      for (int slot = 1; slot <= 9 && c.message == 126; slot++)
        root.SetString(("Format" + std::to_string(slot)).c_str(), "Name", "Taken");
      root.SetDword("Auto", "Custom", c.message == 131);
      root.SetString("Auto", "Format", "");
      if (!c.shown)
        root.SetDword("Auto", "ClipboardNote", 0);
      std::string from = c.from;
      size_t at = from.find("%s");
      if (at != std::string::npos) /* NUL bytes: the stand-in opens it read-only */
        from.replace(at, 2, WriteWorkFile("read_only.txt", std::string("a\0b", 3)));
      FarhostRun run = RunWithKeys(c.name, LanguageOption(language) + from, c.keys, root);
      ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
      std::vector<std::string> screens = Screens(run);
      ASSERT_EQ(screens.size(), 1u) << run.Output;
      EXPECT_EQ(screens[0].find(Message(language, c.message)) != std::string::npos, c.shown)
          << language << ", " << c.name << ": message " << c.message << (c.shown ? "" : " not")
          << " shown\n"
          << screens[0];
    }
}

/* Enter in the name field of a new preset presses Insert: with no format
   yet the note says so, and the dialog comes back with the name, the
   focus on the format, where typing one and Enter inserts. */
TEST(Presets, InsertWithNoFormatBringsTheDialogBackWithTheName) {
  for (const char *language : Languages) {
    TestRootKey root("preset_refused");
    std::string file = WriteWorkFile("preset_refused.txt", "");
    DateWindow window("%Y");
    FarhostRun run = RunWithKeys("preset_refused", LanguageOption(language) + EditorOption(file),
                                 OpenPresets + "Down Enter \"Diary\" Enter Dump Enter Dump "
                                               "\"[%Y]\" Enter",
                                 root);
    window.Close();
    ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
    std::vector<std::string> screens = Screens(run);
    ASSERT_EQ(screens.size(), 2u) << run.Output;
    EXPECT_NE(screens[0].find(Message(language, 131)), std::string::npos)
        << language << ": the note\n"
        << screens[0];
    EXPECT_NE(screens[1].find("Diary"), std::string::npos)
        << language << ": the dialog again, with the name\n"
        << screens[1];
    EXPECT_TRUE(HasDate(run.Editor, "[<date>]", window))
        << language << ": typed into the format, then inserted\n"
        << run.Log;
  }
}

/* The free-format line's dialog (Enter on slot 0) opens on its format.
   "Preview" names what is wrong with each format typed, keeps it as typed
   with the focus on it, so backspaces mend it; then it shows the text. */
TEST(Presets, PreviewNamesWhatIsWrongAndKeepsTheFormat) {
  struct Step {
    const char *keys;
    int message; /* 0: the word before a sound format's text */
    const char *shown;
  } const steps[] = {
      {"\"%Q\" ", 172, "\"%Q\""},
      {"BS BS \"%{ru %d\" ", 170, "%{ru %d"},
      {"BS BS BS BS BS BS BS \"%{tokyo}%Y\" ", 171, "\"tokyo\""},
      {"BS BS BS BS BS BS BS BS BS BS BS BS \"<%Y>\" ", 0, "<%Y>"},
  };
  /* Alt and the hotkey of "Preview"; in Russian its letter is code page
     866's small o. */
  const char *const preview[] = {"Alt+P ", "Alt+\xAE "};
  for (int language = 0; language < 2; language++) {
    TestRootKey root("preset_preview");
    std::string keys = OpenPresets + "Enter ";
    for (const Step &step : steps)
      keys += std::string(step.keys) + preview[language] + "Dump ";
    DateWindow window("%Y");
    FarhostRun run =
        RunWithKeys("preset_preview", LanguageOption(Languages[language]), keys + "Enter", root);
    window.Close();
    ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
    std::vector<std::string> screens = Screens(run);
    ASSERT_EQ(screens.size(), 4u) << run.Output;
    for (size_t i = 0; i < 3; i++) {
      EXPECT_NE(screens[i].find(Message(Languages[language], steps[i].message)), std::string::npos)
          << Languages[language] << ": message " << steps[i].message << "\n"
          << screens[i];
      EXPECT_NE(screens[i].find(steps[i].shown), std::string::npos)
          << Languages[language] << ": " << steps[i].shown << "\n"
          << screens[i];
    }
    std::string now = Message(Languages[language], 191);
    EXPECT_TRUE(screens[3].find(now) != std::string::npos &&
                (screens[3].find("<" + window.Before + ">") != std::string::npos ||
                 screens[3].find("<" + window.After + ">") != std::string::npos))
        << Languages[language] << ": the text\n"
        << screens[3];
    EXPECT_TRUE(HasDate(run.Cmdline, "<<date>>", window)) << Languages[language] << run.Log;
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
