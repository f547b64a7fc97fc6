#include "menu.h"
#include "screen.h"
#include "stand_in_fixture.h"

#include <string.h>

namespace {

class MenuTest : public StandInTest {
protected:
  FarMenuItem Items[5];
  int BreakCode = 99;
  void SetUp() override {
    StandInTest::SetUp();
    memset(Items, 0, sizeof Items);
    const char *texts[] = {"&Insert date", "&Presets...", "", "&Clock", "C&alendar"};
    for (int i = 0; i < 5; ++i)
      strcpy(Items[i].Text, texts[i]);
    Items[2].Separator = 1;
  }
  int Run(const char *keys, unsigned flags = FMENU_WRAPMODE, const int *breakKeys = nullptr) {
    PressKeys(keys);
    return HostMenu(0, -1, -1, 0, flags, "Horalis", "Enter run", "Contents", breakKeys, &BreakCode,
                    Items, 5);
  }
};

TEST_F(MenuTest, KeysChooseTheItems) {
  const int f4[] = {0x73, 0};
  const struct {
    const char *Keys;
    unsigned Flags;
    int Selected; /* item marked Selected, -1 none */
    int Result, BreakCode;
  } cases[] = {
      {"Enter", FMENU_WRAPMODE, -1, 0, -1},
      {"Down Enter", FMENU_WRAPMODE, -1, 1, -1},
      {"Down Down Enter", FMENU_WRAPMODE, -1, 3, -1},           /* the separator is skipped */
      {"Up Enter", FMENU_WRAPMODE, -1, 4, -1},                  /* wraps to the last */
      {"Up Enter", 0, -1, 0, -1},                               /* stays without wrapping */
      {"Down Down Down Down Enter", 0, -1, 4, -1},              /* stops at the end */
      {"Down Down Down Down Enter", FMENU_WRAPMODE, -1, 0, -1}, /* wraps to the first */
      {"End Enter", FMENU_WRAPMODE, -1, 4, -1},
      {"Enter", FMENU_WRAPMODE, 3, 3, -1}, /* starts on the Selected item */
      {"Enter", FMENU_WRAPMODE, 2, 0, -1}, /* a selected separator is not chosen */
      {"Esc", FMENU_WRAPMODE, -1, -1, -1},
      {"c", FMENU_WRAPMODE, -1, 3, -1},    /* hotkey chooses at once */
      {"A", FMENU_WRAPMODE, -1, 4, -1},    /* hotkeys ignore case */
      {"\xE1", FMENU_WRAPMODE, -1, 3, -1}, /* the Russian letter on the key of c */
      {"\x94", FMENU_WRAPMODE, -1, 4, -1}, /* and the capital on a */
      {"x Enter", FMENU_WRAPMODE, -1, 0, -1},
      {"Down F4", FMENU_WRAPMODE, -1, 1, 0},         /* break key: current item, its index */
      {"Shift+F4 Enter", FMENU_WRAPMODE, -1, 0, -1}, /* modifiers must match */
      {"", FMENU_WRAPMODE, -1, -1, -1},              /* input ended: as Esc */
  };
  for (const auto &c : cases) {
    for (auto &item : Items)
      item.Selected = 0;
    if (c.Selected >= 0)
      Items[c.Selected].Selected = 1;
    BreakCode = 99;
    EXPECT_EQ(Run(c.Keys, c.Flags, f4), c.Result) << "keys \"" << c.Keys << "\"";
    EXPECT_EQ(BreakCode, c.BreakCode) << "keys \"" << c.Keys << "\": BreakCode";
    EXPECT_EQ(KeysLeft(), 0) << "keys \"" << c.Keys << "\": all read";
  }
}

TEST_F(MenuTest, DrawsTitleBottomItemsAndRestoresTheScreen) {
  ScreenPut(0, 12, 0x07, "background", 10);
  Items[0].Checked = 1;
  EXPECT_EQ(Run("Down Esc", 0), -1);
  EXPECT_EQ(Row(12), "background") << "the screen under the menu is back";
  const ScreenPicture open = PictureBeforeClose();
  int top = -1;
  for (int y = 0; y < 25 && top < 0; ++y)
    if (ShownRow(open, y).find("Horalis") != std::string::npos)
      top = y;
  ASSERT_GE(top, 0) << "the title is on the frame:\n" << ShownText(open);
  EXPECT_EQ(top, (25 - 7) / 2) << "five items and the frame, centred vertically";
  std::string title = ShownRow(open, top);
  size_t at = title.find("Horalis");
  EXPECT_NEAR((double)at + 3.5, 40.0, 3.0) << "the title is centred: " << title;
  EXPECT_NE(ShownRow(open, top + 1).find("Insert date"), std::string::npos)
      << "'&' is not shown: " << ShownRow(open, top + 1);
  EXPECT_NE(ShownRow(open, top + 1).find("\xFB"), std::string::npos) << "a checked item's mark";
  EXPECT_NE(ShownRow(open, top + 3).find("\xC4\xC4\xC4"), std::string::npos)
      << "a separator is a line: " << ShownRow(open, top + 3);
  EXPECT_NE(ShownRow(open, top + 6).find("Enter run"), std::string::npos) << "the bottom line";
}

TEST_F(MenuTest, HighlightsTheCurrentItem) {
  EXPECT_EQ(Run("Down Esc", 0), -1);
  const ScreenPicture open = PictureBeforeClose();
  int y = RowIn(open, "Presets");
  ASSERT_GE(y, 0);
  int x = (int)ShownRow(open, y).find("resets");
  EXPECT_EQ(open.Attr[y][x], 0x0F) << "the current item is highlighted";
  EXPECT_EQ(open.Attr[y][x - 1], 0x0E) << "its hotkey letter too";
  int y0 = RowIn(open, "Insert date");
  int x0 = (int)ShownRow(open, y0).find("nsert date");
  EXPECT_EQ(open.Attr[y0][x0], 0x30) << "the other items are not";
  EXPECT_EQ(open.Attr[y0][x0 - 1], 0x3E) << "the hotkey letter stands out";
}

TEST_F(MenuTest, BadItemArraysAreRefused) {
  PressKeys("Enter");
  EXPECT_EQ(HostMenu(0, -1, -1, 0, 0, "t", nullptr, nullptr, nullptr, &BreakCode, nullptr, 3), -1)
      << "no item array";
  EXPECT_EQ(HostMenu(0, -1, -1, 0, 0, "t", nullptr, nullptr, nullptr, &BreakCode, Items, 0), -1)
      << "no items";
  EXPECT_EQ(BreakCode, -1);
  /* Texts filling all 128 bytes without a terminator are read no further. */
  for (auto &item : Items)
    memset(item.Text, 'W', sizeof item.Text);
  Items[2].Separator = 0;
  EXPECT_EQ(Run("Down Enter", 0), 1);
  PressKeys("Enter");
  EXPECT_EQ(HostMenu(0, -1, -1, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, Items, 5), 0)
      << "null title, bottom line and BreakCode are fine";
}

} // namespace
