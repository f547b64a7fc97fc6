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
  DialogHandle dialog = 0;
  FarDialogItem *record = nullptr;
  FarDialogItem original;
};

void MarkGrey(DialogHandle dialog, int item) { MarkItem(dialog, item); }
void MarkWeekend(DialogHandle dialog, int item) { ColourItem(dialog, item, WEEKEND_COLOR); }

// Grey plain text that cannot be chosen, or a colour alone; either way the
// item's own type and flags are kept past its text and given back exactly.
TEST_F(ItemMarks, AMarkIsKeptPastTheTextAndUnmarkingGivesTheRecordBack) {
  const struct {
    void (*mark)(DialogHandle, int);
    int type, colour;
  } cases[] = {{MarkGrey, DI_TEXT, MARK_COLOR}, {MarkWeekend, DI_RADIOBUTTON, WEEKEND_COLOR}};
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << "colour " << c.colour);
    *record = original;
    c.mark(dialog, 3);
    EXPECT_EQ(c.type, record->Type) << "the type while marked";
    EXPECT_EQ(c.colour, LastLoaded("Cells")->items[3].color);
    unsigned kept[3] = {MARK_TAG, DI_RADIOBUTTON, DIF_GROUP | DIF_CENTERGROUP};
    EXPECT_EQ(0, memcmp(kept, record->Data + 500, sizeof kept)) << "tag, type and flags kept";
    EXPECT_STREQ("31", record->Data) << "the text stays";
    record->Flags |= DIF_SETCOLOR | (unsigned)c.colour; // as the library's colouring does
    UnmarkItem(dialog, 3);
    FarDialogItem expected = original;
    kept[0] = 0;
    memcpy(expected.Data + 500, kept, sizeof kept);
    EXPECT_EQ(0, memcmp(&expected, record, sizeof expected)) << "all as before, the tag 0";
    UnmarkItem(dialog, 3);
    EXPECT_EQ(0, memcmp(&expected, record, sizeof expected)) << "a second unmark changes nothing";
  }
}

TEST_F(ItemMarks, AnItemNeverMarkedIsLeftAlone) {
  UnmarkItem(dialog, 3);
  EXPECT_EQ(0, memcmp(&original, record, sizeof original)) << "nothing changed";
  MarkItem(dialog, 99);
  ColourItem(dialog, 99, TODAY_COLOR);
  UnmarkItem(dialog, 99);
  EXPECT_EQ(0, memcmp(&original, record, sizeof original)) << "an unknown item is no fault";
}

} // namespace
