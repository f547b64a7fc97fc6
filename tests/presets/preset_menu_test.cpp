#include <string.h>

#include "hostlink/date_delivery.h"
#include "hostlink/dialog_binding.h"
#include "plugin/plugin.h"
#include "presets/format_checks.h"
#include "presets/preset_dialog.h"
#include "presets/preset_menu.h"
#include "support/clipboard_text.h"
#include "support/plugin_fixture.h"

class PresetMenuTest : public FakeDialogsTest {
protected:
  std::vector<std::string> LinesOfMenu(size_t index) {
    std::vector<std::string> lines;
    for (const FarMenuItem &item : Host().menus.at(index).items)
      lines.push_back(item.Text);
    return lines;
  }
  int SelectedLine(size_t index) {
    const MenuCall &menu = Host().menus.at(index);
    for (size_t i = 0; i < menu.items.size(); i++)
      if (menu.items[i].Selected)
        return (int)i;
    return -1;
  }
};

// The bar between columns is the OEM code page's single vertical line.
static const std::string Bar = "\xB3";

TEST_F(PresetMenuTest, EmptyTableShowsTheFreeFormatLineAndNineNones) {
  Host().messages[6] = "Free";
  Host().menuReplies = {Esc()};
  EXPECT_EQ(-1, RunPresetMenu());
  ASSERT_EQ(1u, Host().menus.size());
  const MenuCall &menu = Host().menus[0];
  EXPECT_EQ("Horalis presets", menu.title) << "a title of its own, not the main menu's";
  EXPECT_EQ("Enter insert, Ins new, F4 edit, Del delete", menu.bottom);
  EXPECT_EQ("Presets", menu.helpTopic) << "F1 opens the presets' own help";
  EXPECT_EQ((unsigned)FMENU_WRAPMODE, menu.flags);
  EXPECT_EQ((std::vector<int>{VK_INSERT, VK_F4, VK_DELETE}), menu.breakKeys);
  std::vector<std::string> lines = LinesOfMenu(0);
  ASSERT_EQ(10u, lines.size());
  EXPECT_EQ("&0  " + Bar + " Free       " + Bar + " ", lines[0]);
  EXPECT_EQ("&1  " + Bar + " <None>     " + Bar + " ", lines[1]);
  EXPECT_EQ(19u, lines[1].size()) << "number two wide, name ten wide";
  EXPECT_EQ("&9  " + Bar + " <None>     " + Bar + " ", lines[9]);
  EXPECT_EQ(0, SelectedLine(0)) << "the cursor starts on slot 0";
  for (int slot = 1; slot <= 9; slot++)
    EXPECT_FALSE(RegKeyExists(Key("Format" + std::to_string(slot))))
        << "listing never creates slot " << slot;
}

TEST_F(PresetMenuTest, NamesWidenTheColumnAndPreviewsShowTheFormatForNow) {
  StorePreset(2, "Fourteen chars", "fixed text", 0);
  StorePreset(4, "short", "%Y", 0);
  StorePreset(5, "", "empty name", 0);
  StorePreset(6, "long preview", std::string(60, 'p'), 0);
  Host().menuReplies = {Esc()};
  RunPresetMenu();
  std::vector<std::string> lines = LinesOfMenu(0);
  EXPECT_EQ("&2  " + Bar + " Fourteen chars " + Bar + " fixed text", lines[2]);
  EXPECT_EQ("&1  " + Bar + " <None>         " + Bar + " ", lines[1]) << "all lines take the width";
  char year[8];
  time_t now = time(NULL);
  strftime(year, sizeof year, "%Y", localtime(&now));
  EXPECT_EQ("&4  " + Bar + " short          " + Bar + " " + year, lines[4]);
  EXPECT_EQ("&5  " + Bar + "                " + Bar + " empty name", lines[5])
      << "an empty stored name is listed, not <None>";
  EXPECT_EQ("&6  " + Bar + " long preview   " + Bar + " " + std::string(50, 'p'), lines[6])
      << "previews are cut to 50";
  EXPECT_EQ("&0  " + Bar + " Free format    " + Bar + " ", lines[0]);
}

