/* libFuzzer target: any bytes as the stand-in's language file. Whatever
   parses gives every message terminated inside the pool, and a header read
   into small buffers stays inside them. */
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "hoststandin/lng_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
  static LngFile file;
  char error[LNG_ERROR_SIZE];
  const char *text = (const char *)Data;
  int length = Size > (size_t)LNG_MAX_FILE_SIZE ? LNG_MAX_FILE_SIZE : (int)Size;
  if (ParseLng(text, length, &file, error, sizeof error)) {
    if (file.Count < 0 || file.Count > LNG_MAX_MESSAGES || file.PoolUsed > LNG_POOL_SIZE)
      abort();
    for (int id = -1; id <= file.Count; id++) {
      const char *message = LngMessage(&file, id);
      if ((id < 0 || id >= file.Count) != (message == NULL))
        abort();
      if (message && !memchr(message, 0, (size_t)(file.Pool + LNG_POOL_SIZE - message)))
        abort();
    }
    LanguageMatches(file.Language, "Eng");
  } else if (!memchr(error, 0, sizeof error)) {
    abort();
  }
  char name[4], description[2];
  if (ParseLanguageLine(text, length, name, sizeof name, description, sizeof description) &&
      (!memchr(name, 0, sizeof name) || !memchr(description, 0, sizeof description)))
    abort();
  return 0;
}
