#include "dialog.h"
#include "screen.h"
#include "stand_in_fixture.h"

#include <string.h>
#include <vector>

namespace {

FarDialogItem MakeItem(int type, int x1, int y1, int x2, int y2, const char *data,
                       unsigned flags = 0) {
  FarDialogItem item;
  memset(&item, 0, sizeof item);
  item.Type = type;
  item.X1 = x1;
  item.Y1 = y1;
  item.X2 = x2;
  item.Y2 = y2;
  item.Flags = flags;
  snprintf(item.Data, sizeof item.Data, "%s", data);
  return item;
}

/* A dialog like the plugin's settings: a box, a label, an edit field, a
   check box, a radio group of three, and Ok / Cancel. */
enum { BOX, LABEL, EDIT, CHECK, RADIO1, RADIO2, RADIO3, OK, CANCEL, COUNT };

class DialogTest : public StandInTest {
protected:
  FarDialogItem Items[COUNT];
  void SetUp() override {
    StandInTest::SetUp();
    Items[BOX] = MakeItem(DI_DOUBLEBOX, 3, 1, 46, 10, "Settings");
    Items[LABEL] = MakeItem(DI_TEXT, 5, 2, 0, 0, "&Format:");
    Items[EDIT] = MakeItem(DI_EDIT, 5, 3, 44, 3, "%d.%m.%Y");
    Items[CHECK] = MakeItem(DI_CHECKBOX, 5, 4, 0, 0, "&At cursor");
    Items[RADIO1] = MakeItem(DI_RADIOBUTTON, 5, 5, 0, 0, "&Editor", DIF_GROUP);
    Items[RADIO2] = MakeItem(DI_RADIOBUTTON, 5, 6, 0, 0, "Command &line");
    Items[RADIO3] = MakeItem(DI_RADIOBUTTON, 5, 7, 0, 0, "Clip&board");
    Items[OK] = MakeItem(DI_BUTTON, 0, 9, 0, 0, "&Ok", DIF_CENTERGROUP);
    Items[CANCEL] = MakeItem(DI_BUTTON, 0, 9, 0, 0, "Cancel", DIF_CENTERGROUP);
    Items[RADIO1].Selected = 1;
    Items[OK].DefaultButton = 1;
  }
  int Run(const char *keys) {
    PressKeys(keys);
    return HostDialog(3, -1, -1, 50, 12, "Auto", Items, COUNT);
  }
  int SelectedRadio() {
    for (int i = RADIO1; i <= RADIO3; ++i)
      if (Items[i].Selected)
        return i;
    return -1;
  }
};

TEST_F(DialogTest, EnterAndEscClose) {
  const struct {
    const char *Keys;
    int Result;
  } cases[] = {
      {"Enter", OK},                     /* from the edit field: the default button */
      {"Esc", -1},                       /* cancel */
      {"Tab Tab Tab Tab Tab Enter", OK}, /* focus on Ok */
      {"Tab Tab Tab Tab Tab Tab Enter", CANCEL},
      {"Shift+Tab Enter", CANCEL},               /* backwards from the edit field wraps */
      {"Shift+Tab Space", CANCEL},               /* Space presses a button */
      {"Tab Tab Tab Tab Tab Tab Tab Enter", OK}, /* wraps to the edit field: default */
      {"Alt+o", OK},                             /* a button's hotkey presses it */
      {"Alt+\xE9", OK}, /* the Russian layout's letter on that key (\xE9 is on o) */
      {"", -1},         /* input ended */
  };
  for (const auto &c : cases) {
    SetUp();
    EXPECT_EQ(Run(c.Keys), c.Result) << "keys \"" << c.Keys << "\"";
    EXPECT_EQ(KeysLeft(), 0) << c.Keys;
  }
}

TEST_F(DialogTest, EnterWithoutDefaultButtonReturnsTheFocusedItem) {
  Items[OK].DefaultButton = 0;
  EXPECT_EQ(Run("Enter"), EDIT);
  SetUp();
  Items[OK].DefaultButton = 0;
  EXPECT_EQ(Run("Tab Enter"), CHECK);
}

TEST_F(DialogTest, TextsAreNeverFocused) {
  /* Initial focus asked for a text item: the first focusable item gets it. */
  Items[LABEL].Focus = 1;
  EXPECT_EQ(Run("Shift+Tab Shift+Tab Enter"), OK);
  EXPECT_EQ(Items[LABEL].Focus, 0) << "the label never had the focus";
  /* A label's hotkey moves to the item after it. */
  SetUp();
  EXPECT_EQ(Run("Tab Alt+f \"X\" Enter"), OK);
  EXPECT_STREQ(Items[EDIT].Data, "%d.%m.%YX") << "typed into the edit field after the label";
}

/* A key presses a hotkey in either keyboard layout, US or Russian; a
   hotkey typed as it stands comes first. */
TEST_F(DialogTest, HotkeysWorkInEitherKeyboardLayout) {
  const char *texts[] = {"&<", "&>", "&a", "&\xE4" /* on the key of a */, "&e"};
  FarDialogItem buttons[5];
  for (int i = 0; i < 5; ++i)
    buttons[i] = MakeItem(DI_BUTTON, 2 + 6 * i, 1, 0, 0, texts[i]);
  const struct {
    const char *Keys;
    int Result;
  } cases[] = {
      {"<", 0},          {"Shift+,", 0},    {"Shift+\x81", 0}, /* Shift+Б */
      {"Shift+\xA1", 0}, {"Shift+\x9E", 1}, {"a", 2},          /* Shift+б, Shift+Ю */
      {"\xE4", 3},       {"\x94", 3},       {"\xE3", 4},       /* ф, Ф; у is on e */
      {"A", 2},          {"\xEB", -1},                         /* ы is on s: no hotkey */
  };
  for (const auto &c : cases) {
    PressKeys(c.Keys);
    EXPECT_EQ(HostDialog(0, -1, -1, 40, 3, nullptr, buttons, 5), c.Result)
        << "keys \"" << c.Keys << "\"";
  }
}

TEST_F(DialogTest, EditFieldsTypeAndWriteBack) {
  const struct {
    const char *Keys;
    const char *Data;
  } cases[] = {
      {"\" %H\" Enter", "%d.%m.%Y %H"},   {"BS BS Enter", "%d.%m."},
      {"Home Del Enter", "d.%m.%Y"},      {"Home \"[\" End \"]\" Enter", "[%d.%m.%Y]"},
      {"Left Left x Enter", "%d.%m.x%Y"},
  };
  for (const auto &c : cases) {
    SetUp();
    EXPECT_EQ(Run(c.Keys), OK) << c.Keys;
    EXPECT_STREQ(Items[EDIT].Data, c.Data) << "keys \"" << c.Keys << "\"";
  }
}

TEST_F(DialogTest, EditTextStaysWithin512Bytes) {
  memset(Items[EDIT].Data, 'a', sizeof Items[EDIT].Data); /* no terminator */
  EXPECT_EQ(Run("x y z Enter"), OK);
  EXPECT_EQ(strlen(Items[EDIT].Data), (size_t)FAR_DIALOG_DATA_SIZE - 1)
      << "text cut to 511 bytes, nothing added past them";
  EXPECT_EQ(Items[EDIT].Data[0], 'a');
}

TEST_F(DialogTest, CheckBoxesAndRadioGroups) {
  const struct {
    const char *Keys;
    int Check, Radio;
    unsigned MoveSelect;
  } cases[] = {
      {"Tab Space Enter", 1, RADIO1, 0},
      {"Tab Space Space Enter", 0, RADIO1, 0},
      {"Alt+a Enter", 1, RADIO1, 0},
      {"Tab Tab Down Enter", 0, RADIO1, 0},                   /* moving alone does not select */
      {"Tab Tab Down Space Enter", 0, RADIO2, 0},             /* Space selects */
      {"Tab Tab Down Down Enter", 0, RADIO3, DIF_MOVESELECT}, /* moving selects */
      {"Tab Tab Down Up Enter", 0, RADIO1, DIF_MOVESELECT},
      {"Alt+b Enter", 0, RADIO3, 0},        /* hotkey selects */
      {"Tab Tab l Enter", 0, RADIO2, 0},    /* plain letter outside edit fields */
      {"Tab Tab \xA4 Enter", 0, RADIO2, 0}, /* the same key in the Russian layout */
  };
  for (const auto &c : cases) {
    SetUp();
    Items[RADIO1].Flags |= c.MoveSelect;
    EXPECT_EQ(Run(c.Keys), OK) << c.Keys;
    EXPECT_EQ(Items[CHECK].Selected, c.Check) << "keys \"" << c.Keys << "\": check box";
    EXPECT_EQ(SelectedRadio(), c.Radio) << "keys \"" << c.Keys << "\": radio";
    int selected = 0;
    for (int i = RADIO1; i <= RADIO3; ++i)
      selected += Items[i].Selected;
    EXPECT_EQ(selected, 1) << c.Keys << ": one radio button of the group";
  }
}

TEST_F(DialogTest, TwoRadioGroups) {
  /* RADIO3 starts a group of its own. */
  Items[RADIO3].Flags |= DIF_GROUP;
  Items[RADIO3].Selected = 1;
  EXPECT_EQ(Run("Tab Tab Down Space Enter"), OK);
  EXPECT_EQ(Items[RADIO2].Selected, 1);
  EXPECT_EQ(Items[RADIO1].Selected, 0) << "RADIO2 took the first group's selection";
  EXPECT_EQ(Items[RADIO3].Selected, 1) << "the second group keeps its own";
}

TEST_F(DialogTest, ArrowsMoveByPlaceOnScreen) {
  /* A calendar-like grid: three rows of three radio cells, one group. */
  FarDialogItem grid[10];
  for (int i = 0; i < 9; ++i) {
    char day[4];
    snprintf(day, sizeof day, "%d", i + 1);
    grid[i] = MakeItem(DI_RADIOBUTTON, 2 + (i % 3) * 6, 1 + i / 3, 0, 0, day,
                       i == 0 ? DIF_GROUP | DIF_MOVESELECT : 0);
  }
  grid[0].Selected = 1;
  grid[9] = MakeItem(DI_BUTTON, 2, 5, 0, 0, "Today");
  const struct {
    const char *Keys;
    int Day; /* the selected cell, 0-based */
  } cases[] = {
      {"Down Enter", 3}, /* a week later, not the next cell */
      {"Down Down Right Enter", 7},
      {"Right Right Down Left Enter", 4},
      {"Right Up Enter", 0},       /* nothing above: the previous item, as Shift+Tab */
      {"Down Down Down Enter", 6}, /* from the last row down to the button */
  };
  for (const auto &c : cases) {
    for (int i = 0; i < 9; ++i)
      grid[i].Selected = i == 0;
    grid[0].Focus = 1;
    PressKeys(c.Keys);
    HostDialog(0, -1, -1, 24, 7, nullptr, grid, 10);
    int selected = -1;
    for (int i = 0; i < 9; ++i)
      if (grid[i].Selected)
        selected = i;
    EXPECT_EQ(selected, c.Day) << "keys \"" << c.Keys << "\"";
  }
  /* Right from a button to the one beside it. */
  EXPECT_EQ(Run("Tab Tab Tab Tab Tab Right Enter"), CANCEL);
}

TEST_F(DialogTest, FocusIsWrittenBack) {
  EXPECT_EQ(Run("Tab Tab Down Esc"), -1);
  EXPECT_EQ(Items[RADIO2].Focus, 1);
  EXPECT_EQ(Items[EDIT].Focus, 0);
  /* And taken as the start next time. */
  EXPECT_EQ(Run("Space Enter"), OK);
  EXPECT_EQ(SelectedRadio(), RADIO2);
}

TEST_F(DialogTest, DrawsTextsUpToTheirZeroByteInTheirColours) {
  strcpy(Items[LABEL].Data, "Shown");
  memcpy(Items[LABEL].Data + 6, "HIDDEN", 7);
  Items[LABEL].Flags |= DIF_SETCOLOR | 0x1E;
  Run("Esc");
  ScreenPicture open = PictureBeforeClose();
  int y = RowIn(open, "Shown");
  ASSERT_GE(y, 0) << ShownText(open);
  EXPECT_EQ(ShownText(open).find("HIDDEN"), std::string::npos) << "nothing after the zero byte";
  int x = (int)ShownRow(open, y).find("Shown");
  EXPECT_EQ(open.Attr[y][x], 0x1E) << "DIF_SETCOLOR gives the colour";
  EXPECT_GE(RowIn(open, "Settings"), 0) << "the box title";
  int buttons = RowIn(open, "{ Ok }");
  ASSERT_GE(buttons, 0) << "the default button in braces:\n" << ShownText(open);
  EXPECT_NE(ShownRow(open, buttons).find("[ Cancel ]"), std::string::npos);
  EXPECT_GE(RowIn(open, "(\xF9) Editor"), 0) << "the selected radio button";
  EXPECT_GE(RowIn(open, "[ ] At cursor"), 0) << "the clear check box";
  EXPECT_GE(RowIn(open, "%d.%m.%Y"), 0) << "the edit field's text";
}

/* As the host draws them: a radio button of a DIF_MOVESELECT group as
   " * " and its text, a column left of where "( ) " puts it; a text at X1. */
TEST_F(DialogTest, ItemsTextsStartWhereTheHostPutsThem) {
  Items[RADIO3].Flags |= DIF_MOVESELECT;
  Items[LABEL].Y1 = 8;
  Run("Esc");
  ScreenPicture open = PictureBeforeClose();
  struct {
    const char *text;
    int column; /* from X1 */
  } cases[] = {
      {"(\xF9) Editor", 0}, {"Editor", 4}, {"   Clipboard", 0}, {"Clipboard", 3}, {"Format:", 0}};
  int x1 = (int)ShownRow(open, RowIn(open, "(\xF9) Editor")).find("(\xF9) Editor");
  for (const auto &c : cases) {
    int y = RowIn(open, c.text);
    ASSERT_GE(y, 0) << c.text << "\n" << ShownText(open);
    EXPECT_EQ(x1 + c.column, (int)ShownRow(open, y).find(c.text)) << c.text;
  }
}

TEST_F(DialogTest, BadItemArraysAreRefused) {
  PressKeys("Enter");
  EXPECT_EQ(HostDialog(0, -1, -1, 50, 12, nullptr, nullptr, 3), -1);
  EXPECT_EQ(HostDialog(0, -1, -1, 50, 12, nullptr, Items, 0), -1);
  EXPECT_EQ(HostDialog(0, -1, -1, 50, 12, nullptr, Items, -4), -1);
  EXPECT_EQ(KeysLeft(), 1) << "nothing shown";
  /* Items far outside the screen are clipped, not written past it. */
  Items[LABEL].X1 = 5000;
  Items[LABEL].Y1 = -7000;
  Items[BOX].X2 = 100000;
  EXPECT_EQ(Run("Enter"), OK);
  /* Only texts: Enter closes with no focused item. */
  FarDialogItem texts[2] = {MakeItem(DI_TEXT, 1, 1, 0, 0, "a"), MakeItem(DI_TEXT, 1, 2, 0, 0, "b")};
  PressKeys("Tab Enter");
  EXPECT_EQ(HostDialog(0, -1, -1, 20, 5, nullptr, texts, 2), -1);
}

} // namespace
