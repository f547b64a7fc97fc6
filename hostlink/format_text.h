#ifndef HORALIS_HOSTLINK_FORMAT_TEXT_H
#define HORALIS_HOSTLINK_FORMAT_TEXT_H

/* snprintf over msvcrt's own _vsnprintf: MinGW's snprintf brings an
   emulation of a call Windows 2000's msvcrt lacks, half a KiB of the
   module. The text is always terminated inside the buffer; the length
   written, or -1 when the text was cut to fit. */
int FormatText(char *text, int size, const char *format, ...) __attribute__((format(printf, 3, 4)));

#endif
