/* The year and month pickers the calendar opens from its year and month. */
#ifndef HORALIS_CALENDAR_PICKERS_H
#define HORALIS_CALENDAR_PICKERS_H

enum { FIRST_YEAR = 1970, LAST_YEAR = 2037 };

/* Items and exit codes shared by the calendar and its pickers. */
enum {
  STEP_BACK = 50,
  PICK_VALUE = 51, /* the calendar's year; the year picker's text field */
  STEP_FORWARD = 52,
  PICK_CURRENT = 53,
  PICK_ACCEPT = 60
};

/* The accepted year, in no range; the given one when cancelled or when the
   dialog cannot be shown. */
int PickYear(int year);
/* The accepted month 1..12; the given one when cancelled or when the dialog
   cannot be shown. */
int PickMonth(int month);

/* The name of a month 1..12 in the calendar: Windows' in the user's
   language when names are in it for every format, else the language
   file's; text holds the former. */
const char *CalendarMonthName(int month, char *text, int size);

/* A year as the year field holds it: white space, a sign, digits, anything
   after them ignored. 0 when there is no number; a number beyond an int
   reads as the nearest int. */
int ReadYearText(const char *text, int *year);

/* A year outside the calendar's goes round to the other end. */
int WrapYear(int year);

/* One step within the calendar's years, and within the months. */
int StepYear(int year, int step);
int StepMonth(int month, int step);

#endif
