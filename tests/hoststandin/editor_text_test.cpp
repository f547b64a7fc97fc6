#include "editor_text.h"

#include <string.h>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::string Text() {
  std::vector<char> text((size_t)EditorTextLength() + 1);
  EditorGetText(text.data(), (int)text.size());
  return std::string(text.data(), text.size() - 1);
}

void Load(const std::string &text) { EditorSetText(text.data(), (int)text.size()); }

TEST(EditorText, KeysEditAtTheCursorAndKeepLineEnds) {
  const struct {
    const char *Start;
    int Line, Column;
    HostKey Keys[4];
    int Count;
    const char *Result;
  } cases[] = {
      {"ab\ncd", 0, 2, {NamedKey(HK_DEL, 0)}, 1, "abcd"}, /* joins lines */
      {"ab\ncd", 1, 0, {NamedKey(HK_BS, 0)}, 1, "abcd"},
      {"ab\r\ncd\n", 0, 2, {NamedKey(HK_DEL, 0)}, 1, "abcd\n"}, /* ends as the second */
      {"abcd", 0, 2, {NamedKey(HK_ENTER, 0)}, 1, "ab\r\ncd"},   /* new text: as Windows */
      {"a\nbcd", 1, 2, {NamedKey(HK_ENTER, 0)}, 1, "a\nbc\nd"}, /* as the line above */
      {"ab\r\ncd\n", 0, 1, {NamedKey(HK_ENTER, 0)}, 1, "a\r\nb\r\ncd\n"},
      {"ab", 0, 0, {CharKey('x'), NamedKey(HK_END, 0), CharKey('y')}, 3, "xaby"},
      {"ab\r\ncd", 1, 2, {NamedKey(HK_UP, 0), CharKey('!')}, 2, "ab!\r\ncd"},
      {"", 0, 0, {NamedKey(HK_BS, 0), NamedKey(HK_DEL, 0)}, 2, ""}, /* nothing to delete */
  };
  for (const auto &c : cases) {
    Load(c.Start);
    EditorSetCursor(c.Line, c.Column);
    for (int i = 0; i < c.Count; ++i)
      EditorKey(&c.Keys[i]);
    EXPECT_EQ(Text(), c.Result) << "from \"" << c.Start << "\"";
  }
}

TEST(EditorText, AnyTextIsGivenBackByteForByte) {
  const std::string texts[] = {
      "",
      "no final line end",
      "crlf\r\nlines\r\n",
      "mixed\r\nends\nand\rone more\r\n\r\n",
      "\n\n\n",
      "\r\r\n",
      std::string(30000, 'w'),               /* one long line */
      std::string(5000, '\n') + "last line", /* many lines */
  };
  for (const std::string &text : texts) {
    Load(text);
    EXPECT_EQ(Text(), text) << "a text of " << text.size() << " bytes read and given back";
    EXPECT_EQ(EditorModified(), 0) << "loading changes nothing";
  }
  Load(std::string(3000, 'q') + "\r\n");
  EditorSetCursor(0, 2999);
  EXPECT_EQ(EditorInsertText("date"), 1) << "a long line still takes text";
  EXPECT_EQ(Text(), std::string(2999, 'q') + "date" + "q\r\n");
  EditorSetCursor(-5, 99999);
  int line, column;
  EditorGetCursor(&line, &column);
  EXPECT_EQ(line, 0) << "cursor kept inside the text";
  EXPECT_EQ(column, 3004) << "at most the line's end";
}

TEST(EditorText, ChangesAreTrackedAndRefusedWhenReadOnly) {
  const HostKey edits[] = {CharKey('x'), NamedKey(HK_BS, 0), NamedKey(HK_ENTER, 0),
                           NamedKey(HK_DEL, 0), NamedKey(HK_TAB, 0)};
  for (const HostKey &key : edits) {
    Load("keep\r\n");
    EditorSetCursor(0, 2);
    EditorKey(&key);
    EXPECT_EQ(EditorModified(), 1) << "an edit key changes the text";
    EditorMarkSaved();
    EXPECT_EQ(EditorModified(), 0) << "saved: unchanged again";

    Load("keep\r\n");
    EditorSetReadOnly(1);
    EditorSetCursor(0, 2);
    EXPECT_EQ(EditorKey(&key), 1) << "the key is taken, not passed on";
    EXPECT_EQ(Text(), "keep\r\n") << "a read-only text does not change";
    EXPECT_EQ(EditorModified(), 0);
  }
  EXPECT_EQ(EditorInsertText("x"), 0) << "nor takes insertions";
  HostKey right = NamedKey(HK_RIGHT, 0);
  EditorKey(&right);
  int line, column;
  EditorGetCursor(&line, &column);
  EXPECT_EQ(column, 3) << "the cursor still moves";
  Load("");
  EXPECT_EQ(EditorReadOnly(), 0) << "a new text is editable";
}

} // namespace
