/* Wide text at the edge of the stand-in's 8-bit screens and buffers: to
   and from the OEM code page its screens draw in, and UTF-8, in which a
   3.x run's editor, command line and report keep every character. And a
   3.x plugin's language table: its UTF-8 .lng file held as wide texts. */
#ifndef HORALIS_HOSTSTANDIN_FACE3_TEXTS_H
#define HORALIS_HOSTSTANDIN_FACE3_TEXTS_H

#include <windows.h>

enum { FACE3_MAX_MESSAGES = 1024, FACE3_POOL_SIZE = 65536 };

/* Each always terminated, cut to fit; a null text gives "". What the OEM
   code page lacks becomes '?'. */
void WideToOem(const wchar_t *text, char *out, int size);
void OemToWide(const char *text, wchar_t *out, int size);
void WideToUtf8(const wchar_t *text, char *out, int size);
void Utf8ToWide(const char *text, wchar_t *out, int size);
/* How many wide characters the first bytes of a UTF-8 text make, and back:
   the bytes the first characters take (positions in a 3.x run's lines). */
int Utf8Characters(const char *text, int bytes);
int Utf8Bytes(const char *text, int characters);

struct Face3Texts {
  char Language[64];
  int Count;
  int Offset[FACE3_MAX_MESSAGES];
  int Used;
  wchar_t Pool[FACE3_POOL_SIZE];
};

/* Reads a language file (UTF-8, with or without its byte-order mark) into
   a new table; null with a message in error when it cannot. */
struct Face3Texts *Face3LoadTexts(const char *path, char *error, int errorSize);
void Face3FreeTexts(struct Face3Texts *texts);
/* The message, or null when the number is out of range. */
const wchar_t *Face3Message(const struct Face3Texts *texts, intptr_t id);

#endif
