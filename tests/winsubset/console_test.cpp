// The console calls of the clock indicator: runs of cells, code pages, title.
#include <string.h>

#include <string>

#include "test_scratch.h"

namespace {

COORD At(int x, int y) {
  COORD position;
  position.X = (SHORT)x;
  position.Y = (SHORT)y;
  return position;
}

} // namespace

TEST_F(ConsoleTest, RunsContinueOnTheNextRowAndStopAtTheEnd) {
  DWORD count = 0;
  ASSERT_TRUE(WriteConsoleOutputCharacterA(Output(), "ABCDEF", 6, At(Width() - 3, 0), &count));
  EXPECT_EQ(6u, count) << "a run past the row's end is written whole";
  char text[16] = "";
  ASSERT_TRUE(ReadConsoleOutputCharacterA(Output(), text, 3, At(0, 1), &count));
  EXPECT_EQ("DEF", std::string(text, 3)) << "its rest is at the start of the next row";

  ASSERT_TRUE(
      WriteConsoleOutputCharacterA(Output(), "WXYZ", 4, At(Width() - 2, Height() - 1), &count));
  EXPECT_EQ(2u, count) << "a run stops at the end of the buffer";
  memset(text, 0, sizeof text);
  ASSERT_TRUE(
      ReadConsoleOutputCharacterA(Output(), text, 10, At(Width() - 2, Height() - 1), &count));
  EXPECT_EQ(2u, count) << "a read stops there too";
  EXPECT_STREQ("WX", text);

  ASSERT_TRUE(FillConsoleOutputAttribute(Output(), 0x2E, 5, At(Width() - 2, 3), &count));
  EXPECT_EQ(5u, count) << "a fill past the row's end is done whole";
  WORD attributes[6] = {0};
  ASSERT_TRUE(ReadConsoleOutputAttribute(Output(), attributes, 6, At(Width() - 2, 3), &count));
  EXPECT_EQ(6u, count);
  WORD expected[6] = {0x2E, 0x2E, 0x2E, 0x2E, 0x2E, attributes[5]};
  EXPECT_EQ(0, memcmp(expected, attributes, sizeof expected)) << "five cells across two rows";
  EXPECT_NE(0x2E, attributes[5]) << "and not the sixth";
  ASSERT_TRUE(FillConsoleOutputAttribute(Output(), 0x2E, 5, At(Width() - 1, Height() - 1), &count));
  EXPECT_EQ(1u, count) << "a fill from the last cell sets one";
}

TEST_F(ConsoleTest, AttributesKeepAllSixteenBits) {
  WORD written[3] = {0x0101, 0xFFFF, 0x004F};
  DWORD count = 0;
  ASSERT_TRUE(WriteConsoleOutputAttribute(Output(), written, 3, At(0, 4), &count));
  EXPECT_EQ(3u, count);
  WORD read[3] = {0};
  ASSERT_TRUE(ReadConsoleOutputAttribute(Output(), read, 3, At(0, 4), &count));
  EXPECT_EQ(0, memcmp(written, read, sizeof read)) << "attributes come back as written";
}

TEST_F(ConsoleTest, PositionsOutsideTheBufferDoNothingAndSucceed) {
  COORD outside[] = {At(Width(), 0), At(0, Height()), At(-1, 0), At(0, -1)};
  for (COORD position : outside) {
    DWORD count = 99;
    WORD attribute = 7;
    char character = 'Q';
    std::string where = std::to_string(position.X) + "," + std::to_string(position.Y);
    EXPECT_TRUE(WriteConsoleOutputCharacterA(Output(), "Q", 1, position, &count)) << where;
    EXPECT_EQ(0u, count) << where << ": nothing written";
    count = 99;
    EXPECT_TRUE(WriteConsoleOutputAttribute(Output(), &attribute, 1, position, &count)) << where;
    EXPECT_EQ(0u, count) << where;
    count = 99;
    EXPECT_TRUE(ReadConsoleOutputAttribute(Output(), &attribute, 1, position, &count)) << where;
    EXPECT_EQ(0u, count) << where;
    count = 99;
    SetLastError(0);
    EXPECT_TRUE(ReadConsoleOutputCharacterA(Output(), &character, 1, position, &count)) << where;
    EXPECT_EQ(0u, count) << where;
    EXPECT_EQ((DWORD)ERROR_INVALID_PARAMETER, GetLastError())
        << where << ": a character read of nothing leaves this error behind, as in Wine";
  }
}

TEST_F(ConsoleTest, FillsCountCellsFromTheBufferStartAsWineDoes) {
  struct Case {
    COORD start;
    DWORD count;
    COORD landed;
    const char *why;
  } cases[] = {
      {At(Width(), 0), 1, At(0, 1), "a column past the edge goes on into the next row"},
      {At(Width() + 5, 0), 1, At(5, 1), "however far past"},
      {At(-1, 1), 1, At(Width() - 1, 0), "a negative column reaches back a row"},
      {At(-1, 0), 0, At(0, 0), "but not before the first cell"},
      {At(0, -1), 0, At(0, 0), "a negative row fills nothing"},
      {At(0, Height()), 0, At(0, 0), "nor a row below the buffer"},
      {At(Width(), Height() - 1), 0, At(0, 0), "nor a cell past the last"},
  };
  for (const Case &c : cases) {
    DWORD count = 99;
    ASSERT_TRUE(FillConsoleOutputAttribute(Output(), 7, 3 * Width(), At(0, 0), &count));
    ASSERT_TRUE(FillConsoleOutputAttribute(Output(), 7, Width(), At(0, Height() - 1), &count));
    EXPECT_TRUE(FillConsoleOutputAttribute(Output(), 0x5A, 1, c.start, &count)) << c.why;
    EXPECT_EQ(c.count, count) << c.why;
    if (c.count) {
      WORD attribute = 0;
      ReadConsoleOutputAttribute(Output(), &attribute, 1, c.landed, &count);
      EXPECT_EQ(0x5A, attribute) << c.why << ": the cell filled";
    }
  }
}

