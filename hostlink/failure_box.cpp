#include "hostlink/failure_box.h"

#include <string.h>

#include "hostlink/format_text.h"
#include "hostlink/host_table.h"

enum { REASON_SIZE = 512, REASON_WIDTH = 60, REASON_LINES = 4 };

// The system's text for the code on one line, in the OEM code page the
// host draws in; empty when the system has none.
static void ReadSystemReason(DWORD code, char *reason) {
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, NULL,
                                code, 0, reason, REASON_SIZE, NULL);
  if (length == 0 || length >= REASON_SIZE)
    length = 0;
  reason[length] = 0;
  // Windows breaks its longer texts with line ends: one space each.
  char *out = reason;
  for (const char *p = reason; *p; p++) {
    char c = *p == '\r' || *p == '\n' || *p == '\t' ? ' ' : *p;
    if (c != ' ' || (out > reason && out[-1] != ' '))
      *out++ = c;
  }
  while (out > reason && out[-1] == ' ')
    out--;
  *out = 0;
  CharToOemA(reason, reason);
}

// Breaks the reason at spaces into lines of REASON_WIDTH characters, in
// place; a word longer than a line stays whole for the host to cut.
// Returns how many lines were added to `lines`.
static int WrapReason(char *reason, const char **lines) {
  int count = 0;
  char *p = reason;
  while (*p && count < REASON_LINES) {
    lines[count++] = p;
    if (strlen(p) <= REASON_WIDTH)
      break;
    char *cut = p + REASON_WIDTH;
    while (cut > p && *cut != ' ')
      cut--;
    if (cut == p)
      break;
    *cut = 0;
    p = cut + 1;
  }
  return count;
}

int ShowFailureBox(int textMsg, DWORD code) {
  char title[128];
  FormatText(title, sizeof title, "%s (%lu)", GetMsgTextOr(MSG_FAILURE_TITLE, "Error"),
             (unsigned long)code);
  char reason[REASON_SIZE];
  ReadSystemReason(code, reason);
  const char *lines[4 + REASON_LINES];
  int count = 0;
  lines[count++] = title;
  lines[count++] = GetMsgTextOr(textMsg, "");
  count += WrapReason(reason, lines + count);
  lines[count++] = "\x01";
  lines[count++] = GetMsgTextOr(MSG_FAILURE_OK, "OK");
  return ShowHostMessage(FMSG_WARNING, NULL, lines, count, 1);
}

int SettingsSaved(LONG result) {
  if (result == ERROR_SUCCESS)
    return 1;
  ShowFailureBox(MSG_SETTINGS_NOT_SAVED, (DWORD)result);
  return 0;
}
