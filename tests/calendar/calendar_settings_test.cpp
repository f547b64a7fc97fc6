#include "calendar/calendar_settings.h"
#include "calendar_people.h"

namespace {

typedef CalendarTest CalendarSettings;

struct SettingsCase {
  const char *what;
  int weeksBefore; // -1: never stored
  bool formatBefore;
  int weeksSet; // what the person leaves the check box at
  const char *format;
  DWORD weeks, mode;
};

TEST_F(CalendarSettings, WeekNumbersBesideTheFormatAndTheLanguagesFormatWhenNoneIsSet) {
  const SettingsCase cases[] = {
      {"nothing stored: the language's format, to the cursor", -1, false, 0, "%Y-%m-%d", 0,
       1u << 16},
      {"week numbers turned on", 0, true, 1, "%d", 1, 0},
      {"and off again", 1, true, 0, "%d", 0, 0},
  };
  for (const SettingsCase &c : cases) {
    SCOPED_TRACE(c.what);
    DeleteRegTree(Key("Format11"));
    if (c.formatBefore)
      StoreCalendarPreset("%d", 0);
    if (c.weeksBefore >= 0)
      PutRegNumber(Key("Format11"), "WeekNumbers", c.weeksBefore);
    FakeDialogs().people.push_back([&c](FakeDialog &dialog) {
      EXPECT_EQ(c.weeksBefore > 0, dialog.items[SETTINGS_ITEM_WEEK_NUMBERS].status != 0);
      EXPECT_EQ(1, dialog.items[SETTINGS_ITEM_FIRST_USE].hidden) << "no first use's note";
      dialog.items[SETTINGS_ITEM_WEEK_NUMBERS].status = c.weeksSet;
      return 7;
    });
    EditCalendarFormat();
    EXPECT_EQ(c.format, GetRegText(Key("Format11"), "Format"));
    EXPECT_EQ(c.mode, GetRegNumber(Key("Format11"), "Mode"));
    EXPECT_EQ(c.weeks, GetRegNumber(Key("Format11"), "WeekNumbers"));
    EXPECT_EQ((int)c.weeks, ReadCalendarWeekNumbers());
    EXPECT_EQ(0, LiveDialogs());
  }
}

} // namespace