// Whatever the label of the free-format line and the names, both bars of
// every line stand in the same columns, and every line fits its item.
TEST_F(PresetMenuTest, ColumnsLineUpWhateverTheLabelAndTheNames) {
  const size_t widest = PRESET_NAME_MAX_WIDTH;
  struct Case {
    std::string label, name;
    size_t width;
  } const cases[] = {
      {"Free", "Name", 10},
      {"Free format", "Name", 11},
      {"\x91\xA2\xAE\xA1\xAE\xA4\xAD\xEB\xA9 \xE4\xAE\xE0\xAC\xA0\xE2", "Name", 16}, // Russian
      {"Free", std::string(20, 'n'), 20},
      {std::string(200, 'L'), "Name", widest},
      {"Free", std::string(511, 'n'), widest},
  };
  for (const Case &c : cases) {
    Host().messages[6] = c.label;
    StorePreset(3, c.name, "fixed", 0);
    Host().menuReplies = {Esc()};
    Host().menus.clear();
    RunPresetMenu();
    std::vector<std::string> lines = LinesOfMenu(0);
    for (size_t slot = 0; slot < lines.size(); slot++) {
      const std::string &line = lines[slot];
      EXPECT_EQ(4u, line.find(Bar)) << "first bar, slot " << slot << ", label " << c.label.size();
      EXPECT_EQ(4 + 2 + c.width + 1, line.find(Bar, 5))
          << "second bar, slot " << slot << ", label " << c.label.size() << ", name "
          << c.name.size();
      EXPECT_LT(line.size(), (size_t)FAR_MENU_TEXT_SIZE) << "fits the item with its zero";
    }
    EXPECT_EQ(" fixed", lines[3].substr(lines[3].size() - 6)) << "the preview stays whole";
  }
}

// A preset saved through the dialog is listed however long its name and
// format are: the name cut to the column, the preview to 50.
TEST_F(PresetMenuTest, LongNamesAndFormatsAreListedCutToFit) {
  StorePreset(1, std::string(70, 'n'), "%%", 0);
  StorePreset(2, std::string(69, 'm'), std::string(70, 'f'), 0);
  StorePreset(3, "Three", std::string(511, 'g'), 0);
  StorePreset(4, std::string(512, 'x'), "never listed", 0);
  Host().menuReplies = {Esc()};
  RunPresetMenu();
  std::vector<std::string> lines = LinesOfMenu(0);
  const std::string column(PRESET_NAME_MAX_WIDTH, ' ');
  const std::string cut(PRESET_NAME_MAX_WIDTH - 3, 'n');
  EXPECT_EQ("&1  " + Bar + " " + cut + "... " + Bar + " %", lines[1])
      << "a 70-character name is listed, cut to the column with dots";
  EXPECT_EQ("&2  " + Bar + " " + std::string(PRESET_NAME_MAX_WIDTH - 3, 'm') + "... " + Bar + " " +
                std::string(50, 'f'),
            lines[2])
      << "a 70-character format has its preview";
  EXPECT_EQ("&3  " + Bar + " Three" + column.substr(5) + " " + Bar + " " + std::string(50, 'g'),
            lines[3]);
  EXPECT_EQ(0u, lines[4].find("&4  " + Bar + " <None> "))
      << "a name the dialog could not hold either";
}

TEST_F(PresetMenuTest, EditAndDeleteOnTheFreeFormatLineDoNothing) {
  Host().menuReplies = {BreakKey(0, PRESET_KEY_EDIT), BreakKey(0, PRESET_KEY_DELETE), Esc()};
  EXPECT_EQ(-1, RunPresetMenu());
  ASSERT_EQ(3u, Host().menus.size());
  for (size_t i = 1; i < 3; i++)
    EXPECT_EQ(0, SelectedLine(i)) << "back on slot 0 after break key " << i;
  EXPECT_EQ(0, LastLoaded("Main")->shows) << "no dialog";
  EXPECT_FALSE(RegKeyExists(Key("Format0")));
}

