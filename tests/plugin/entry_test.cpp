#include <string.h>

#include "hostlink/date_delivery.h"
#include "hostlink/dialog_binding.h"
#include "hostlink/host_table.h"
#include "indicator/clock_indicator.h"
#include "plugin/plugin.h"
#include "settings/settings_store.h"
#include "support/clipboard_text.h"
#include "support/plugin_fixture.h"

typedef PluginTest GetPluginInfoTest;

TEST_F(GetPluginInfoTest, OffersThePluginInBothMenus) {
  PluginInfo info;
  memset(&info, 0, sizeof info);
  GetPluginInfo(&info);
  EXPECT_EQ((int)sizeof(PluginInfo), info.StructSize);
  EXPECT_EQ((DWORD)(PF_EDITOR | PF_VIEWER), info.Flags) << "also in the editor and the viewer";
  ASSERT_EQ(1, info.PluginMenuStringsNumber);
  EXPECT_STREQ("Horalis date and time", info.PluginMenuStrings[0]);
  ASSERT_EQ(1, info.PluginConfigStringsNumber);
  EXPECT_STREQ("Horalis date and time", info.PluginConfigStrings[0]);
  EXPECT_EQ(nullptr, info.DiskMenuStrings);
  EXPECT_EQ(0, info.DiskMenuStringsNumber);
  EXPECT_EQ(nullptr, info.CommandPrefix);
  EXPECT_TRUE(RegKeyExists(Key("Config"))) << "the Config key is created when missing";
}

TEST_F(GetPluginInfoTest, NoUseMenuRemovesOnlyTheConfigurationEntry) {
  PluginInfo first;
  memset(&first, 0, sizeof first);
  GetPluginInfo(&first); // the host's first call, served by start-up's one open of "Config"
  const DWORD values[] = {1, 2, 0xFFFFFFFF};
  for (DWORD value : values) {
    PutRegNumber(Key("Config"), "NoUseMenu", value);
    PluginInfo info;
    memset(&info, 0, sizeof info);
    GetPluginInfo(&info);
    EXPECT_EQ(0, info.PluginConfigStringsNumber) << "NoUseMenu " << value;
    EXPECT_EQ(nullptr, info.PluginConfigStrings) << "NoUseMenu " << value;
    EXPECT_EQ(1, info.PluginMenuStringsNumber) << "the plugin menu entry stays";
  }
  PutRegNumber(Key("Config"), "NoUseMenu", 0);
  PluginInfo info;
  memset(&info, 0, sizeof info);
  GetPluginInfo(&info);
  EXPECT_EQ(1, info.PluginConfigStringsNumber) << "read anew on every call";
}

class MainMenuTest : public FakeDialogsTest {
protected:
  // Sets the quick format the user chose in the "Auto" settings.
  void StoreAutoFormat(DWORD custom, const char *format) {
    PutRegNumber(Key("Auto"), "Custom", custom);
    if (format)
      PutRegString(Key("Auto"), "Format", format);
  }
};

TEST_F(MainMenuTest, ShowsFiveEntriesCentredWithF4AsBreakKey) {
  EXPECT_EQ(INVALID_HANDLE_VALUE, OpenPlugin(OPEN_EDITOR, 0));
  ASSERT_EQ(1u, Host().menus.size());
  const MenuCall &menu = Host().menus[0];
  EXPECT_EQ(-1, menu.x);
  EXPECT_EQ(-1, menu.y);
  EXPECT_EQ(0, menu.maxHeight);
  EXPECT_EQ((unsigned)FMENU_WRAPMODE, menu.flags);
  EXPECT_EQ("Horalis", menu.title);
  EXPECT_EQ("Enter run, F4 settings", menu.bottom);
  EXPECT_EQ("Contents", menu.helpTopic);
  EXPECT_EQ(std::vector<int>{VK_F4}, menu.breakKeys);
  ASSERT_EQ(5u, menu.items.size());
  const char *texts[] = {"&Insert date and time", "&Presets...", "&Clock indicator", "C&alendar...",
                         "&Names of months and days..."};
  for (int i = 0; i < 5; i++) {
    EXPECT_STREQ(texts[i], menu.items[i].Text) << "entry " << i;
    EXPECT_EQ(0, menu.items[i].Selected) << "every invocation starts on the first entry";
  }
  EXPECT_TRUE(Host().editorInserts.empty()) << "Esc inserts nothing";
}

// The clock's entry is checked while a kept clock is shown, as the host's
// menus mark what is on; a display that ends by itself leaves it plain.
TEST_F(MainMenuTest, TheClockEntryIsCheckedWhileAKeptClockIsShown) {
  const struct {
    LONG running, staying;
    int checked;
  } cases[] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 1}, {0, 1, 0}};
  for (const auto &c : cases) {
    ClockRunning.store(c.running);
    ClockStaying.store(c.staying);
    Host().menus.clear();
    OpenPlugin(OPEN_EDITOR, 0);
    ASSERT_EQ(1u, Host().menus.size());
    for (int entry = 0; entry < 5; entry++)
      EXPECT_EQ(entry == 2 ? c.checked : 0, Host().menus[0].items[entry].Checked)
          << "running " << c.running << ", kept " << c.staying << ", entry " << entry;
  }
  ClockRunning.store(0);
  ClockStaying.store(0);
}

