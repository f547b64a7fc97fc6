#include <string.h>

#include <functional>
#include <string>

#include "hostlink/dialog_snapshot.h"
#include "support/plugin_fixture.h"

typedef MainDialogTest DialogSnapshotTest;

struct SnapshotCase {
  const char *what;
  std::function<void(FakeDialog &)> edit;
  int changed;
};

TEST_F(DialogSnapshotTest, OnlyAChangedStateOrTextCounts) {
  static const int statusItems[] = {1, 3, 0};
  static const int textItems[] = {4, 6, 99, 0}; // 99: an item with no text
  const SnapshotCase cases[] = {
      {"nothing touched", [](FakeDialog &) {}, 0},
      {"the same text written again", [](FakeDialog &d) { strcpy(d.items[4].text, "name"); }, 0},
      {"a check box set", [](FakeDialog &d) { d.items[3].status = 1; }, 1},
      {"the other radio button", [](FakeDialog &d) { SelectRadio(d, 2); }, 1},
      {"a text edited", [](FakeDialog &d) { strcpy(d.items[6].text, "%Y!"); }, 1},
      {"a text emptied", [](FakeDialog &d) { d.items[4].text[0] = 0; }, 1},
      {"an item not in the lists", [](FakeDialog &d) { d.items[11].status = 1; }, 0},
  };
  for (const SnapshotCase &c : cases) {
    strcpy(fake->items[4].text, "name");
    strcpy(fake->items[6].text, "%Y");
    SelectRadio(*fake, 1);
    fake->items[3].status = 0;
    fake->items[11].status = 0;
    struct DialogSnapshot shown;
    TakeDialogSnapshot(dialog, statusItems, textItems, &shown);
    c.edit(*fake);
    EXPECT_EQ(c.changed, DialogChangedSince(dialog, &shown)) << c.what;
  }
  // A text that fills the item to its last byte compares whole.
  memset(fake->items[4].text, 'x', sizeof fake->items[4].text - 1);
  struct DialogSnapshot shown;
  TakeDialogSnapshot(dialog, statusItems, textItems, &shown);
  EXPECT_EQ(0, DialogChangedSince(dialog, &shown)) << "511 characters, untouched";
  fake->items[4].text[510] = 'y';
  EXPECT_EQ(1, DialogChangedSince(dialog, &shown)) << "the last of 511 characters changed";
}
