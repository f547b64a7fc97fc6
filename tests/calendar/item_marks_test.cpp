#include <string.h>

#include "calendar/item_marks.h"
#include "hostlink/dialog_binding.h"
#include "support/plugin_fixture.h"

namespace {

class ItemMarks : public FakeDialogsTest {
protected:
  void SetUp() override {
    FakeDialogsTest::SetUp();
    FakeDialogs().layouts["Cells"] = [](FakeDialog &dialog) {
      FarDialogItem &record = dialog.items[3].record;
      record.Type = DI_RADIOBUTTON;
      record.Flags = DIF_GROUP | DIF_CENTERGROUP;
      record.X1 = 12;
      strcpy(record.Data, "31");
      for (int i = 3; i < 500; i++)
        record.Data[i] = (char)i; // whatever lies past the text
    };
    dialog = Dialogs.LoadDialogEx(NULL, 7, "Calendar.dlg", "Cells");
    ASSERT_NE(dialog, nullptr);
    record = Dialogs.GetItemAddr(dialog, 3);
    original = *record;
  }
  // The fake's SetItemColor stands for the library's, which writes the flags.
  void ColourLikeTheLibrary() { record->Flags |= DIF_SETCOLOR | MARK_COLOR; }
  unsigned Word(int at) {
    unsigned value;
    memcpy(&value, record->Data + at, 4);
    return value;
  }
  DialogHandle dialog = 0;
  FarDialogItem *record = nullptr;
  FarDialogItem original;
};

TEST_F(ItemMarks, AMarkedItemIsGreyTextThatKeepsItsOwnTypeAndFlags) {
  MarkItem(dialog, 3);
  EXPECT_EQ(DI_TEXT, record->Type) << "plain text, not choosable";
  EXPECT_EQ(MARK_COLOR, LastLoaded("Cells")->items[3].color) << "dark grey on light grey";
  EXPECT_EQ(0xF00F00u, Word(500)) << "the tag";
  EXPECT_EQ((unsigned)DI_RADIOBUTTON, Word(504)) << "the type before";
  EXPECT_EQ((unsigned)(DIF_GROUP | DIF_CENTERGROUP), Word(508)) << "the flags before";
  EXPECT_STREQ("31", record->Data) << "the text stays";
}

TEST_F(ItemMarks, UnmarkingGivesBackTheRecordExactly) {
  MarkItem(dialog, 3);
  ColourLikeTheLibrary();
  UnmarkItem(dialog, 3);
  FarDialogItem expected = original;
  memset(expected.Data + 500, 0, 4); // the tag is cleared
  unsigned flags = original.Flags, type = DI_RADIOBUTTON;
  memcpy(expected.Data + 504, &type, 4);
  memcpy(expected.Data + 508, &flags, 4);
  EXPECT_EQ(0, memcmp(&expected, record, sizeof expected))
      << "type, flags, text and the saved bytes as before, the tag 0";
  FarDialogItem once = *record;
  UnmarkItem(dialog, 3);
  EXPECT_EQ(0, memcmp(&once, record, sizeof once)) << "a second unmark changes nothing";
}

TEST_F(ItemMarks, AnItemNeverMarkedIsLeftAlone) {
  UnmarkItem(dialog, 3);
  EXPECT_EQ(0, memcmp(&original, record, sizeof original)) << "nothing changed";
  MarkItem(dialog, 99);
  UnmarkItem(dialog, 99);
  EXPECT_EQ(0, memcmp(&original, record, sizeof original)) << "an unknown item is no fault";
}

} // namespace
