/* Where the 3.x plugin puts a date text: the place the user called it
   from, and each place's way of taking text. */
#ifndef HORALIS_PLUGIN3_DELIVERY3_H
#define HORALIS_PLUGIN3_DELIVERY3_H

#include "far3_plugin.h"

enum Target3 { TARGET_NONE, TARGET_EDITOR, TARGET_COMMAND_LINE, TARGET_DIALOG, TARGET_CLIPBOARD };

struct Place3 {
  enum Target3 Target;
  HANDLE Dialog; /* TARGET_DIALOG: the dialog whose focused field takes it */
};

/* The place of a call from the host's menus or areas: the editor, the
   dialog, the clipboard from the viewer, the command line otherwise. */
struct Place3 PlaceOfOpen(const struct OpenInfo *info);

/* The place under the cursor, for a macro: the current window's kind. */
struct Place3 PlaceOfCurrentWindow(void);

/* What became of a text. */
enum Outcome3 { PUT_DONE, PUT_READ_ONLY, PUT_NO_FIELD, PUT_FAILED };

/* Puts text (line breaks as "\n") at place: lines in the editor, one line
   (breaks as blanks) on the command line and in a field, CR LF on the
   clipboard. */
enum Outcome3 PutText3(const wchar_t *text, const struct Place3 *place);

/* The whole delivery of the plugin's menus: expands format, asks first
   about a silent mistake, says why nothing went where nothing did, and
   notes the clipboard from the viewer (unless the user turned it off).
   1 when the text was delivered. */
int DeliverFormat3(const wchar_t *format, const struct Place3 *place);

#endif
