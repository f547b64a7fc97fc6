#include "calendar/calendar_dialog.h"

#include <string.h>

#include "calendar/calendar_date.h"
#include "calendar/calendar_settings.h"
#include "calendar/item_marks.h"
#include "calendar/pickers.h"
#include "datetext/date_text.h"
#include "datetext/locale_names.h"
#include "hostlink/format_text.h"
#include "hostlink/dialog_binding.h"
#include "hostlink/host_table.h"
#include "presets/format_checks.h"
#include "settings/settings_store.h"

// What one run of the calendar works with; nothing outlives the run.
struct CalendarRun {
  DialogHandle Dialog;
  struct tm Date;       // today; its time of day is delivered with the chosen date
  int Year, Month, Day; // the month shown and the day kept across the months
  int Focus;            // the step that has the focus, 0 for the kept day
  int WeekNumbers;
  int FirstDay;   // of the week, 0 Monday .. 6 Sunday
  int MonthWidth; // the longest month name's, so the month's button keeps one width
};

enum { FIRST_HEADING = 43 }; // the weekdays' headings, 43..49

// The names of the user's language, when chosen for every format: the
// weekdays' headings from Windows, the week from the locale's first day.
// Otherwise the language file's headings stay, from Monday, as they do
// beside ISO week numbers, whose weeks start on Monday.
static int WriteWeekHeadings(DialogHandle dialog, int mondayFirst) {
  if (!UserLanguageForAll)
    return 0;
  int first = mondayFirst ? 0 : UserFirstWeekday();
  struct tm day;
  memset(&day, 0, sizeof day);
  for (int column = 0; column < 7; column++) {
    day.tm_wday = (first + column + 1) % 7;
    char name[8];
    if (UserCalendarName('a', &day, name, sizeof name))
      PutItemText(dialog, FIRST_HEADING + column, name);
  }
  return first;
}

static void TakeToday(struct CalendarRun *run) {
  ReadLocalDate(&run->Date);
  run->Year = ClampYear(run->Date.tm_year + 1900);
  run->Month = run->Date.tm_mon + 1;
  run->Day = run->Date.tm_mday;
}

// The kept day cut to the month shown: the 31st is the 30th of a 30-day
// month, never a grey day of the next one.
static int ShownDay(const struct CalendarRun *run) {
  int length = DaysInMonth(run->Year, run->Month);
  return run->Day < length ? run->Day : length;
}

void FormatMonthName(char *text, int size, const char *name, int longest) {
  int length = (int)strlen(name);
  int width = (longest > 9 ? longest : 9) + 1;
  int before = length < width ? (width - length + 1) / 2 : 0;
  int after = length + before < width ? width - length - before : 0;
  FormatText(text, size, "%*s%s%*s", before, "", name, after, "");
}

static int LongestMonthName(void) {
  int longest = 0;
  char name[32];
  for (int month = 1; month <= 12; month++) {
    int length = (int)strlen(CalendarMonthName(month, name, sizeof name));
    longest = length > longest ? length : longest;
  }
  return longest;
}

// Days of the neighbouring months are grey and cannot be chosen; today
// has a colour of its own, whatever is selected, and so has the weekend.
static void MarkCell(const struct CalendarRun *run, int cell, int day) {
  if (NormalizedMonth(run->Year, run->Month, day) != run->Month)
    MarkItem(run->Dialog, cell);
  else if (day == run->Date.tm_mday && run->Month == run->Date.tm_mon + 1 &&
           run->Year == run->Date.tm_year + 1900)
    ColourItem(run->Dialog, cell, TODAY_COLOR);
  else if ((cell - 1 + run->FirstDay) % 7 >= 5)
    ColourItem(run->Dialog, cell, WEEKEND_COLOR);
}

// Lays out the month shown; returns the number of cells before its 1st.
static int LayOutMonth(const struct CalendarRun *run) {
  int offset = (WeekdayOfDate(run->Year, run->Month, 1) - 1 - run->FirstDay + 7) % 7;
  Dialogs.SetRadioStatus(run->Dialog, 1, ShownDay(run) + offset);
  Dialogs.SetItemFocus(run->Dialog, run->Focus ? run->Focus : ShownDay(run) + offset);
  PutItemNumber(run->Dialog, PICK_VALUE, " %ld ", run->Year);
  char *monthText = Dialogs.GetItemData(run->Dialog, MONTH_NAME);
  char name[32];
  if (monthText)
    FormatMonthName(monthText, FAR_DIALOG_DATA_SIZE,
                    CalendarMonthName(run->Month, name, sizeof name), run->MonthWidth);
  for (int cell = 1; cell <= CALENDAR_CELLS; cell++) {
    int day = cell - offset;
    MarkCell(run, cell, day);
    if (IsPastLastDay(run->Year, run->Month, day))
      PutItemText(run->Dialog, cell, "  ");
    else
      PutItemNumber(run->Dialog, cell, "%2ld", NormalizedDay(run->Year, run->Month, day));
  }
  return offset;
}

