#include "datetext/c_locale_text.h"

static const char *const DayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                       "Thursday", "Friday", "Saturday"};
static const char *const MonthNames[] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};

int CLocaleName(char conversion, const struct tm *record, WCHAR *text, int size) {
  int day = conversion == 'a' || conversion == 'A';
  const char *name = record->tm_hour < 12 ? "AM" : "PM";
  if (day || conversion == 'b' || conversion == 'B')
    name = day ? DayNames[record->tm_wday % 7] : MonthNames[record->tm_mon % 12];
  else if (conversion != 'p')
    return -1;
  int length = 0;
  int limit = conversion == 'a' || conversion == 'b' ? 3 : size - 1;
  for (; name[length] && length < limit; length++)
    text[length] = (WCHAR)name[length];
  text[length] = 0;
  return length;
}

const char *CLocaleLayout(char conversion, int alternate) {
  switch (conversion) {
  case 'c':
    return alternate ? "%A, %B %d, %Y %H:%M:%S" : "%m/%d/%y %H:%M:%S";
  case 'x':
    return alternate ? "%A, %B %d, %Y" : "%m/%d/%y";
  case 'X':
    return "%H:%M:%S";
  default:
    return NULL;
  }
}
