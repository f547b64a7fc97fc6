#include <string.h>

#include <gtest/gtest.h>

#include "hostlink/format_text.h"

// Whatever the runtime does at the edge, the text ends inside the buffer
// and a cut one says so.
TEST(FormatTextTest, TerminatesAndSaysWhenCut) {
  static const struct {
    int size;
    const char *expected;
    int length;
  } cases[] = {
      {8, "12345", 5}, {6, "12345", 5}, {5, "1234", -1}, {2, "1", -1}, {1, "", -1},
  };
  for (const auto &check : cases) {
    char text[8];
    memset(text, 'x', sizeof text);
    EXPECT_EQ(check.length, FormatText(text, check.size, "%d", 12345)) << "size " << check.size;
    EXPECT_STREQ(check.expected, text) << "size " << check.size;
  }
  char untouched[2] = "u";
  EXPECT_EQ(-1, FormatText(untouched, 0, "%d", 1)) << "no room at all";
  EXPECT_STREQ("u", untouched) << "an empty buffer is left alone";
}
