#include "face3_texts.h"

#include "console_io.h"
#include "lng_file.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

void FromWide(UINT codePage, const wchar_t *text, char *out, int size) {
  if (size <= 0)
    return;
  out[0] = 0;
  if (!text || !text[0])
    return;
  int made = WideCharToMultiByte(codePage, 0, text, -1, out, size, nullptr, nullptr);
  if (made > 0)
    return;
  /* Too long: as much as fits, cut at a character. */
  int length = (int)wcslen(text);
  for (int take = length < size ? length : size - 1; take > 0; --take) {
    made = WideCharToMultiByte(codePage, 0, text, take, out, size - 1, nullptr, nullptr);
    if (made > 0) {
      out[made] = 0;
      return;
    }
  }
  out[0] = 0;
}

void ToWide(UINT codePage, const char *text, wchar_t *out, int size) {
  if (size <= 0)
    return;
  out[0] = 0;
  if (!text || !text[0])
    return;
  int length = (int)strlen(text);
  int made = MultiByteToWideChar(codePage, 0, text, length, out, size - 1);
  while (made <= 0 && length > 0) {
    length = length > size - 1 ? size - 1 : length - 1;
    made = MultiByteToWideChar(codePage, 0, text, length, out, size - 1);
  }
  out[made > 0 ? made : 0] = 0;
}

int IsContinuation(char byte) { return ((unsigned char)byte & 0xC0) == 0x80; }

} // namespace

void WideToOem(const wchar_t *text, char *out, int size) {
  FromWide(HOST_CODE_PAGE, text, out, size);
}
void OemToWide(const char *text, wchar_t *out, int size) {
  ToWide(HOST_CODE_PAGE, text, out, size);
}
void WideToUtf8(const wchar_t *text, char *out, int size) { FromWide(CP_UTF8, text, out, size); }
void Utf8ToWide(const char *text, wchar_t *out, int size) { ToWide(CP_UTF8, text, out, size); }

int Utf8Characters(const char *text, int bytes) {
  int characters = 0;
  for (int i = 0; i < bytes && text[i]; ++i)
    characters += !IsContinuation(text[i]);
  return characters;
}

int Utf8Bytes(const char *text, int characters) {
  int i = 0;
  for (; text[i] && characters > 0; --characters)
    for (++i; IsContinuation(text[i]); ++i) {
    }
  return i;
}

Face3Texts *Face3LoadTexts(const char *path, char *error, int errorSize) {
  LngFile *file = (LngFile *)malloc(sizeof(LngFile));
  Face3Texts *texts = (Face3Texts *)calloc(1, sizeof(Face3Texts));
  if (!file || !texts || !LoadLngFile(path, file, error, errorSize)) {
    if (!file || !texts)
      snprintf(error, errorSize, "no memory");
    free(file);
    free(texts);
    return nullptr;
  }
  snprintf(texts->Language, sizeof texts->Language, "%s", file->Language);
  for (int id = 0; id < file->Count && id < FACE3_MAX_MESSAGES; ++id) {
    const char *message = LngMessage(file, id);
    int room = FACE3_POOL_SIZE - texts->Used;
    int made = room > 1
                   ? MultiByteToWideChar(CP_UTF8, 0, message, -1, texts->Pool + texts->Used, room)
                   : 0;
    if (made <= 0) {
      snprintf(error, errorSize, "message %d is not UTF-8 or does not fit", id);
      free(file);
      free(texts);
      return nullptr;
    }
    texts->Offset[id] = texts->Used;
    texts->Used += made;
    texts->Count = id + 1;
  }
  free(file);
  return texts;
}

void Face3FreeTexts(Face3Texts *texts) { free(texts); }

const wchar_t *Face3Message(const Face3Texts *texts, intptr_t id) {
  if (!texts || id < 0 || id >= texts->Count)
    return nullptr;
  return texts->Pool + texts->Offset[id];
}
