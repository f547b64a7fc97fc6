/* The one-time takeover of the settings the 1.60 plugin left in the
   registry under the current host's key. */
#ifndef HORALIS_PLUGIN3_TAKEOVER3_H
#define HORALIS_PLUGIN3_TAKEOVER3_H

/* Copies every value and key of the 1.60 plugin's key into the host's
   settings, once: a mark in the settings says it was done. 1 when
   settings were taken over now (the caller says so to the user). */
int TakeOverOldSettings(void);

#endif
