// OEM 866 to ANSI 1251 and back, as a Russian Windows converts.
#include <string.h>

#include <string>

#include "test_scratch.h"

namespace {

unsigned char OemByteToAnsi(unsigned char oem) {
  char source[2] = {(char)oem, 0}, target[2] = {0, 0};
  OemToCharA(source, target);
  return (unsigned char)target[0];
}

unsigned char AnsiByteToOem(unsigned char ansi) {
  char source[2] = {(char)ansi, 0}, target[2] = {0, 0};
  CharToOemA(source, target);
  return (unsigned char)target[0];
}

} // namespace

TEST(CodePage, EveryCyrillicLetterMapsToItsAnsiCode) {
  for (int i = 0; i < 32; i++) {
    EXPECT_EQ(0xC0 + i, OemByteToAnsi(0x80 + i)) << "capital letter " << i;
    EXPECT_EQ(0xE0 + i, OemByteToAnsi(i < 16 ? 0xA0 + i : 0xE0 + i - 16)) << "small letter " << i;
  }
  EXPECT_EQ(0xA8, OemByteToAnsi(0xF0)) << "Ё";
  EXPECT_EQ(0xB8, OemByteToAnsi(0xF1)) << "ё";
  for (int ascii = 1; ascii < 0x80; ascii++)
    EXPECT_EQ(ascii, OemByteToAnsi((unsigned char)ascii)) << "ASCII " << ascii << " is kept";
}

TEST(CodePage, CharactersBothCodePagesHaveSurviveTheRoundTrip) {
  int shared = 0;
  for (int oem = 0x80; oem <= 0xFF; oem++) {
    unsigned char ansi = OemByteToAnsi((unsigned char)oem);
    if (ansi < 0x80)
      continue; // an ASCII look-alike: one way only
    if (AnsiByteToOem(ansi) == oem)
      shared++;
  }
  EXPECT_EQ(79, shared) << "the Russian, Ukrainian and Belarusian letters and a few symbols";
}

TEST(CodePage, CharactersOneSideLacksBecomeLookAlikes) {
  struct Case {
    unsigned char from;
    unsigned char to;
    bool toAnsi;
    const char *what;
  } cases[] = {
      {0xC4, '-', true, "a single horizontal line"},
      {0xC5, '+', true, "a single cross"},
      {0xCD, '=', true, "a double horizontal line"},
      {0xC0, 'L', true, "a lower left corner"},
      {0xB3, 0xA6, true, "a vertical line becomes the broken bar"},
      {0xFB, 'v', true, "the square root"},
      {0x96, '-', false, "the en dash"},
      {0x85, ':', false, "the ellipsis"},
      {0x88, '?', false, "the euro sign"},
      {0xB1, '+', false, "plus-minus"},
  };
  for (const Case &c : cases)
    EXPECT_EQ(c.to, c.toAnsi ? OemByteToAnsi(c.from) : AnsiByteToOem(c.from)) << c.what;
}

TEST(CodePage, StringsConvertWholeAndInPlace) {
  char text[] = "\x8F\xE0\xA8\xA2\xA5\xE2, world"; // "Привет" in 866
  ASSERT_TRUE(OemToCharA(text, text)) << "the source may be the destination";
  EXPECT_STREQ("\xCF\xF0\xE8\xE2\xE5\xF2, world", text);
  ASSERT_TRUE(CharToOemA(text, text));
  EXPECT_STREQ("\x8F\xE0\xA8\xA2\xA5\xE2, world", text) << "and back";
  EXPECT_FALSE(OemToCharA(NULL, text)) << "a null source is refused";
  EXPECT_FALSE(OemToCharA("x", NULL)) << "a null destination is refused";
}
