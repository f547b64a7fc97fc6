// A settings dialog whose save the registry refuses says so and comes back
// with the user's input; confirmed again, it saves. Only the subset can
// make the registry refuse on demand.
#include <string.h>

#include <functional>
#include <string>
#include <vector>

#include "plugin/plugin.h"
#include "presets/preset_dialog.h"
#include "presets/preset_menu.h"
#include "support/plugin_fixture.h"
#include "winsubset_control.h"

class SettingsSaveTest : public FakeDialogsTest {
protected:
  void TearDown() override {
    WinSubset_Reset();
    FakeDialogsTest::TearDown();
  }
};

// A person who switches to the custom format and types one.
static int TypeACustomFormat(FakeDialog &dialog) {
  SelectRadio(dialog, 3);
  strcpy(dialog.items[4].text, "%Y typed");
  return 0;
}

// A person who fills a preset's texts.
static int TypeAPreset(FakeDialog &dialog) {
  strcpy(dialog.items[PRESET_ITEM_NAME].text, "Typed");
  strcpy(dialog.items[PRESET_ITEM_FORMAT].text, "%Y typed");
  return 0;
}

struct SaveCase {
  const char *what;
  std::vector<MenuReply> menus;
  std::function<void()> open;
  const char *dialog; // the description's dialog name
  Person person;
  int formatItem;
  const char *key; // under the plugin's key
};

TEST_F(SettingsSaveTest, ARefusedSaveIsSaidAndTheDialogComesBackWithTheInput) {
  auto configure = [] { Configure(0); };
  auto presets = [] { OpenPlugin(OPEN_EDITOR, 0); };
  const SaveCase cases[] = {
      {"quick format", {Enter(0)}, configure, "Auto", TypeACustomFormat, 4, "Auto"},
      {"presets menu's format", {Enter(1)}, configure, "Menu", TypeACustomFormat, 4, "Menu"},
      {"clock indicator", {Enter(2)}, configure, "Indicator", TypeACustomFormat, 4, "Indicator"},
      {"calendar format",
       {Enter(3)},
       configure,
       "Main2",
       TypeAPreset,
       PRESET_ITEM_FORMAT,
       "Format11"},
      {"preset edited with F4",
       {Enter(1), BreakKey(2, PRESET_KEY_EDIT), Esc()},
       presets,
       "Main",
       TypeAPreset,
       PRESET_ITEM_FORMAT,
       "Format2"},
  };
  for (const SaveCase &c : cases) {
    Host().boxes.clear();
    Host().menuReplies = {c.menus.begin(), c.menus.end()};
    std::string typed;
    FakeDialogs().people = {c.person, [&typed, &c](FakeDialog &dialog) {
                              typed = dialog.items[c.formatItem].text;
                              return 0; // confirmed again as it came back
                            }};
    WinSubset_FailCall("RegSetValueExA", ERROR_ACCESS_DENIED, 1);
    c.open();
    ASSERT_EQ(1u, Host().boxes.size()) << c.what << ": one box for the refused save";
    EXPECT_EQ("Error (5)", Host().boxes[0].lines[0]) << c.what;
    EXPECT_EQ("The settings could not be saved.", Host().boxes[0].lines[1]) << c.what;
    ASSERT_NE(nullptr, LastLoaded(c.dialog)) << c.what;
    EXPECT_EQ(2, LastLoaded(c.dialog)->shows) << c.what << ": shown again after the box";
    EXPECT_EQ("%Y typed", typed) << c.what << ": with the user's input";
    EXPECT_EQ("%Y typed", GetRegText(Key(c.key), "Format")) << c.what << ": then saved";
  }
}
