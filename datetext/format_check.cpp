#include "datetext/format_check.h"

#include <string.h>

#include "datetext/date_text.h"
#include "datetext/format_blocks.h"
#include "datetext/language_codes.h"
#include "datetext/time_zones.h"

static int Found(struct FormatFault *fault, int message, const WCHAR *named, int length) {
  fault->Message = message;
  fault->Named = named;
  fault->NamedLength = length;
  return message;
}

int IsSilentMistake(int message) {
  return message == MSG_PREVIEW_UNKNOWN_WORD || message == MSG_PREVIEW_ZONE_NOT_FOUND ||
         message == MSG_PREVIEW_UNKNOWN_LANGUAGE || message == MSG_PREVIEW_LANGUAGE_MEANT;
}

// Whether the block names a language Windows does not know ("C" is the
// runtime's, the empty block the user's); where the word is a country's
// code with one language, that language's code goes to `meant`.
static int UnknownLanguage(const struct FormatBlock *block, WCHAR *meant) {
  char code[LANGUAGE_CODE_SIZE], language[LANGUAGE_CODE_SIZE];
  int length = block->LanguageLength;
  meant[0] = 0;
  // A word of one letter is "C" (see format_blocks.h).
  if (!block->Language || length <= 1 || length >= LANGUAGE_CODE_SIZE)
    return 0;
  if (FindLanguageW(block->Language, length))
    return 0;
  // A language code alone is two or three letters, as a country's is; the
  // block's words of a language are ASCII.
  for (int i = 0; i < length; i++)
    code[i] = (char)block->Language[i];
  code[length] = 0;
  int count = length <= 3 ? CountryLanguage(code, length, language) : 0;
  for (int i = 0; i <= count && count; i++)
    meant[i] = (WCHAR)(unsigned char)language[i];
  return 1;
}

static const WCHAR *FindPercent(const WCHAR *text) {
  for (; *text; text++)
    if (*text == '%')
      return text;
  return NULL;
}

// The first thing wrong in the blocks and conversions, left to right; with
// `silentOnly`, the first silent mistake, past the mistakes that show.
static int FindFault(const WCHAR *format, struct FormatFault *fault, int silentOnly) {
  for (const WCHAR *p = FindPercent(format); p; p = FindPercent(p)) {
    struct FormatBlock block;
    TimeZoneRef zone;
    int known;
    if (p[1] != '{') {
      int length = ConversionLength(p, &known);
      if (!known && !silentOnly)
        return Found(fault, MSG_PREVIEW_UNKNOWN_CONVERSION, p, length);
      p += length;
    } else if (!ReadFormatBlock(p, &block)) {
      if (!silentOnly)
        return Found(fault, MSG_PREVIEW_UNCLOSED_BLOCK, NULL, 0);
      p += 2; // written as it stands: what follows is read as text
    } else if (block.Unknown) {
      return Found(fault, MSG_PREVIEW_UNKNOWN_WORD, block.Unknown, block.UnknownLength);
    } else if (block.Zone && !FindTimeZoneW(block.Zone, block.ZoneLength, &zone)) {
      return Found(fault, MSG_PREVIEW_ZONE_NOT_FOUND, block.Zone - 1, block.ZoneLength + 1);
    } else if (UnknownLanguage(&block, fault->Meant)) {
      return Found(fault,
                   fault->Meant[0] ? MSG_PREVIEW_LANGUAGE_MEANT : MSG_PREVIEW_UNKNOWN_LANGUAGE,
                   block.Language, block.LanguageLength);
    } else {
      p = block.End;
    }
  }
  return Found(fault, 0, NULL, 0);
}

int CheckFormat(const WCHAR *format, const struct tm *moment, struct DateExpansion *expansion,
                struct FormatFault *fault) {
  struct DateExpansion own;
  struct DateExpansion *out = expansion ? expansion : &own;
  memset(fault, 0, sizeof *fault);
  out->Text[0] = 0;
  out->Length = out->RunCount = out->EnglishUsed = 0;
  if (!format || FindFault(format, fault, 0))
    return fault->Message;
  int length = ExpandDateW(out, format, moment);
  // One character more than a text may hold tells a text that is too long.
  if (length == DATE_OUT_OF_RANGE)
    return Found(fault, MSG_PREVIEW_OUT_OF_RANGE, NULL, 0);
  if (length > DATE_TEXT_SIZE - 1)
    return Found(fault, MSG_PREVIEW_TOO_LONG, NULL, 0);
  return 0;
}

int FindSilentMistakeW(const WCHAR *format, struct FormatFault *fault) {
  memset(fault, 0, sizeof *fault);
  return format ? FindFault(format, fault, 1) : 0;
}