TEST_F(PresetMenuTest, F4EditsASlotAndTheMenuShowsItOnReturn) {
  Host().menuReplies = {BreakKey(3, PRESET_KEY_EDIT), Esc()};
  FakeDialogs().people = {[](FakeDialog &dialog) {
    strcpy(dialog.items[PRESET_ITEM_NAME].text, "Mine");
    strcpy(dialog.items[PRESET_ITEM_FORMAT].text, "fixed");
    return 0;
  }};
  RunPresetMenu();
  ASSERT_EQ(2u, Host().menus.size());
  EXPECT_EQ("&3  " + Bar + " Mine        " + Bar + " fixed", LinesOfMenu(1)[3]);
  EXPECT_EQ(3, SelectedLine(1)) << "the cursor stays on the slot acted on";
}

TEST_F(PresetMenuTest, F4OnAnEmptySlotThenCancelLeavesItNone) {
  Host().menuReplies = {BreakKey(7, PRESET_KEY_EDIT), Esc()};
  FakeDialogs().people = {[](FakeDialog &dialog) {
    EXPECT_STREQ("", dialog.items[PRESET_ITEM_NAME].text) << "an empty slot loads empty";
    EXPECT_STREQ("", dialog.items[PRESET_ITEM_FORMAT].text);
    EXPECT_EQ(PRESET_ITEM_AT_CURSOR, SelectedRadio(dialog, 1)) << "at the cursor";
    return -1;
  }};
  RunPresetMenu();
  EXPECT_EQ(0u, LinesOfMenu(1)[7].find("&7  " + Bar + " <None>"));
}

TEST_F(PresetMenuTest, ShowingsThatOnlySaveHideTheInsertButton) {
  Host().menuReplies = {BreakKey(3, PRESET_KEY_EDIT), BreakKey(4, PRESET_KEY_INSERT), Enter(3)};
  FakeDialogs().people = {[](FakeDialog &) { return 0; },
                          [](FakeDialog &d) {
                            strcpy(d.items[PRESET_ITEM_NAME].text, "New");
                            strcpy(d.items[PRESET_ITEM_FORMAT].text, "%d");
                            return 0;
                          },
                          [](FakeDialog &) { return -1; }};
  RunPresetMenu();
  const FakeDialog *main = LastLoaded("Main");
  ASSERT_EQ(3u, main->hiddenWhileShown.size());
  EXPECT_EQ(std::vector<int>{PRESET_ITEM_INSERT}, main->hiddenWhileShown[0]) << "F4";
  EXPECT_EQ(std::vector<int>{PRESET_ITEM_INSERT}, main->hiddenWhileShown[1]) << "Ins";
  EXPECT_TRUE(main->hiddenWhileShown[2].empty()) << "Enter shows it again";
}

