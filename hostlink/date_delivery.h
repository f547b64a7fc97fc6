/* The 1.60 plugin's deliveries of a date text: the editor, the command
   line and the clipboard, with the host's boxes where they fail. */
#ifndef HORALIS_HOSTLINK_DATE_DELIVERY_H
#define HORALIS_HOSTLINK_DATE_DELIVERY_H

#include <time.h>

#include "datetext/date_text.h"

/* Messages of the deliveries in the language file. */
enum {
  MSG_FORMAT_EMPTY = 131,
  MSG_EDITOR_READ_ONLY = 132,
  MSG_ON_CLIPBOARD = 133,
  MSG_TEXT_EMPTY = 134 /* a format that gives no text */
};

/* The OEM text of the last delivery. */
extern char DateText[DATE_TEXT_SIZE];

/* Into the editor when target is OPEN_EDITOR, otherwise the command line.
   A "\n" breaks the line in the editor and is a blank on the command line;
   an editor that refuses the text (read-only) gets a message saying so.
   0 when the editor refused it. */
int InsertDateText(const char *format, int target, const struct tm *moment);

/* The clipboard delivery of the plugin's own menus: as PutHoralis, but a
   format's silent mistake is the menus' own to ask about. An empty text
   leaves the clipboard as it was; 1 when the text was put. DateText holds
   the OEM text after it. */
int PutDateText(const char *format, const struct tm *moment);

#ifdef __cplusplus
extern "C" {
#endif
/* Exported: puts the expansion on the clipboard, its line breaks as CR LF.
   Nonzero when the text reached the clipboard; a format that gives no
   text, or names a zone, a language or a block word it cannot find, leaves
   the clipboard as it was and gives 0. */
int __cdecl PutHoralis(const char *format, const struct tm *moment);
#ifdef __cplusplus
}
#endif

#endif
