/* The description files as installed beside Dialog.gen: every dialog loads
   in both languages with the item numbers, radio values and exit codes the
   plugin uses, and lies out clearly on the host's screen. */
#include <gtest/gtest.h>

#include <string.h>

#include <set>
#include <string>
#include <vector>

#include "scripted_host.h"

namespace {

const std::string Dist = HORALIS_DIST_DIR;

struct Language {
  const char *LanguageFile;
  const char *DialogFile;
};

const Language Languages[] = {{"HoralisEng.lng", "HoralisEng.dlg"},
                              {"HoralisRus.lng", "HoralisRus.dlg"}};

class ShippedDialogs : public ::testing::TestWithParam<Language> {
protected:
  void SetUp() override {
    Messages = ReadLanguageFile(Dist + GetParam().LanguageFile);
    ASSERT_GE(Messages.size(), 73u) << "messages of " << GetParam().LanguageFile;
    ConnectScriptedHost();
    module = LoadLibraryA((Dist + "Dialog.gen").c_str());
    ASSERT_NE(module, nullptr) << "Dialog.gen in " << Dist;
  }
  void TearDown() override {
    for (DialogHandle d : loaded)
      FreeDialog(d);
    FreeLibrary(module);
  }
  DialogHandle Load(const char *file, const char *name) {
    DialogHandle d = LoadDialogEx((HINSTANCE)module, 7, file, name);
    if (d)
      loaded.push_back(d);
    return d;
  }
  /* The exit code when the person closes the dialog with that item. */
  int ExitWith(DialogHandle d, int item) {
    SetPerson(ClosesWith(d, item));
    return ShowDialog(d);
  }
  HMODULE module = nullptr;
  std::vector<DialogHandle> loaded;
};

void ExpectType(DialogHandle d, int item, int type, const char *what) {
  const FarDialogItem *r = GetItemAddr(d, item);
  ASSERT_NE(r, nullptr) << what << ": item " << item;
  EXPECT_EQ(r->Type, type) << what << ": type of item " << item;
}

/* A radio group reached through `through`, holding these items with these
   values: each value selects its own item. */
void ExpectGroup(DialogHandle d, int through, const std::vector<int> &items,
                 const std::vector<int> &values, const char *what) {
  for (size_t i = 0; i < items.size(); ++i) {
    ExpectType(d, items[i], DI_RADIOBUTTON, what);
    SetRadioStatus(d, through, values[i]);
    EXPECT_EQ(GetItemStatus(d, items[i]), 1) << what << ": value " << values[i];
    for (size_t j = 0; j < items.size(); ++j) {
      if (j != i) {
        ASSERT_EQ(GetItemStatus(d, items[j]), 0) << what << ": one selected button";
      }
    }
  }
}

std::vector<int> Range(int first, int last, int step = 1) {
  std::vector<int> v;
  for (int i = first; i <= last; i += step)
    v.push_back(i);
  return v;
}

TEST_P(ShippedDialogs, PresetDialogs) {
  const char *file = GetParam().DialogFile;
  const char *names[] = {"Main", "Main2"};
  for (const char *name : names) {
    DialogHandle d = Load(file, name);
    ASSERT_NE(d, nullptr) << name;
    ExpectGroup(d, 1, {1, 2}, {1, 2}, name);
    ExpectType(d, 3, DI_CHECKBOX, name);
    ExpectType(d, 11, DI_CHECKBOX, name);
    ExpectType(d, 4, DI_EDIT, name);
    ExpectType(d, 6, DI_EDIT, name);
    EXPECT_EQ(ExitWith(d, 7), 7) << name << ": insert or accept";
    SetPerson(Cancels());
    EXPECT_EQ(ShowDialog(d), -1) << name;
  }
  DialogHandle main = Load(file, "Main");
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(ExitWith(main, 8), 8) << "save";
  EXPECT_EQ(GetItemStatus(main, 8), 1) << "save reads set after the showing it ended";
  EXPECT_EQ(ExitWith(main, 7), 7);
  EXPECT_EQ(GetItemStatus(main, 8), 0) << "and clear after one it did not";
  HideItem(main, 8);
  SetPerson(Cancels());
  ShowDialog(main);
  EXPECT_EQ(GetItemStatus(main, 8), 0) << "hidden for slot 0";
}

TEST_P(ShippedDialogs, QuickFormatDialogs) {
  const char *names[] = {"Auto", "Menu"};
  for (const char *name : names) {
    DialogHandle d = Load(GetParam().DialogFile, name);
    ASSERT_NE(d, nullptr) << name;
    ExpectGroup(d, 2, {2, 3}, {2, 3}, name);
    ExpectType(d, 4, DI_EDIT, name);
    EXPECT_STREQ(GetItemData(d, 4), Messages[7].c_str()) << name << ": starts at the default";
    int ok = -1;
    for (int item = 0; item < 100; ++item) {
      const FarDialogItem *r = GetItemAddr(d, item);
      if (r && r->DefaultButton)
        ok = item;
    }
    ASSERT_GE(ok, 0) << name << ": a default button";
    EXPECT_NE(ExitWith(d, ok), -1) << name << ": the default button accepts";
  }
}

/* Every dialog that holds a format: "Preview" reads set after the showing
   it closed, and the line under the format runs from its left to the
   frame. */
TEST_P(ShippedDialogs, FormatDialogsHaveThePreview) {
  const char *names[] = {"Main", "Free", "Main2", "Auto", "Menu", "Indicator"};
  for (const char *name : names) {
    DialogHandle d = Load(GetParam().DialogFile, name);
    ASSERT_NE(d, nullptr) << name;
    ExpectType(d, 30, DI_BUTTON, name);
    ExpectType(d, 31, DI_TEXT, name);
    EXPECT_STREQ(GetItemData(d, 31), Messages[190].c_str()) << name << ": says what it is for";
    EXPECT_GT(GetItemAddr(d, 31)->X2, GetItemAddr(d, 31)->X1 + 30) << name << ": a wide line";
    EXPECT_NE(ExitWith(d, 30), -1) << name;
    EXPECT_EQ(GetItemStatus(d, 30), 1) << name << ": Preview reads set after it closed it";
  }
  DialogHandle free = Load(GetParam().DialogFile, "Free");
  ExpectGroup(free, 1, {1, 2}, {1, 2}, "Free");
  ExpectType(free, 6, DI_EDIT, "Free");
  EXPECT_EQ(ExitWith(free, 7), 7) << "Free: insert";
  for (int item : {3, 4, 8, 11})
    EXPECT_EQ(GetItemAddr(free, item), nullptr) << "Free: no item " << item;
}

TEST_P(ShippedDialogs, IndicatorSettings) {
  DialogHandle d = Load(GetParam().DialogFile, "Indicator");
  ASSERT_NE(d, nullptr);
  ExpectGroup(d, 2, {2, 3}, {2, 3}, "format");
  SetRadioStatus(d, 5, 5);
  EXPECT_EQ(GetRadioStatus(d, 5), 5) << "the group at item 5 takes the value 5";
  int checks[] = {6, 10, 14, 21};
  for (int item : checks)
    ExpectType(d, item, DI_CHECKBOX, "indicator");
  int edits[] = {4, 7, 8, 9};
  for (int item : edits)
    ExpectType(d, item, DI_EDIT, "indicator");
  EXPECT_STREQ(GetItemData(d, 4), Messages[8].c_str()) << "the default clock format";
  EXPECT_STREQ(GetItemData(d, 7), Messages[9].c_str()) << "the default display time";

  EXPECT_NE(ExitWith(d, 12), -1) << "the colour request does not cancel";
  EXPECT_EQ(GetItemStatus(d, 12), 1) << "and reads set after it closed the dialog";
  EXPECT_NE(ExitWith(d, 16), -1) << "OK";
  EXPECT_EQ(GetItemStatus(d, 12), 0) << "OK asks for no colour";
  EXPECT_EQ(ExitWith(d, 20), -1) << "Cancel";
}

TEST_P(ShippedDialogs, ColourPicker) {
  DialogHandle d = Load("color.dlg", "Color Select");
  ASSERT_NE(d, nullptr);
  ExpectGroup(d, 1, Range(0, 15), Range(0, 15), "foreground");
  ExpectGroup(d, 16, Range(16, 31), Range(0x00, 0xF0, 0x10), "background");
  ExpectType(d, 243, DI_TEXT, "preview");
  SetItemColor(d, 243, 0x30);
  EXPECT_EQ(GetItemAddr(d, 243)->Flags & (DIF_SETCOLOR | DIF_COLORMASK),
            (unsigned)(DIF_SETCOLOR | 0x30));
  EXPECT_EQ(ExitWith(d, 242), 242) << "accept";
  EXPECT_EQ(ExitWith(d, 247), 247) << "try: shown again, the sample recoloured";
  EXPECT_STREQ(GetItemData(d, 248), Messages[77].c_str()) << "what try does";
  EXPECT_EQ(ExitWith(d, 241), -1) << "cancel";
  EXPECT_STREQ(GetItemData(d, 243), Messages[63].c_str()) << "texts from the language file";
}

/* The grid alone, and the same with each row's week number before it. */
TEST_P(ShippedDialogs, Calendar) {
  for (const char *name : {"Calendar", "Weeks"}) {
    SCOPED_TRACE(name);
    DialogHandle d = Load("Calendar.dlg", name);
    ASSERT_NE(d, nullptr);
    for (int n = 1; n <= 42; ++n) {
      const FarDialogItem *cell = GetItemAddr(d, n);
      ASSERT_NE(cell, nullptr) << "cell " << n;
      EXPECT_EQ(cell->Type, DI_RADIOBUTTON) << "cell " << n;
      const FarDialogItem *first = GetItemAddr(d, 1);
      EXPECT_EQ(cell->X1 - first->X1, (n - 1) % 7 * 7) << "cell " << n << ": its column";
      EXPECT_EQ(cell->Y1 - first->Y1, (n - 1) / 7) << "cell " << n << ": its row";
      SetRadioStatus(d, 1, n);
      ASSERT_EQ(GetItemStatus(d, n), 1) << "the value of cell " << n << " is its number";
    }
    /* Monday first: the heading over each column is that weekday's. */
    for (int column = 0; column < 7; ++column) {
      int digits = GetItemAddr(d, 1 + column)->X1 + 4;
      bool found = false;
      for (int item = 43; item <= 49; ++item) {
        const FarDialogItem *h = GetItemAddr(d, item);
        if (h && h->Type == DI_TEXT && h->X1 == digits && h->Y1 == GetItemAddr(d, 1)->Y1 - 1) {
          EXPECT_STREQ(h->Data, Messages[(size_t)(48 + column)].c_str()) << "column " << column;
          found = true;
        }
      }
      EXPECT_TRUE(found) << "a heading over column " << column;
    }
    for (int item = 0; item < 100; ++item) {
      const FarDialogItem *r = GetItemAddr(d, item);
      EXPECT_FALSE(r && r->DefaultButton) << "no default button: Enter on a cell chooses it";
    }
    ASSERT_NE(GetItemData(d, 51), nullptr);
    ASSERT_NE(GetItemData(d, 54), nullptr);

    SetRadioStatus(d, 1, 20);
    for (int code = 50; code <= 56; ++code) {
      ExpectType(d, code, DI_BUTTON, "calendar control");
      EXPECT_EQ(ExitWith(d, code), code) << "control " << code;
      int chosen = GetRadioStatus(d, 1);
      EXPECT_TRUE(chosen != -1 && (chosen < 1 || chosen > 42))
          << "after control " << code << " no cell is chosen, read " << chosen;
    }
    EXPECT_EQ(ExitWith(d, 17), 17);
    EXPECT_EQ(GetRadioStatus(d, 1), 17) << "choosing a cell";
    SetPerson(Cancels());
    EXPECT_EQ(ShowDialog(d), -1);
    EXPECT_EQ(GetRadioStatus(d, 1), -1) << "after a cancel";
  }
}

TEST_P(ShippedDialogs, YearAndMonthPickers) {
  DialogHandle year = Load("Calendar.dlg", "Set Year");
  ASSERT_NE(year, nullptr);
  ExpectType(year, 51, DI_EDIT, "year field");
  int yearCodes[] = {50, 52, 53, 60};
  for (int code : yearCodes)
    EXPECT_EQ(ExitWith(year, code), code) << "Set Year control " << code;
  int field = IndexOf(year, 51);
  SetPerson([=](FarDialogItem *items, int) {
    strcpy(items[field].Data, "1850");
    return field; /* Enter in the field */
  });
  EXPECT_EQ(ShowDialog(year), 51);
  EXPECT_STREQ(GetItemData(year, 51), "1850") << "the typed year";

  DialogHandle month = Load("Calendar.dlg", "Set Month");
  ASSERT_NE(month, nullptr);
  ExpectGroup(month, 1, Range(1, 12), Range(1, 12), "months");
  for (int m = 1; m <= 12; ++m)
    EXPECT_STREQ(GetItemData(month, m), Messages[(size_t)(35 + m)].c_str()) << "month " << m;
  int monthCodes[] = {50, 52, 53, 60};
  for (int code : monthCodes)
    EXPECT_EQ(ExitWith(month, code), code) << "Set Month control " << code;
  int may = IndexOf(month, 5), january = IndexOf(month, 1);
  SetRadioStatus(month, 1, 1);
  SetPerson([=](FarDialogItem *items, int) {
    items[january].Selected = 0;
    items[may].Selected = 1;
    return IndexOf(month, 60);
  });
  EXPECT_EQ(ShowDialog(month), 60);
  EXPECT_EQ(GetRadioStatus(month, 1), 5) << "the month selected by hand";
}

/* How many columns an item takes on the screen, as the host draws it. */
int Width(const FarDialogItem &item) {
  int text = 0;
  for (const char *c = item.Data; *c; ++c)
    text += *c != '&';
  switch (item.Type) {
  case DI_BUTTON:
    return (item.Flags & DIF_NOBRACKETS) ? text : text + 4;
  case DI_CHECKBOX:
  case DI_RADIOBUTTON:
    return text + 4;
  case DI_EDIT:
  case DI_PSWEDIT:
  case DI_FIXEDIT:
    return item.X2 - item.X1 + 1;
  default:
    return text;
  }
}

int LowerHotkey(unsigned char c) {
  if (c >= 'A' && c <= 'Z')
    return c + 32;
  if (c >= 0x80 && c <= 0x8F) /* Cyrillic capitals of code page 866 */
    return c + 0x20;
  if (c >= 0x90 && c <= 0x9F)
    return c + 0x50;
  return c;
}

/* Every visible item within the frame, no two on a row overlapping, each
   hotkey used once. */
void ExpectClearLayout(DialogHandle d, const std::string &what) {
  SetPerson(Cancels());
  ShowDialog(d);
  const Showing &s = Showings.back();
  const FarDialogItem *frame = nullptr;
  for (const FarDialogItem &item : s.Items)
    if (item.Type == DI_DOUBLEBOX && !frame)
      frame = &item;
  ASSERT_NE(frame, nullptr) << what << ": a frame";
  EXPECT_LE(s.X2, 80) << what << ": fits the host's 80 columns";
  EXPECT_LE(s.Y2, 25) << what << ": fits the host's 25 rows";
  EXPECT_EQ(frame->X2, s.X2 - 4) << what << ": the frame's right edge";
  EXPECT_EQ(frame->Y2, s.Y2 - 2) << what << ": the frame's bottom";
  std::set<int> hotkeys;
  for (size_t i = 0; i < s.Items.size(); ++i) {
    const FarDialogItem &a = s.Items[i];
    if (&a == frame || (a.Flags & DIF_SEPARATOR))
      continue;
    std::string at = what + ", \"" + a.Data + "\"";
    int right = a.Type == DI_SINGLEBOX ? a.X2 : a.X1 + Width(a) - 1;
    int bottom = a.Type == DI_SINGLEBOX ? a.Y2 : a.Y1;
    if (a.X1 >= 0) {
      EXPECT_GT(a.X1, frame->X1) << at << ": inside the frame";
      EXPECT_LT(right, frame->X2) << at << ": inside the frame";
    } else {
      EXPECT_LT(Width(a), frame->X2 - frame->X1 - 1) << at << ": fits when centred";
    }
    EXPECT_GT(a.Y1, frame->Y1) << at;
    EXPECT_LT(bottom, frame->Y2) << at;
    const char *amp = strchr(a.Data, '&');
    if (amp && amp[1]) {
      EXPECT_TRUE(hotkeys.insert(LowerHotkey((unsigned char)amp[1])).second)
          << at << ": hotkey used twice";
    }
    if (a.Type == DI_SINGLEBOX || a.X1 < 0)
      continue;
    for (size_t j = i + 1; j < s.Items.size(); ++j) {
      const FarDialogItem &b = s.Items[j];
      if (&b == frame || b.Type == DI_SINGLEBOX || (b.Flags & DIF_SEPARATOR) || b.X1 < 0 ||
          b.Y1 != a.Y1)
        continue;
      bool apart = right < b.X1 || b.X1 + Width(b) - 1 < a.X1;
      EXPECT_TRUE(apart) << at << " and \"" << b.Data << "\" overlap";
    }
  }
}

TEST_P(ShippedDialogs, LayoutsAreClear) {
  struct File {
    std::string Name;
    std::vector<std::string> Dialogs;
  } files[] = {{GetParam().DialogFile, {"Main", "Free", "Main2", "Auto", "Menu", "Indicator"}},
               {"color.dlg", {"Color Select"}},
               {"Calendar.dlg", {"Calendar", "Weeks", "Set Year", "Set Month"}}};
  for (const File &f : files) {
    char names[512];
    EXPECT_EQ(EnumDialog((HINSTANCE)module, f.Name.c_str(), names, sizeof names),
              (int)f.Dialogs.size())
        << f.Name << " holds just its dialogs";
    for (const std::string &name : f.Dialogs) {
      DialogHandle d = Load(f.Name.c_str(), name.c_str());
      ASSERT_NE(d, nullptr) << f.Name << ": " << name;
      if (name == "Calendar" || name == "Weeks") { /* the widest texts the plugin writes */
        strcpy(GetItemData(d, 51), " 9999 ");
        strcpy(GetItemData(d, 54), " September");
        for (int n = 1; n <= 42; ++n)
          strcpy(GetItemData(d, n), "31");
        for (int row = 0; row < 6 && name == "Weeks"; ++row)
          strcpy(GetItemData(d, 61 + row), "53");
      }
      if (FarDialogItem *line = GetItemAddr(d, 31); line && line->Type == DI_TEXT) {
        std::string full((size_t)(line->X2 - line->X1 + 1), 'x'); /* the widest preview */
        strcpy(GetItemData(d, 31), full.c_str());
      }
      ExpectClearLayout(d, f.Name + ": " + name);
      for (int item = 0; item < 300; ++item) {
        const char *text = GetItemData(d, item);
        EXPECT_FALSE(text && strncmp(text, "msg ", 4) == 0)
            << name << ": item " << item << " refers to a message the file lacks";
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, ShippedDialogs, ::testing::ValuesIn(Languages),
                         [](const ::testing::TestParamInfo<Language> &info) {
                           return std::string(info.param.LanguageFile).substr(7, 3);
                         });

} // namespace
