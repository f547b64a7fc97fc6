#include "calendar/pickers.h"

#include <limits.h>
#include <stdio.h>

#include "calendar/calendar_date.h"
#include "hostlink/dialog_binding.h"

static const char CalendarFile[] = "Calendar.dlg";

int StepYear(int year, int step) {
  year += step;
  if (year < FIRST_YEAR)
    return LAST_YEAR;
  if (year > LAST_YEAR)
    return FIRST_YEAR;
  return year;
}

int StepMonth(int month, int step) { return (month - 1 + step + 12) % 12 + 1; }

static int IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Read by hand: sscanf's %d is undefined for numbers beyond an int.
int ReadYearText(const char *text, int *year) {
  const char *p = text;
  while (IsBlank(*p))
    ++p;
  int negative = *p == '-';
  if (*p == '-' || *p == '+')
    ++p;
  if (*p < '0' || *p > '9')
    return 0;
  long long value = 0;
  for (; *p >= '0' && *p <= '9'; ++p)
    if (value <= (long long)INT_MAX + 1)
      value = value * 10 + (*p - '0');
  if (negative)
    value = -value;
  *year = value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : (int)value;
  return 1;
}

static struct tm LocalDateNow(void) {
  struct tm now = {};
  ReadLocalDate(&now);
  return now;
}

int PickYear(int year) {
  DialogHandle dialog = LoadPluginDialog(CalendarFile, "Set Year");
  if (!dialog)
    return year;
  char *text = Dialogs.GetItemData(dialog, PICK_VALUE);
  int working = year;
  int result = year;
  while (text) {
    snprintf(text, FAR_DIALOG_DATA_SIZE, "%d", working);
    int exitCode = Dialogs.ShowDialog(dialog);
    if (exitCode == -1)
      break;
    if (exitCode == PICK_ACCEPT) {
      ReadYearText(text, &working);
      result = working;
      break;
    }
    if (exitCode == STEP_BACK || exitCode == STEP_FORWARD)
      working = StepYear(working, exitCode == STEP_BACK ? -1 : 1);
    else if (exitCode == PICK_CURRENT)
      working = LocalDateNow().tm_year + 1900;
  }
  Dialogs.FreeDialog(dialog);
  return result;
}

int PickMonth(int month) {
  DialogHandle dialog = LoadPluginDialog(CalendarFile, "Set Month");
  if (!dialog)
    return month;
  enum { MONTH_GROUP = 1 };
  int working = month;
  int result = month;
  for (;;) {
    Dialogs.SetRadioStatus(dialog, MONTH_GROUP, working);
    int exitCode = Dialogs.ShowDialog(dialog);
    if (exitCode == -1)
      break;
    if (exitCode == PICK_ACCEPT) {
      int chosen = Dialogs.GetRadioStatus(dialog, MONTH_GROUP);
      // The calendar takes the month as it is: nothing outside 1..12.
      if (chosen >= 1 && chosen <= 12)
        result = chosen;
      break;
    }
    if (exitCode == STEP_BACK || exitCode == STEP_FORWARD)
      working = StepMonth(working, exitCode == STEP_BACK ? -1 : 1);
    else if (exitCode == PICK_CURRENT)
      working = LocalDateNow().tm_mon + 1;
  }
  Dialogs.FreeDialog(dialog);
  return result;
}
