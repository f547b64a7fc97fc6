/* The operations as the plugin uses them, with a scripted person in the
   host's place: what the host is shown, what comes back, and the controls
   with their own reporting rules. */
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "host_link.h"
#include "scripted_host.h"

namespace {

const char *const OpsText = "dialog \"Ops\" 50 14 help \"OpsHelp\"\n"
                            "  0 doublebox 3 1 46 12 \"Ops\"\n"
                            "  1 radio 5 2 0 0 \"&One\" group\n"
                            "  2 radio 5 3 0 0 \"&Two\"\n"
                            "  3 checkbox 5 4 0 0 \"&Check\"\n"
                            "  4 edit 5 5 40 0 \"initial\" focus\n"
                            "  5 text 5 6 0 0 @3\n"
                            "  6 radio 5 7 0 0 \"a\" group value=16\n"
                            "  7 radio 15 7 0 0 \"b\" value=32\n"
                            "  9 checkbox 5 8 0 0 \"Ask\" request\n"
                            "  8 button 5 9 0 0 \"&Save\" request\n"
                            " 10 button 15 9 0 0 \"OK\" default exit=100\n"
                            " 11 button 25 9 0 0 \"Cancel\" exit=-1\n"
                            " 12 button 35 9 0 0 \"Hidden\" hidden\n"
                            "end\n"
                            "dialog \"Cells\" 60 12\n"
                            "  1 radio 5 2 0 0 \" 1\" group choose\n"
                            "  2 radio 12 2 0 0 \" 2\"\n"
                            "  3 radio 19 2 0 0 \" 3\"\n"
                            "  4 radio 26 2 0 0 \" 4\"\n"
                            " 20 radio 5 4 0 0 \"x\" group value=5\n"
                            " 21 radio 12 4 0 0 \"y\" value=6\n"
                            " 50 button 5 6 0 0 \"<\"\n"
                            "end\n";

class Operations : public ::testing::Test {
protected:
  void SetUp() override {
    Messages = {"zero", "one", "two", "three"};
    ConnectScriptedHost();
    ops = LoadText(OpsText, "Ops");
    cells = LoadText(OpsText, "Cells");
    ASSERT_NE(ops, nullptr);
    ASSERT_NE(cells, nullptr);
  }
  void TearDown() override {
    FreeDialog(ops);
    FreeDialog(cells);
  }
  /* The host's record of an item at the last showing. */
  const FarDialogItem &Shown(DialogHandle d, int item) {
    return Showings.back().Items.at((size_t)IndexOf(d, item));
  }
  DialogHandle ops = nullptr, cells = nullptr;
};

TEST_F(Operations, TheHostGetsTheVisibleItemsInFileOrder) {
  SetPerson(Cancels());
  EXPECT_EQ(ShowDialog(ops), -1);
  ASSERT_EQ(Showings.size(), 1u);
  const Showing &s = Showings[0];
  EXPECT_EQ(s.ModuleNumber, 7) << "the module number LoadDialogEx got";
  EXPECT_EQ(s.X1, -1) << "centred";
  EXPECT_EQ(s.Y1, -1) << "centred";
  EXPECT_EQ(s.X2, 50) << "the width of the description";
  EXPECT_EQ(s.Y2, 14) << "the height of the description";
  EXPECT_EQ(s.Help, "OpsHelp");
  ASSERT_EQ(s.Items.size(), 12u) << "the hidden item 12 is not shown";
  const char *texts[] = {"Ops", "&One", "&Two", "&Check", "initial", "three",
                         "a",   "b",    "Ask",  "&Save",  "OK",      "Cancel"};
  for (int i = 0; i < 12; ++i)
    EXPECT_STREQ(s.Items[(size_t)i].Data, texts[i]) << "item at " << i;
  EXPECT_EQ(s.Items[1].Type, DI_RADIOBUTTON);
  EXPECT_EQ(s.Items[4].Type, DI_EDIT);
  EXPECT_EQ(s.Items[4].Focus, 1) << "the described focus";
  EXPECT_EQ(s.Items[10].DefaultButton, 1);
  EXPECT_EQ(IndexOf(ops, 12), -1) << "a hidden item has no place in the array";
  EXPECT_EQ(IndexOf(ops, 8), 9) << "items after the request check box";
}

TEST_F(Operations, ExitCodes) {
  struct Case {
    const char *What;
    int Result; /* what the host returns */
    int Exit;
  } cases[] = {
      {"OK with its own exit code", IndexOf(ops, 10), 100},
      {"a button without one gives its number", IndexOf(ops, 8), 8},
      {"Cancel described as -1", IndexOf(ops, 11), -1},
      {"Esc", -1, -1},
      {"an index past the array", 12, -1},
      {"a negative index", -5, -1},
      {"Enter on an edit field without a default", IndexOf(ops, 4), 4},
  };
  for (const Case &c : cases) {
    int result = c.Result;
    SetPerson([result](FarDialogItem *, int) { return result; });
    EXPECT_EQ(ShowDialog(ops), c.Exit) << c.What;
  }
}

TEST_F(Operations, WhatThePersonChangedComesBackUnlessCancelled) {
  int edit = IndexOf(ops, 4), check = IndexOf(ops, 3), two = IndexOf(ops, 2), one = IndexOf(ops, 1),
      b = IndexOf(ops, 7), a = IndexOf(ops, 6);
  auto edits = [=](FarDialogItem *items, int) {
    strcpy(items[edit].Data, "typed");
    items[check].Selected = 1;
    items[one].Selected = 0;
    items[two].Selected = 1;
    items[a].Selected = 0;
    items[b].Selected = 1;
    items[edit].Focus = 0;
    items[check].Focus = 1;
  };
  SetPerson([=](FarDialogItem *items, int count) {
    edits(items, count);
    return -1;
  });
  EXPECT_EQ(ShowDialog(ops), -1);
  EXPECT_STREQ(GetItemData(ops, 4), "initial") << "Esc discards the typing";
  EXPECT_EQ(GetItemStatus(ops, 3), 0) << "Esc discards the check";
  EXPECT_EQ(GetRadioStatus(ops, 2), 1) << "Esc discards the radio choice";
  SetPerson([=](FarDialogItem *items, int count) {
    edits(items, count);
    return IndexOf(ops, 11);
  });
  EXPECT_EQ(ShowDialog(ops), -1);
  EXPECT_STREQ(GetItemData(ops, 4), "initial") << "a Cancel button discards too";

  SetPerson([=](FarDialogItem *items, int count) {
    edits(items, count);
    return IndexOf(ops, 10);
  });
  EXPECT_EQ(ShowDialog(ops), 100);
  EXPECT_STREQ(GetItemData(ops, 4), "typed");
  EXPECT_EQ(GetItemStatus(ops, 3), 1);
  EXPECT_EQ(GetRadioStatus(ops, 1), 2) << "through the group's first button";
  EXPECT_EQ(GetRadioStatus(ops, 2), 2) << "through the selected button";
  EXPECT_EQ(GetItemStatus(ops, 1), 0);
  EXPECT_EQ(GetItemStatus(ops, 2), 1);
  EXPECT_EQ(GetRadioStatus(ops, 6), 32) << "the value of the second group's button";
  EXPECT_EQ(GetItemAddr(ops, 3)->Focus, 1) << "the focus where the person left it";
  EXPECT_EQ(GetItemAddr(ops, 4)->Focus, 0);

  SetPerson(Cancels());
  ShowDialog(ops);
  EXPECT_STREQ(Shown(ops, 4).Data, "typed");
}

TEST_F(Operations, EachShowingStartsOnTheDescribedFocusUnlessThePluginSetOne) {
  /* The person always leaves the focus on Save (8) and closes with it. */
  struct Step {
    int SetFocus; /* item given to SetItemFocus before the showing; 0: none */
    int Closer;   /* item that closes the showing; -1: Esc */
    int Expected; /* item focused when the showing starts */
    const char *What;
  } const steps[] = {
      {0, 8, 4, "the first showing starts on the described item"},
      {0, 8, 4, "not where the person left the last showing"},
      {10, 8, 10, "SetItemFocus chooses this showing's start"},
      {0, -1, 4, "and only that showing's"},
      {3, -1, 3, "a cancelled showing starts where the plugin set it too"},
      {0, 10, 4, "a cancel does not carry the plugin's choice on"},
  };
  int save = IndexOf(ops, 8);
  for (const Step &step : steps) {
    if (step.SetFocus)
      SetItemFocus(ops, step.SetFocus);
    int closer = step.Closer < 0 ? -1 : IndexOf(ops, step.Closer);
    std::vector<int> startedOn;
    SetPerson([&](FarDialogItem *items, int count) {
      for (int i = 0; i < count; ++i)
        if (items[i].Focus)
          startedOn.push_back(i);
      for (int i = 0; i < count; ++i)
        items[i].Focus = i == save;
      return closer;
    });
    ShowDialog(ops);
    EXPECT_EQ(startedOn, std::vector<int>{IndexOf(ops, step.Expected)}) << step.What;
  }
  EXPECT_EQ(GetItemAddr(ops, 8)->Focus, 1) << "the plugin still reads where the person left it";
  EXPECT_EQ(GetItemAddr(ops, 4)->Focus, 0);
}

TEST_F(Operations, TextsAre512WritableBytesOfWhichTheHostSeesUpToTheZero) {
  char *text = GetItemData(ops, 4);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ((void *)text, (void *)GetItemAddr(ops, 4)->Data) << "one text, two views";
  memset(text, 'a', 511);
  text[511] = 0;
  SetPerson(Cancels());
  ShowDialog(ops);
  EXPECT_EQ(strlen(Shown(ops, 4).Data), 511u) << "a text of 511 characters reaches the host";

  memcpy(text, "ab\0secret", 10);
  ShowDialog(ops);
  const FarDialogItem &shown = Shown(ops, 4);
  EXPECT_STREQ(shown.Data, "ab");
  for (size_t i = 2; i < sizeof shown.Data; ++i)
    ASSERT_EQ(shown.Data[i], 0) << "nothing past the zero reaches the host, at byte " << i;

  memset(text, 'b', 512); /* no terminator at all */
  ShowDialog(ops);
  EXPECT_EQ(strlen(Shown(ops, 4).Data), 511u) << "the host gets a terminated text";
}

TEST_F(Operations, AHostThatFillsAllOfATextCannotOverrunIt) {
  int edit = IndexOf(ops, 4);
  SetPerson([=](FarDialogItem *items, int) {
    memset(items[edit].Data, 'z', sizeof items[edit].Data);
    return IndexOf(ops, 10);
  });
  EXPECT_EQ(ShowDialog(ops), 100);
  EXPECT_EQ(strlen(GetItemData(ops, 4)), 511u) << "cut to 511 with its terminator";
}

/* What marking a calendar cell does to the record: the tag and the old type
   and flags in bytes 500 to 511, grey plain text. */
void Mark(DialogHandle d, int item) {
  FarDialogItem *r = GetItemAddr(d, item);
  int tag = 0xF00F00;
  memcpy(r->Data + 508, &r->Flags, 4);
  memcpy(r->Data + 504, &r->Type, 4);
  memcpy(r->Data + 500, &tag, 4);
  r->Type = DI_TEXT;
  SetItemColor(d, item, 0x78);
}

void Unmark(DialogHandle d, int item) {
  FarDialogItem *r = GetItemAddr(d, item);
  int tag = 0;
  memcpy(&tag, r->Data + 500, 4);
  if (tag != 0xF00F00)
    return;
  memset(r->Data + 500, 0, 4);
  memcpy(&r->Flags, r->Data + 508, 4);
  memcpy(&r->Type, r->Data + 504, 4);
}

TEST_F(Operations, MarksWrittenIntoTheRecordSurviveShowings) {
  FarDialogItem *cell = GetItemAddr(cells, 2);
  ASSERT_NE(cell, nullptr);
  unsigned flagsBefore = cell->Flags;
  Mark(cells, 2);
  Mark(cells, 1);
  char tail[12];
  memcpy(tail, cell->Data + 500, 12);

  int one = IndexOf(cells, 1), two = IndexOf(cells, 2);
  SetPerson([=](FarDialogItem *items, int) {
    items[two].Selected = 1; /* a host that ignores the type still cannot choose it */
    return IndexOf(cells, 50);
  });
  EXPECT_EQ(ShowDialog(cells), 50);
  const Showing &s = Showings.back();
  EXPECT_EQ(s.Items[(size_t)two].Type, DI_TEXT) << "the host shows the record's new type";
  EXPECT_EQ(s.Items[(size_t)two].Flags & (DIF_SETCOLOR | DIF_COLORMASK),
            (unsigned)(DIF_SETCOLOR | 0x78))
      << "and its colour";
  EXPECT_STREQ(s.Items[(size_t)two].Data, " 2") << "the text, not the mark";
  EXPECT_EQ(s.Items[(size_t)one].Data[500], 0) << "the mark stays out of the host's copy";
  EXPECT_EQ(s.Items[(size_t)IndexOf(cells, 3)].Flags & DIF_GROUP, (unsigned)DIF_GROUP)
      << "the first cell still a radio button starts the host's group";
  EXPECT_EQ(memcmp(cell->Data + 500, tail, 12), 0) << "bytes 500 to 511 untouched";
  EXPECT_EQ(GetItemStatus(cells, 2), 0) << "a text item cannot be selected";

  Unmark(cells, 2);
  Unmark(cells, 1);
  EXPECT_EQ(cell->Type, DI_RADIOBUTTON);
  EXPECT_EQ(cell->Flags, flagsBefore) << "unmarking takes back the colour as well";
  SetPerson(Cancels());
  ShowDialog(cells);
  EXPECT_EQ(Shown(cells, 2).Type, DI_RADIOBUTTON) << "the next showing shows it as a cell again";
  EXPECT_EQ(Shown(cells, 1).Flags & DIF_GROUP, (unsigned)DIF_GROUP);
  EXPECT_EQ(Shown(cells, 3).Flags & DIF_GROUP, 0u);
}

TEST_F(Operations, AnUnchangedEditTextKeepsTheBytesPastIt) {
  char *text = GetItemData(ops, 4);
  memset(text + 500, 0x5A, 12);
  SetPerson(ClosesWith(ops, 10));
  EXPECT_EQ(ShowDialog(ops), 100);
  for (int i = 500; i < 512; ++i)
    ASSERT_EQ((unsigned char)text[i], 0x5A) << "byte " << i;
}

TEST_F(Operations, ARequestReadsSetOnlyAfterAShowingItEnded) {
  EXPECT_EQ(GetItemStatus(ops, 8), 0) << "before any showing";
  SetPerson(ClosesWith(ops, 8));
  EXPECT_EQ(ShowDialog(ops), 8);
  EXPECT_EQ(GetItemStatus(ops, 8), 1) << "the person asked";
  SetPerson(ClosesWith(ops, 10));
  EXPECT_EQ(ShowDialog(ops), 100);
  EXPECT_EQ(GetItemStatus(ops, 8), 0) << "the next showing ended otherwise";
  SetPerson(ClosesWith(ops, 8));
  ShowDialog(ops);
  SetPerson(Cancels());
  ShowDialog(ops);
  EXPECT_EQ(GetItemStatus(ops, 8), 0) << "a cancelled showing asks for nothing";

  SetItemStatus(ops, 8, 1);
  HideItem(ops, 8);
  SetPerson(ClosesWith(ops, 10));
  ShowDialog(ops);
  EXPECT_EQ(GetItemStatus(ops, 8), 0) << "a hidden request reads clear after any showing";
  RestoreItem(ops, 8);

  int ask = IndexOf(ops, 9);
  SetPerson([=](FarDialogItem *items, int) {
    EXPECT_EQ(items[ask].Selected, 0) << "a request check box starts every showing clear";
    items[ask].Selected = 1;
    return IndexOf(ops, 10);
  });
  ShowDialog(ops);
  EXPECT_EQ(GetItemStatus(ops, 9), 1) << "ticked in this showing";
  ShowDialog(ops);
  EXPECT_EQ(Showings.back().Items[(size_t)ask].Selected, 0);
}

TEST_F(Operations, AChoosingGroupReportsOnlyAChoice) {
  EXPECT_EQ(GetRadioStatus(cells, 1), 0) << "nothing chosen before any showing";
  SetRadioStatus(cells, 1, 3);
  SetItemFocus(cells, 3);
  EXPECT_EQ(GetItemStatus(cells, 3), 1) << "pre-selected";
  EXPECT_EQ(GetRadioStatus(cells, 1), 0) << "a pre-selection is not a choice";

  SetPerson(ClosesWith(cells, 4));
  EXPECT_EQ(ShowDialog(cells), 4) << "a cell closes with its number";
  EXPECT_EQ(Shown(cells, 3).Selected, 1) << "the host saw the pre-selection";
  EXPECT_EQ(Shown(cells, 3).Focus, 1) << "and the focus";
  EXPECT_EQ(GetRadioStatus(cells, 1), 4) << "the cell that closed the dialog";
  EXPECT_EQ(GetRadioStatus(cells, 3), 4) << "through any cell";
  EXPECT_EQ(GetItemStatus(cells, 4), 1);

  int two = IndexOf(cells, 2), four = IndexOf(cells, 4);
  SetPerson([=](FarDialogItem *items, int) {
    items[four].Selected = 0;
    items[two].Selected = 1; /* moved the selection, then stepped */
    return IndexOf(cells, 50);
  });
  EXPECT_EQ(ShowDialog(cells), 50);
  EXPECT_EQ(GetRadioStatus(cells, 1), 0) << "a step is not a choice";
  SetPerson(Cancels());
  EXPECT_EQ(ShowDialog(cells), -1);
  EXPECT_EQ(GetRadioStatus(cells, 1), -1) << "after a cancel";

  SetPerson(ClosesWith(cells, 2));
  Mark(cells, 2);
  EXPECT_EQ(ShowDialog(cells), 2);
  EXPECT_EQ(GetRadioStatus(cells, 1), 0) << "a greyed cell cannot be chosen";
  Unmark(cells, 2);

  SetPerson(ClosesWith(cells, 21));
  ShowDialog(cells);
  EXPECT_EQ(GetRadioStatus(cells, 20), 5) << "Enter on a plain radio button leaves the selection";
  EXPECT_EQ(GetRadioStatus(cells, 1), 0) << "another group's button is no choice of cells";
}

TEST_F(Operations, StatusOfCheckBoxesAndRadioButtons) {
  SetItemStatus(ops, 3, 1);
  EXPECT_EQ(GetItemStatus(ops, 3), 1);
  SetItemStatus(ops, 3, 5);
  EXPECT_EQ(GetItemStatus(ops, 3), 1) << "any nonzero state sets it";
  SetItemStatus(ops, 3, 0);
  EXPECT_EQ(GetItemStatus(ops, 3), 0);

  SetItemStatus(ops, 2, 1);
  EXPECT_EQ(GetItemStatus(ops, 1), 0) << "selecting one button clears the other";
  EXPECT_EQ(GetRadioStatus(ops, 1), 2);
  SetItemStatus(ops, 2, 0);
  EXPECT_EQ(GetRadioStatus(ops, 1), 2) << "a group keeps one selected button";

  SetRadioStatus(ops, 7, 16);
  EXPECT_EQ(GetRadioStatus(ops, 7), 16) << "by value through any button";
  EXPECT_EQ(GetItemStatus(ops, 6), 1);
  SetRadioStatus(ops, 6, 99);
  EXPECT_EQ(GetRadioStatus(ops, 6), 16) << "a value not in the group changes nothing";
  SetRadioStatus(ops, 6, 1);
  EXPECT_EQ(GetRadioStatus(ops, 1), 2) << "values of another group are not this group's";
  EXPECT_EQ(GetRadioStatus(ops, 3), -1) << "a check box has no group";

  FarDialogItem *one = GetItemAddr(ops, 1);
  one->Selected = 1; /* two selected, written into the records */
  SetPerson(Cancels());
  ShowDialog(ops);
  EXPECT_EQ(Shown(ops, 1).Selected + Shown(ops, 2).Selected, 1)
      << "the host sees one selected button per group";
  EXPECT_EQ(Shown(ops, 6).Flags & DIF_GROUP, (unsigned)DIF_GROUP);
  EXPECT_EQ(Shown(ops, 7).Flags & DIF_GROUP, 0u);
}

TEST_F(Operations, AdjacentGroupsStaySeparateForTheHost) {
  SetPerson(Cancels());
  ShowDialog(cells);
  EXPECT_EQ(Shown(cells, 20).Flags & DIF_GROUP, (unsigned)DIF_GROUP)
      << "a group right after another starts its own";
  EXPECT_EQ(Shown(cells, 21).Flags & DIF_GROUP, 0u);
}

TEST_F(Operations, ColourHidingAndFocus) {
  FarDialogItem *check = GetItemAddr(ops, 3);
  check->Flags |= DIF_LEFTTEXT;
  SetItemColor(ops, 3, 0x1E);
  EXPECT_EQ(check->Flags, (unsigned)(DIF_LEFTTEXT | DIF_SETCOLOR | 0x1E));
  SetItemColor(ops, 3, 0x178);
  EXPECT_EQ(check->Flags, (unsigned)(DIF_LEFTTEXT | DIF_SETCOLOR | 0x78)) << "one byte of colour";
  SetItemColor(ops, 3, -1);
  EXPECT_EQ(check->Flags, (unsigned)DIF_LEFTTEXT) << "a negative colour gives back the host's";

  HideItem(ops, 3);
  HideItem(ops, 3);
  EXPECT_EQ(IndexOf(ops, 3), -1);
  EXPECT_EQ(IndexOf(ops, 4), 3) << "later items move up";
  SetPerson(Cancels());
  ShowDialog(ops);
  EXPECT_EQ(Showings.back().Items.size(), 11u) << "two hidden items";
  RestoreItem(ops, 3);
  RestoreItem(ops, 12);
  EXPECT_EQ(IndexOf(ops, 3), 3) << "back in its place";
  EXPECT_EQ(IndexOf(ops, 12), 12);
  SetItemFocus(ops, 10);
  ShowDialog(ops);
  const Showing &s = Showings.back();
  ASSERT_EQ(s.Items.size(), 13u);
  for (size_t i = 0; i < s.Items.size(); ++i)
    EXPECT_EQ(s.Items[i].Focus, (int)i == IndexOf(ops, 10)) << "one focused item, at " << i;

  SetItemFocus(ops, 5);
  ShowDialog(ops);
  for (const FarDialogItem &item : Showings.back().Items)
    EXPECT_EQ(item.Focus, 0) << "plain text takes no focus; the host picks one";
}

TEST_F(Operations, NullUnknownAndFreedHandlesAndItemsAreIgnored) {
  struct LoadedDialog *madeUp = (struct LoadedDialog *)&Showings;
  DialogHandle freed = LoadText(OpsText, "Ops");
  FreeDialog(freed);
  DialogHandle handles[] = {nullptr, madeUp, freed};
  for (DialogHandle h : handles) {
    SetPerson([](FarDialogItem *, int) {
      ADD_FAILURE() << "no showing for a bad handle";
      return 0;
    });
    EXPECT_EQ(ShowDialog(h), -1);
    EXPECT_EQ(GetItemStatus(h, 1), 0);
    EXPECT_EQ(GetItemData(h, 1), nullptr);
    EXPECT_EQ(GetItemAddr(h, 1), nullptr);
    EXPECT_EQ(GetRadioStatus(h, 1), -1);
    EXPECT_EQ(GetNumById(h, 1), -1);
    SetItemStatus(h, 1, 1);
    SetRadioStatus(h, 1, 2);
    SetItemColor(h, 1, 7);
    HideItem(h, 1);
    RestoreItem(h, 1);
    SetItemFocus(h, 1);
    FreeDialog(h);
  }
  int items[] = {-5, 13, 9999, 10000, -2147483647 - 1};
  for (int item : items) {
    EXPECT_EQ(GetItemData(ops, item), nullptr) << item;
    EXPECT_EQ(GetItemAddr(ops, item), nullptr) << item;
    EXPECT_EQ(GetItemStatus(ops, item), 0) << item;
    EXPECT_EQ(GetRadioStatus(ops, item), -1) << item;
    SetItemStatus(ops, item, 1);
    SetRadioStatus(ops, item, 1);
    SetItemColor(ops, item, 1);
    HideItem(ops, item);
    SetItemFocus(ops, item);
  }
  SetPerson(Cancels());
  ShowDialog(ops);
  EXPECT_EQ(Showings.back().Items.size(), 12u) << "nothing changed by numbers it does not have";
}

TEST_F(Operations, ADialogFreedWhileShownIsLeftAlone) {
  DialogHandle doomed = LoadText(OpsText, "Ops");
  ASSERT_NE(doomed, nullptr);
  int ok = IndexOf(doomed, 10);
  SetPerson([=](FarDialogItem *, int) {
    FreeDialog(doomed);
    return ok;
  });
  EXPECT_EQ(ShowDialog(doomed), -1) << "nothing came back into a dialog that is gone";
}

TEST_F(Operations, EachLoadIsIndependent) {
  DialogHandle second = LoadText(OpsText, "Ops");
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, ops);
  strcpy(GetItemData(second, 4), "second");
  SetItemStatus(second, 3, 1);
  EXPECT_STREQ(GetItemData(ops, 4), "initial");
  EXPECT_EQ(GetItemStatus(ops, 3), 0);
  FreeDialog(second);
  EXPECT_STREQ(GetItemData(ops, 4), "initial") << "freeing one leaves the other";
}

