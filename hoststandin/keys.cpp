#include "keys.h"

#include "hotkey_text.h"

#include <stdio.h>
#include <string.h>
#include <strings.h>

namespace {

enum { WAIT_LONGEST = 600000 };

struct KeyName {
  const char *Name;
  int Code;
  int Char;
};

const KeyName KeyNames[] = {
    {"Enter", HK_ENTER, '\r'}, {"Esc", HK_ESC, 27},      {"Up", HK_UP, 0},
    {"Down", HK_DOWN, 0},      {"Left", HK_LEFT, 0},     {"Right", HK_RIGHT, 0},
    {"Home", HK_HOME, 0},      {"End", HK_END, 0},       {"PgUp", HK_PGUP, 0},
    {"PgDn", HK_PGDN, 0},      {"Tab", HK_TAB, '\t'},    {"Space", HK_SPACE, ' '},
    {"Ins", HK_INS, 0},        {"Del", HK_DEL, 0},       {"BS", HK_BS, 8},
    {"Dump", HK_DUMP, 0},      {"Unload", HK_UNLOAD, 0},
};

void SetError(char *error, int size, const char *message, const char *token, int length) {
  if (error && size > 0)
    snprintf(error, size, "%s: %.*s", message, length > 60 ? 60 : length, token);
}

/* A key name without modifiers: 1 and the key when known. */
int LookUpName(const char *name, int length, HostKey *key) {
  if ((name[0] == 'F' || name[0] == 'f') && length >= 2 && length <= 3) {
    int number = 0;
    for (int i = 1; i < length; ++i) {
      if (name[i] < '0' || name[i] > '9')
        return 0;
      number = number * 10 + (name[i] - '0');
    }
    if (number < 1 || number > 12)
      return 0;
    *key = NamedKey(HK_F1 + number - 1, 0);
    return 1;
  }
  for (const KeyName &entry : KeyNames) {
    if ((int)strlen(entry.Name) == length && strncasecmp(entry.Name, name, length) == 0) {
      if (entry.Code == HK_UNLOAD)
        return 0; /* a step word, read before any key name */
      *key = NamedKey(entry.Code, 0);
      key->Char = entry.Char;
      return 1;
    }
  }
  return 0;
}

/* Modifier prefixes; returns how many characters they take. */
int ReadModifiers(const char *token, int length, int *mods) {
  static const struct {
    const char *Prefix;
    int Mod;
  } prefixes[] = {{"Shift+", KEYMOD_SHIFT}, {"Ctrl+", KEYMOD_CTRL}, {"Alt+", KEYMOD_ALT}};
  int used = 0;
  for (;;) {
    int matched = 0;
    for (const auto &p : prefixes) {
      int n = (int)strlen(p.Prefix);
      if (length - used > n && strncasecmp(token + used, p.Prefix, n) == 0) {
        *mods |= p.Mod;
        used += n;
        matched = 1;
      }
    }
    if (!matched)
      return used;
  }
}

int IsSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }

const char *SkipSpace(const char *p) {
  while (IsSpace(*p))
    ++p;
  return p;
}

/* The number after "Wait", in digits; at most ten minutes. */
int ReadWaitTime(const char **p, HostKey *key) {
  const char *q = SkipSpace(*p);
  long milliseconds = 0;
  const char *digits = q;
  while (*q >= '0' && *q <= '9' && milliseconds <= WAIT_LONGEST)
    milliseconds = milliseconds * 10 + (*q++ - '0');
  if (q == digits || milliseconds > WAIT_LONGEST || (*q && !IsSpace(*q)))
    return 0;
  *key = NamedKey(HK_WAIT, 0);
  key->Char = (int)milliseconds;
  *p = q;
  return 1;
}

/* The word after "Lang" (a language's name), or the quoted text after
   "Title"; the key points at it. */
