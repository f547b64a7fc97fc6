#include "datetext/format_preview.h"

#include <string.h>

#include "datetext/date_text.h"
#include "datetext/format_blocks.h"
#include "datetext/language_codes.h"
#include "datetext/time_zones.h"
#include "hostlink/format_text.h"
#include "hostlink/host_table.h"

enum { LANGUAGE_SIZE = 16 };

struct Fault {
  int Message;
  const char *Named; // what the message names, or null
  int NamedLength;
  char Meant[LANGUAGE_SIZE]; // the language a country's code stands for
};

static int Found(struct Fault *fault, int message, const char *named, int length) {
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
static int UnknownLanguage(const struct FormatBlock *block, char *meant) {
  char code[LANGUAGE_SIZE];
  int length = block->LanguageLength;
  meant[0] = 0;
  // A word of one letter is "C" (see format_blocks.h).
  if (!block->Language || length <= 1 || length >= LANGUAGE_SIZE)
    return 0;
  memcpy(code, block->Language, (size_t)length);
  code[length] = 0;
  if (FindLanguage(code))
    return 0;
  // A language code alone is two or three letters, as a country's is.
  if (length <= 3)
    CountryLanguage(code, length, meant);
  return 1;
}

// The first thing wrong in the blocks and conversions, left to right; with
// `silentOnly`, the first silent mistake, past the mistakes that show.
static int FindFault(const char *format, struct Fault *fault, int silentOnly) {
  for (const char *p = strchr(format, '%'); p; p = strchr(p, '%')) {
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
    } else if (block.Zone && !FindTimeZone(block.Zone, block.ZoneLength, &zone)) {
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

static void CopyCut(char *line, int size, const char *text, int length) {
  int count = length < size - 1 ? length : size - 1;
  memcpy(line, text, (size_t)count);
  line[count] = 0;
}

// The message, and in quotes what it names; the language a country's code
// stands for is asked after it: 'Unknown language: "ua", did you mean "uk"?'.
static void WriteFault(const struct Fault *fault, char *line, int size) {
  int meant = fault->Message == MSG_PREVIEW_LANGUAGE_MEANT;
  const char *message = GetMsgTextOr(meant ? MSG_PREVIEW_UNKNOWN_LANGUAGE : fault->Message, "");
  FormatText(line, size,
             !fault->Named ? "%s"
             : meant       ? "%s \"%.*s\", %s \"%s\"?"
                           : "%s \"%.*s\"",
             message, fault->NamedLength, fault->Named,
             GetMsgTextOr(MSG_PREVIEW_LANGUAGE_MEANT, ""), fault->Meant);
}

// The expansion, line breaks as blanks; a fault when it is too long.
static int PreviewText(const char *format, const struct tm *moment, char *line, int size,
                       struct Fault *fault) {
  // One character more than a text may hold tells a text that is too long.
  char text[DATE_TEXT_SIZE + 1];
  int length = ExpandDateText(text, sizeof text, format, moment);
  if (length == DATE_OUT_OF_RANGE)
    return Found(fault, MSG_PREVIEW_OUT_OF_RANGE, NULL, 0);
  if (length > DATE_TEXT_SIZE - 1)
    return Found(fault, MSG_PREVIEW_TOO_LONG, NULL, 0);
  for (char *c = text; *c; c++)
    if (*c == '\n' || *c == '\r' || *c == '\t')
      *c = ' ';
  CopyCut(line, size, text, (int)strlen(text));
  return 0;
}

int PreviewDateText(const char *format, const struct tm *moment, char *line, int size) {
  if (!line || size <= 0)
    return 0;
  line[0] = 0;
  struct Fault fault = {0, NULL, 0, ""};
  if (format && !FindFault(format, &fault, 0))
    PreviewText(format, moment, line, size, &fault);
  if (fault.Message)
    WriteFault(&fault, line, size);
  return fault.Message;
}

int FindSilentMistake(const char *format, char *line, int size) {
  struct Fault fault = {0, NULL, 0, ""};
  if (!format || !FindFault(format, &fault, 1))
    return 0;
  if (line && size > 0)
    WriteFault(&fault, line, size);
  return fault.Message;
}
