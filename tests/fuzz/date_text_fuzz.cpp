/* libFuzzer target: any format expanded for any time record into a buffer
   of any size, with the runtime's names or the user's, and the clipboard's
   OEM and Unicode texts. Each text must end inside its buffer, the OEM one
   be as long as the expansion says (empty when it says the moment left the
   years). */
#include <stdlib.h>
#include <string.h>

#include "datetext/date_text.h"
#include "datetext/locale_names.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
  FuzzInput in = {Data, Size};
  struct tm moment;
  memset(&moment, 0, sizeof moment);
  int *fields[] = {&moment.tm_sec,  &moment.tm_min,  &moment.tm_hour,
                   &moment.tm_mday, &moment.tm_mon,  &moment.tm_year,
                   &moment.tm_wday, &moment.tm_yday, &moment.tm_isdst};
  for (int *field : fields)
    *field = (int)TakeNumber(&in);
  uint8_t options = TakeByte(&in);
  int size = options & 0x80 ? DATE_TEXT_SIZE : (options & 0x7F) + 1;
  size_t length;
  const uint8_t *text = TakeBytes(&in, in.size, &length);
  char *format = (char *)malloc(length + 1);
  memcpy(format, text, length);
  format[length] = 0;
  // A buffer of exactly its size, so that a byte past it is caught.
  char *buffer = (char *)malloc((size_t)size);
  // The user's names for every format, and the clipboard's texts.
  UserLanguageForAll = (options & 0x20) != 0;
  const struct tm *given = options & 0x40 ? NULL : &moment;
  int produced = ExpandDateText(buffer, size, format, given);
  // A moment a block puts outside the calendar's years gives no text.
  if (produced == DATE_OUT_OF_RANGE && buffer[0] == 0)
    produced = 0;
  if (produced < 0 || produced >= size || !memchr(buffer, 0, (size_t)size) ||
      strlen(buffer) != (size_t)produced)
    abort();
  // The one expansion, and its text in the ANSI code page.
  DateExpansion *expansion = (DateExpansion *)malloc(sizeof(DateExpansion));
  produced = ExpandDate(expansion, format, given);
  int ends = 0;
  for (int i = 0; i <= DATE_TEXT_SIZE && !ends; i++)
    ends = expansion->Text[i] == 0;
  if (!ends || (produced >= 0 && produced != expansion->Length) || produced > DATE_TEXT_SIZE)
    abort();
  produced = WriteExpansion(expansion, CP_ACP, buffer, size);
  if (produced < 0 || produced >= size || strlen(buffer) != (size_t)produced)
    abort();
  free(expansion);
  free(buffer);
  free(format);
  return 0;
}
