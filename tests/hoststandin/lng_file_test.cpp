#include "lng_file.h"

#include <stdio.h>
#include <stdlib.h>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

LngFile File; /* 70 KB: not on the stack */

struct Good {
  const char *Name;
  std::string Text;
  const char *Language;
  std::vector<std::string> Messages;
};

TEST(LngReader, ReadsWellFormedFiles) {
  const Good cases[] = {
      {"plain", ".Language=English,English\n\"a\"\n\"b\"\n", "English", {"a", "b"}},
      {"CRLF and comments",
       ".Language=Russian,Russian (x)\r\n// note\r\n\r\n\"one\"\r\n  // indented "
       "note\r\n\"two\"\r\n",
       "Russian",
       {"one", "two"}},
      {"empty message and no final break",
       ".Language=English,English\n\"\"\n\"x\"",
       "English",
       {"", "x"}},
      {"quotes inside a message",
       ".Language=English,English\n\"say \"hi\" now\"\n",
       "English",
       {"say \"hi\" now"}},
      {"byte order mark", "\xEF\xBB\xBF.Language=English,English\n\"m\"\n", "English", {"m"}},
      {"header only", ".Language=English,English\n", "English", {}},
      {"percent signs and control byte 1",
       ".Language=English,English\n\"%d %B\"\n\"\x01\"\n",
       "English",
       {"%d %B", "\x01"}},
  };
  for (const Good &c : cases) {
    char error[LNG_ERROR_SIZE];
    ASSERT_EQ(ParseLng(c.Text.data(), (int)c.Text.size(), &File, error, sizeof error), 1)
        << c.Name << ": expected to parse, got: " << error;
    EXPECT_STREQ(File.Language, c.Language) << c.Name << ": language name";
    ASSERT_EQ(File.Count, (int)c.Messages.size()) << c.Name << ": message count";
    for (int i = 0; i < File.Count; ++i)
      EXPECT_EQ(LngMessage(&File, i), c.Messages[i]) << c.Name << ": message " << i;
    EXPECT_EQ(LngMessage(&File, File.Count), nullptr) << c.Name << ": past the last message";
    EXPECT_EQ(LngMessage(&File, -1), nullptr) << c.Name << ": negative number";
  }
}

struct Bad {
  const char *Name;
  std::string Text;
  const char *Error; /* the start of the message */
};

const char ZeroByte[] = ".Language=English,English\n\"a\0b\"\n";

TEST(LngReader, RefusesMalformedFilesWithTheLine) {
  std::string manyMessages = ".Language=English,English\n";
  for (int i = 0; i <= LNG_MAX_MESSAGES; ++i)
    manyMessages += "\"m\"\n";
  std::string tooLong = ".Language=English,English\n";
  for (int i = 0; i < 3; ++i)
    tooLong += "\"" + std::string(LNG_POOL_SIZE / 2, 'x') + "\"\n";
  const Bad cases[] = {
      {"empty", "", "line 1: empty file"},
      {"no header", "\"a\"\n", "line 1: expected .Language"},
      {"header without a name", ".Language=,English\n\"a\"\n", "line 1: expected .Language"},
      {"header with a control byte", ".Language=Eng\x02lish,x\n", "line 1: expected .Language"},
      {"text outside quotes", ".Language=English,English\n\"a\"\nMTitle\n",
       "line 3: expected a double-quoted"},
      {"unterminated message", ".Language=English,English\n\"a\n", "line 2: message without"},
      {"lone quote", ".Language=English,English\n\n\"\n", "line 3: message without"},
      {"zero byte", std::string(ZeroByte, sizeof ZeroByte - 1), "line 2: zero byte"},
      {"too many messages", manyMessages, "line 1026: too many messages"},
      {"messages too long", tooLong, "line 3: messages too long"},
  };
  for (const Bad &c : cases) {
    char error[LNG_ERROR_SIZE] = "untouched";
    EXPECT_EQ(ParseLng(c.Text.data(), (int)c.Text.size(), &File, error, sizeof error), 0)
        << c.Name << ": expected a refusal";
    EXPECT_EQ(std::string(error).rfind(c.Error, 0), 0u)
        << c.Name << ": expected an error starting \"" << c.Error << "\", got \"" << error << "\"";
    EXPECT_EQ(File.Count, 0) << c.Name << ": a refused file has no messages";
    EXPECT_EQ(LngMessage(&File, 0), nullptr) << c.Name << ": no message 0 after a refusal";
  }
}

TEST(LngReader, ReadsOnlyTheLengthGiven) {
  /* The buffer is not terminated: the reader must stop at the length. */
  const char text[] = ".Language=English,English\n\"abc\"\n\"cut here";
  char error[LNG_ERROR_SIZE];
  ASSERT_EQ(ParseLng(text, 32, &File, error, sizeof error), 1) << error;
  ASSERT_EQ(File.Count, 1);
  EXPECT_STREQ(LngMessage(&File, 0), "abc");
}

TEST(LngReader, MissingFileIsAClearFailure) {
  char error[LNG_ERROR_SIZE] = "";
  EXPECT_EQ(LoadLngFile("no-such-dir/none.lng", &File, error, sizeof error), 0);
  EXPECT_NE(std::string(error).find("cannot open no-such-dir/none.lng"), std::string::npos)
      << error;
  EXPECT_EQ(LoadLngFile(nullptr, &File, error, sizeof error), 0) << "a null path is refused";
}

TEST(LngReader, LanguageNamesMatchTheHostOption) {
  const struct {
    const char *File, *Wanted;
    int Match;
  } cases[] = {{"English", "English", 1}, {"english", "ENGLISH", 1}, {"English", "Eng", 1},
               {"Russian", "Rus", 1},     {"Russian", "English", 0}, {"Rus", "Russian", 0},
               {"English", "Russian", 0}};
  for (const auto &c : cases)
    EXPECT_EQ(LanguageMatches(c.File, c.Wanted), c.Match) << c.File << " vs " << c.Wanted;
}

/* The plugin's own language files, in the stand-in's reader. */
TEST(ShippedLanguageFiles, HaveEveryMessageRole) {
  const struct {
    const char *File, *Language;
  } files[] = {{HORALIS_RESOURCES_DIR "HoralisEng.lng", "English"},
               {HORALIS_RESOURCES_DIR "HoralisRus.lng.utf8", "Russian"}};
  const int roles[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  11, 12, 36,
                       37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 59};
  for (const auto &f : files) {
    char error[LNG_ERROR_SIZE];
    ASSERT_EQ(LoadLngFile(f.File, &File, error, sizeof error), 1) << error;
    EXPECT_STREQ(File.Language, f.Language) << f.File;
    ASSERT_GE(File.Count, 60) << f.File << ": messages 0 to 59 at least";
    for (int id : roles)
      EXPECT_STRNE(LngMessage(&File, id), "") << f.File << ": message " << id << " is empty";
    EXPECT_GT(atoi(LngMessage(&File, 9)), 0) << f.File << ": message 9 is a time in ms";
    EXPECT_NE(std::string(LngMessage(&File, 59)).find(".dlg"), std::string::npos)
        << f.File << ": message 59 names a dialog file";
  }
}

} // namespace
