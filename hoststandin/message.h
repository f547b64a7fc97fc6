/* The host's Message service: a box with a title, lines, separator lines
   ("\x01") and a row of buttons (the last ButtonsNumber items). With
   FMSG_WARNING it takes the warning colours; with FMSG_ERRORTYPE the text of
   the last system error is shown under the title. Returns the button chosen
   (0-based) or -1 for Esc; with no buttons it draws and returns -1. */
#ifndef HORALIS_HOSTSTANDIN_MESSAGE_H
#define HORALIS_HOSTSTANDIN_MESSAGE_H

#include "far_plugin.h"

int WINAPI HostMessage(int PluginNumber, unsigned int Flags, const char *HelpTopic,
                       const char *const *Items, int ItemsNumber, int ButtonsNumber);

/* Where FMSG_ERRORTYPE takes the last system error: fills text (OEM) and
   returns the code. Called first thing, before anything can change it. */
typedef unsigned int (*LastErrorSource)(char *text, int size);
void MessageSetErrorSource(LastErrorSource source);

#endif
