/* The one warning box for something the user asked for that could not be
   done: what failed, the system's reason for it, and OK. */
#ifndef HORALIS_HOSTLINK_FAILURE_BOX_H
#define HORALIS_HOSTLINK_FAILURE_BOX_H

#include <windows.h>

enum {
  MSG_FAILURE_TITLE = 85, /* the system's code follows in brackets */
  MSG_FAILURE_OK = 86,
  MSG_CLIPBOARD_FAILED = 87,
  MSG_SETTINGS_NOT_SAVED = 88
};

/* Shows the text of message `textMsg` with the system's text for `code`;
   returns the host's answer, or -1 without a box before the host table is
   taken. */
int ShowFailureBox(int textMsg, DWORD code);

/* 1 when `result` (a registry result) is ERROR_SUCCESS; otherwise tells
   the user that the settings could not be saved, and why, and returns 0. */
int SettingsSaved(LONG result);

#endif
