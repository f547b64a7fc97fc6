/* The calendar's settings dialog ("Main2"): the format and the target of a
   picked day, and the week numbers, all of preset slot 11. */
#ifndef HORALIS_CALENDAR_CALENDAR_SETTINGS_H
#define HORALIS_CALENDAR_CALENDAR_SETTINGS_H

/* The note "Main2" shows when a first pick opens it. */
enum { SETTINGS_ITEM_FIRST_USE = 16 };

void EditCalendarFormat(void);

/* The same dialog when a day was picked with no format set: it says so
   and offers the language's format, to the cursor; saved unless
   cancelled. */
void OfferCalendarFormat(void);

#endif
