#include "plugin3/date_text3.h"

#include <string.h>

#include "datetext/format_check.h"
#include "plugin3/host3.h"

// The core's expansion is big: one for the module, used on the host's
// thread only.
static struct DateExpansion Expansion;

// Appends text (count characters, -1 for all) to line, cut to fit.
static void Append(WCHAR *line, const WCHAR *text, int count) {
  size_t used = wcslen(line);
  size_t length = count < 0 ? wcslen(text) : (size_t)count;
  if (length > DATE_TEXT_SIZE - 1 - used)
    length = DATE_TEXT_SIZE - 1 - used;
  memcpy(line + used, text, length * sizeof(WCHAR));
  line[used + length] = 0;
}

// The message, and in quotes what it names; the language a country's code
// stands for is asked after it: 'Unknown language: "ua", did you mean "uk"?'.
static void WriteFault(const struct FormatFault *fault, WCHAR *line) {
  int meant = fault->Message == MSG_PREVIEW_LANGUAGE_MEANT;
  line[0] = 0;
  Append(line, Msg3(meant ? MSG_PREVIEW_UNKNOWN_LANGUAGE : fault->Message), -1);
  if (!fault->Named)
    return;
  Append(line, L" \"", -1);
  Append(line, fault->Named, fault->NamedLength);
  Append(line, L"\"", -1);
  if (!meant)
    return;
  Append(line, L", ", -1);
  Append(line, Msg3(MSG_PREVIEW_LANGUAGE_MEANT), -1);
  Append(line, L" \"", -1);
  Append(line, fault->Meant, -1);
  Append(line, L"\"?", -1);
}

enum DateVerdict MakeDateText3(const wchar_t *format, struct DateText3 *out) {
  out->Text[0] = 0;
  out->Length = 0;
  out->Mistake = 0;
  out->MistakeLine[0] = 0;
  if (!format || !format[0])
    return DATE_EMPTY_FORMAT;
  int length = ExpandDateW(&Expansion, format, NULL);
  if (length <= 0)
    return DATE_NO_TEXT;
  // A delivered text holds 511 characters, cut on a character's boundary.
  if (length > DATE_TEXT_SIZE - 1) {
    length = DATE_TEXT_SIZE - 1;
    if (Expansion.Text[length - 1] >= 0xD800 && Expansion.Text[length - 1] < 0xDC00)
      length--;
  }
  memcpy(out->Text, Expansion.Text, (size_t)length * sizeof(WCHAR));
  out->Text[length] = 0;
  out->Length = length;
  struct FormatFault fault;
  out->Mistake = FindSilentMistakeW(format, &fault);
  if (out->Mistake)
    WriteFault(&fault, out->MistakeLine);
  return out->Mistake ? DATE_SILENT_MISTAKE : DATE_SOUND;
}
