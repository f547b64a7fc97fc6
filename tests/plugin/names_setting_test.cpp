// The names' setting: what a stored value and the interface's language
// give, and the menu of the three choices.
#include <string.h>

#include "datetext/locale_names.h"
#include "plugin/names_setting.h"
#include "plugin/plugin.h"
#include "presets/quick_format_settings.h"
#include "support/plugin_fixture.h"

class NamesSettingTest : public FakeDialogsTest {
protected:
  // The plugin started again by a host whose language file says `language`.
  void StartWithInterface(const char *language) {
    PluginStartupInfo info = NewFakeHost(root.c_str());
    Host().messages[MSG_INTERFACE_LANGUAGE] = language;
    SetStartupInfo(&info);
  }
};

static const DWORD NothingStored = 0xFFFFFFFF;

TEST_F(NamesSettingTest, AStoredChoiceWinsAndOtherwiseTheInterfaceDecides) {
  const struct {
    const char *interfaceLanguage;
    DWORD stored;
    int usersLanguage;
  } cases[] = {
      {"en", NothingStored, 0},
      {"en", 2, 0},
      {"en", 1, 1},
      {"en", 0, 0},
      {"ru", NothingStored, 1},
      {"ru", 2, 1},
      {"ru", 1, 1},
      {"ru", 0, 0},
      {"ru", 7, 1},
      {"", NothingStored, 0},
  };
  for (const auto &c : cases) {
    DeleteRegTree(Key("Config"));
    if (c.stored != NothingStored)
      PutRegNumber(Key("Config"), NAMES_SETTING_VALUE, c.stored);
    StartWithInterface(c.interfaceLanguage);
    EXPECT_EQ(c.usersLanguage, UserLanguageForAll)
        << "interface \"" << c.interfaceLanguage << "\", stored " << (int)c.stored;
  }
  UserLanguageForAll = 0;
}

TEST_F(NamesSettingTest, TheMenuMarksTheChoiceInForceAndStoresTheOneChosen) {
  StartWithInterface("ru");
  const struct {
    MenuReply reply;
    int marked;   // the line marked when the menu opens
    DWORD stored; // afterwards
    int usersLanguage;
  } steps[] = {
      {Enter(1), 0, 1, 1},
      {Enter(2), 1, 0, 0},
      {Esc(), 2, 0, 0},
      {Enter(0), 2, 2, 1},
  };
  for (const auto &step : steps) {
    Host().menus.clear();
    Host().menuReplies = {step.reply};
    EditNamesSetting();
    ASSERT_EQ(1u, Host().menus.size());
    const MenuCall &menu = Host().menus[0];
    EXPECT_EQ("Names of months and days", menu.title);
    EXPECT_EQ("Names", menu.helpTopic);
    ASSERT_EQ(3u, menu.items.size());
    for (int line = 0; line < 3; line++)
      EXPECT_EQ(line == step.marked, menu.items[line].Checked != 0) << "line " << line;
    EXPECT_EQ(step.stored, GetRegNumber(Key("Config"), NAMES_SETTING_VALUE));
    EXPECT_EQ(step.usersLanguage, UserLanguageForAll) << "in force at once";
  }
  UserLanguageForAll = 0;
}

// The host may switch its language between two calls: the interface's
// names are decided again at each OpenPlugin and Configure, a stored choice
// staying what it is.
TEST_F(NamesSettingTest, TheInterfacesNamesFollowTheHostsLanguageAtEachCall) {
  const struct {
    DWORD stored;
    const char *switchedTo;
    bool configure;
    int usersLanguage;
  } cases[] = {
      {NothingStored, "ru", false, 1},
      {NothingStored, "en", false, 0},
      {NothingStored, "ru", true, 1},
      {NothingStored, "en", true, 0},
      {1, "en", false, 1},
      {0, "ru", true, 0},
  };
  for (const auto &c : cases) {
    DeleteRegTree(Key("Config"));
    if (c.stored != NothingStored)
      PutRegNumber(Key("Config"), NAMES_SETTING_VALUE, c.stored);
    StartWithInterface(strcmp(c.switchedTo, "en") == 0 ? "ru" : "en");
    Host().messages[MSG_INTERFACE_LANGUAGE] = c.switchedTo;
    if (c.configure)
      Configure(0);
    else
      OpenPlugin(OPEN_PLUGINSMENU, 0);
    EXPECT_EQ(c.usersLanguage, UserLanguageForAll)
        << "switched to \"" << c.switchedTo << "\", stored " << (int)c.stored
        << (c.configure ? ", Configure" : ", OpenPlugin");
  }
  UserLanguageForAll = 0;
}
