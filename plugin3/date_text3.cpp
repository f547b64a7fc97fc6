#include "plugin3/date_text3.h"

#include <string.h>

#include "datetext/format_preview.h"
#include "plugin3/host3.h"

// The core reads a format in the OEM code page for now; the wide format
// is written there, so a format of ASCII conversions (the blocks' words,
// the languages' codes) reaches it whole.
static int FormatForCore(const wchar_t *format, char *text, int size) {
  int written = WideCharToMultiByte(CP_OEMCP, 0, format, -1, text, size, NULL, NULL);
  if (written <= 0)
    text[0] = 0;
  return written > 0;
}

// The core's expansion is big: one for the module, used on the host's
// thread only.
static struct DateExpansion Expansion;

// The mistake as the preview names it: the 3.x language file's message,
// then what the core's line (its own message empty here) names.
static void TakeMistakeLine(const char *format, struct DateText3 *out) {
  char line[DATE_TEXT_SIZE];
  out->Mistake = FindSilentMistake(format, line, sizeof line);
  out->MistakeLine[0] = 0;
  if (!out->Mistake)
    return;
  const wchar_t *message = Msg3(out->Mistake);
  size_t length = wcslen(message) < DATE_TEXT_SIZE / 2 ? wcslen(message) : DATE_TEXT_SIZE / 2;
  memcpy(out->MistakeLine, message, length * sizeof(wchar_t));
  if (MultiByteToWideChar(CP_OEMCP, 0, line, -1, out->MistakeLine + length,
                          DATE_TEXT_SIZE - (int)length) <= 0)
    out->MistakeLine[length] = 0;
}

enum DateVerdict MakeDateText3(const wchar_t *format, struct DateText3 *out) {
  out->Text[0] = 0;
  out->Length = 0;
  out->Mistake = 0;
  out->MistakeLine[0] = 0;
  char coreFormat[2 * DATE_TEXT_SIZE];
  if (!format || !format[0] || !FormatForCore(format, coreFormat, sizeof coreFormat))
    return format && format[0] ? DATE_NO_TEXT : DATE_EMPTY_FORMAT;
  int length = ExpandDate(&Expansion, coreFormat, NULL);
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
  TakeMistakeLine(coreFormat, out);
  return out->Mistake ? DATE_SILENT_MISTAKE : DATE_SOUND;
}
