#include "editor_text.h"

#include <string.h>
#include <string>

#include <gtest/gtest.h>

namespace {

std::string Text() {
  static char text[EDITOR_MAX_LINES * 8];
  EditorGetText(text, sizeof text);
  return text;
}

TEST(EditorText, KeysEditAtTheCursor) {
  const struct {
    const char *Start;
    int Line, Column;
    HostKey Keys[4];
    int Count;
    const char *Result;
  } cases[] = {
      {"ab\ncd", 0, 2, {NamedKey(HK_DEL, 0)}, 1, "abcd"}, /* joins lines */
      {"ab\ncd", 1, 0, {NamedKey(HK_BS, 0)}, 1, "abcd"},
      {"abcd", 0, 2, {NamedKey(HK_ENTER, 0)}, 1, "ab\ncd"}, /* splits */
      {"ab", 0, 0, {CharKey('x'), NamedKey(HK_END, 0), CharKey('y')}, 3, "xaby"},
      {"ab\ncd", 1, 2, {NamedKey(HK_UP, 0), CharKey('!')}, 2, "ab!\ncd"},
      {"", 0, 0, {NamedKey(HK_BS, 0), NamedKey(HK_DEL, 0)}, 2, ""}, /* nothing to delete */
  };
  for (const auto &c : cases) {
    EditorSetText(c.Start, (int)strlen(c.Start));
    EditorSetCursor(c.Line, c.Column);
    for (int i = 0; i < c.Count; ++i)
      EditorKey(&c.Keys[i]);
    EXPECT_EQ(Text(), c.Result) << "from \"" << c.Start << "\"";
  }
}

TEST(EditorText, FullLinesAndTextsAreCutNotOverrun) {
  std::string line(EDITOR_LINE_SIZE + 50, 'q');
  EXPECT_EQ(EditorSetText(line.c_str(), (int)line.size()), 0) << "reported as cut";
  EXPECT_EQ(strlen(EditorLine(0)), (size_t)EDITOR_LINE_SIZE - 1);
  EditorSetCursor(0, 5);
  EXPECT_EQ(EditorInsertText("date"), 0) << "no room left in the line";
  EXPECT_EQ(strlen(EditorLine(0)), (size_t)EDITOR_LINE_SIZE - 1);

  std::string lines(EDITOR_MAX_LINES + 20, '\n');
  EXPECT_EQ(EditorSetText(lines.c_str(), (int)lines.size()), 0);
  EXPECT_EQ(EditorLineCount(), EDITOR_MAX_LINES);
  EditorSetCursor(3, 0);
  EXPECT_EQ(EditorInsertText("a\nb"), 0) << "no line left for the break";
  EXPECT_STREQ(EditorLine(3), "a");
  EditorSetCursor(-5, 99999);
  int line_, column;
  EditorGetCursor(&line_, &column);
  EXPECT_EQ(line_, 0) << "cursor kept inside the text";
  EXPECT_EQ(column, 0);
}

} // namespace
