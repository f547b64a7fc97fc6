/* The description format: what a well-formed file gives, and that every
   kind of mistake fails the load with the line it is on. */
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "dialoggen.h"
#include "lexer.h"
#include "parser.h"

namespace {

struct Parsed {
  LoadedDialog *Dialog;
  ParseError Error;
};

Parsed Parse(const std::string &text, const char *name) {
  Parsed p;
  p.Dialog = ParseDialog(text.data(), text.size(), name, &p.Error);
  return p;
}

const DialogItem *Item(const LoadedDialog *d, int number) {
  for (int i = 0; i < d->ItemCount; ++i)
    if (d->Items[i].Number == number)
      return &d->Items[i];
  return nullptr;
}

const char *const Sample = "; a sample with every kind of line\r\n"
                           "dialog \"First\" 40 10 help \"Topic\"\r\n"
                           "  0 doublebox 3 1 36 8 \"Title\"\r\n"
                           "  5 text 5 2 0 0 @12 ; a message\r\n"
                           "  // a comment inside a dialog\n"
                           "  9 edit 5 3 30 0 \"a \\\"quoted\\\" \\\\ \\x41\" focus\n"
                           " 20 radio 5 4 0 0 \"one\" group value=0x10\n"
                           " 21 radio 5 5 0 0 \"two\" value=-3 selected\n"
                           " 22 checkbox 5 6 0 0 \"&Check\" selected lefttext\n"
                           " 30 button 5 7 0 0 \"OK\" default exit=242 nobrackets\n"
                           " 31 button 15 7 0 0 \"Cancel\" exit=-1 color=0x1F\n"
                           " 32 button 25 7 0 0 \"More\" request hidden\n"
                           "end\n"
                           "dialog \"Second\" 20 5\n"
                           "  1 radio 1 1 0 0 \"a\" group choose\n"
                           "  2 radio 1 2 0 0 \"b\"\n"
                           "  3 radio 1 3 0 0 \"c\" group\n"
                           "end";

TEST(DescriptionParser, ReadsEveryPartOfAnItem) {
  Parsed p = Parse(Sample, "First");
  ASSERT_NE(p.Dialog, nullptr) << "line " << p.Error.Line << ": " << p.Error.Reason;
  const LoadedDialog *d = p.Dialog;
  EXPECT_STREQ(d->Name, "First");
  EXPECT_EQ(d->Width, 40) << "width from the dialog line";
  EXPECT_EQ(d->Height, 10) << "height from the dialog line";
  EXPECT_STREQ(d->HelpTopic, "Topic");
  EXPECT_EQ(d->ItemCount, 9) << "comments are not items";
  int order[] = {0, 5, 9, 20, 21, 22, 30, 31, 32};
  for (int i = 0; i < 9; ++i)
    EXPECT_EQ(d->Items[i].Number, order[i]) << "items keep the file's order at " << i;

  const DialogItem *frame = Item(d, 0);
  EXPECT_EQ(frame->Record.Type, DI_DOUBLEBOX);
  EXPECT_EQ(frame->Record.X1, 3);
  EXPECT_EQ(frame->Record.Y1, 1);
  EXPECT_EQ(frame->Record.X2, 36);
  EXPECT_EQ(frame->Record.Y2, 8);
  EXPECT_EQ(Item(d, 5)->TextMessage, 12) << "@12 refers to message 12";
  EXPECT_STREQ(Item(d, 9)->Record.Data, "a \"quoted\" \\ A") << "escapes in a quoted text";
  EXPECT_EQ(Item(d, 9)->Record.Focus, 1);
  EXPECT_EQ(Item(d, 20)->Value, 0x10) << "hexadecimal radio value";
  EXPECT_EQ(Item(d, 21)->Value, -3) << "negative radio value";
  EXPECT_EQ(Item(d, 20)->Group, Item(d, 21)->Group) << "a radio button joins the group before it";
  EXPECT_EQ(Item(d, 20)->Record.Selected, 0) << "only the button marked selected is";
  EXPECT_EQ(Item(d, 21)->Record.Selected, 1);
  EXPECT_EQ(Item(d, 22)->Record.Selected, 1);
  EXPECT_EQ(Item(d, 22)->Record.Flags, (unsigned)DIF_LEFTTEXT);
  EXPECT_EQ(Item(d, 30)->ExitCode, 242);
  EXPECT_EQ(Item(d, 30)->Record.DefaultButton, 1);
  EXPECT_EQ(Item(d, 30)->Record.Flags, (unsigned)DIF_NOBRACKETS);
  EXPECT_EQ(Item(d, 31)->ExitCode, -1);
  EXPECT_EQ(Item(d, 31)->Record.Flags, (unsigned)(DIF_SETCOLOR | 0x1F));
  EXPECT_EQ(Item(d, 32)->ExitCode, 32) << "a button's exit code is its number by default";
  EXPECT_EQ(Item(d, 32)->Attributes, (unsigned)(ITEM_REQUEST | ITEM_HIDDEN));
  EXPECT_EQ(Item(d, 5)->Group, -1) << "only radio buttons have a group";
  DestroyDialog(p.Dialog);
}

TEST(DescriptionParser, GroupsAndTheirDefaults) {
  Parsed p = Parse(Sample, "Second");
  ASSERT_NE(p.Dialog, nullptr) << p.Error.Reason;
  const LoadedDialog *d = p.Dialog;
  EXPECT_EQ(d->GroupCount, 2) << "group starts a new group";
  EXPECT_EQ(Item(d, 1)->Group, 0);
  EXPECT_EQ(Item(d, 2)->Group, 0);
  EXPECT_EQ(Item(d, 3)->Group, 1);
  EXPECT_EQ(d->Groups[0].Choose, 1);
  EXPECT_EQ(d->Groups[1].Choose, 0);
  EXPECT_EQ(Item(d, 2)->Value, 2) << "a radio value defaults to the item number";
  EXPECT_EQ(Item(d, 1)->Record.Selected, 1) << "a group with no selected button selects its first";
  EXPECT_EQ(Item(d, 3)->Record.Selected, 1);
  EXPECT_STREQ(d->HelpTopic, "") << "no help topic";
  DestroyDialog(p.Dialog);
}

TEST(DescriptionParser, ListsTheDialogsOfAFile) {
  std::string names;
  ParseError error;
  int count = ListDialogs(
      Sample, strlen(Sample),
      [](const char *name, void *context) { *(std::string *)context += std::string(name) + ","; },
      &names, &error);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(names, "First,Second,");
}

TEST(DescriptionParser, AMissingDialogIsNotFound) {
  Parsed p = Parse(Sample, "Third");
  EXPECT_EQ(p.Dialog, nullptr);
  EXPECT_STREQ(p.Error.Reason, "no dialog of that name");
  EXPECT_EQ(Parse(Sample, "first").Dialog, nullptr) << "names are matched exactly";
}

struct Malformed {
  const char *What;
  std::string Text;
  int Line;
};

std::string InDialog(const std::string &items) { return "dialog \"D\" 40 10\n" + items + "end\n"; }

std::string ManyItems(int count) {
  std::string s;
  for (int i = 0; i < count; ++i)
    s += std::to_string(i) + " text 1 1 0 0 \"x\"\n";
  return s;
}

TEST(DescriptionParser, MalformedFilesFailAtTheirLine) {
  const Malformed cases[] = {
      {"empty file", "", 0},
      {"item outside a dialog", "1 text 1 1 0 0 \"x\"\n", 1},
      {"no end", "dialog \"D\" 40 10\n1 text 1 1 0 0 \"x\"\n", 2},
      {"end without dialog", "end\n", 1},
      {"text after end", "dialog \"D\" 40 10\n1 text 1 1 0 0 \"x\"\nend x\n", 3},
      {"nested dialog", "dialog \"D\" 40 10\ndialog \"E\" 40 10\nend\nend\n", 2},
      {"dialog without items", "dialog \"D\" 40 10\nend\n", 2},
      {"unnamed dialog", "dialog \"\" 40 10\n1 text 1 1 0 0 \"x\"\nend\n", 1},
      {"dialog without size", "dialog \"D\"\n1 text 1 1 0 0 \"x\"\nend\n", 1},
      {"zero width", "dialog \"D\" 0 10\n1 text 1 1 0 0 \"x\"\nend\n", 1},
      {"huge height", "dialog \"D\" 40 256\n1 text 1 1 0 0 \"x\"\nend\n", 1},
      {"junk after size", "dialog \"D\" 40 10 x\n1 text 1 1 0 0 \"x\"\nend\n", 1},
      {"unquoted help", "dialog \"D\" 40 10 help Topic\n1 text 1 1 0 0 \"x\"\nend\n", 1},
      {"duplicate dialog", InDialog("1 text 1 1 0 0 \"x\"\n") + InDialog("1 text 1 1 0 0 \"x\"\n"),
       4},
      {"unknown keyword", "dialogue \"D\" 40 10\n", 1},
      {"unknown type", InDialog("1 label 1 1 0 0 \"x\"\n"), 2},
      {"item number too big", InDialog("10000 text 1 1 0 0 \"x\"\n"), 2},
      {"duplicate item", InDialog("1 text 1 1 0 0 \"x\"\n1 text 1 2 0 0 \"y\"\n"), 3},
      {"three coordinates", InDialog("1 text 1 1 0 \"x\"\n"), 2},
      {"coordinate below -1", InDialog("1 text -2 1 0 0 \"x\"\n"), 2},
      {"coordinate too big", InDialog("1 text 1 1 256 0 \"x\"\n"), 2},
      {"number overflow", InDialog("1 text 99999999999999999999 1 0 0 \"x\"\n"), 2},
      {"no text", InDialog("1 text 1 1 0 0\n"), 2},
      {"unterminated text", InDialog("1 text 1 1 0 0 \"x\n"), 2},
      {"bad escape", InDialog("1 text 1 1 0 0 \"\\q\"\n"), 2},
      {"escaped zero", InDialog("1 text 1 1 0 0 \"\\x00\"\n"), 2},
      {"control character", InDialog("1 text 1 1 0 0 \"a\tb\"\n"), 2},
      {"text of 512", InDialog("1 text 1 1 0 0 \"" + std::string(512, 'a') + "\"\n"), 2},
      {"bad message", InDialog("1 text 1 1 0 0 @x\n"), 2},
      {"negative message", InDialog("1 text 1 1 0 0 @-1\n"), 2},
      {"unknown attribute", InDialog("1 text 1 1 0 0 \"x\" bold\n"), 2},
      {"unknown setting", InDialog("1 text 1 1 0 0 \"x\" size=3\n"), 2},
      {"setting without number", InDialog("1 button 1 1 0 0 \"x\" exit=\n"), 2},
      {"exit below -1", InDialog("1 button 1 1 0 0 \"x\" exit=-2\n"), 2},
      {"colour too big", InDialog("1 text 1 1 0 0 \"x\" color=256\n"), 2},
      {"two default buttons",
       InDialog("1 button 1 1 0 0 \"a\" default\n2 button 9 1 0 0 \"b\" default\n"), 3},
      {"default on a text", InDialog("1 text 1 1 0 0 \"a\" default\n"), 2},
      {"two focused items", InDialog("1 edit 1 1 9 0 \"\" focus\n2 edit 1 2 9 0 \"\" focus\n"), 3},
      {"selected text", InDialog("1 text 1 1 0 0 \"x\" selected\n"), 2},
      {"request on a text", InDialog("1 text 1 1 0 0 \"x\" request\n"), 2},
      {"selected request", InDialog("1 checkbox 1 1 0 0 \"x\" request selected\n"), 2},
      {"group on a check box", InDialog("1 checkbox 1 1 0 0 \"x\" group\n"), 2},
      {"value on a button", InDialog("1 button 1 1 0 0 \"x\" value=3\n"), 2},
      {"radio outside a group", InDialog("1 radio 1 1 0 0 \"x\"\n"), 2},
      {"radio after a text",
       InDialog("1 radio 1 1 0 0 \"x\" group\n2 text 1 2 0 0 \"-\"\n3 radio 1 3 0 0 \"y\"\n"), 4},
      {"choose without group",
       InDialog("1 radio 1 1 0 0 \"x\" group\n2 radio 1 2 0 0 \"y\" choose\n"), 3},
      {"same value twice",
       InDialog("1 radio 1 1 0 0 \"x\" group value=4\n2 radio 1 2 0 0 \"y\" value=4\n"), 3},
      {"two selected in a group",
       InDialog("1 radio 1 1 0 0 \"x\" group selected\n2 radio 1 2 0 0 \"y\" selected\n"), 3},
      {"choosing group with value 0", InDialog("1 radio 1 1 0 0 \"x\" group choose value=0\n"), 2},
      {"choosing group with value -1",
       InDialog("1 radio 1 1 0 0 \"x\" group choose\n2 radio 1 2 0 0 \"y\" value=-1\n"), 3},
      {"too many items", InDialog(ManyItems(MAX_DIALOG_ITEMS + 1)), MAX_DIALOG_ITEMS + 2},
      {"overlong line", InDialog("1 text 1 1 0 0 \"x\"" + std::string(1100, ' ') + "\n"), 2},
      {"zero byte", InDialog(std::string("1 text 1 1 0 0 \"x\"\0\n", 20)), 2},
  };
  for (const Malformed &c : cases) {
    Parsed p = Parse(c.Text, "D");
    EXPECT_EQ(p.Dialog, nullptr) << c.What << ": expected to fail";
    EXPECT_EQ(p.Error.Line, c.Line) << c.What << ": " << p.Error.Reason;
    DestroyDialog(p.Dialog);
  }
}

TEST(DescriptionParser, LimitsOnTheWholeFile) {
  std::string many;
  for (int i = 0; i <= MAX_DIALOGS_PER_FILE; ++i)
    many += "dialog \"D" + std::to_string(i) + "\" 10 5\n1 text 1 1 0 0 \"x\"\nend\n";
  Parsed p = Parse(many, "D0");
  EXPECT_EQ(p.Dialog, nullptr) << "more than " << MAX_DIALOGS_PER_FILE << " dialogs";
  EXPECT_EQ(p.Error.Line, 3 * MAX_DIALOGS_PER_FILE + 1);

  std::string fullest = InDialog(ManyItems(MAX_DIALOG_ITEMS));
  Parsed q = Parse(fullest, "D");
  ASSERT_NE(q.Dialog, nullptr) << "the largest dialog loads: " << q.Error.Reason;
  EXPECT_EQ(q.Dialog->ItemCount, MAX_DIALOG_ITEMS);
  DestroyDialog(q.Dialog);

  std::string longest = InDialog("1 edit 1 1 9 0 \"" + std::string(511, 'a') + "\"\n");
  Parsed r = Parse(longest, "D");
  ASSERT_NE(r.Dialog, nullptr) << "a text of 511 characters loads: " << r.Error.Reason;
  EXPECT_EQ(strlen(r.Dialog->Items[0].Record.Data), 511u);
  DestroyDialog(r.Dialog);
}

TEST(DescriptionParser, AnErrorElsewhereInTheFileFailsEveryDialog) {
  std::string text = InDialog("1 text 1 1 0 0 \"x\"\n") + "dialog \"E\" 40 10\n1 bogus\nend\n";
  Parsed p = Parse(text, "D");
  EXPECT_EQ(p.Dialog, nullptr) << "a file is well formed as a whole or not at all";
  EXPECT_EQ(p.Error.Line, 5);
}

struct NumberCase {
  const char *Text;
  int Read;
  int Value;
  int End;
};

TEST(DescriptionLexer, Numbers) {
  const NumberCase cases[] = {
      {"12", 1, 12, 2},
      {"-7 x", 1, -7, 2},
      {"+3", 1, 3, 2},
      {"0x1F", 1, 31, 4},
      {"0XfF;", 1, 255, 4},
      {"2147483647", 1, 2147483647, 10},
      {"2147483648", 0, 0, 0},
      {"12a", 0, 0, 0},
      {"0x", 0, 0, 0},
      {"-", 0, 0, 0},
      {"", 0, 0, 0},
      {"1\"", 0, 0, 0},
      {"-0x7FFFFFFF", 1, -2147483647, 11},
  };
  for (const NumberCase &c : cases) {
    int pos = 0, value = 0;
    EXPECT_EQ(ReadNumber(c.Text, &pos, &value), c.Read) << c.Text;
    EXPECT_EQ(value, c.Value) << c.Text;
    EXPECT_EQ(pos, c.End) << c.Text << ": position after the number, or unmoved";
  }
}

TEST(DescriptionLexer, QuotedTextsAndWords) {
  char out[8];
  int pos = 0;
  EXPECT_EQ(ReadQuoted("\"abc\" x", &pos, out, sizeof out), 3);
  EXPECT_STREQ(out, "abc");
  EXPECT_EQ(pos, 5) << "past the closing quote";
  pos = 0;
  EXPECT_EQ(ReadQuoted("\"abcdefgh\"", &pos, out, sizeof out), -1) << "does not fit 8 bytes";
  EXPECT_EQ(pos, 0);
  pos = 0;
  EXPECT_EQ(ReadQuoted("\"abcdefg\"", &pos, out, sizeof out), 7) << "fits with its terminator";
  pos = 0;
  EXPECT_EQ(ReadQuoted("\"\\xdB\"", &pos, out, sizeof out), 1);
  EXPECT_EQ((unsigned char)out[0], 0xDB);
  pos = 0;
  EXPECT_EQ(ReadQuoted("\"\\x4\"", &pos, out, sizeof out), -1) << "two hex digits";
  pos = 0;
  EXPECT_EQ(ReadQuoted("abc", &pos, out, sizeof out), -1) << "not a quoted text";

  pos = 1;
  EXPECT_EQ(ReadWord(" value=3 x", &pos, out, sizeof out), 7);
  EXPECT_STREQ(out, "value=3");
  EXPECT_EQ(pos, 8);
  pos = 0;
  EXPECT_EQ(ReadWord("abc;def", &pos, out, sizeof out), 3) << "a ';' ends a word";
  pos = 0;
  EXPECT_EQ(ReadWord("abcdefghij", &pos, out, sizeof out), -1) << "too long a word";
  pos = 0;
  EXPECT_EQ(SkipBlanks(" \t ; comment", &pos), 0) << "a comment reads as the end";
  EXPECT_EQ(pos, 3);
}

TEST(DescriptionLexer, ExportedReadersAreSafeWithAnyArguments) {
  int pos = 0;
  char out[16];
  EXPECT_EQ(parseNum("  42 rest", &pos), 42);
  EXPECT_EQ(pos, 4);
  EXPECT_EQ(sparse("  42 rest", &pos), 'r');
  EXPECT_EQ(parseGet("  42 rest", &pos, out, sizeof out), 4);
  EXPECT_STREQ(out, "rest");
  pos = 0;
  EXPECT_EQ(parseGetStr(" \"hi\"", &pos, out, sizeof out), 2);
  EXPECT_STREQ(out, "hi");

  EXPECT_EQ(parseNum(nullptr, &pos), 0);
  EXPECT_EQ(parseNum("1", nullptr), 0);
  pos = 5;
  EXPECT_EQ(parseNum("1", &pos), 0) << "a position past the end";
  pos = -1;
  EXPECT_EQ(sparse("1", &pos), 0) << "a negative position";
  pos = 0;
  EXPECT_EQ(parseGet("x", &pos, nullptr, 4), -1);
  EXPECT_EQ(parseGetStr("\"x\"", &pos, out, 0), -1);
  EXPECT_EQ(DialogGeneratorVersion(), 100);
  char *empty = (char *)GetItemNULL();
  ASSERT_NE(empty, nullptr);
  empty[0] = 'x';
  EXPECT_STREQ((char *)GetItemNULL(), "") << "the shared empty text is empty again";
}

} // namespace
