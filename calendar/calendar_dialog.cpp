#include "calendar/calendar_dialog.h"

#include <stdio.h>
#include <string.h>

#include "calendar/calendar_date.h"
#include "calendar/item_marks.h"
#include "calendar/pickers.h"
#include "datetext/date_text.h"
#include "datetext/locale_names.h"
#include "hostlink/dialog_binding.h"
#include "hostlink/host_table.h"
#include "settings/settings_store.h"

// What one run of the calendar works with; nothing outlives the run.
struct CalendarRun {
  DialogHandle Dialog;
  struct tm Date;       // today's date or the chosen one; its time of day is delivered
  int Year, Month, Day; // the month shown and the day pre-selected in every month
  int FirstDay;         // of the week, 0 Monday .. 6 Sunday
};

enum { FIRST_HEADING = 43 }; // the weekdays' headings, 43..49

// The names of the user's language, when chosen for every format: the
// weekdays' headings from Windows, the week from the locale's first day.
// Otherwise the language file's headings stay, from Monday.
static int WriteWeekHeadings(DialogHandle dialog) {
  if (!UserLanguageForAll)
    return 0;
  int first = UserFirstWeekday();
  struct tm day;
  memset(&day, 0, sizeof day);
  for (int column = 0; column < 7; column++) {
    day.tm_wday = (first + column + 1) % 7;
    char name[8];
    if (LocaleText("", 0, CP_OEMCP, 'a', 0, 0, &day, name, sizeof name) > 0)
      PutItemText(dialog, FIRST_HEADING + column, name);
  }
  return first;
}

static void TakeToday(struct CalendarRun *run) {
  ReadLocalDate(&run->Date);
  run->Year = run->Date.tm_year + 1900;
  run->Month = run->Date.tm_mon + 1;
  run->Day = run->Date.tm_mday;
}

void FormatMonthName(char *text, int size, const char *name) {
  int length = (int)strlen(name);
  int padding = length <= 9 ? (9 - length) / 2 + 1 : 0;
  snprintf(text, (size_t)size, "%*s%s", padding, "", name);
}

static void WriteItemText(DialogHandle dialog, int item, const char *format, int value) {
  char text[16];
  snprintf(text, sizeof text, format, value);
  PutItemText(dialog, item, text);
}

// Lays out the month shown; returns the number of cells before its 1st.
static int LayOutMonth(const struct CalendarRun *run) {
  int offset = (WeekdayOfDate(run->Year, run->Month, 1) - 1 - run->FirstDay + 7) % 7;
  Dialogs.SetRadioStatus(run->Dialog, 1, run->Day + offset);
  Dialogs.SetItemFocus(run->Dialog, run->Day + offset);
  WriteItemText(run->Dialog, PICK_VALUE, " %d ", run->Year);
  char *monthText = Dialogs.GetItemData(run->Dialog, MONTH_NAME);
  char name[32];
  if (monthText)
    FormatMonthName(monthText, FAR_DIALOG_DATA_SIZE,
                    CalendarMonthName(run->Month, name, sizeof name));
  for (int cell = 1; cell <= CALENDAR_CELLS; cell++) {
    int day = cell - offset;
    // Days of the neighbouring months are shown grey and cannot be chosen.
    if (NormalizedMonth(run->Year, run->Month, day) != run->Month)
      MarkItem(run->Dialog, cell);
    WriteItemText(run->Dialog, cell, "%2d", NormalizedDay(run->Year, run->Month, day));
  }
  return offset;
}

static void ApplyExit(struct CalendarRun *run, int exitCode) {
  switch (exitCode) {
  case STEP_BACK:
  case STEP_FORWARD:
    run->Year += exitCode == STEP_BACK ? -1 : 1;
    break;
  case PICK_VALUE:
    run->Year = PickYear(run->Year);
    break;
  case MONTH_BACK:
    if (--run->Month < 1) {
      run->Month = 12;
      run->Year--;
    }
    break;
  case MONTH_FORWARD:
    if (++run->Month > 12) {
      run->Month = 1;
      run->Year++;
    }
    break;
  case MONTH_NAME:
    run->Month = PickMonth(run->Month);
    break;
  case CALENDAR_TODAY:
    TakeToday(run);
    break;
  default:
    break;
  }
  // The steps and the typed years cross the range here, both ways.
  run->Year = WrapYear(run->Year);
}

static void DeliverChosenDay(struct CalendarRun *run, const struct FormatPreset *preset, int day,
                             int openFrom) {
  SetRecordDate(&run->Date, run->Year, run->Month, day);
  // An empty format would only wipe the clipboard or insert nothing.
  if (PresetModeViewOnly(preset->Mode) || !preset->Format[0])
    return;
  // From the viewer too the cursor is the command line's.
  if (PresetModeAtCursor(preset->Mode))
    InsertDateText(preset->Format, openFrom, &run->Date);
  else
    PutHoralis(preset->Format, &run->Date);
}

void ShowCalendar(int openFrom) {
  struct CalendarRun run;
  memset(&run, 0, sizeof run);
  TakeToday(&run);
  struct FormatPreset preset;
  ReadPreset(&preset, CALENDAR_SLOT);
  run.Dialog = LoadPluginDialog("Calendar.dlg", "Calendar");
  if (!run.Dialog)
    return;
  run.FirstDay = WriteWeekHeadings(run.Dialog);
  for (;;) {
    int offset = LayOutMonth(&run);
    int exitCode = Dialogs.ShowDialog(run.Dialog);
    for (int cell = 1; cell <= CALENDAR_CELLS; cell++)
      UnmarkItem(run.Dialog, cell);
    // The group reports a cell only when one closed the dialog: the
    // controls around the grid leave it 0. A cancel never delivers.
    int chosen = exitCode == -1 ? -1 : Dialogs.GetRadioStatus(run.Dialog, offset + 1);
    if (chosen >= 1 && chosen <= CALENDAR_CELLS) {
      DeliverChosenDay(&run, &preset, chosen - offset, openFrom);
      break;
    }
    if (chosen == -1)
      break;
    ApplyExit(&run, exitCode);
  }
  Dialogs.FreeDialog(run.Dialog);
}
