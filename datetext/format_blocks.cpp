#include "datetext/format_blocks.h"

#include <string.h>

static int IsBlank(char c) { return c == ' ' || c == '\t'; }
static int IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
static int IsDigit(char c) { return c >= '0' && c <= '9'; }

// Letters (or digits, where `digits`) from `from`, 2 or 3 of them; the
// count, 0 when not so.
static int CodePart(const char *word, int from, int length, int digits) {
  int count = 0;
  while (from + count < length &&
         (IsLetter(word[from + count]) || (digits && IsDigit(word[from + count]))))
    count++;
  return count >= 2 && count <= 3 ? count : 0;
}

// "C", or an ISO 639 code with an optional region after "-" or "_" ("ru",
// "de-AT", "es-419"): anything longer is no language but a typing mistake.
static int IsLanguage(const char *word, int length) {
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

// A unit's size in months, days or seconds (Seconds 0 for calendar steps).
struct OffsetUnit {
  const char *Name;
  int Months, Days, Seconds;
};

static const OffsetUnit Units[] = {{"s", 0, 0, 1}, {"min", 0, 0, 60}, {"h", 0, 0, 3600},
                                   {"d", 0, 1, 0}, {"w", 0, 7, 0},    {"mo", 1, 0, 0},
                                   {"y", 12, 0, 0}};

// Adds number units to a sum; Beyond when the sum would not fit 64 bits.
static void AddUnits(long long *sum, long long number, int unit, struct DateOffset *offset) {
  long long units;
  if (__builtin_mul_overflow(number, (long long)unit, &units) ||
      __builtin_add_overflow(*sum, units, sum))
    offset->Beyond = 1;
}

static void AddUnit(struct DateOffset *offset, const OffsetUnit &unit, long long number) {
  AddUnits(&offset->Months, number, unit.Months, offset);
  AddUnits(&offset->Days, number, unit.Days, offset);
  AddUnits(&offset->Seconds, number, unit.Seconds, offset);
}

// "+N" or "-N" and a unit, added to the block's offset; 0 when not one. A
// number of any length is read; one too large for 64 bits is Beyond.
static int TakeOffset(const char *word, int length, struct DateOffset *offset) {
  if (*word != '+' && *word != '-')
    return 0;
  int digits = 1, tooLarge = 0;
  long long number = 0;
  for (; digits < length && IsDigit(word[digits]); digits++)
    tooLarge |= __builtin_mul_overflow(number, 10LL, &number) ||
                __builtin_add_overflow(number, (long long)(word[digits] - '0'), &number);
  if (digits == 1)
    return 0;
  for (const OffsetUnit &unit : Units)
    if ((int)strlen(unit.Name) == length - digits &&
        memcmp(unit.Name, word + digits, (size_t)(length - digits)) == 0) {
      AddUnit(offset, unit, *word == '-' ? -number : number);
      offset->Beyond |= tooLarge;
      return 1;
    }
  return 0;
}

static void TakeWord(const char *word, int length, struct FormatBlock *block) {
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
const char *FormatBlockEnd(const char *text) {
  const char *end = text + 2;
  while (*end && *end != '}' && *end != '%' && *end != '\n')
    end++;
  return *end == '}' ? end + 1 : NULL;
}

int ReadFormatBlock(const char *text, struct FormatBlock *block) {
  memset(block, 0, sizeof *block);
  const char *after = FormatBlockEnd(text);
  if (!after)
    return 0;
  const char *end = after - 1;
  int words = 0;
  for (const char *p = text + 2; p < end;) {
    while (p < end && IsBlank(*p))
      p++;
    const char *word = p;
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
