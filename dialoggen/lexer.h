/* Tokens of one line of a dialog description: blanks, numbers, quoted
   texts and words. Every function works on a zero-terminated line and a
   position in it, and leaves the position alone when it reads nothing. */
#ifndef HORALIS_DIALOGGEN_LEXER_H
#define HORALIS_DIALOGGEN_LEXER_H

/* Skips blanks and tabs; returns the character now at the position, 0 at the
   end of the line or where a ';' comment starts. */
int SkipBlanks(const char *Text, int *Pos);

/* A number: optional sign, decimal digits or 0x and hexadecimal digits, at
   most 0x7FFFFFFF in size, ended by a blank or the end of the line. 1 when one
   was read into Value. */
int ReadNumber(const char *Text, int *Pos, int *Value);

/* A text in double quotes, with the escapes \" \\ and \xHH. Returns its
   length (Out zero-terminated), or -1 when it is unterminated, holds a
   control character or does not fit Size bytes with its terminator. */
int ReadQuoted(const char *Text, int *Pos, char *Out, int Size);

/* A word: a run of characters other than blanks, quotes and ';'. Returns its
   length (0 when there is none), or -1 when it does not fit Size bytes. */
int ReadWord(const char *Text, int *Pos, char *Out, int Size);

#endif
