/* The preview line of every dialog that holds a format: under the format,
   what it gives now or what is wrong with it, put there by the dialog's
   "Preview" button. A 1.60 dialog tells the plugin nothing while it is
   open, so the button closes it and the dialog is shown again. */
#ifndef HORALIS_PRESETS_PREVIEW_LINE_H
#define HORALIS_PRESETS_PREVIEW_LINE_H

#include "dialog_gen.h"

/* Alike in every such dialog. */
enum {
  FORMAT_ITEM_PREVIEW = 30, /* button, a request: show the dialog again */
  /* text under the format, from the format's label to the frame: its X1
     and X2 give its width, the format field's X1 where a text starts */
  FORMAT_ITEM_PREVIEW_LINE = 31
};

/* The line's texts in the language file: what it says before the first
   preview, the word before what the format gives now, and what it says of
   a format that gives no text. */
enum { MSG_PREVIEW_PROMPT = 190, MSG_PREVIEW_NOW = 191, MSG_PREVIEW_NO_TEXT = 192 };

/* Shows the dialog until it is closed other than by "Preview"; each
   "Preview" fills the line from formatItem and brings the dialog back as
   typed, the focus on the format. Returns the exit code of the last
   showing. */
int ShowFormatDialog(DialogHandle dialog, int formatItem);

/* Fills the line; returns 0 when the format is sound. */
int ShowFormatPreview(DialogHandle dialog, int formatItem);

/* The line as before any preview: for a dialog filled anew. */
void ClearFormatPreview(DialogHandle dialog);

#endif
