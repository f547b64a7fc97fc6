#include <string.h>

#include "plugin/plugin.h"
#include "presets/preset_dialog.h"
#include "calendar/calendar_settings.h"
#include "presets/quick_format_settings.h"
#include "support/plugin_fixture.h"

typedef MainDialogTest PresetDialogTest;

struct ModeCase {
  int atCursorItem, quickInsert, viewOnly;
  DWORD stored;
};

TEST_F(PresetDialogTest, ModePacksOneFlagPerByte) {
  const ModeCase cases[] = {
      {1, 1, 0, 0x10001}, {2, 0, 1, 0x100}, {2, 0, 0, 0}, {1, 1, 1, 0x10101}, {1, 0, 0, 0x10000}};
  for (const ModeCase &c : cases) {
    SelectRadio(*fake, c.atCursorItem);
    fake->items[3].status = c.quickInsert;
    fake->items[11].status = c.viewOnly;
    SavePresetFromDialog(dialog, 4);
    EXPECT_EQ(c.stored, GetRegNumber(Key("Format4"), "Mode")) << "saving item " << c.atCursorItem;

    SelectRadio(*fake, 3 - c.atCursorItem);
    fake->items[3].status = !c.quickInsert;
    fake->items[11].status = !c.viewOnly;
    LoadPresetIntoDialog(dialog, 4);
    EXPECT_EQ(c.atCursorItem, SelectedRadio(*fake, 1)) << "Mode " << c.stored;
    EXPECT_EQ(c.quickInsert, fake->items[3].status) << "Mode " << c.stored;
    EXPECT_EQ(c.viewOnly, fake->items[11].status) << "Mode " << c.stored;
  }
}

TEST_F(PresetDialogTest, AnyNonzeroByteCountsAsSet) {
  PutRegNumber(Key("Format6"), "Mode", 0xFF7F0200);
  LoadPresetIntoDialog(dialog, 6);
  EXPECT_EQ(1, SelectedRadio(*fake, 1));
  EXPECT_EQ(1, fake->items[11].status);
  EXPECT_EQ(0, fake->items[3].status);
}

TEST_F(PresetDialogTest, NeverStoredSlotLoadsEmptyAndLeavesAKey) {
  strcpy(fake->items[4].text, "old name");
  strcpy(fake->items[6].text, "old format");
  LoadPresetIntoDialog(dialog, 8);
  EXPECT_STREQ("", fake->items[4].text);
  EXPECT_STREQ("", fake->items[6].text);
  EXPECT_EQ(1, SelectedRadio(*fake, 1)) << "a new preset goes to the cursor";
  EXPECT_TRUE(RegKeyExists(Key("Format8")));
}

TEST_F(PresetDialogTest, LongNamesSurviveTheDialog) {
  std::string name(300, 'n');
  strcpy(fake->items[4].text, name.c_str());
  SavePresetFromDialog(dialog, 2);
  fake->items[4].text[0] = 0;
  LoadPresetIntoDialog(dialog, 2);
  EXPECT_EQ(name, fake->items[4].text) << "names up to 511 characters load whole";
}

TEST_F(PresetDialogTest, EditDialogSavesOnAnyExitButCancel) {
  const int exits[] = {0, PRESET_ITEM_INSERT, 42};
  for (int exitCode : exits) {
    DeleteRegTree(Key("Format1"));
    FakeDialogs().people = {[exitCode](FakeDialog &d) {
      strcpy(d.items[4].text, "edited");
      strcpy(d.items[6].text, "%d");
      return exitCode;
    }};
    RunPresetEditDialog(dialog, 1);
    EXPECT_EQ("edited", GetRegText(Key("Format1"), "Name")) << "exit " << exitCode;
  }
  DeleteRegTree(Key("Format1"));
  FakeDialogs().people = {[](FakeDialog &d) {
    strcpy(d.items[4].text, "cancelled");
    return -1;
  }};
  RunPresetEditDialog(dialog, 1);
  EXPECT_FALSE(GetRegValue(Key("Format1"), "Name").found) << "cancel saves nothing";
}

typedef FakeDialogsTest QuickFormatSettingsTest;

TEST_F(QuickFormatSettingsTest, FreshAutoOpensOnTheDefaultAndStoresOnlyAChange) {
  FakeDialogs().people = {[](FakeDialog &d) {
                            EXPECT_EQ(2, SelectedRadio(d, 2)) << "default format selected";
                            EXPECT_EQ(2, d.focus) << "the dialog opens on the selected button";
                            return 0;
                          },
                          [](FakeDialog &d) {
                            SelectRadio(d, 3);
                            return 0;
                          }};
  EditQuickFormat("Auto");
  EXPECT_EQ(0xDEADBEEF, GetRegNumber(Key("Auto"), "Custom"))
      << "confirmed without a change: nothing stored";
  EXPECT_FALSE(GetRegValue(Key("Auto"), "Format").found) << "nor the description's text";
  EditQuickFormat("Auto");
  EXPECT_EQ(1u, GetRegNumber(Key("Auto"), "Custom")) << "a change stores the choice";
  EXPECT_EQ("%d.%m.%Y", GetRegText(Key("Auto"), "Format"))
      << "and the format the dialog shows with it";
  EXPECT_EQ(0, LiveDialogs()) << "the dialogs are freed";
}