// Ins never overwrites: from any line it fills the first free slot, starting
// empty and at the cursor, whatever the dialog held; with none free it says so.
TEST_F(PresetMenuTest, InsFillsTheFirstFreeSlotOrSaysAllAreTaken) {
  StorePreset(1, "One", "%d", 0);
  StorePreset(3, "Three", "%d", PackPresetMode(1, 1, 0));
  PutRegNumber(Key("Format2"), "Mode", 0); // a key without a name holds no preset
  struct Case {
    int line, expectedSlot;
  } const cases[] = {{0, 2}, {3, 4}, {3, 5}};
  for (const Case &c : cases) {
    Host().menuReplies = {BreakKey(3, PRESET_KEY_EDIT), BreakKey(c.line, PRESET_KEY_INSERT), Esc()};
    FakeDialogs().people = {[](FakeDialog &) { return -1; },
                            [](FakeDialog &dialog) {
                              EXPECT_STREQ("", dialog.items[PRESET_ITEM_NAME].text) << "empty";
                              EXPECT_EQ(PRESET_ITEM_AT_CURSOR, SelectedRadio(dialog, 1));
                              EXPECT_EQ(0, dialog.items[PRESET_ITEM_VIEW_ONLY].status);
                              strcpy(dialog.items[PRESET_ITEM_NAME].text, "New");
                              strcpy(dialog.items[PRESET_ITEM_FORMAT].text, "%d");
                              return 0;
                            }};
    Host().menus.clear();
    RunPresetMenu();
    EXPECT_EQ("New", GetRegText(Key("Format" + std::to_string(c.expectedSlot)), "Name"))
        << "Ins on line " << c.line << " fills slot " << c.expectedSlot;
    EXPECT_EQ(c.expectedSlot, SelectedLine(2)) << "the cursor on the new preset";
  }
  EXPECT_EQ("Three", GetRegText(Key("Format3"), "Name")) << "the filled slot is kept";
  for (int slot = 6; slot < PRESET_SLOTS; slot++)
    StorePreset(slot, "Taken", "%Y", 0);
  Host().menuReplies = {BreakKey(1, PRESET_KEY_INSERT), Esc()};
  Host().boxes.clear();
  RunPresetMenu();
  EXPECT_EQ(0, LastLoaded("Main")->shows) << "no dialog when all nine are taken";
  ASSERT_EQ(1u, Host().boxes.size()) << "a message says so";
  EXPECT_EQ(Host().messages[MSG_PRESETS_FULL], Host().boxes[0].lines[1]);
}

// Del asks, naming the preset (cut like the menu's column, whole up to 50):
// "Delete" removes it, Esc or "Cancel" keeps it. An empty slot goes at once.
TEST_F(PresetMenuTest, DelAsksNamingThePreset) {
  struct Case {
    std::string name, quoted;
    int reply;
    bool removed;
  } const cases[] = {
      {"Four", "\"Four\"", 0, true},
      {"Four", "\"Four\"", -1, false},
      {"Four", "\"Four\"", 1, false},
      {std::string(92, 'n'), "\"" + std::string(47, 'n') + "...\"", 0, true},
      {std::string(600, 'x'), "\"<None>\"", -1, false}, // kept, though it cannot be read
  };
  for (const Case &c : cases) {
    StorePreset(4, c.name, "%Y", 0);
    Host().menuReplies = {BreakKey(4, PRESET_KEY_DELETE), Esc()};
    Host().menus.clear();
    Host().boxes.clear();
    Host().boxReply = c.reply;
    RunPresetMenu();
    ASSERT_EQ(1u, Host().boxes.size());
    const MessageCall &box = Host().boxes[0];
    EXPECT_EQ(c.quoted, box.lines[2]) << "the question names the preset";
    EXPECT_EQ(2, box.buttons);
    EXPECT_EQ(Host().messages[MSG_DELETE_BUTTON], box.lines[3]) << "the first button deletes";
    EXPECT_EQ(c.removed, !RegKeyExists(Key("Format4"))) << "reply " << c.reply;
    EXPECT_EQ(4, SelectedLine(1));
  }
  PutRegNumber(Key("Format5"), "Mode", 0); // a key without a name holds nothing
  Host().menuReplies = {BreakKey(5, PRESET_KEY_DELETE), Esc()};
  Host().boxes.clear();
  RunPresetMenu();
  EXPECT_EQ(0u, Host().boxes.size()) << "nothing to ask about";
  EXPECT_FALSE(RegKeyExists(Key("Format5")));
}

TEST_F(PresetMenuTest, QuickInsertPresetReturnsInsertWithoutTheDialog) {
  StorePreset(3, "Quick", "[%Y]", PackPresetMode(1, 0, 1));
  Host().menuReplies = {Enter(3)};
  EXPECT_EQ(PRESET_INSERT, RunPresetMenu());
  EXPECT_EQ(0, LastLoaded("Main")->shows);
  EXPECT_STREQ("[%Y]", Dialogs.GetItemData(PresetDialog, PRESET_ITEM_FORMAT));

  StorePreset(0, "Zero", "[%Y]", PackPresetMode(1, 0, 1));
  Host().menuReplies = {Enter(0)};
  FakeDialogs().people = {[](FakeDialog &) { return PRESET_ITEM_INSERT; }};
  EXPECT_EQ(PRESET_INSERT, RunPresetMenu());
  EXPECT_EQ(1, LastLoaded("Free")->shows) << "slot 0 ignores the flag and shows its dialog";
}

