/* The calendar's settings dialog ("Main2"): the format and the target of a
   picked day (preset slot 11) and the week numbers, stored beside them. */
#ifndef HORALIS_CALENDAR_CALENDAR_SETTINGS_H
#define HORALIS_CALENDAR_CALENDAR_SETTINGS_H

/* Items of "Main2" beyond those numbered like the preset dialog's. */
enum { SETTINGS_ITEM_FIRST_USE = 16, SETTINGS_ITEM_WEEK_NUMBERS = 17 };

void EditCalendarFormat(void);

/* The same dialog when a day was picked with no format set, saying so;
   1 when the person confirmed it and it was saved. */
int OfferCalendarFormat(void);

/* 1 when the calendar shows week numbers. */
int ReadCalendarWeekNumbers(void);

#endif
