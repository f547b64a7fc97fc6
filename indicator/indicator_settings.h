/* The clock indicator's settings dialog "Indicator" and its colour picker
   "Color Select". */
#ifndef HORALIS_INDICATOR_INDICATOR_SETTINGS_H
#define HORALIS_INDICATOR_INDICATOR_SETTINGS_H

#include "hostlink/module_state.h"

enum {
  INDICATOR_ITEM_DEFAULT = 2, /* radio group: 2 the default format, 3 custom */
  INDICATOR_ITEM_CUSTOM = 3,
  INDICATOR_ITEM_FORMAT = 4,
  INDICATOR_ITEM_COLOUR_GROUP = 5, /* set to 5 before each colour visit */
  INDICATOR_ITEM_TITLE = 6,
  INDICATOR_ITEM_PAUSE = 7,
  INDICATOR_ITEM_XCOORD = 8,
  INDICATOR_ITEM_YCOORD = 9,
  INDICATOR_ITEM_SWITCH_MODE = 10,
  INDICATOR_ITEM_COLOUR_REQUEST = 12,
  INDICATOR_ITEM_CTRL_OFF = 14,
  INDICATOR_ITEM_STAY = 21 /* check box: kept until the entry is chosen again */
};

enum {
  COLOUR_ITEM_FOREGROUND = 1,  /* radio group, values 0..15 */
  COLOUR_ITEM_BACKGROUND = 16, /* radio group, values 0x00..0xF0 */
  /* The button of a colour is the first button of its group plus the
     colour's number (background colours counted in sixteens). */
  COLOUR_ITEM_FIRST_FOREGROUND = 0,
  COLOUR_ITEM_FIRST_BACKGROUND = 16,
  COLOUR_ITEM_SAMPLE = 243,
  COLOUR_EXIT_ACCEPT = 242,
  COLOUR_EXIT_TRY = 247, /* shows the picker again, the sample recoloured */
  /* What the picker opens at while no colour is stored: black on cyan. */
  COLOUR_FIRST_BACKGROUND = 0x30
};

/* The box that refuses a number the clock cannot show: its title, the
   ranges of the display time and of the place, its button. */
enum {
  MSG_CLOCK_NUMBERS_TITLE = 73,
  MSG_CLOCK_PAUSE_RANGE = 74,
  MSG_CLOCK_PLACE_RANGE = 75,
  MSG_CLOCK_NUMBERS_OK = 64
};

/* The note a display starts with when its format has a silent mistake,
   above the line naming it, under the box's title above. */
enum { MSG_CLOCK_FORMAT_MISTAKE = 78 };

void EditIndicatorSettings(void);

/* The format a display starts with: the custom one when chosen, else the
   host's default as copied for it; empty when neither can be read. */
void ReadClockFormat(char format[FORMAT_SIZE]);

#endif