TEST_F(ConsoleTest, CharactersAreConvertedThroughTheOutputCodePage) {
  EXPECT_EQ(866u, GetConsoleOutputCP()) << "a Russian system's console starts with OEM 866";
  DWORD count = 0;
  // "Аяё" and a double box corner in 866.
  ASSERT_TRUE(WriteConsoleOutputCharacterA(Output(), "\x80\xEF\xF1\xC9", 4, At(0, 5), &count));
  ASSERT_TRUE(SetConsoleOutputCP(1251)) << "the indicator's code page is accepted";
  EXPECT_EQ(1251u, GetConsoleOutputCP());
  char text[5] = "";
  ASSERT_TRUE(ReadConsoleOutputCharacterA(Output(), text, 4, At(0, 5), &count));
  EXPECT_EQ(std::string("\xC0\xFF\xB8"), std::string(text, 3)) << "the same letters read in 1251";
  EXPECT_EQ('\xE3', text[3]) << "a box corner 1251 lacks reads as Wine's stand-in";

  ASSERT_TRUE(WriteConsoleOutputCharacterA(Output(), "\xC0\x98", 2, At(0, 6), &count));
  ASSERT_TRUE(SetConsoleOutputCP(866));
  ASSERT_TRUE(ReadConsoleOutputCharacterA(Output(), text, 2, At(0, 6), &count));
  EXPECT_EQ(std::string("\x80?"), std::string(text, 2))
      << "1251 text reads in 866, '?' for what 866 lacks";

  UINT refused[] = {0, 12345};
  for (UINT codePage : refused) {
    SetLastError(0);
    EXPECT_FALSE(SetConsoleOutputCP(codePage)) << "code page " << codePage;
    EXPECT_EQ((DWORD)ERROR_INVALID_PARAMETER, GetLastError());
    EXPECT_EQ(866u, GetConsoleOutputCP()) << "the code page stays";
  }
}

TEST_F(ConsoleTest, TitleReadsIntoSmallBuffersAsWindowsDoes) {
  ASSERT_TRUE(SetConsoleTitleA("Hello title"));
  struct Case {
    DWORD size;
    DWORD result;
    const char *expected; // what the buffer starts with
  } cases[] = {
      {64, 11, "Hello title"},
      {12, 11, "Hello title"},
      {11, 11, "Hello titl"},
      {4, 11, "Hel"},
      {1, 11, ""},
  };
  for (const Case &c : cases) {
    char title[64];
    memset(title, 'x', sizeof title);
    EXPECT_EQ(c.result, GetConsoleTitleA(title, c.size))
        << "a buffer of " << c.size << ": the full length is returned";
    EXPECT_STREQ(c.expected, title) << "a buffer of " << c.size << ": cut and terminated";
  }
  char title[8];
  memset(title, 'x', sizeof title);
  EXPECT_EQ(0u, GetConsoleTitleA(title, 0)) << "an empty buffer";
  EXPECT_EQ('x', title[0]) << "is left alone";

  ASSERT_TRUE(SetConsoleTitleA(""));
  EXPECT_EQ(0u, GetConsoleTitleA(title, sizeof title)) << "an empty title has length 0";
  EXPECT_EQ('x', title[0]) << "and leaves the buffer alone";

  const WCHAR wide[] = {0x41F, 'x', 0}; // "Пx"
  ASSERT_TRUE(SetConsoleOutputCP(866));
  ASSERT_TRUE(SetConsoleTitleW(wide));
  EXPECT_EQ(2u, GetConsoleTitleA(title, sizeof title));
  EXPECT_STREQ("\x8Fx", title) << "a wide title reads through the code page";
  WCHAR cut[2] = {'?', '?'};
  EXPECT_EQ(2u, GetConsoleTitleW(cut, 2)) << "the wide read returns the full length too";
  EXPECT_TRUE(cut[0] == 0x41F && cut[1] == 0) << "cut to the buffer and terminated";
}

TEST_F(ConsoleTest, HandlesThatAreNoConsoleAreRefused) {
  HANDLE handles[] = {NULL, INVALID_HANDLE_VALUE};
  for (HANDLE handle : handles) {
    DWORD count = 99;
    CONSOLE_SCREEN_BUFFER_INFO info;
    SetLastError(0);
    EXPECT_FALSE(GetConsoleScreenBufferInfo(handle, &info));
    EXPECT_EQ((DWORD)ERROR_INVALID_HANDLE, GetLastError());
    SetLastError(0);
    EXPECT_FALSE(WriteConsoleOutputCharacterA(handle, "Q", 1, At(0, 0), &count));
    EXPECT_EQ((DWORD)ERROR_INVALID_HANDLE, GetLastError());
    EXPECT_EQ(0u, count) << "the count is cleared";
    count = 99;
    EXPECT_FALSE(FillConsoleOutputAttribute(handle, 7, 1, At(0, 0), &count));
    EXPECT_EQ(0u, count);
  }
  SetLastError(0);
  EXPECT_FALSE(WriteConsoleOutputCharacterA(Output(), "Q", 1, At(0, 0), NULL))
      << "a count must be given";
  EXPECT_EQ((DWORD)ERROR_INVALID_ACCESS, GetLastError());
}
