/* The exports the plugin binds but never calls: the version, the shared
   empty text and the description parser's own token readers. */
#include <string.h>

#include "dialoggen.h"
#include "lexer.h"

namespace {

const int LibraryVersion = 100; /* 1.00 */

/* Zero again at every call, whatever a caller wrote into it. */
char EmptyText[FAR_DIALOG_DATA_SIZE];

/* A position a reader may start from: inside the text or at its end. */
int ValidPosition(const char *text, const int *pos) {
  return text && pos && *pos >= 0 && (size_t)*pos <= strlen(text);
}

} // namespace

extern "C" {

void *__cdecl GetItemNULL(void) {
  memset(EmptyText, 0, sizeof EmptyText);
  return EmptyText;
}

int __cdecl DialogGeneratorVersion(void) { return LibraryVersion; }

int __cdecl parseNum(const char *Text, int *Pos) {
  int value = 0;
  if (!ValidPosition(Text, Pos))
    return 0;
  SkipBlanks(Text, Pos);
  return ReadNumber(Text, Pos, &value) ? value : 0;
}

int __cdecl parseGetStr(const char *Text, int *Pos, char *Out, int Size) {
  if (!ValidPosition(Text, Pos) || !Out || Size <= 0)
    return -1;
  SkipBlanks(Text, Pos);
  return ReadQuoted(Text, Pos, Out, Size);
}

int __cdecl parseGet(const char *Text, int *Pos, char *Out, int Size) {
  if (!ValidPosition(Text, Pos) || !Out || Size <= 0)
    return -1;
  SkipBlanks(Text, Pos);
  return ReadWord(Text, Pos, Out, Size);
}

int __cdecl sparse(const char *Text, int *Pos) {
  if (!ValidPosition(Text, Pos))
    return 0;
  return SkipBlanks(Text, Pos);
}

} // extern "C"
