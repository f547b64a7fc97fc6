#include "calendar/pickers.h"

#include <limits.h>
#include <stdio.h>
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

int StepYear(int year, int step) { return ClampYear(year + step); }

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
  int (*Accepted)(DialogHandle dialog, int value);
  int (*Step)(int value, int step);
  int (*Current)(void);
};

static int ShowYear(DialogHandle dialog, int year) {
  char text[16];
  snprintf(text, sizeof text, "%d", year);
  return PutItemText(dialog, PICK_VALUE, text);
}

// Every message is there once the host is, or none is.
static void SayYearRange(void) {
  const char *lines[] = {GetMsgText(MSG_CALENDAR_TITLE), GetMsgText(MSG_YEAR_RANGE),
                         GetMsgText(MSG_CALENDAR_OK)};
  if (lines[0] && HostServices.Message)
    HostServices.Message(HostServices.ModuleNumber, 0, NULL, lines, 3, 1);
}

// A field without a number keeps the year last shown; a year beyond the
// calendar's is held at its end rather than going round to the other.
static int AcceptedYear(DialogHandle dialog, int year) {
  ReadYearText(Dialogs.GetItemData(dialog, PICK_VALUE), &year);
  if (year != ClampYear(year))
    SayYearRange();
  return ClampYear(year);
}

static int CurrentYear(void) { return LocalDateNow().tm_year + 1900; }

enum { MONTH_GROUP = 1 };

const char *CalendarMonthName(int month, char *text, int size) {
  struct tm day;
  memset(&day, 0, sizeof day);
  day.tm_mon = month - 1;
  int length = UserLanguageForAll ? LocaleText("", 0, CP_OEMCP, 'B', 0, 0, &day, text, size) : -1;
  // Capitalised as the language file's names are.
  if (length > 0 && ChangeCase(text, size, 0, length, CP_OEMCP, CASE_CAPITAL))
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
static int AcceptedMonth(DialogHandle dialog, int month) {
  int chosen = Dialogs.GetRadioStatus(dialog, MONTH_GROUP);
  return chosen >= 1 && chosen <= 12 ? chosen : month;
}

static int CurrentMonth(void) { return LocalDateNow().tm_mon + 1; }

static int RunPicker(const struct PickerKind *kind, int value) {
  DialogHandle dialog = LoadPluginDialog(CalendarFile, kind->DialogName);
  if (!dialog)
    return value;
  // Steps start from the working value, not from what the person typed or
  // selected before stepping.
  int working = value;
  int result = value;
  while (kind->Show(dialog, working)) {
    int exitCode = Dialogs.ShowDialog(dialog);
    if (exitCode == -1)
      break;
    if (exitCode == PICK_ACCEPT) {
      result = kind->Accepted(dialog, working);
      break;
    }
    if (exitCode == STEP_BACK || exitCode == STEP_FORWARD)
      working = kind->Step(working, exitCode == STEP_BACK ? -1 : 1);
    else if (exitCode == PICK_CURRENT)
      working = kind->Current();
  }
  Dialogs.FreeDialog(dialog);
  return result;
}

int PickYear(int year) {
  static const struct PickerKind YearPicker = {"Set Year", ShowYear, AcceptedYear, StepYear,
                                               CurrentYear};
  return RunPicker(&YearPicker, year);
}

int PickMonth(int month) {
  static const struct PickerKind MonthPicker = {"Set Month", ShowMonth, AcceptedMonth, StepMonth,
                                                CurrentMonth};
  return RunPicker(&MonthPicker, month);
}
