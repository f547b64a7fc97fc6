#include "text_units.h"

#include <string.h>

#include <gtest/gtest.h>

namespace {

/* The stand-in's OEM code page for the letters these tests use: Ж is 0x86. */
int OemToUnicode(int oem) { return oem == 0x86 ? 0x416 : oem < 0x80 ? oem : '?'; }
int UnicodeToOem(int unicode) { return unicode == 0x416 ? 0x86 : unicode < 0x80 ? unicode : -1; }

struct Utf8Text : testing::Test {
  void SetUp() override {
    TextSetConverters({OemToUnicode, UnicodeToOem});
    TextSetUtf8(1);
  }
  void TearDown() override {
    TextSetUtf8(0);
    TextSetConverters({nullptr, nullptr});
  }
};

const char Sample[] = "a\xD0\x96\xE6\x9C\x88z"; /* a, Ж, 月, z: 7 bytes, 4 characters */

TEST_F(Utf8Text, StepsOverWholeCharacters) {
  const int length = (int)strlen(Sample);
  const struct {
    int At, Back, Forward, Cells;
  } cases[] = {{0, 0, 1, 0}, {1, 0, 3, 1}, {3, 1, 6, 2}, {6, 3, 7, 3}, {7, 6, 7, 4}};
  for (const auto &c : cases) {
    EXPECT_EQ(TextStepBack(Sample, c.At), c.Back) << "back from " << c.At;
    EXPECT_EQ(TextStepForward(Sample, c.At, length), c.Forward) << "forward from " << c.At;
    EXPECT_EQ(TextCells(Sample, c.At), c.Cells) << "cells before " << c.At;
    EXPECT_EQ(TextByteOfCell(Sample, length, c.Cells), c.At) << "cell " << c.Cells;
  }
}

TEST_F(Utf8Text, ShowsEachCharacterInOneCellAndStoresTypedOnesAsUtf8) {
  const int length = (int)strlen(Sample);
  EXPECT_EQ(TextShownChar(Sample, 1, length), 0x86) << "Ж in the OEM code page";
  EXPECT_EQ(TextShownChar(Sample, 3, length), '?') << "月 has no OEM character";
  EXPECT_EQ(TextShownChar("\xE6\x9C", 0, 2), '?') << "a character cut short";
  char out[4];
  ASSERT_EQ(TextTypedBytes(0x86, out), 2);
  EXPECT_EQ(std::string(out, 2), "\xD0\x96");
  ASSERT_EQ(TextTypedBytes('q', out), 1);
  EXPECT_EQ(out[0], 'q');
}

TEST(OemText, StaysOneByteACharacter) {
  const char text[] = "a\xD0\x96z";
  EXPECT_EQ(TextStepBack(text, 3), 2);
  EXPECT_EQ(TextStepForward(text, 1, 4), 2);
  EXPECT_EQ(TextCells(text, 4), 4);
  EXPECT_EQ(TextShownChar(text, 1, 4), 0xD0);
  char out[4];
  EXPECT_EQ(TextTypedBytes(0x86, out), 1);
  EXPECT_EQ((unsigned char)out[0], 0x86);
}

} // namespace
