/* The names of months and days every format without a language of its
   own takes, as chosen in the names' menu ("Config", "UserLanguage"). */
#ifndef HORALIS_PLUGIN3_NAMES3_H
#define HORALIS_PLUGIN3_NAMES3_H

/* Reads the choice and applies it; the interface's language is the host's
   at this moment, so each OpenW applies it anew. */
void ApplyNames3(void);

/* The menu of the three choices; Enter stores and applies the one chosen. */
void EditNames3(void);

#endif
