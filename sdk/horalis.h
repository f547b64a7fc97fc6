/* Horalis for other modules: PutHoralis puts a date, expanded from a
   strftime format, on the Windows clipboard.

   Horalis.dll exports it by the undecorated name "PutHoralis" with the C
   calling convention (__cdecl: the caller removes the arguments). There is
   no import library: find it at run time. Inside the host, where Horalis.dll
   is loaded already, GetModuleHandleA("Horalis.dll") finds it; elsewhere
   load it by its path:

     HMODULE horalis = LoadLibraryA("C:\\Far\\Plugins\\Horalis\\Horalis.dll");
     PutHoralisFunction put = NULL;
     if (horalis)
       put = (PutHoralisFunction)(void *)GetProcAddress(horalis, HORALIS_PUT_NAME);
     if (put && !put("%d %B %Y %H:%M", NULL))
       ... the text did not reach the clipboard ...
     ...
     FreeLibrary(horalis);   (only what you loaded yourself)

   format: a strftime format in the OEM code page (the host's console code
   page); the text arrives on the clipboard as CF_TEXT in the ANSI code
   page, as CF_UNICODETEXT, and as CF_OEMTEXT where the system would make
   that otherwise, each made from one expansion. The expansion keeps at
   most 511 characters (bytes in CF_TEXT, never half a character); "%n" or
   a line break in the format ends a line (CR LF on the clipboard, a CR LF
   in the format staying one). "%{ru}", "%{de-AT}" or "%{}" (the
   Windows user's language) in the format names months and days in that
   language from there on; where the code pages cannot hold a language's
   names, CF_TEXT has the English ones throughout, and CF_UNICODETEXT the
   language's own; a letter a code page lacks may be written as its
   look-alike there (i for the Ukrainian one under code page 866). GNU's
   flags work as in GNU date: "%-d", "%_d", "%0e", "%^B".
   "%{@Tokyo}", "%{@UTC+5:30}" or "%{@local}" gives the time in that zone,
   and "%{+14d}", "%{-2h}", "%{+1mo}" (units s, min, h, d, w, mo, y) move
   the date, from there on.
   Names without a "%{...}" follow the user's choice in Horalis (under a
   Russian interface, by default, the Windows user's language). A module
   that parses the text should begin its format with "%{C}": English names
   and the C locale's layouts ("%c" 12/07/26 14:05:09), whatever the user
   chose and whatever locale any module of the process has set.
   moment: null for the current local time, or a time record of which only
   the fields the format uses matter; fields out of range are taken at the
   nearest value in range.

   Result: nonzero when the text reached the clipboard, 0 otherwise. A
   format that gives no text (null, empty, or a date moved outside 1601 to
   9999), or that names a zone, a language or a block word Horalis cannot
   find ("%{@Tokio}"), puts nothing: the clipboard stays as it was and the
   result is 0. When the clipboard cannot be taken (another program holds
   it) and Horalis was started by the host, it also shows the host's
   warning box "Error (code)";
   loaded outside a host, it stays silent. Versions before 1.1.0 declared
   no result: a caller built that way keeps working (the caller removes
   the arguments, and the result is left in a register it ignores), and
   it cannot rely on a result from an older Horalis.dll.
   Call it from one thread at a time: the text passes through one buffer. */
#ifndef HORALIS_H
#define HORALIS_H

#include <time.h>

#ifdef __cplusplus
extern "C" {
#endif

#define HORALIS_PUT_NAME "PutHoralis"

typedef int(__cdecl *PutHoralisFunction)(const char *format, const struct tm *moment);

#ifdef __cplusplus
}
#endif

#endif
