/* The 3.x plugin's language and help files: each is its source behind a
   byte-order mark, with the header the host reads first, and holds every
   message and topic of the English one. What the help format would misread
   is checked on the sources themselves (ShippedHelpFiles), which these files
   repeat byte for byte. */
#include "help.h"
#include "lng_file.h"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

const std::string Bom = "\xEF\xBB\xBF";

std::string ReadFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

struct Language {
  const char *Suffix, *Header, *Code, *LngSource, *HlfSource;
};
const Language Languages[] = {
    {"Eng", ".Language=English,English", "en", "HoralisEng.lng", "HoralisEng.hlf"},
    {"Rus", ".Language=Russian,Russian (\xD0\xA0\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9)",
     "ru", "HoralisRus.lng.utf8", "HoralisRus.hlf.utf8"},
    {"Ukr",
     ".Language=Ukrainian,Ukrainian "
     "(\xD0\xA3\xD0\xBA\xD1\x80\xD0\xB0\xD1\x97\xD0\xBD\xD1\x81\xD1\x8C\xD0\xBA\xD0\xB0)",
     "uk", "HoralisUkr.lng.utf8", "HoralisUkr.hlf.utf8"}};

std::string Generated(const Language &language, const char *extension) {
  return ReadFile(std::string(HORALIS3_DIST_DIR) + "Horalis3" + language.Suffix + "." + extension);
}

/* The length of the UTF-8 sequence a byte starts; 0 for a byte that
   starts none. */
size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80)
    return 1;
  if (lead < 0xC2)
    return 0;
  if (lead < 0xE0)
    return 2;
  return lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
}

/* Whether the whole text is well-formed UTF-8 (the host decodes the file
   as such once it sees the mark). */
bool IsUtf8(const std::string &text) {
  for (size_t i = 0; i < text.size();) {
    size_t length = SequenceLength((unsigned char)text[i]);
    if (length == 0 || i + length > text.size())
      return false;
    for (size_t k = 1; k < length; ++k)
      if (((unsigned char)text[i + k] & 0xC0) != 0x80)
        return false;
    i += length;
  }
  return true;
}

TEST(Horalis3Files, AreTheirSourcesBehindAByteOrderMark) {
  for (const Language &language : Languages) {
    const char *pairs[][2] = {{"lng", language.LngSource}, {"hlf", language.HlfSource}};
    for (const auto &pair : pairs) {
      std::string made = Generated(language, pair[0]);
      std::string source = ReadFile(std::string(HORALIS_RESOURCES_DIR) + pair[1]);
      ASSERT_FALSE(source.empty()) << pair[1];
      EXPECT_EQ(made, Bom + source)
          << language.Suffix << " " << pair[0] << ": made from " << pair[1];
      std::string first = made.substr(Bom.size(), made.find('\n') - Bom.size());
      EXPECT_EQ(first, language.Header) << language.Suffix << " " << pair[0] << ": first line";
      EXPECT_TRUE(IsUtf8(made)) << language.Suffix << " " << pair[0];
    }
  }
}

LngFile English, Other; /* 70 KB each: not on the stack */

/* Every message of the English file is there, in the same place: a text
   where English has one, a spare line where it has a spare one. */
TEST(Horalis3Files, LanguageFilesHoldEveryEnglishMessage) {
  char error[LNG_ERROR_SIZE];
  std::string english = Generated(Languages[0], "lng");
  ASSERT_EQ(ParseLng(english.data(), (int)english.size(), &English, error, sizeof error), 1)
      << error;
  EXPECT_GE(English.Count, 210) << "the 1.60 plugin's numbers, 0 to 209, at least";
  for (const Language &language : Languages) {
    std::string text = Generated(language, "lng");
    ASSERT_EQ(ParseLng(text.data(), (int)text.size(), &Other, error, sizeof error), 1)
        << language.Suffix << ": " << error;
    ASSERT_EQ(Other.Count, English.Count) << language.Suffix << ": number of messages";
    for (int id = 0; id < English.Count; ++id)
      EXPECT_EQ(*LngMessage(&Other, id) == '\0', *LngMessage(&English, id) == '\0')
          << language.Suffix << ": message " << id << " \"" << LngMessage(&Other, id)
          << "\" against the English \"" << LngMessage(&English, id) << "\"";
    EXPECT_STREQ(LngMessage(&Other, 151), language.Code) << language.Suffix << ": its language";
  }
}

/* The topic names of a help file, in file order ("@@" starts no topic and
   "@Name=Other" is an alias). */
std::vector<std::string> Topics(const std::string &text) {
  std::vector<std::string> topics;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    if (line.size() > 1 && line[0] == '@' && line[1] != '@' && line.find('=') == std::string::npos)
      topics.push_back(line.substr(1));
  }
  return topics;
}

TEST(Horalis3Files, HelpFilesHoldEveryEnglishTopic) {
  std::vector<std::string> english = Topics(Generated(Languages[0], "hlf"));
  ASSERT_GE(english.size(), 10u);
  EXPECT_EQ(english[0], "Contents");
  for (const Language &language : Languages) {
    std::string text = Generated(language, "hlf");
    EXPECT_EQ(Topics(text), english) << language.Suffix;
    EXPECT_NE(text.find("\n.PluginContents=Horalis\n"), std::string::npos) << language.Suffix;
    HelpLoadText(text.data() + Bom.size(), (int)(text.size() - Bom.size()));
    for (const std::string &topic : english)
      EXPECT_TRUE(HelpHasTopic(topic.c_str())) << language.Suffix << ": topic " << topic;
  }
}

} // namespace
