#include "help.h"
#include "stand_in_fixture.h"

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

std::string ReadFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

const char Sample[] = ".Language=English,English\n"
                      "@Contents\n"
                      "$ #Title one#\n"
                      " Go to ~the second~@Second@ or ~nowhere~@Missing@.\n"
                      "\n"
                      "@Second\n"
                      "$ #Title two#\n"
                      " Mail a@@b ##1 ~~\n";

class HelpTest : public StandInTest {
protected:
  void SetUp() override {
    StandInTest::SetUp();
    HelpLoadText(Sample, sizeof Sample - 1);
  }
};

TEST_F(HelpTest, ShowsTopicsAndFollowsLinks) {
  EXPECT_TRUE(HelpHasTopic("Contents"));
  EXPECT_TRUE(HelpHasTopic("second")) << "topic names ignore case";
  EXPECT_FALSE(HelpHasTopic("Missing"));
  PressKeys("Enter BS Tab Enter Esc");
  EXPECT_EQ(HelpShowTopic("Contents"), 1);
  EXPECT_EQ(KeysLeft(), 0);
  ASSERT_GE(Pictures.size(), 5u);
  EXPECT_GE(RowIn(Pictures[0], "Title one"), 0) << ShownText(Pictures[0]);
  EXPECT_GE(RowIn(Pictures[0], "Go to the second or nowhere."), 0) << "links show their text";
  EXPECT_GE(RowIn(Pictures[1], "Title two"), 0) << "Enter followed the first link";
  EXPECT_GE(RowIn(Pictures[1], "Mail a@b #1 ~"), 0) << "doubled marks are literal";
  EXPECT_GE(RowIn(Pictures[2], "Title one"), 0) << "BS went back";
  /* Tab moved to the second link, whose topic is missing: Enter stays. */
  EXPECT_GE(RowIn(Pictures[4], "Title one"), 0) << "a link to a missing topic goes nowhere";
}

TEST_F(HelpTest, MissingTopicSaysSo) {
  PressKeys("Enter");
  EXPECT_EQ(HelpShowTopic("Nothing"), 0);
  EXPECT_GE(RowIn(PictureBeforeClose(), "No help topic \"Nothing\""), 0);
  PressKeys("Enter");
  EXPECT_EQ(HelpShowTopic(nullptr), 0) << "no topic at all";
}

TEST_F(HelpTest, ALoneAtHidesTextUpToTheNextAtAsInTheHost) {
  const char text[] = "@Contents\n %{@Tokyo}%H, %{@local}%H here\n#@#zone  the time\n a@@b\n";
  HelpLoadText(text, sizeof text - 1);
  char shown[256];
  ASSERT_GT(HelpTopicText("Contents", shown, sizeof shown), 0);
  EXPECT_STREQ(shown, " %{local}%H here\n\n a@b\n");
  EXPECT_EQ(HelpTopicText("None", shown, sizeof shown), -1);
}

TEST_F(HelpTest, BrokenMarkupIsShownNotFollowed) {
  const char broken[] = ".Language=English,English\n@Contents\n~open link\n~text~@Unclosed\n#\n";
  HelpLoadText(broken, sizeof broken - 1);
  PressKeys("Enter Esc");
  EXPECT_EQ(HelpShowTopic("Contents"), 1);
  EXPECT_GE(RowIn(Pictures[0], "open link"), 0) << ShownText(Pictures[0]);
}

/* The plugin's help files. */
struct HelpFile {
  const char *Path, *Language;
};
const HelpFile Shipped[] = {{HORALIS_RESOURCES_DIR "HoralisEng.hlf", "English"},
                            {HORALIS_RESOURCES_DIR "HoralisRus.hlf.utf8", "Russian"},
                            {HORALIS_RESOURCES_DIR "HoralisUkr.hlf.utf8", "Ukrainian"}};

TEST(ShippedHelpFiles, HeaderTopicsAndLinks) {
  const char *topics[] = {"Contents",  "QuickFormat", "Presets",
                          "Indicator", "Calendar",    "Settings"};
  for (const HelpFile &file : Shipped) {
    std::string text = ReadFile(file.Path);
    ASSERT_FALSE(text.empty()) << file.Path;
    EXPECT_EQ(text.rfind(std::string(".Language=") + file.Language + ",", 0), 0u) << file.Path;
    EXPECT_NE(text.find("\n.PluginContents=Horalis\n"), std::string::npos) << file.Path;
    HelpLoadText(text.data(), (int)text.size());
    for (const char *topic : topics)
      EXPECT_TRUE(HelpHasTopic(topic)) << file.Path << ": topic " << topic;
    std::regex link("~[^~]+~@([^@]+)@");
    int links = 0;
    for (std::sregex_iterator it(text.begin(), text.end(), link), end; it != end; ++it, ++links)
      EXPECT_TRUE(HelpHasTopic((*it)[1].str().c_str()))
          << file.Path << ": link to missing topic " << (*it)[1];
    EXPECT_GE(links, 10) << file.Path << ": topics are linked";
  }
}

