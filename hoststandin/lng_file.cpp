#include "lng_file.h"

#include <stdio.h>
#include <string.h>
#include <strings.h>

namespace {

void Fail(char *error, int size, int line, const char *what) {
  if (error && size > 0)
    snprintf(error, size, "line %d: %s", line, what);
}

void CopyField(char *out, int size, const char *from, int length) {
  if (length > size - 1)
    length = size - 1;
  memcpy(out, from, length);
  out[length] = 0;
}

/* The next line: its start and length without the line break. Returns the
   position after the line break. */
int NextLine(const char *text, int length, int pos, int *lineLength) {
  int end = pos;
  while (end < length && text[end] != '\n')
    ++end;
  int n = end - pos;
  if (n > 0 && text[pos + n - 1] == '\r')
    --n;
  *lineLength = n;
  return end < length ? end + 1 : end;
}

int IsBlank(const char *line, int length) {
  for (int i = 0; i < length; ++i)
    if (line[i] != ' ' && line[i] != '\t')
      return 0;
  return 1;
}

} // namespace

int ParseLanguageLine(const char *text, int length, char *name, int nameSize, char *description,
                      int descriptionSize) {
  static const char tag[] = ".Language=";
  const int tagLength = (int)sizeof tag - 1;
  if (length < tagLength || strncasecmp(text, tag, tagLength) != 0)
    return 0;
  const char *value = text + tagLength;
  int valueLength = length - tagLength;
  int comma = 0;
  while (comma < valueLength && value[comma] != ',')
    ++comma;
  int nameLength = comma;
  while (nameLength > 0 && (value[nameLength - 1] == ' ' || value[nameLength - 1] == '\t'))
    --nameLength;
  if (nameLength == 0)
    return 0;
  for (int i = 0; i < nameLength; ++i)
    if ((unsigned char)value[i] < ' ')
      return 0;
  CopyField(name, nameSize, value, nameLength);
  if (description && descriptionSize > 0) {
    if (comma < valueLength)
      CopyField(description, descriptionSize, value + comma + 1, valueLength - comma - 1);
    else
      description[0] = 0;
  }
  return 1;
}

namespace {

/* The text is whole and has a well-formed header; returns where the
   messages start, or -1 with the reason in error. */
int ReadHeader(const char *text, int length, LngFile *file, char *error, int errorSize) {
  if (!text || length <= 0) {
    Fail(error, errorSize, 1, "empty file, expected .Language=Name,Description");
    return -1;
  }
  if (memchr(text, 0, length)) {
    int line = 1;
    for (const char *p = text; *p; ++p)
      line += *p == '\n';
    Fail(error, errorSize, line, "zero byte in the file");
    return -1;
  }
  int pos = 0;
  /* A UTF-8 byte order mark is not part of the header. */
  if (length >= 3 && (unsigned char)text[0] == 0xEF && (unsigned char)text[1] == 0xBB &&
      (unsigned char)text[2] == 0xBF)
    pos = 3;
  int lineLength = 0;
  int lineStart = pos;
  pos = NextLine(text, length, pos, &lineLength);
  if (!ParseLanguageLine(text + lineStart, lineLength, file->Language, sizeof file->Language,
                         file->Description, sizeof file->Description)) {
    Fail(error, errorSize, 1, "expected .Language=Name,Description");
    return -1;
  }
  return pos;
}

/* One line after the header: a message added, or a blank or comment line
   skipped; null, or what is wrong with it. */
const char *ReadMessageLine(const char *line, int lineLength, LngFile *file) {
  int indent = 0;
  while (indent < lineLength && (line[indent] == ' ' || line[indent] == '\t'))
    ++indent;
  if (IsBlank(line, lineLength))
    return nullptr;
  if (lineLength - indent >= 2 && line[indent] == '/' && line[indent + 1] == '/')
    return nullptr;
  if (line[indent] != '"')
    return "expected a double-quoted message or a // comment";
  int last = lineLength - 1;
  while (last > indent && line[last] != '"')
    --last;
  if (last == indent)
    return "message without its closing double quote";
  int messageLength = last - indent - 1;
  if (file->Count >= LNG_MAX_MESSAGES)
    return "too many messages";
  if (file->PoolUsed + messageLength + 1 > LNG_POOL_SIZE)
    return "messages too long in total";
  file->Offset[file->Count++] = file->PoolUsed;
  memcpy(file->Pool + file->PoolUsed, line + indent + 1, messageLength);
  file->PoolUsed += messageLength;
  file->Pool[file->PoolUsed++] = 0;
  return nullptr;
}

} // namespace

int ParseLng(const char *text, int length, LngFile *file, char *error, int errorSize) {
  file->Language[0] = 0;
  file->Description[0] = 0;
  file->Count = 0;
  file->PoolUsed = 0;
  if (error && errorSize > 0)
    error[0] = 0;
  int pos = ReadHeader(text, length, file, error, errorSize);
  if (pos < 0)
    return 0;
  for (int lineNumber = 2; pos < length; ++lineNumber) {
    int lineStart = pos, lineLength = 0;
    pos = NextLine(text, length, pos, &lineLength);
    const char *wrong = ReadMessageLine(text + lineStart, lineLength, file);
    if (wrong) {
      Fail(error, errorSize, lineNumber, wrong);
      file->Count = 0;
      return 0;
    }
  }
  return 1;
}

int LoadLngFile(const char *path, LngFile *file, char *error, int errorSize) {
  static char buffer[LNG_MAX_FILE_SIZE];
  file->Count = 0;
  file->Language[0] = 0;
  FILE *f = path ? fopen(path, "rb") : nullptr;
  if (!f) {
    if (error && errorSize > 0)
      snprintf(error, errorSize, "cannot open %s", path ? path : "(no file)");
    return 0;
  }
  int length = (int)fread(buffer, 1, sizeof buffer, f);
  int more = fgetc(f) != EOF;
  fclose(f);
  if (more) {
    if (error && errorSize > 0)
      snprintf(error, errorSize, "%s is larger than %d bytes", path, (int)LNG_MAX_FILE_SIZE);
    return 0;
  }
  char message[LNG_ERROR_SIZE];
  if (!ParseLng(buffer, length, file, message, sizeof message)) {
    if (error && errorSize > 0)
      snprintf(error, errorSize, "%s: %s", path, message);
    return 0;
  }
  return 1;
}

int ReadFileLanguage(const char *path, char *name, int size) {
  char head[256];
  FILE *f = path ? fopen(path, "rb") : nullptr;
  if (!f)
    return 0;
  int length = (int)fread(head, 1, sizeof head, f);
  fclose(f);
  int start = 0;
  if (length >= 3 && (unsigned char)head[0] == 0xEF && (unsigned char)head[1] == 0xBB &&
      (unsigned char)head[2] == 0xBF)
    start = 3;
  int end = start;
  while (end < length && head[end] != '\n' && head[end] != '\r')
    ++end;
  return ParseLanguageLine(head + start, end - start, name, size, nullptr, 0);
}

const char *LngMessage(const LngFile *file, int id) {
  if (!file || id < 0 || id >= file->Count)
    return nullptr;
  return file->Pool + file->Offset[id];
}

int LanguageMatches(const char *fileLanguage, const char *wanted) {
  if (!fileLanguage || !wanted)
    return 0;
  if (strcasecmp(fileLanguage, wanted) == 0)
    return 1;
  if (strcasecmp(wanted, "Eng") == 0)
    return strcasecmp(fileLanguage, "English") == 0;
  if (strcasecmp(wanted, "Rus") == 0)
    return strcasecmp(fileLanguage, "Russian") == 0;
  return 0;
}
