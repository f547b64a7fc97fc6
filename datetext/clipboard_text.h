/* The clipboard's texts of one expansion, for both front ends: CF_TEXT in
   the ANSI code page, CF_UNICODETEXT, and CF_OEMTEXT where the system would
   make it otherwise; line breaks as CR LF. Win32 only: no host. */
#ifndef HORALIS_DATETEXT_CLIPBOARD_TEXT_H
#define HORALIS_DATETEXT_CLIPBOARD_TEXT_H

#include <windows.h>

#include "datetext/date_expansion.h"

/* What PutExpansion did. */
enum { CLIPBOARD_REFUSED = -1, CLIPBOARD_NO_TEXT = 0, CLIPBOARD_PUT = 1 };

/* Replaces the clipboard's contents with the expansion (its Unicode text
   cut to 511 characters). An empty expansion leaves the clipboard as it
   was: CLIPBOARD_NO_TEXT. CLIPBOARD_REFUSED when the system refused it, its
   error kept for GetLastError: the front end says so in its own box, once
   the clipboard is free again. oem, when not null, receives the OEM text
   (DATE_TEXT_SIZE bytes). */
int PutExpansion(struct DateExpansion *expansion, char *oem);

/* Puts format's expansion (Unicode text) for moment: a format that gives no
   text, or has a silent mistake, leaves the clipboard as it was
   (CLIPBOARD_NO_TEXT). */
int PutFormatW(const WCHAR *format, const struct tm *moment);

#endif