TEST(ShippedHelpFiles, HaveTheTopicsTheDialogsAskFor) {
  const char *dialogFiles[] = {"HoralisEng.dlg", "HoralisRus.dlg.utf8", "Calendar.dlg",
                               "color.dlg"};
  std::regex help("help \"([^\"]+)\"");
  for (const HelpFile &file : Shipped) {
    std::string text = ReadFile(file.Path);
    HelpLoadText(text.data(), (int)text.size());
    for (const char *dialogFile : dialogFiles) {
      std::string dialogs = ReadFile(std::string(HORALIS_RESOURCES_DIR) + dialogFile);
      for (std::sregex_iterator it(dialogs.begin(), dialogs.end(), help), end; it != end; ++it)
        EXPECT_TRUE(HelpHasTopic((*it)[1].str().c_str()))
            << file.Path << ": " << dialogFile << " asks for topic " << (*it)[1];
    }
    EXPECT_TRUE(HelpHasTopic("Contents")) << "the main menu's topic";
  }
}

/* A topic line as the host's help format says it shows: "$" and "^" in
   front, link targets and lone marks left out, a doubled mark shown once. */
std::string AsDocumented(const std::string &line) {
  std::string text = line.substr(line.rfind('$', 0) == 0);
  text = text.substr(text.rfind('^', 0) == 0);
  text = std::regex_replace(text, std::regex("~([^~]*)~@[^@]*@"), "~$1~");
  std::string shown;
  for (size_t i = 0; i < text.size(); ++i) {
    bool mark = text[i] == '#' || text[i] == '~' || text[i] == '@';
    if (mark && i + 1 < text.size() && text[i + 1] == text[i])
      shown += text[i++];
    else if (!mark)
      shown += text[i];
  }
  return shown;
}

/* Every topic of both files, shown by the viewer, holds every character
   its source says: a lone '@' would hide text in the host. */
TEST(ShippedHelpFiles, EveryTopicShowsAllItsText) {
  static char shown[64 * 1024];
  for (const HelpFile &file : Shipped) {
    std::string source = ReadFile(file.Path);
    HelpLoadText(source.data(), (int)source.size());
    std::istringstream lines(source);
    std::string line, topic, expected;
    int topics = 0;
    auto check = [&]() {
      while (expected.size() >= 2 && expected.compare(expected.size() - 2, 2, "\n\n") == 0)
        expected.pop_back();
      if (topic.empty())
        return;
      ++topics;
      ASSERT_GE(HelpTopicText(topic.c_str(), shown, sizeof shown), 0) << topic;
      EXPECT_EQ(std::string(shown), expected) << file.Path << ", topic " << topic;
    };
    while (std::getline(lines, line)) {
      if (!line.empty() && line.back() == '\r')
        line.pop_back();
      if (line.size() > 1 && line[0] == '@' && line[1] != '@') {
        check();
        topic = line.substr(1);
        expected.clear();
      } else if (!topic.empty()) {
        expected += AsDocumented(line) + "\n";
        /* A lone '~' or an odd '#' would hide a mark or colour the rest. */
        std::string marks = std::regex_replace(line, std::regex("~[^~]*~@[^@]*@|~~|##"), "");
        EXPECT_EQ(marks.find('~'), std::string::npos) << file.Path << ": " << line;
        EXPECT_EQ(std::count(marks.begin(), marks.end(), '#') % 2, 0) << file.Path << ": " << line;
      }
    }
    check();
    EXPECT_GE(topics, 8) << file.Path;
  }
}

/* A help line as the help shows it: link and highlight markup left out,
   counted in characters (the Russian file is UTF-8). */
size_t ShownWidth(const std::string &line) {
  std::string shown = std::regex_replace(line, std::regex("~([^~]*)~@[^@]*@"), "$1");
  size_t width = 0;
  for (size_t i = 0; i < shown.size(); ++i) {
    bool mark = shown[i] == '#' || shown[i] == '~' || shown[i] == '@';
    if (mark && !(i + 1 < shown.size() && shown[i + 1] == shown[i]))
      continue;
    if (mark)
      ++i;
    width += ((unsigned char)shown[i] & 0xC0) != 0x80;
  }
  return width;
}

/* Rows of a table are indented by three blanks, their columns parted by
   two or more: every row's second column starts where the others' do. */
TEST(ShippedHelpFiles, TablesLineUpAsShown) {
  std::regex row("^(   \\S.*?\\S)  +\\S.*$");
  for (const HelpFile &file : Shipped) {
    std::istringstream text(ReadFile(file.Path));
    std::string line, first;
    size_t column = 0;
    int tables = 0;
    for (int number = 1; std::getline(text, line); ++number) {
      std::smatch cells;
      if (!std::regex_match(line, cells, row)) {
        first.clear();
        continue;
      }
      size_t firstEnd = (size_t)cells[1].length();
      size_t second = ShownWidth(cells[1].str()) + line.find_first_not_of(' ', firstEnd) - firstEnd;
      if (first.empty()) {
        first = line;
        column = second;
        ++tables;
        continue;
      }
      EXPECT_EQ(second, column) << file.Path << ", line " << number << " against \"" << first
                                << "\"";
    }
    EXPECT_GE(tables, 5) << file.Path << ": the tables were found";
  }
}

/* The help window of an 80-column screen shows 72 characters a line; a
   longer line is cut. */
TEST(ShippedHelpFiles, LinesFitTheHelpWindowOfAnEightyColumnScreen) {
  for (const HelpFile &file : Shipped) {
    std::istringstream text(ReadFile(file.Path));
    std::string line;
    for (int number = 1; std::getline(text, line); ++number) {
      if (line.empty() || line[0] != '@') {
        EXPECT_LE(ShownWidth(line), 72u) << file.Path << ", line " << number << ": " << line;
      }
    }
  }
}

} // namespace