TEST_F(Operations, MessagesResolveThroughTheHostAtLoad) {
  EXPECT_STREQ(GetItemData(ops, 5), "three") << "@3 through GetMsg";
  Messages = {std::string(600, 'm')};
  std::string text = "dialog \"M\" 20 5\n1 text 1 1 0 0 @0\n2 text 1 2 0 0 @40\nend\n";
  DialogHandle d = LoadText(text, "M");
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(strlen(GetItemData(d, 1)), 511u) << "a long message is cut to fit";
  EXPECT_STREQ(GetItemData(d, 2), "msg 40");
  Messages = {"changed"};
  EXPECT_EQ(strlen(GetItemData(d, 1)), 511u) << "resolved once, at load";
  FreeDialog(d);

  ForgetHostServices();
  d = LoadText(text, "M");
  ASSERT_NE(d, nullptr) << "a load before DG_Init still works";
  EXPECT_STREQ(GetItemData(d, 1), "") << "with no host, a message is empty";
  EXPECT_EQ(ShowDialog(d), -1) << "and with no host nothing can be shown";
  FreeDialog(d);
}

TEST_F(Operations, FailedLoads) {
  EXPECT_EQ(LoadText(OpsText, "Nope"), nullptr) << "no such dialog";
  EXPECT_EQ(LoadText("dialog \"Ops\" 5 5\n", "Ops"), nullptr) << "malformed";
  EXPECT_EQ(LoadDialogEx(NULL, 7, "no-such-file.dlg", "Ops"), nullptr) << "no such file";
  EXPECT_EQ(LoadDialogEx(NULL, 7, nullptr, "Ops"), nullptr);
  EXPECT_EQ(LoadDialogEx(NULL, 7, "", "Ops"), nullptr);
  EXPECT_EQ(LoadText(OpsText, nullptr), nullptr);
  std::string longName(400, 'n');
  EXPECT_EQ(LoadDialogEx(NULL, 7, longName.c_str(), "Ops"), nullptr) << "a path too long";
}

TEST_F(Operations, EnumDialogListsTheNames) {
  std::string path = ProgramFolder() + "enum_test.dlg";
  FILE *file = fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  fputs(OpsText, file);
  fclose(file);
  char names[64];
  memset(names, 'x', sizeof names);
  EXPECT_EQ(EnumDialog(NULL, "enum_test.dlg", names, sizeof names), 2);
  EXPECT_EQ(std::string(names, 11), std::string("Ops\0Cells\0\0", 11));
  memset(names, 'x', sizeof names);
  EXPECT_EQ(EnumDialog(NULL, "enum_test.dlg", names, 6), 2) << "counts all, copies what fits";
  EXPECT_EQ(std::string(names, 5), std::string("Ops\0\0", 5));
  EXPECT_EQ(names[6], 'x') << "nothing past Size";
  EXPECT_EQ(EnumDialog(NULL, "enum_test.dlg", nullptr, 0), 2);
  EXPECT_EQ(EnumDialog(NULL, "no-such-file.dlg", names, sizeof names), 0);
  remove(path.c_str());
}

} // namespace