int ReadStepText(const char **p, int quoted, HostKey *key) {
  const char *q = SkipSpace(*p);
  const char *text = q;
  if (quoted) {
    if (*q != '"')
      return 0;
    text = ++q;
    while (*q && *q != '"')
      ++q;
    if (*q != '"')
      return 0;
  } else {
    while (*q && !IsSpace(*q) && *q != '"')
      ++q;
    if (q == text || (*q && !IsSpace(*q)))
      return 0;
  }
  key->Text = text;
  key->Char = (int)(q - text);
  *p = q + (quoted ? 1 : 0);
  return 1;
}

/* Call's arguments: one or more "quoted" texts (\" and \\ inside), kept as
   written for the host to read them again. */
int ReadCallArguments(const char **p, HostKey *key) {
  const char *q = SkipSpace(*p);
  const char *start = q;
  int arguments = 0;
  while (*q == '"') {
    for (++q; *q && *q != '"'; ++q)
      if (*q == '\\' && (q[1] == '"' || q[1] == '\\'))
        ++q;
    if (*q != '"')
      return 0;
    ++arguments;
    const char *next = SkipSpace(++q);
    if (*next != '"')
      break;
    q = next;
  }
  if (!arguments || (*q && !IsSpace(*q)))
    return 0;
  key->Text = start;
  key->Char = (int)(q - start);
  *p = q;
  return 1;
}

/* What Shift makes of a character's key: the capitals of both alphabets,
   and the US layout's shifted signs ("Shift+," is '<'). */
int ShiftedChar(int ch) {
  static const char plain[] = "`1234567890-=[]\\;',./", shifted[] = "~!@#$%^&*()_+{}|:\"<>?";
  const char *at = strchr(plain, ch);
  return at ? (unsigned char)shifted[at - plain] : OemUpper(ch);
}

/* The state of one parse. */
struct Parse {
  const char *At;
  HostKey *Keys;
  int Max, Count;
  char *Error;
  int ErrorSize;
};

int Fail(Parse *s, const char *message, const char *token, int length) {
  SetError(s->Error, s->ErrorSize, message, token, length);
  return 0;
}

int Add(Parse *s, const HostKey &key, const char *token, int length) {
  if (s->Count >= s->Max)
    return Fail(s, "too many keys at", token, length);
  s->Keys[s->Count++] = key;
  return 1;
}

/* "quoted text", typed as it stands; \" and \\ inside. */
int ReadQuoted(Parse *s) {
  const char *start = s->At;
  const char *p = start + 1;
  for (; *p && *p != '"'; ++p) {
    int ch = (unsigned char)*p;
    if (ch == '\\' && (p[1] == '"' || p[1] == '\\'))
      ch = (unsigned char)*++p;
    if (!Add(s, CharKey(ch), start, (int)strlen(start)))
      return 0;
  }
  if (*p != '"')
    return Fail(s, "unterminated quoted text", start, (int)strlen(start));
  s->At = p + 1;
  return 1;
}

/* The words that take an argument or none: Wait, Lang, Title, Unload. -1
   when the token is none of them. */
int ReadStepWord(Parse *s, const char *token, int length) {
  static const struct {
    const char *Word;
    int Code;
    const char *Usage;
  } words[] = {{"Wait", HK_WAIT, "Wait takes milliseconds, 0 to 600000"},
               {"Lang", HK_LANGUAGE, "Lang takes a language's name (Eng, Rus)"},
               {"Title", HK_TITLE, "Title takes a \"quoted text\" (no quotes inside)"},
               {"Unload", HK_UNLOAD, nullptr},
               {"Call", HK_CALL, "Call takes \"quoted\" arguments: Call \"insert\" \"%d\""}};
  for (const auto &word : words) {
    if ((int)strlen(word.Word) != length || strncasecmp(token, word.Word, length) != 0)
      continue;
    HostKey key = NamedKey(word.Code, 0);
    int read = word.Code == HK_WAIT     ? ReadWaitTime(&s->At, &key)
               : word.Code == HK_UNLOAD ? 1
               : word.Code == HK_CALL   ? ReadCallArguments(&s->At, &key)
                                        : ReadStepText(&s->At, word.Code == HK_TITLE, &key);
    if (!read)
      return Fail(s, word.Usage, token, (int)strlen(token));
    return Add(s, key, token, length);
  }
  return -1;
}

