/* The year and month pickers the calendar opens from its year and month. */
#ifndef HORALIS_CALENDAR_PICKERS_H
#define HORALIS_CALENDAR_PICKERS_H

/* The years of the system's own dates. */
enum { FIRST_YEAR = 1601, LAST_YEAR = 9999 };

/* The calendar's texts in the language file: the notes on a typed year
   outside the range and on a year field without a number, the week
   numbers' heading, the date format a first pick starts from. 64 and 66
   are the dialogs' "OK" and title. */
enum {
  MSG_CALENDAR_OK = 64,
  MSG_CALENDAR_TITLE = 66,
  MSG_YEAR_RANGE = 95,
  MSG_WEEK_HEADING = 96,
  MSG_CALENDAR_FORMAT = 97,
  MSG_YEAR_UNREADABLE = 200
};

/* Items and exit codes shared by the calendar and its pickers. */
enum {
  STEP_BACK = 50,
  PICK_VALUE = 51, /* the calendar's year; the year picker's text field */
  STEP_FORWARD = 52,
  PICK_CURRENT = 53,
  PICK_ACCEPT = 60
};

/* The accepted year, within the calendar's years: a typed one outside them,
   or a field without a number, gets a note saying so and the picker back as
   typed. A step starts from the year typed. The given year when cancelled
   or when the dialog cannot be shown. */
int PickYear(int year);
/* The accepted month 1..12; the given one when cancelled or when the dialog
   cannot be shown. */
int PickMonth(int month);

/* Windows' name in the user's language, when names are in it for every
   format, for conversion 'a' (a weekday) or 'B' (a month) of day,
   capitalised as the language file's names are; 0 when there is none. */
int UserCalendarName(char conversion, const struct tm *day, char *text, int size);

/* The name of a month 1..12 in the calendar: Windows' in the user's
   language when names are in it for every format, else the language
   file's; text holds the former. */
const char *CalendarMonthName(int month, char *text, int size);

/* A year as the year field holds it: white space, a sign, digits, anything
   after them ignored. 0 when there is no number; a number beyond an int
   reads as the nearest int. */
int ReadYearText(const char *text, int *year);

/* A year outside the calendar's is held at the nearest end. */
int ClampYear(int year);

/* One step within the calendar's years: one past either end stays there
   and says so, with the note a typed year gets. Months go round. */
int StepYear(int year, int step);
void SayYearRange(void);
int StepMonth(int month, int step);

#endif
