/* Dialog description files (the format is in FORMAT.md beside this file):
   reading one dialog out of a whole file, and listing a file's dialogs. The
   whole text must be well formed, not just the dialog asked for. */
#ifndef HORALIS_DIALOGGEN_PARSER_H
#define HORALIS_DIALOGGEN_PARSER_H

#include <stddef.h>

#include "dialog_model.h"

enum { MAX_DIALOGS_PER_FILE = 64, MAX_LINE_LENGTH = 1023 };

struct ParseError {
  int Line; /* from 1; 0 when the text as a whole is wrong */
  const char *Reason;
};

/* The dialog of that name, in one block that DestroyDialog releases, with
   message texts not yet resolved (DialogItem.TextMessage); null when the
   text is malformed or has no such dialog. */
struct LoadedDialog *ParseDialog(const char *Text, size_t Size, const char *Name,
                                 struct ParseError *Error);

/* Calls OnDialog with each dialog's name in file order; returns how many
   there are, or -1 when the text is malformed (no call is made then). */
int ListDialogs(const char *Text, size_t Size, void (*OnDialog)(const char *Name, void *Context),
                void *Context, struct ParseError *Error);

void DestroyDialog(struct LoadedDialog *Dialog);

#endif
