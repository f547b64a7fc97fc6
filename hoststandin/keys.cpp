#include "keys.h"

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
    {"Enter", HK_ENTER, '\r'}, {"Esc", HK_ESC, 27},   {"Up", HK_UP, 0},
    {"Down", HK_DOWN, 0},      {"Left", HK_LEFT, 0},  {"Right", HK_RIGHT, 0},
    {"Home", HK_HOME, 0},      {"End", HK_END, 0},    {"PgUp", HK_PGUP, 0},
    {"PgDn", HK_PGDN, 0},      {"Tab", HK_TAB, '\t'}, {"Space", HK_SPACE, ' '},
    {"Ins", HK_INS, 0},        {"Del", HK_DEL, 0},    {"BS", HK_BS, 8},
    {"Dump", HK_DUMP, 0},
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
      key->Code = entry.Code;
      key->Char = entry.Char;
      key->Mods = 0;
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

/* The number after "Wait", in digits; at most ten minutes. */
int ReadWaitTime(const char **p, HostKey *key) {
  const char *q = *p;
  while (*q == ' ' || *q == '\t' || *q == '\r' || *q == '\n')
    ++q;
  long milliseconds = 0;
  const char *digits = q;
  while (*q >= '0' && *q <= '9' && milliseconds <= WAIT_LONGEST)
    milliseconds = milliseconds * 10 + (*q++ - '0');
  if (q == digits || milliseconds > WAIT_LONGEST ||
      (*q && *q != ' ' && *q != '\t' && *q != '\r' && *q != '\n'))
    return 0;
  key->Code = HK_WAIT;
  key->Char = (int)milliseconds;
  key->Mods = 0;
  *p = q;
  return 1;
}

} // namespace

HostKey CharKey(int ch) {
  HostKey key;
  key.Code = ch == ' ' ? HK_SPACE : 0;
  key.Char = ch & 0xFF;
  key.Mods = 0;
  return key;
}

HostKey NamedKey(int code, int mods) {
  HostKey key;
  key.Code = code;
  key.Char = code == HK_SPACE ? ' ' : code == HK_ENTER ? '\r' : code == HK_TAB ? '\t' : 0;
  key.Mods = mods;
  return key;
}

int ParseKeyScript(const char *script, HostKey *keys, int maxKeys, char *error, int errorSize) {
  if (error && errorSize > 0)
    error[0] = 0;
  if (!script)
    return 0;
  int count = 0;
  const char *p = script;
  for (;;) {
    while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n')
      ++p;
    if (!*p)
      return count;
    if (*p == '"') {
      const char *start = p;
      ++p;
      while (*p && *p != '"') {
        int ch = (unsigned char)*p;
        if (ch == '\\' && (p[1] == '"' || p[1] == '\\'))
          ch = (unsigned char)*++p;
        if (count >= maxKeys) {
          SetError(error, errorSize, "too many keys at", start, (int)strlen(start));
          return -1;
        }
        keys[count++] = CharKey(ch);
        ++p;
      }
      if (*p != '"') {
        SetError(error, errorSize, "unterminated quoted text", start, (int)strlen(start));
        return -1;
      }
      ++p;
      continue;
    }
    const char *token = p;
    while (*p && *p != ' ' && *p != '\t' && *p != '\r' && *p != '\n')
      ++p;
    int length = (int)(p - token);
    if (length == 4 && strncasecmp(token, "Wait", 4) == 0) {
      if (count >= maxKeys) {
        SetError(error, errorSize, "too many keys at", token, length);
        return -1;
      }
      if (!ReadWaitTime(&p, &keys[count])) {
        SetError(error, errorSize, "Wait takes milliseconds, 0 to 600000", token,
                 (int)strlen(token));
        return -1;
      }
      ++count;
      continue;
    }
    int mods = 0;
    int used = ReadModifiers(token, length, &mods);
    HostKey key;
    if (LookUpName(token + used, length - used, &key)) {
      if (key.Code == HK_DUMP && mods) {
        SetError(error, errorSize, "Dump takes no modifiers", token, length);
        return -1;
      }
      key.Mods = mods;
      if (count >= maxKeys) {
        SetError(error, errorSize, "too many keys at", token, length);
        return -1;
      }
      keys[count++] = key;
      continue;
    }
    if (used > 0) {
      /* A modified character, such as Alt+x. */
      if (length - used != 1) {
        SetError(error, errorSize, "unknown key", token, length);
        return -1;
      }
      if (count >= maxKeys) {
        SetError(error, errorSize, "too many keys at", token, length);
        return -1;
      }
      key = CharKey((unsigned char)token[used]);
      key.Mods = mods;
      keys[count++] = key;
      continue;
    }
    for (int i = 0; i < length; ++i) {
      if (count >= maxKeys) {
        SetError(error, errorSize, "too many keys at", token, length);
        return -1;
      }
      keys[count++] = CharKey((unsigned char)token[i]);
    }
  }
}

void DescribeKey(const HostKey *key, char *out, int size) {
  char name[32] = "";
  if (key->Code == HK_WAIT) {
    snprintf(out, size, "Wait %d", key->Char);
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
    snprintf(name, sizeof name, "'%c'", key->Char >= 32 && key->Char < 127 ? key->Char : '?');
  }
  snprintf(out, size, "%s%s%s%s", key->Mods & KEYMOD_SHIFT ? "Shift+" : "",
           key->Mods & KEYMOD_CTRL ? "Ctrl+" : "", key->Mods & KEYMOD_ALT ? "Alt+" : "", name);
}
