/* The clipboard as the stand-in reports it, the window station without
   clipboard rights in which a plugin's clipboard calls are refused, and one
   whose clipboard is the run's own. Windows only. */
#ifndef HORALIS_HOSTSTANDIN_CLIPBOARD_IO_H
#define HORALIS_HOSTSTANDIN_CLIPBOARD_IO_H

/* The clipboard's CF_TEXT; 1 when read (possibly empty), 0 when there is
   no text or the clipboard cannot be opened. */
int ReadClipboardText(char *out, int size);
/* The clipboard's CF_UNICODETEXT as UTF-8 (a 3.x run's report). */
int ReadClipboardUtf8(char *out, int size);
int PutClipboardText(const char *text);
/* Leaves the clipboard empty; 0 when it cannot be opened. */
int EmptyClipboardText(void);
/* Moves the process into a new window station whose handle lacks the
   clipboard rights; 0 when that fails. */
int EnterRestrictedWindowStation(void);
/* Moves the process into a new window station of its own, with every
   right: its clipboard starts empty and is seen by no other program, and
   the process keeps it to its end. 0 when that fails. */
int EnterOwnClipboardStation(void);
/* Back to the window station the process started in. */
void LeaveRestrictedWindowStation(void);

#endif
