#include "hotkey_text.h"

#include "screen.h"

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
