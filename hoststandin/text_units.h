/* Where the cursor of the editor and the edit lines steps, and what they
   show. Their text is bytes in the OEM code page, one byte a character;
   in a run with a 3.x plugin it is UTF-8, so that any character is kept:
   a step then covers one character's bytes, each character takes one
   cell on the OEM screen, and a typed OEM character is stored as UTF-8. */
#ifndef HORALIS_HOSTSTANDIN_TEXT_UNITS_H
#define HORALIS_HOSTSTANDIN_TEXT_UNITS_H

/* OEM character to a wide one and back (the Windows build's code page;
   unset, the text is taken as ASCII and anything else shows as '?'). */
struct TextConverters {
  int (*OemToUnicode)(int oem);
  int (*UnicodeToOem)(int unicode);
};
void TextSetConverters(struct TextConverters converters);

void TextSetUtf8(int utf8);
int TextIsUtf8(void);

/* The byte where the character before at starts; the byte after the
   character at at. */
int TextStepBack(const char *text, int at);
int TextStepForward(const char *text, int at, int length);
/* How many characters (screen cells) the first bytes make. */
int TextCells(const char *text, int bytes);
/* The byte where the character of a cell starts (length when past it). */
int TextByteOfCell(const char *text, int length, int cell);
/* The character at a byte as the screen shows it (OEM). */
int TextShownChar(const char *text, int at, int length);
/* A typed OEM character as stored: its bytes in out (4 at most); how many. */
int TextTypedBytes(int oem, char *out);

#endif
