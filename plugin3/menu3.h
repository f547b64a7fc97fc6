/* The Horalis main menu of the 3.x plugin, and what its entries do. */
#ifndef HORALIS_PLUGIN3_MENU3_H
#define HORALIS_PLUGIN3_MENU3_H

#include "plugin3/delivery3.h"

/* The main menu from OpenW: each entry runs at place. */
void RunMainMenu3(const struct Place3 *place);

/* The main menu from ConfigureW: the settings of each entry. 1 when one
   was opened. */
int RunConfigureMenu3(void);

#endif
