/* The plugin's answer to a macro's Plugin.Call(<GUID>, "insert" or "text",
   "<format>"). */
#ifndef HORALIS_PLUGIN3_MACRO3_H
#define HORALIS_PLUGIN3_MACRO3_H

#include "far3_plugin.h"

/* "insert": the format's text where the cursor is (editor, command line,
   dialog field), and true; "text": the text itself. A format with a
   mistake, an unknown verb or a place that refuses it: null, nothing
   inserted, no box. The result and its text are freed by its callback. */
HANDLE RunMacro3(const struct OpenMacroInfo *call);

#endif
