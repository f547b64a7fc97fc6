#include "hostlink/format_preview.h"

#include <string.h>

#include "datetext/format_check.h"
#include "hostlink/format_text.h"
#include "hostlink/host_table.h"

enum { NAMED_SIZE = 2 * FORMAT_TEXT_SIZE };

static int ToOem(const WCHAR *text, int length, char *oem, int size) {
  int count =
      length > 0 ? WideCharToMultiByte(CP_OEMCP, 0, text, length, oem, size - 1, NULL, NULL) : 0;
  count = count > 0 ? count : 0;
  oem[count] = 0;
  return count;
}

// The message, and in quotes what it names; the language a country's code
// stands for is asked after it: 'Unknown language: "ua", did you mean "uk"?'.
static void WriteFault(const struct FormatFault *fault, char *line, int size) {
  char named[NAMED_SIZE], meant[LANGUAGE_CODE_SIZE];
  int isMeant = fault->Message == MSG_PREVIEW_LANGUAGE_MEANT;
  int length = ToOem(fault->Named, fault->Named ? fault->NamedLength : 0, named, sizeof named);
  int meantLength = 0;
  while (fault->Meant[meantLength])
    meantLength++;
  ToOem(fault->Meant, meantLength, meant, sizeof meant);
  const char *message = GetMsgTextOr(isMeant ? MSG_PREVIEW_UNKNOWN_LANGUAGE : fault->Message, "");
  FormatText(line, size,
             !fault->Named ? "%s"
             : isMeant     ? "%s \"%.*s\", %s \"%s\"?"
                           : "%s \"%.*s\"",
             message, length, named, GetMsgTextOr(MSG_PREVIEW_LANGUAGE_MEANT, ""), meant);
}

// The expansion in OEM text, line breaks as blanks, cut to size-1.
static void WritePreview(const struct DateExpansion *expansion, char *line, int size) {
  char text[DATE_TEXT_SIZE];
  WriteExpansion(expansion, CP_OEMCP, text, sizeof text);
  for (char *c = text; *c; c++)
    if (*c == '\n' || *c == '\r' || *c == '\t')
      *c = ' ';
  int count = (int)strlen(text);
  count = count < size - 1 ? count : size - 1;
  memcpy(line, text, (size_t)count);
  line[count] = 0;
}

int PreviewDateText(const char *format, const struct tm *moment, char *line, int size) {
  if (!line || size <= 0)
    return 0;
  line[0] = 0;
  if (!format)
    return 0;
  WCHAR wide[FORMAT_TEXT_SIZE];
  struct DateExpansion expansion;
  struct FormatFault fault;
  DecodeFormat(format, wide);
  if (CheckFormat(wide, moment, &expansion, &fault))
    WriteFault(&fault, line, size);
  else
    WritePreview(&expansion, line, size);
  return fault.Message;
}

int FindSilentMistake(const char *format, char *line, int size) {
  WCHAR wide[FORMAT_TEXT_SIZE];
  struct FormatFault fault;
  if (!format)
    return 0;
  DecodeFormat(format, wide);
  if (!FindSilentMistakeW(wide, &fault))
    return 0;
  if (line && size > 0)
    WriteFault(&fault, line, size);
  return fault.Message;
}
