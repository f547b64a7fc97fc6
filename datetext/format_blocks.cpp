#include "datetext/format_blocks.h"

#include <string.h>

static int IsBlank(WCHAR c) { return c == ' ' || c == '\t'; }
static int IsLetter(WCHAR c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
static int IsDigit(WCHAR c) { return c >= '0' && c <= '9'; }

// Letters (or digits, where `digits`) from `from`, 2 or 3 of them; the
// count, 0 when not so.
static int CodePart(const WCHAR *word, int from, int length, int digits) {
  int count = 0;
  while (from + count < length &&
         (IsLetter(word[from + count]) || (digits && IsDigit(word[from + count]))))
    count++;
  return count >= 2 && count <= 3 ? count : 0;
}

// "C", or an ISO 639 code with an optional region after "-" or "_" ("ru",
// "de-AT", "es-419"): anything longer is no language but a typing mistake.
static int IsLanguage(const WCHAR *word, int length) {
  if (length == 1)
    return *word == 'C' || *word == 'c';
  int language = CodePart(word, 0, length, 0);
  if (language == length)
    return 1;
  if (!language || (word[language] != '-' && word[language] != '_'))
    return 0;
  int region = CodePart(word, language + 1, length, 1);
  return region && region == length - language - 1;
}

// A unit: its name, the sum it adds to (0 months, 1 days, 2 seconds) and
// its size there.
struct OffsetUnit {
  char Name[4];
  char Sum;
  short Size;
};

static const OffsetUnit Units[] = {{"s", 2, 1}, {"min", 2, 60}, {"h", 2, 3600}, {"d", 1, 1},
                                   {"w", 1, 7}, {"mo", 0, 1},   {"y", 0, 12}};

// Whether `count` characters at `word` are the unit's name.
static int SameUnit(const char *name, const WCHAR *word, int count) {
  int i = 0;
  while (i < count && name[i] && word[i] == (WCHAR)name[i])
    i++;
  return i == count && !name[i];
}

// Numbers of up to 15 digits, sums held within SumLimit either way: with
// the largest unit neither a product nor a sum comes near the limits of 64
// bits, and no date in the calendar's years is that far.
enum { NUMBER_DIGITS = 15 };
static const unsigned long long SumLimit = 4000000000000000000ULL;

// "+N" or "-N" and a unit, added to the block's offset; 0 when not one. A
// number of any length is read; one too large is Beyond, as is a sum.
static int TakeOffset(const WCHAR *word, int length, struct DateOffset *offset) {
  if (*word != '+' && *word != '-')
    return 0;
  int digits = 1;
  long long number = 0;
  for (; digits < length && IsDigit(word[digits]); digits++)
    number = digits > NUMBER_DIGITS ? 0 : number * 10 + (word[digits] - '0');
  if (digits == 1)
    return 0;
  for (const OffsetUnit &unit : Units)
    if (SameUnit(unit.Name, word + digits, length - digits)) {
      long long *sum = unit.Sum == 0   ? &offset->Months
                       : unit.Sum == 1 ? &offset->Days
                                       : &offset->Seconds;
      if (!offset->Beyond)
        *sum += (*word == '-' ? -number : number) * unit.Size;
      offset->Beyond |=
          digits > NUMBER_DIGITS + 1 || (unsigned long long)*sum + SumLimit > 2 * SumLimit;
      return 1;
    }
  return 0;
}

static void TakeWord(const WCHAR *word, int length, struct FormatBlock *block) {
  if (*word == '@' && length > 1) {
    block->Zone = word + 1;
    block->ZoneLength = length - 1;
  } else if (TakeOffset(word, length, &block->Offset)) {
    block->HasOffset = 1;
  } else if (IsLanguage(word, length)) {
    block->Language = word;
    block->LanguageLength = length;
  } else if (!block->Unknown) {
    block->Unknown = word;
    block->UnknownLength = length;
  }
}

// No word holds a "%" or a line break: a block missing its "}" ends there
// rather than take the text up to the next block's. A loop of our own: under
// Wine the runtime's strcspn costs a third of an expansion.
const WCHAR *FormatBlockEnd(const WCHAR *text) {
  const WCHAR *end = text + 2;
  while (*end && *end != '}' && *end != '%' && *end != '\n')
    end++;
  return *end == '}' ? end + 1 : NULL;
}

int ReadFormatBlock(const WCHAR *text, struct FormatBlock *block) {
  memset(block, 0, sizeof *block);
  const WCHAR *after = FormatBlockEnd(text);
  if (!after)
    return 0;
  const WCHAR *end = after - 1;
  int words = 0;
  for (const WCHAR *p = text + 2; p < end;) {
    while (p < end && IsBlank(*p))
      p++;
    const WCHAR *word = p;
    while (p < end && !IsBlank(*p))
      p++;
    if (p > word) {
      TakeWord(word, (int)(p - word), block);
      words++;
    }
  }
  // "%{}" is the Windows user's own language.
  if (!words)
    block->Language = end;
  block->End = after;
  return 1;
}