TEST_F(PresetMenuTest, InsertDialogSavesWhileAskedAndSlotZeroHasItsOwn) {
  Host().menuReplies = {Enter(2)};
  FakeDialogs().people = {[](FakeDialog &dialog) {
                            strcpy(dialog.items[PRESET_ITEM_NAME].text, "Saved");
                            strcpy(dialog.items[PRESET_ITEM_FORMAT].text, "%d");
                            dialog.items[PRESET_ITEM_SAVE].status = 1;
                            return PRESET_ITEM_SAVE;
                          },
                          [](FakeDialog &dialog) {
                            strcpy(dialog.items[PRESET_ITEM_NAME].text, "Not saved");
                            return PRESET_ITEM_INSERT;
                          }};
  EXPECT_EQ(PRESET_INSERT, RunPresetMenu());
  EXPECT_EQ(2, LastLoaded("Main")->shows) << "shown again after each save";
  EXPECT_EQ("Saved", GetRegText(Key("Format2"), "Name"));

  Host().menuReplies = {Enter(0)};
  FakeDialogs().people = {[](FakeDialog &) { return -1; }};
  EXPECT_EQ(-1, RunPresetMenu());
  EXPECT_EQ(1, LastLoaded("Free")->shows) << "the free-format dialog, without a name or Save";
  EXPECT_TRUE(LastLoaded("Main")->freed) << "in place of the presets'";
  EXPECT_TRUE(RegKeyExists(Key("Format0"))) << "choosing slot 0 reads (and creates) its key";
}

TEST_F(PresetMenuTest, DialogThatCannotBeLoadedShowsNothing) {
  FakeDialogs().layouts.erase("Main");
  Host().menuReplies = {Enter(1)};
  EXPECT_EQ(-1, RunPresetMenu());
  EXPECT_TRUE(Host().menus.empty());
}

TEST_F(PresetMenuTest, MenuFormatStartsTheFreeFormatLine) {
  PutRegNumber(Key("Menu"), "Custom", 1);
  PutRegString(Key("Menu"), "Format", "free");
  Host().menuReplies = {Enter(0)};
  FakeDialogs().people = {[](FakeDialog &dialog) {
    EXPECT_STREQ("free", dialog.items[PRESET_ITEM_FORMAT].text);
    return -1;
  }};
  RunPresetMenu();
  EXPECT_EQ("&0  " + Bar + " Free format " + Bar + " free", LinesOfMenu(0)[0])
      << "the free-format line previews it";

  PutRegNumber(Key("Menu"), "Custom", 0);
  Host().menuReplies = {Esc()};
  RunPresetMenu();
  EXPECT_EQ("&0  " + Bar + " Free format " + Bar + " ", LinesOfMenu(1)[0]) << "not when default";
}

class PresetsFromMainMenuTest : public PresetMenuTest {};

TEST_F(PresetsFromMainMenuTest, InsertsWhereThePresetSaysAndReleasesTheDialog) {
  StorePreset(1, "Cursor", "at cursor", PackPresetMode(1, 0, 1));
  StorePreset(2, "Clip", "on clipboard", PackPresetMode(1, 0, 0));
  Host().menuReplies = {Enter(1), Enter(1)};
  OpenPlugin(OPEN_EDITOR, 0);
  EXPECT_EQ(std::vector<std::string>{"at cursor"}, Host().editorInserts);
  EXPECT_EQ(0, LiveDialogs()) << "the presets dialog is freed once read";

  Host().menuReplies = {Enter(1), Enter(2)};
  OpenPlugin(OPEN_EDITOR, 0);
  EXPECT_EQ(1u, Host().editorInserts.size())
      << "AtCursor clear: the clipboard, even from the editor";
  EXPECT_EQ("on clipboard", ClipboardText());

  Host().menuReplies = {Enter(1), Esc()};
  OpenPlugin(OPEN_EDITOR, 0);
  EXPECT_EQ(0, LiveDialogs());
}

