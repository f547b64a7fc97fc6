#include "hotkey_text.h"

#include "screen.h"

#include <string.h>

namespace {

/* The US and the Russian keyboard layouts key by key: what a key gives in
   one stands at the same place as what it gives in the other (OEM 866). */
const char LatinKeys[] =
    "`qwertyuiop[]asdfghjkl;'zxcvbnm,./~QWERTYUIOP{}ASDFGHJKL:\"ZXCVBNM<>?@#$^&|";
const char RussianKeys[] = "\xF1\xA9\xE6\xE3\xAA\xA5\xAD\xA3\xE8\xE9\xA7\xE5\xEA\xE4\xEB\xA2\xA0"
                           "\xAF\xE0\xAE\xAB\xA4\xA6\xED\xEF\xE7\xE1\xAC\xA8\xE2\xEC\xA1\xEE."
                           "\xF0\x89\x96\x93\x8A\x85\x8D\x83\x98\x99\x87\x95\x9A\x94\x9B\x82\x80"
                           "\x8F\x90\x8E\x8B\x84\x86\x9D\x9F\x97\x91\x8C\x88\x92\x9C\x81\x9E,"
                           "\"\xFC;:?/";
static_assert(sizeof LatinKeys == sizeof RussianKeys, "one character per key in each layout");

/* What the key that gives ch in one layout gives in the other; 0 when ch
   is on no key there. */
int OnSameKey(int ch, const char *from, const char *to) {
  const char *at = ch ? strchr(from, ch) : nullptr;
  return at ? (unsigned char)to[at - from] : 0;
}

} // namespace

int OemLower(int ch) {
  ch &= 0xFF;
  if (ch >= 'A' && ch <= 'Z')
    return ch + 32;
  if (ch >= 0x80 && ch <= 0x8F)
    return ch + 0x20;
  if (ch >= 0x90 && ch <= 0x9F)
    return ch + 0x50;
  if (ch == 0xF0)
    return 0xF1;
  return ch;
}

int OemUpper(int ch) {
  ch &= 0xFF;
  if (ch >= 'a' && ch <= 'z')
    return ch - 32;
  if (ch >= 0xA0 && ch <= 0xAF)
    return ch - 0x20;
  if (ch >= 0xE0 && ch <= 0xEF)
    return ch - 0x50;
  if (ch == 0xF1)
    return 0xF0;
  return ch;
}

int HotkeyMatches(int ch, int hotkey, int otherLayout) {
  if (!hotkey)
    return 0;
  if (!otherLayout)
    return OemLower(ch) == hotkey;
  /* Some characters are in both layouts ('.', ',', ';'): either key may
     have given them. */
  int latin = OnSameKey(ch & 0xFF, RussianKeys, LatinKeys);
  int russian = OnSameKey(ch & 0xFF, LatinKeys, RussianKeys);
  return (latin && OemLower(latin) == hotkey) || (russian && OemLower(russian) == hotkey);
}

int LatinLetterOfKey(int ch) {
  int latin = OnSameKey(ch & 0xFF, RussianKeys, LatinKeys);
  return (latin >= 'a' && latin <= 'z') || (latin >= 'A' && latin <= 'Z') ? latin : 0;
}

int HotkeyChar(const char *text, int maxLength, int showAmpersand) {
  if (!text || showAmpersand)
    return 0;
  for (int i = 0; i < maxLength - 1 && text[i]; ++i) {
    if (text[i] == '&') {
      if (text[i + 1] == '&') {
        ++i;
        continue;
      }
      return OemLower((unsigned char)text[i + 1]);
    }
  }
  return 0;
}

int VisibleLength(const char *text, int maxLength, int showAmpersand) {
  if (!text)
    return 0;
  int n = 0;
  for (int i = 0; i < maxLength && text[i]; ++i) {
    if (!showAmpersand && text[i] == '&' && i + 1 < maxLength && text[i + 1]) {
      ++i;
    }
    ++n;
  }
  return n;
}

int DrawHotkeyText(int x, int y, int width, const char *text, int maxLength, int attr, int hotAttr,
                   int showAmpersand) {
  if (!text)
    return 0;
  int drawn = 0;
  int hotUsed = 0;
  for (int i = 0; i < maxLength && text[i] && drawn < width; ++i) {
    int a = attr;
    if (!showAmpersand && text[i] == '&' && i + 1 < maxLength && text[i + 1]) {
      ++i;
      if (text[i] != '&' && !hotUsed) {
        a = hotAttr;
        hotUsed = 1;
      }
    }
    ScreenPutChar(x + drawn, y, a, (unsigned char)text[i]);
    ++drawn;
  }
  return drawn;
}
