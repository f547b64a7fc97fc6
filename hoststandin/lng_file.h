/* The host's language files: a first line ".Language=Name,Description",
   then one message per line as a double-quoted string, numbered from 0 in
   file order; blank lines and // comments are skipped. The text of a message
   is what lies between the line's first and last quote, as it stands. */
#ifndef HORALIS_HOSTSTANDIN_LNG_FILE_H
#define HORALIS_HOSTSTANDIN_LNG_FILE_H

enum {
  LNG_MAX_MESSAGES = 1024,
  LNG_POOL_SIZE = 65536,
  LNG_NAME_SIZE = 64,
  LNG_ERROR_SIZE = 200,
  LNG_MAX_FILE_SIZE = 1024 * 1024
};

struct LngFile {
  char Language[LNG_NAME_SIZE];    /* "English" of ".Language=English,English" */
  char Description[LNG_NAME_SIZE]; /* the part after the comma */
  int Count;
  int Offset[LNG_MAX_MESSAGES];
  int PoolUsed;
  char Pool[LNG_POOL_SIZE];
};

/* Parses a whole file held in memory (it need not be terminated). 1 on
   success; 0 with "line N: what is wrong" in error, and an empty file. */
int ParseLng(const char *text, int length, struct LngFile *file, char *error, int errorSize);

/* Reads and parses a file from disk; 0 with a message when it cannot. */
int LoadLngFile(const char *path, struct LngFile *file, char *error, int errorSize);

/* Reads only the language name of the header of a .lng or .hlf file.
   1 when the file starts with a well-formed .Language line. */
int ReadFileLanguage(const char *path, char *name, int size);
int ParseLanguageLine(const char *text, int length, char *name, int nameSize, char *description,
                      int descriptionSize);

/* The message, or null when the number is out of range. */
const char *LngMessage(const struct LngFile *file, int id);

/* Whether a language name is what the host's option asks for: names compare
   without case, and "Eng"/"Rus" stand for English and Russian. */
int LanguageMatches(const char *fileLanguage, const char *wanted);

#endif