/* A named key or a character, with modifiers; or a word typed. */
int ReadKeyWord(Parse *s, const char *token, int length) {
  int mods = 0;
  int used = ReadModifiers(token, length, &mods);
  HostKey key;
  if (LookUpName(token + used, length - used, &key)) {
    if (key.Code == HK_DUMP && mods)
      return Fail(s, "Dump takes no modifiers", token, length);
    key.Mods = mods;
    return Add(s, key, token, length);
  }
  if (used > 0) {
    /* A modified character, such as Alt+x or Shift+\x81 (Shift+Б). Shift
       makes the character, as on a keyboard, and is not kept with it. */
    if (length - used != 1)
      return Fail(s, "unknown key", token, length);
    int ch = (unsigned char)token[used];
    key = CharKey(mods & KEYMOD_SHIFT ? ShiftedChar(ch) : ch);
    key.Mods = mods & ~KEYMOD_SHIFT;
    return Add(s, key, token, length);
  }
  for (int i = 0; i < length; ++i)
    if (!Add(s, CharKey((unsigned char)token[i]), token, length))
      return 0;
  return 1;
}

} // namespace

HostKey CharKey(int ch) {
  HostKey key;
  key.Code = ch == ' ' ? HK_SPACE : 0;
  key.Char = ch & 0xFF;
  key.Mods = 0;
  key.Text = nullptr;
  return key;
}

HostKey NamedKey(int code, int mods) {
  HostKey key;
  key.Code = code;
  key.Char = code == HK_SPACE ? ' ' : code == HK_ENTER ? '\r' : code == HK_TAB ? '\t' : 0;
  key.Mods = mods;
  key.Text = nullptr;
  return key;
}

int ParseKeyScript(const char *script, HostKey *keys, int maxKeys, char *error, int errorSize) {
  if (error && errorSize > 0)
    error[0] = 0;
  if (!script)
    return 0;
  Parse s = {script, keys, maxKeys, 0, error, errorSize};
  for (;;) {
    s.At = SkipSpace(s.At);
    if (!*s.At)
      return s.Count;
    int ok;
    if (*s.At == '"') {
      ok = ReadQuoted(&s);
    } else {
      const char *token = s.At;
      while (*s.At && !IsSpace(*s.At))
        ++s.At;
      int length = (int)(s.At - token);
      ok = ReadStepWord(&s, token, length);
      if (ok < 0)
        ok = ReadKeyWord(&s, token, length);
    }
    if (!ok)
      return -1;
  }
}

void DescribeKey(const HostKey *key, char *out, int size) {
  char name[32] = "";
  if (key->Code == HK_WAIT) {
    snprintf(out, size, "Wait %d", key->Char);
    return;
  }
  if (key->Code == HK_CALL) {
    snprintf(out, size, "Call %.*s", key->Char, key->Text ? key->Text : "");
    return;
  }
  if (key->Code == HK_LANGUAGE || key->Code == HK_TITLE) {
    const char *quote = key->Code == HK_TITLE ? "\"" : "";
    snprintf(out, size, "%s %s%.*s%s", key->Code == HK_TITLE ? "Title" : "Lang", quote, key->Char,
             key->Text ? key->Text : "", quote);
    return;
  }
  if (key->Code >= HK_F1 && key->Code <= HK_F12) {
    snprintf(name, sizeof name, "F%d", key->Code - HK_F1 + 1);
  } else if (key->Code) {
    for (const KeyName &entry : KeyNames)
      if (entry.Code == key->Code)
        snprintf(name, sizeof name, "%s", entry.Name);
    if (!name[0])
      snprintf(name, sizeof name, "#%d", key->Code);
  } else {
    snprintf(name, sizeof name, "'%c'", key->Char >= 32 && key->Char != 127 ? key->Char : '?');
  }
  snprintf(out, size, "%s%s%s%s", key->Mods & KEYMOD_SHIFT ? "Shift+" : "",
           key->Mods & KEYMOD_CTRL ? "Ctrl+" : "", key->Mods & KEYMOD_ALT ? "Alt+" : "", name);
}