// Rows start on Monday, so a row's week is that of its first cell.
static void WriteWeekNumbers(const struct CalendarRun *run, int offset) {
  for (int row = 0; row < CALENDAR_ROWS; row++) {
    int monday = row * 7 + 1 - offset;
    if (IsPastLastDay(run->Year, run->Month, monday))
      PutItemText(run->Dialog, WEEK_NUMBER_FIRST + row, "  ");
    else
      PutItemNumber(run->Dialog, WEEK_NUMBER_FIRST + row, "%2ld",
                    IsoWeekOfDate(run->Year, run->Month, monday));
  }
}

// A day the person selected (with Space, or with the arrows, which move
// the selection through the grid) is kept for the months that follow.
static void KeepSelectedDay(struct CalendarRun *run, int offset) {
  int shown = ShownDay(run);
  for (int day = 1; day <= DaysInMonth(run->Year, run->Month); day++)
    if (day != shown && Dialogs.GetItemStatus(run->Dialog, day + offset)) {
      run->Day = day;
      return;
    }
}

// A month step past either end of the calendar's years stays, and says
// so as a typed year does.
static void StepShownMonth(struct CalendarRun *run, int step) {
  int months = run->Year * 12 + run->Month - 1 + step;
  if (months / 12 < FIRST_YEAR || months / 12 > LAST_YEAR) {
    SayYearRange();
    return;
  }
  run->Year = months / 12;
  run->Month = months % 12 + 1;
}

static void ApplyExit(struct CalendarRun *run, int exitCode) {
  // After a step Enter steps again; anything else goes back to the day.
  run->Focus = exitCode;
  switch (exitCode) {
  case STEP_BACK:
  case STEP_FORWARD:
    run->Year = StepYear(run->Year, exitCode == STEP_BACK ? -1 : 1);
    break;
  case PICK_VALUE:
    run->Focus = 0;
    run->Year = PickYear(run->Year);
    break;
  case MONTH_BACK:
  case MONTH_FORWARD:
    StepShownMonth(run, exitCode == MONTH_BACK ? -1 : 1);
    break;
  case MONTH_NAME:
    run->Focus = 0;
    run->Month = PickMonth(run->Month);
    break;
  default:
    run->Focus = 0;
    if (exitCode == CALENDAR_TODAY)
      TakeToday(run);
    break;
  }
}

// 1 when the calendar is done with: the day shown only, delivered, or not
// delivered for want of a format or of a target, which has said so; 0
// when the format was refused and the calendar comes back on the day.
static int DeliverChosenDay(struct CalendarRun *run, struct FormatPreset *preset, int day,
                            int openFrom) {
  // A copy: today stays marked when a refused format brings the calendar back.
  struct tm moment = run->Date;
  SetRecordDate(&moment, run->Year, run->Month, day);
  if (PresetModeViewOnly(preset->Mode))
    return 1;
  // With no format yet the person sets one first; the day goes as set then.
  if (!preset->Format[0]) {
    OfferCalendarFormat();
    ReadPreset(preset, CALENDAR_SLOT);
  }
  // An empty format would only wipe the clipboard or insert nothing.
  if (PresetModeViewOnly(preset->Mode) || !preset->Format[0])
    return 1;
  // From the viewer too the cursor is the command line's, which the viewer
  // hides: a note says the date went there.
  int atCursor = PresetModeAtCursor(preset->Mode);
  enum Delivery delivery = DeliverFormat(preset->Format,
                                         !atCursor                 ? TO_CLIPBOARD
                                         : openFrom == OPEN_EDITOR ? TO_EDITOR
                                                                   : TO_COMMAND_LINE,
                                         &moment);
  if (delivery == DELIVERED && atCursor && openFrom == OPEN_VIEWER)
    ShowNote(MSG_IN_COMMAND_LINE, 0);
  run->Day = day;
  return delivery != FORMAT_REFUSED;
}

void ShowCalendar(int openFrom) {
  struct CalendarRun run;
  memset(&run, 0, sizeof run);
  TakeToday(&run);
  struct FormatPreset preset;
  ReadPreset(&preset, CALENDAR_SLOT);
  run.WeekNumbers = PresetModeWeekNumbers(preset.Mode);
  run.Dialog = LoadPluginDialog("Calendar.dlg", run.WeekNumbers ? "Weeks" : "Calendar");
  if (!run.Dialog)
    return;
  run.FirstDay = WriteWeekHeadings(run.Dialog, run.WeekNumbers);
  run.MonthWidth = LongestMonthName();
  for (;;) {
    int offset = LayOutMonth(&run);
    if (run.WeekNumbers)
      WriteWeekNumbers(&run, offset);
    int exitCode = Dialogs.ShowDialog(run.Dialog);
    for (int cell = 1; cell <= CALENDAR_CELLS; cell++)
      UnmarkItem(run.Dialog, cell);
    // The group reports a cell only when one closed the dialog: the
    // controls around the grid leave it 0. A cancel never delivers.
    int chosen = exitCode == -1 ? -1 : Dialogs.GetRadioStatus(run.Dialog, offset + 1);
    if (chosen >= 1 && chosen <= CALENDAR_CELLS) {
      if (DeliverChosenDay(&run, &preset, chosen - offset, openFrom))
        break;
      run.Focus = 0;
      continue;
    }
    if (chosen == -1)
      break;
    KeepSelectedDay(&run, offset);
    ApplyExit(&run, exitCode);
  }
  Dialogs.FreeDialog(run.Dialog);
}
