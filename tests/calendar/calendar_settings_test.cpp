#include "calendar/calendar_settings.h"
#include "calendar_people.h"
#include "presets/preset_dialog.h"

namespace {

typedef CalendarTest CalendarSettings;

// The week numbers are the fourth byte of the calendar's "Mode", which
// earlier versions left 0; the other flags and the format keep theirs.
TEST_F(CalendarSettings, WeekNumbersAreTheModesFourthByte) {
  const struct {
    DWORD before;
    bool shown;   // the check box set when the dialog opens
    int weeksSet; // what the person leaves it at
    DWORD after;
  } cases[] = {
      {0x10000, false, 1, 0x1010000}, {0x1010000, true, 0, 0x10000}, {0x7F000100, true, 0, 0x100}};
  for (const auto &c : cases) {
    StoreCalendarPreset("%d", c.before);
    FakeDialogs().people.push_back([&c](FakeDialog &dialog) {
      EXPECT_EQ(c.shown, dialog.items[PRESET_ITEM_WEEK_NUMBERS].status != 0) << c.before;
      EXPECT_EQ(1, dialog.items[SETTINGS_ITEM_FIRST_USE].hidden) << "no first use's note";
      dialog.items[PRESET_ITEM_WEEK_NUMBERS].status = c.weeksSet;
      return 7;
    });
    EditCalendarFormat();
    EXPECT_EQ("%d", GetRegText(Key("Format11"), "Format")) << c.before;
    EXPECT_EQ(c.after, GetRegNumber(Key("Format11"), "Mode")) << c.before;
    EXPECT_EQ(0, LiveDialogs());
  }
}

} // namespace
