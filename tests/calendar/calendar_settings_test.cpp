#include "calendar/calendar_settings.h"
#include "calendar_people.h"

namespace {

typedef CalendarTest CalendarSettings;

const DWORD Absent = 0xDEADBEEF;

struct SettingsCase {
  const char *what;
  DWORD weeksBefore; // Absent: never stored
  int weeksSet;      // what the person leaves the check box at
  DWORD weeks, mode; // after
};

// Each of the preset's values and the week numbers is written only when
// the person changed it.
TEST_F(CalendarSettings, WeekNumbersAreStoredBesideTheFormat) {
  const SettingsCase cases[] = {
      {"never stored, left off", Absent, 0, Absent, 0},
      {"turned on", Absent, 1, 1, 0},
      {"turned off", 1, 0, 0, 0},
  };
  for (const SettingsCase &c : cases) {
    SCOPED_TRACE(c.what);
    DeleteRegTree(Key("Format11"));
    StoreCalendarPreset("%d", 0);
    if (c.weeksBefore != Absent)
      PutRegNumber(Key("Format11"), "WeekNumbers", c.weeksBefore);
    FakeDialogs().people.push_back([&c](FakeDialog &dialog) {
      EXPECT_EQ(c.weeksBefore == 1, dialog.items[SETTINGS_ITEM_WEEK_NUMBERS].status != 0);
      EXPECT_EQ(1, dialog.items[SETTINGS_ITEM_FIRST_USE].hidden) << "no first use's note";
      dialog.items[SETTINGS_ITEM_WEEK_NUMBERS].status = c.weeksSet;
      return 7;
    });
    EditCalendarFormat();
    EXPECT_EQ("%d", GetRegText(Key("Format11"), "Format")) << "the format as it was";
    EXPECT_EQ(c.mode, GetRegNumber(Key("Format11"), "Mode"));
    EXPECT_EQ(c.weeks, GetRegNumber(Key("Format11"), "WeekNumbers"));
    EXPECT_EQ(c.weeks == 1, ReadCalendarWeekNumbers() == 1);
    EXPECT_EQ(0, LiveDialogs());
  }
}

} // namespace