TEST_F(MainMenuTest, QuickInsertionGoesWhereThePluginWasCalledFrom) {
  Host().messages[7] = "quick %Y";
  char year[8];
  time_t now = time(NULL);
  strftime(year, sizeof year, "%Y", localtime(&now));
  const std::string expected = std::string("quick ") + year;

  Host().menuReplies = {Enter(0)};
  OpenPlugin(OPEN_EDITOR, 0);
  EXPECT_EQ(std::vector<std::string>{expected}, Host().editorInserts) << "editor: at its cursor";

  Host().menuReplies = {Enter(0)};
  OpenPlugin(OPEN_PLUGINSMENU, 0);
  EXPECT_EQ(std::vector<std::string>{expected}, Host().commandLineInserts)
      << "panels: the command line";

  Host().menuReplies = {Enter(0)};
  OpenPlugin(OPEN_COMMANDLINE, 0);
  EXPECT_EQ(2u, Host().commandLineInserts.size()) << "any other OpenFrom: the command line";
  EXPECT_EQ(1u, Host().editorInserts.size());
  EXPECT_TRUE(RegKeyExists(Key("Auto"))) << "the Auto key is created when missing";
}

TEST_F(MainMenuTest, QuickInsertionUsesTheStoredFormatWhenCustom) {
  StoreAutoFormat(1, "[%Y]");
  Host().menuReplies = {Enter(0)};
  OpenPlugin(OPEN_EDITOR, 0);
  ASSERT_EQ(1u, Host().editorInserts.size());
  EXPECT_EQ('[', Host().editorInserts[0][0]);
  EXPECT_EQ(6u, Host().editorInserts[0].size());

  StoreAutoFormat(0, "[%Y]");
  Host().messages[7] = "default";
  Host().menuReplies = {Enter(0)};
  OpenPlugin(OPEN_EDITOR, 0);
  EXPECT_EQ("default", Host().editorInserts[1]) << "Custom 0 uses message 7";
}

struct UnusableAutoFormat {
  const char *what;
  DWORD customType;
  std::string custom; // the stored "Custom" bytes
  std::string format; // the stored "Format" bytes, none when empty
};

TEST_F(MainMenuTest, AnEmptyOrUnreadableCustomFormatDeliversNothing) {
  const UnusableAutoFormat cases[] = {
      {"no stored format (the first case: nothing stored yet)", REG_DWORD,
       std::string("\1\0\0\0", 4), ""},
      {"an empty format", REG_DWORD, std::string("\1\0\0\0", 4), std::string(1, '\0')},
      {"600 characters", REG_DWORD, std::string("\1\0\0\0", 4), std::string(600, 'x') + '\0'},
      {"\"Custom\" a text \"1\", 512 unterminated bytes", REG_SZ, std::string("1\0", 2),
       std::string(512, 'y')},
  };
  for (const UnusableAutoFormat &c : cases) {
    PutRegValue(Key("Auto"), "Custom", c.customType, c.custom.data(), (DWORD)c.custom.size());
    if (!c.format.empty())
      PutRegValue(Key("Auto"), "Format", REG_SZ, c.format.data(), (DWORD)c.format.size());
    PutClipboardText(NULL, "kept");
    for (int openFrom : {OPEN_EDITOR, OPEN_PLUGINSMENU, OPEN_VIEWER}) {
      Host().menuReplies = {Enter(0)};
      OpenPlugin(openFrom, 0);
    }
    EXPECT_TRUE(Host().editorInserts.empty()) << c.what << ": nothing inserted";
    EXPECT_TRUE(Host().commandLineInserts.empty()) << c.what << ": nothing on the command line";
    EXPECT_EQ("kept", ClipboardText()) << c.what << ": the clipboard is kept";
  }
}

