#include "calendar/pickers.h"

#include <limits.h>
#include <stdlib.h>
#include <string.h>

#include "calendar/calendar_date.h"
#include "datetext/locale_names.h"
#include "hostlink/dialog_binding.h"
#include "hostlink/host_table.h"

static const char CalendarFile[] = "Calendar.dlg";

int ClampYear(int year) {
  return year < FIRST_YEAR ? FIRST_YEAR : year > LAST_YEAR ? LAST_YEAR : year;
}

int StepMonth(int month, int step) { return (month - 1 + step + 12) % 12 + 1; }

// strtol, not sscanf: its %d is undefined for numbers beyond an int.
int ReadYearText(const char *text, int *year) {
  char *end;
  long long value = text ? strtol(text, &end, 10) : 0;
  if (!text || end == text)
    return 0;
  *year = value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : (int)value;
  return 1;
}

static struct tm LocalDateNow(void) {
  struct tm now = {};
  ReadLocalDate(&now);
  return now;
}

// What tells the two pickers apart; the showing cycle is the same.
struct PickerKind {
  const char *DialogName;
  int (*Show)(DialogHandle dialog, int value); // 0 when it cannot be shown
  // 0 when what the person left is refused, after a note saying why
  int (*Take)(DialogHandle dialog, int *value);
  int (*Step)(DialogHandle dialog, int *value, int step);
  int (*Current)(void);
};

static int ShowYear(DialogHandle dialog, int year) {
  return PutItemNumber(dialog, PICK_VALUE, "%ld", year);
}

static void SayCalendarNote(int msgId) {
  ShowTitledNote(MSG_CALENDAR_TITLE, msgId, MSG_CALENDAR_OK, 0);
}

void SayYearRange(void) { SayCalendarNote(MSG_YEAR_RANGE); }

int StepYear(int year, int step) {
  int stepped = ClampYear(year + step);
  if (stepped != year + step)
    SayYearRange();
  return stepped;
}

// The year as typed, or a note saying why it cannot be: the field keeps
// the text, and the focus goes back to it.
static int TakeTypedYear(DialogHandle dialog, int *year) {
  int typed;
  if (!ReadYearText(Dialogs.GetItemData(dialog, PICK_VALUE), &typed)) {
    SayCalendarNote(MSG_YEAR_UNREADABLE);
  } else if (typed != ClampYear(typed)) {
    SayYearRange();
  } else {
    *year = typed;
    return 1;
  }
  Dialogs.SetItemFocus(dialog, PICK_VALUE);
  return 0;
}

// A step starts from the year typed, so nothing typed is lost.
static int StepTypedYear(DialogHandle dialog, int *year, int step) {
  if (!TakeTypedYear(dialog, year))
    return 0;
  *year = StepYear(*year, step);
  return 1;
}

static int CurrentYear(void) { return LocalDateNow().tm_year + 1900; }

enum { MONTH_GROUP = 1 };

int UserCalendarName(char conversion, const struct tm *day, char *text, int size) {
  int length =
      UserLanguageForAll ? LocaleText("", 0, CP_OEMCP, conversion, 0, 0, day, text, size) : -1;
  return length > 0 && ChangeCase(text, size, 0, length, CP_OEMCP, CASE_CAPITAL);
}

const char *CalendarMonthName(int month, char *text, int size) {
  struct tm day;
  memset(&day, 0, sizeof day);
  day.tm_mon = month - 1;
  if (UserCalendarName('B', &day, text, size))
    return text;
  const char *name = GetMsgText(MSG_MONTH_BASE + month);
  return name ? name : "";
}

// The cursor starts on the month shown, not on January: each month's item
// is numbered as the month.
static int ShowMonth(DialogHandle dialog, int month) {
  char name[32];
  for (int each = 1; UserLanguageForAll && each <= 12; each++)
    PutItemText(dialog, MONTH_GROUP + each - 1, CalendarMonthName(each, name, sizeof name));
  Dialogs.SetRadioStatus(dialog, MONTH_GROUP, month);
  Dialogs.SetItemFocus(dialog, month);
  return 1;
}

// The calendar takes the month as it is: nothing outside 1..12.
static int TakeChosenMonth(DialogHandle dialog, int *month) {
  int chosen = Dialogs.GetRadioStatus(dialog, MONTH_GROUP);
  *month = chosen >= 1 && chosen <= 12 ? chosen : *month;
  return 1;
}

// A step starts from the month shown, not from one selected by hand.
static int StepShownMonth(DialogHandle, int *month, int step) {
  *month = StepMonth(*month, step);
  return 1;
}

static int CurrentMonth(void) { return LocalDateNow().tm_mon + 1; }

static int RunPicker(const struct PickerKind *kind, int value) {
  DialogHandle dialog = LoadPluginDialog(CalendarFile, kind->DialogName);
  if (!dialog)
    return value;
  int working = value, result = value, show = 1;
  while (!show || kind->Show(dialog, working)) {
    int exitCode = Dialogs.ShowDialog(dialog);
    if (exitCode == -1)
      break;
    if (exitCode == PICK_ACCEPT && kind->Take(dialog, &working)) {
      result = working;
      break;
    }
    // A refused value, or an exit that is none of the picker's, shows the
    // dialog again as the person left it.
    show = exitCode == PICK_CURRENT;
    if (show)
      working = kind->Current();
    else if (exitCode == STEP_BACK || exitCode == STEP_FORWARD)
      show = kind->Step(dialog, &working, exitCode == STEP_BACK ? -1 : 1);
  }
  Dialogs.FreeDialog(dialog);
  return result;
}

int PickYear(int year) {
  static const struct PickerKind YearPicker = {"Set Year", ShowYear, TakeTypedYear, StepTypedYear,
                                               CurrentYear};
  return RunPicker(&YearPicker, year);
}

int PickMonth(int month) {
  static const struct PickerKind MonthPicker = {"Set Month", ShowMonth, TakeChosenMonth,
                                                StepShownMonth, CurrentMonth};
  return RunPicker(&MonthPicker, month);
}
