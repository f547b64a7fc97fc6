// OEM 866 to ANSI 1251 and back, as a Russian Windows converts.
#include <string.h>

#include <algorithm>
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

// UTF-8 both ways, an invalid byte as U+FFFD, and capitals of the letters
// the names use.
TEST(CodePage, Utf8AndCapitalsOfTheNamesLetters) {
  const struct {
    const char *utf8;
    std::u16string wide, upper;
  } cases[] = {
      {"d\xC3\xA9"
       "c",
       u"d\u00E9c", u"D\u00C9C"},
      {"\xD0\xB4\xD0\xB5\xD0\xBA \xD1\x96", u"\u0434\u0435\u043A \u0456",
       u"\u0414\u0415\u041A \u0406"},
      {"12\xE6\x9C\x88", u"12\u6708", u"12\u6708"},
      {"a\xFF"
       "b",
       u"a\uFFFDb", u"A\uFFFDB"},
  };
  for (const auto &c : cases) {
    WCHAR wide[16];
    int count = MultiByteToWideChar(CP_UTF8, 0, c.utf8, -1, wide, 16);
    ASSERT_EQ((int)c.wide.size() + 1, count) << c.utf8;
    EXPECT_TRUE(std::equal(c.wide.begin(), c.wide.end(), wide)) << c.utf8;
    if (c.wide.find(u'\uFFFD') == std::u16string::npos) {
      char back[32];
      EXPECT_EQ((int)strlen(c.utf8) + 1,
                WideCharToMultiByte(CP_UTF8, 0, wide, -1, back, sizeof back, NULL, NULL));
      EXPECT_STREQ(c.utf8, back) << "back to UTF-8";
    }
    CharUpperBuffW(wide, (DWORD)c.wide.size());
    EXPECT_TRUE(std::equal(c.upper.begin(), c.upper.end(), wide)) << "capitals of " << c.utf8;
  }
}