// An empty format delivers nothing and says so; a locked editor says so too;
// from the viewer a note follows the clipboard unless turned off.
TEST_F(MainMenuTest, DeliveriesThatCannotHappenOrCannotBeSeenSaySo) {
  struct Case {
    const char *what;
    const char *format; // null: none stored
    int openFrom;
    bool locked;
    DWORD note;  // "ClipboardNote", 2: none stored
    int message; // 0: none
  } const cases[] = {
      {"no stored format", nullptr, OPEN_EDITOR, false, 2, MSG_FORMAT_EMPTY},
      {"a format of 512 characters or more reads as empty", "", OPEN_EDITOR, false, 2,
       MSG_FORMAT_EMPTY},
      {"a locked editor", "[%Y]", OPEN_EDITOR, true, 2, MSG_EDITOR_READ_ONLY},
      {"the viewer", "[%Y]", OPEN_VIEWER, false, 2, MSG_ON_CLIPBOARD},
      {"the viewer, note on", "[%Y]", OPEN_VIEWER, false, 1, MSG_ON_CLIPBOARD},
      {"the viewer, note off", "[%Y]", OPEN_VIEWER, false, 0, 0},
      {"the editor", "[%Y]", OPEN_EDITOR, false, 2, 0},
  };
  for (const Case &c : cases) {
    std::string format = c.format ? c.format : "";
    if (c.format && !c.format[0])
      format = std::string(600, 'x');
    StoreAutoFormat(1, c.format ? format.c_str() : nullptr);
    if (c.note != 2)
      PutRegNumber(Key("Auto"), "ClipboardNote", c.note);
    Host().editorLocked = c.locked;
    Host().boxes.clear();
    Host().editorInserts.clear();
    Host().menuReplies = {Enter(0)};
    OpenPlugin(c.openFrom, 0);
    ASSERT_EQ(c.message ? 1u : 0u, Host().boxes.size()) << c.what;
    if (c.message) {
      EXPECT_EQ(Host().messages[c.message], Host().boxes[0].lines[1]) << c.what;
    }
    EXPECT_EQ(c.openFrom == OPEN_EDITOR && !c.locked && c.message == 0,
              Host().editorInserts.size() == 1)
        << c.what << ": inserted only when it could be";
  }
}

TEST_F(MainMenuTest, F4OpensTheEntrysSettingsThenTheMenuAgainOnThatEntry) {
  Host().menuReplies = {BreakKey(1, 0), Esc()};
  FakeDialogs().people = {[](FakeDialog &) { return -1; }};
  EXPECT_EQ(INVALID_HANDLE_VALUE, OpenPlugin(OPEN_EDITOR, 0));
  ASSERT_EQ(2u, Host().menus.size()) << "the menu comes back after the settings";
  EXPECT_EQ(1, Host().menus[1].items[1].Selected) << "on the entry just used";
  EXPECT_EQ(0, Host().menus[1].items[0].Selected);
  ASSERT_NE(nullptr, LastLoaded("Menu")) << "F4 on the second entry opens the \"Menu\" settings";
  EXPECT_EQ(1, LastLoaded("Menu")->shows);
  EXPECT_EQ(nullptr, LastLoaded("Main")) << "not the presets menu";
  EXPECT_TRUE(Host().editorInserts.empty());
}

TEST_F(MainMenuTest, ConfigureRunsSettingsOnEnterAndReportsTheChoice) {
  Host().menuReplies = {Enter(3)};
  FakeDialogs().people = {[](FakeDialog &) { return 0; }};
  EXPECT_EQ(1, Configure(0)) << "an entry was chosen";
  ASSERT_NE(nullptr, LastLoaded("Main2")) << "Enter on the calendar opens its format settings";
  EXPECT_TRUE(Host().editorInserts.empty());
  EXPECT_TRUE(Host().commandLineInserts.empty()) << "nothing is inserted from Configure";
  EXPECT_EQ(1u, Host().menus.size());
  EXPECT_EQ("Enter or F4 settings", Host().menus[0].bottom) << "says what Enter does here";
  EXPECT_EQ("Settings", Host().menus[0].helpTopic) << "F1 opens the settings' help";

  Host().menuReplies = {BreakKey(0, 0), Esc()};
  FakeDialogs().people = {[](FakeDialog &dialog) {
    SelectRadio(dialog, 3);
    strcpy(dialog.items[4].text, "%H");
    return 0;
  }};
  EXPECT_EQ(0, Configure(0)) << "Esc after F4: 0, with the settings stored";
  EXPECT_EQ(1u, GetRegNumber(Key("Auto"), "Custom"));

  Host().menuReplies = {Esc()};
  EXPECT_EQ(0, Configure(0));
}

TEST_F(MainMenuTest, WithoutTheDialogLibraryNothingIsShown) {
  DialogLibraryReady = 0;
  EXPECT_EQ(INVALID_HANDLE_VALUE, OpenPlugin(OPEN_EDITOR, 0));
  EXPECT_EQ(0, Configure(0)) << "no settings dialog would have texts to show";
  EXPECT_TRUE(Host().menus.empty()) << "no menu at all";
}

TEST_F(MainMenuTest, LongMenuTextsAreCutToTheItem) {
  Host().messages[1] = std::string(200, 'm');
  OpenPlugin(OPEN_EDITOR, 0);
  ASSERT_EQ(1u, Host().menus.size());
  EXPECT_EQ(std::string(FAR_MENU_TEXT_SIZE - 1, 'm'), Host().menus[0].items[0].Text);
}
