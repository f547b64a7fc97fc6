#include "host_state.h"
#include "host_texts.h"

#include <stdio.h>
#include <string>

#include <gtest/gtest.h>

namespace {

std::string TextIn(const char *language, int id) {
  snprintf(HostLanguage, sizeof HostLanguage, "%s", language);
  return HostText(id);
}

/* Every note the stand-in shows has its text in both languages, a Russian
   one of its own: a save's failure under Russian is told in Russian. */
TEST(HostTexts, EveryTextInBothLanguages) {
  for (int id = HT_NONE + 1; id < HT_COUNT; ++id) {
    std::string english = TextIn("English", id), russian = TextIn("Russian", id);
    EXPECT_FALSE(english.empty()) << "text " << id;
    EXPECT_FALSE(russian.empty()) << "text " << id;
  }
  for (int id : {HT_NOT_WRITTEN, HT_NOT_REPLACED, HT_NO_WRITE_PERMISSION, HT_CANNOT_SAVE})
    EXPECT_NE(TextIn("Russian", id), TextIn("English", id)) << "text " << id;
  EXPECT_STREQ(TextIn("English", HT_COUNT).c_str(), "") << "an id past the end";
  snprintf(HostLanguage, sizeof HostLanguage, "English");
}

} // namespace
