/* The month calendar: a grid of six weeks, steps and pickers for the year
   and the month, and the delivery of a chosen day through preset slot 11. */
#ifndef HORALIS_CALENDAR_CALENDAR_DIALOG_H
#define HORALIS_CALENDAR_CALENDAR_DIALOG_H

/* Items and exit codes of the dialog "Calendar" beyond the pickers' ones:
   cells 1..42 (one group, each cell's value its number), 53 and 55 step the
   month, 54 opens the month picker, 56 goes back to today. */
enum {
  CALENDAR_CELLS = 42,
  CALENDAR_ROWS = 6,
  MONTH_BACK = 53,
  MONTH_NAME = 54,
  MONTH_FORWARD = 55,
  CALENDAR_TODAY = 56,
  /* In "Weeks", the calendar shown with week numbers: each row's
     ISO week, top row first. */
  WEEK_NUMBER_FIRST = 61
};

/* Runs until a day is chosen or the calendar is cancelled; openFrom is the
   host's OpenFrom value, which decides where the date goes. */
void ShowCalendar(int openFrom);

/* The month's name as its control shows it: centred in one more column
   than the longest name of the language (at least nine) takes, so the
   control keeps one width from month to month. */
void FormatMonthName(char *text, int size, const char *name, int longest);

#endif