TEST_F(QuickFormatSettingsTest, CustomChoiceIsStoredAndShownNextTime) {
  FakeDialogs().people = {[](FakeDialog &d) {
                            SelectRadio(d, 3);
                            strcpy(d.items[4].text, "<%H:%M>");
                            return 0;
                          },
                          [](FakeDialog &d) {
                            EXPECT_EQ(3, SelectedRadio(d, 2)) << "custom selected";
                            EXPECT_EQ(3, d.focus) << "and the focus on it";
                            EXPECT_STREQ("<%H:%M>", d.items[4].text)
                                << "the stored format, not the description's";
                            return 0;
                          }};
  EditQuickFormat("Auto");
  EXPECT_EQ(1u, GetRegNumber(Key("Auto"), "Custom"));
  EditQuickFormat("Auto");
  EXPECT_EQ("<%H:%M>", GetRegText(Key("Auto"), "Format"))
      << "confirming unchanged keeps the user's format";

  Host().menuReplies = {Enter(0)};
  OpenPlugin(OPEN_EDITOR, 0);
  ASSERT_EQ(1u, Host().editorInserts.size());
  EXPECT_EQ(7u, Host().editorInserts[0].size()) << "the next quick insertion uses it";
  EXPECT_EQ('<', Host().editorInserts[0][0]);
}

TEST_F(QuickFormatSettingsTest, CancelSavesNothing) {
  FakeDialogs().people = {[](FakeDialog &d) {
    SelectRadio(d, 3);
    return -1;
  }};
  EditQuickFormat("Menu");
  EXPECT_EQ(0xDEADBEEF, GetRegNumber(Key("Menu"), "Custom"));
  EXPECT_FALSE(GetRegValue(Key("Menu"), "Format").found);
}

TEST_F(QuickFormatSettingsTest, CalendarFormatEditsSlotEleven) {
  StorePreset(11, "Calendar", "%d %B", 0x10000);
  FakeDialogs().people = {[](FakeDialog &d) {
    EXPECT_STREQ("%d %B", d.items[6].text);
    EXPECT_EQ(1, SelectedRadio(d, 1));
    EXPECT_EQ(0, d.items[8].hidden) << "slot 11 keeps its save control";
    SelectRadio(d, 2);
    d.items[11].status = 1;
    strcpy(d.items[6].text, "%Y");
    return 0;
  }};
  EditCalendarFormat();
  EXPECT_EQ("Main2", FakeDialogs().loaded.back()->name);
  EXPECT_EQ("%Y", GetRegText(Key("Format11"), "Format"));
  EXPECT_EQ(0x100u, GetRegNumber(Key("Format11"), "Mode"));
  EXPECT_EQ(0, LiveDialogs());

  FakeDialogs().people = {[](FakeDialog &d) {
    strcpy(d.items[6].text, "changed");
    return -1;
  }};
  EditCalendarFormat();
  EXPECT_EQ("%Y", GetRegText(Key("Format11"), "Format")) << "cancel leaves slot 11 as it was";
}

// "Preview" names what is wrong with the format, or gives its text under
// it, and shows the dialog again as typed, on the format.
TEST_F(QuickFormatSettingsTest, PreviewShowsTheLineAndTheDialogAgainOnTheFormat) {
  Host().messages[172] = "Unknown:";
  Host().messages[191] = "Now:";
  Host().messages[192] = "No text now.";
  auto preview = [](FakeDialog &d, const char *format) {
    strcpy(d.items[6].text, format);
    d.items[30].status = 1;
    return 30;
  };
  FakeDialogs().people = {[&](FakeDialog &d) { return preview(d, "%Q"); },
                          [&](FakeDialog &d) {
                            EXPECT_EQ(6, d.focus) << "on the format";
                            EXPECT_STREQ("%Q", d.items[6].text) << "as typed";
                            EXPECT_STREQ("Unknown: \"%Q\"", d.items[31].text) << "the fault";
                            return preview(d, "");
                          },
                          [&](FakeDialog &d) {
                            EXPECT_STREQ("No text now.", d.items[31].text) << "no bare word";
                            return preview(d, "[%%]");
                          },
                          [](FakeDialog &d) {
                            EXPECT_STREQ("Now:      [%]", d.items[31].text)
                                << "the text under the format";
                            return 7;
                          }};
  EditCalendarFormat();
  EXPECT_EQ("[%%]", GetRegText(Key("Format11"), "Format")) << "saved once accepted";
}

// The calendar's first pick offers its settings to send the day: an
// emptied format is refused, and the dialog comes back on it.
TEST_F(QuickFormatSettingsTest, TheCalendarsOfferRefusesAnEmptyFormat) {
  FakeDialogs().people = {[](FakeDialog &d) {
                            d.items[6].text[0] = 0;
                            return 7;
                          },
                          [](FakeDialog &d) {
                            EXPECT_EQ(6, d.focus) << "on the format";
                            strcpy(d.items[6].text, "%d");
                            return 7;
                          }};
  OfferCalendarFormat();
  ASSERT_EQ(1u, Host().boxes.size());
  EXPECT_EQ("Nothing to save", Host().boxes[0].lines[1]) << "the note";
  EXPECT_EQ("%d", GetRegText(Key("Format11"), "Format"));
}

TEST_F(QuickFormatSettingsTest, MissingDialogsWriteNothing) {
  FakeDialogs().layouts.clear();
  EditQuickFormat("Auto");
  EditCalendarFormat();
  EXPECT_FALSE(RegKeyExists(Key("Auto")));
  EXPECT_FALSE(RegKeyExists(Key("Format11")));
}