TEST_F(PresetsFromMainMenuTest, AnEmptyFormatLeavesTheClipboardAlone) {
  StorePreset(3, "Empty", "", PackPresetMode(1, 0, 0));
  PutHoralis("kept", NULL);
  struct Case {
    int slot, openFrom;
    const char *what;
  } const cases[] = {{3, OPEN_EDITOR, "a quick preset for the clipboard"},
                     {0, OPEN_VIEWER, "the free-format line from the viewer"}};
  for (const Case &c : cases) {
    Host().menuReplies = {Enter(1), Enter(c.slot)};
    FakeDialogs().people = {[](FakeDialog &) { return PRESET_ITEM_INSERT; }};
    OpenPlugin(c.openFrom, 0);
    EXPECT_EQ("kept", ClipboardText()) << c.what;
  }
  EXPECT_TRUE(Host().editorInserts.empty());
}

// A refused insertion says why, then brings the dialog back as the user
// left it, on what was refused; mended, it goes through.
TEST_F(PresetsFromMainMenuTest, ARefusedInsertionComesBackOnWhatWasRefused) {
  struct Case {
    const char *what, *format;
    bool locked;
    int message, focus;
    int line; // of the box, where the message is
  } const cases[] = {
      {"an empty format", "", false, MSG_FORMAT_EMPTY, PRESET_ITEM_FORMAT, 1},
      {"a read-only editor", "[x]", true, MSG_EDITOR_READ_ONLY, PRESET_ITEM_AT_CURSOR, 1},
      {"no text", "%{+3000000d}x", false, MSG_TEXT_EMPTY, PRESET_ITEM_FORMAT, 1},
      {"a misspelt zone, Back", "%{@Tokio}x", false, MSG_MISTAKE_TITLE, PRESET_ITEM_FORMAT, 0},
  };
  for (const Case &c : cases) {
    StorePreset(4, "Four", c.format, PackPresetMode(0, 0, 1));
    Host().editorLocked = c.locked;
    Host().boxes.clear();
    Host().boxReply = 1; // "Back" from a question; a note has one button
    PutHoralis("kept", NULL);
    Host().menuReplies = {Enter(1), Enter(4)};
    FakeDialogs().people = {[](FakeDialog &d) {
                              strcpy(d.items[PRESET_ITEM_NAME].text, "Typed");
                              return PRESET_INSERT;
                            },
                            [&c](FakeDialog &d) {
                              EXPECT_EQ(c.focus, d.focus) << c.what;
                              EXPECT_STREQ("Typed", d.items[PRESET_ITEM_NAME].text) << c.what;
                              strcpy(d.items[PRESET_ITEM_FORMAT].text, "[x]");
                              SelectRadio(d,
                                          c.locked ? PRESET_ITEM_CLIPBOARD : PRESET_ITEM_AT_CURSOR);
                              return PRESET_INSERT;
                            }};
    OpenPlugin(OPEN_EDITOR, 0);
    ASSERT_EQ(1u, Host().boxes.size()) << c.what;
    EXPECT_EQ(Host().messages[c.message], Host().boxes[0].lines[c.line]) << c.what;
    EXPECT_TRUE(FakeDialogs().people.empty()) << c.what << ": shown again";
    EXPECT_EQ(c.locked ? "[x]" : "kept", ClipboardText()) << c.what;
  }
  EXPECT_EQ(std::vector<std::string>(3, "[x]"), Host().editorInserts) << "each mended format";
  EXPECT_EQ(0, LiveDialogs());
}
