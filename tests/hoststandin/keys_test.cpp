#include "keys.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Described(const char *script, int *count) {
  static HostKey keys[KEY_SCRIPT_MAX];
  char error[KEY_ERROR_SIZE];
  *count = ParseKeyScript(script, keys, KEY_SCRIPT_MAX, error, sizeof error);
  std::vector<std::string> names;
  for (int i = 0; i < *count; ++i) {
    char name[48];
    DescribeKey(&keys[i], name, sizeof name);
    names.push_back(name);
  }
  return names;
}

TEST(KeyScript, NamesTextAndModifiers) {
  const struct {
    const char *Script;
    std::vector<std::string> Keys;
  } cases[] = {
      {"F11 Enter", {"F11", "Enter"}},
      {"f4 esc DOWN", {"F4", "Esc", "Down"}},
      {"ab", {"'a'", "'b'"}},
      {"\"a b\"", {"'a'", "Space", "'b'"}},
      {"\"q\\\"\"", {"'q'", "'\"'"}},
      {"Shift+Tab Alt+F9 Alt+x Ctrl+Shift+F4", {"Shift+Tab", "Alt+F9", "Alt+'x'", "Shift+Ctrl+F4"}},
      /* Shift makes the character: Shift+\x81 and Shift+\xA1 (Б and б)
         alike, as both layouts' capitals and the US signs. */
      {"Shift+\x81 Shift+\xA1 Shift+\xF1 Shift+, Shift+a Shift+1",
       {"'\x81'", "'\x81'", "'\xF0'", "'<'", "'A'", "'!'"}},
      {"Up Left Right Home End PgUp PgDn Ins Del BS Space",
       {"Up", "Left", "Right", "Home", "End", "PgUp", "PgDn", "Ins", "Del", "BS", "Space"}},
      {"F1 F12 F13", {"F1", "F12", "'F'", "'1'", "'3'"}},
      {"Dump", {"Dump"}},
      {"Wait 500 Dump wait\t0 F4", {"Wait 500", "Dump", "Wait 0", "F4"}},
      {"Waiting", {"'W'", "'a'", "'i'", "'t'", "'i'", "'n'", "'g'"}},
      {"Lang Rus unload Title \"{my} title\" lang\teng",
       {"Lang Rus", "Unload", "Title \"{my} title\"", "Lang eng"}},
      {"Call \"insert\" \"%d \\\" x\" F4 call \"a\"",
       {"Call \"insert\" \"%d \\\" x\"", "F4", "Call \"a\""}},
      {"  \n\t ", {}},
  };
  for (const auto &c : cases) {
    int count = 0;
    EXPECT_EQ(Described(c.Script, &count), c.Keys) << "script \"" << c.Script << "\"";
  }
}

TEST(KeyScript, RefusesWhatItCannotPress) {
  const struct {
    const char *Script, *Error;
  } cases[] = {{"\"open", "unterminated quoted text"},
               {"Alt+Foo", "unknown key: Alt+Foo"},
               {"Alt+Dump", "Dump takes no modifiers"},
               {"Wait", "Wait takes milliseconds"},
               {"Wait F4", "Wait takes milliseconds"},
               {"Wait 10x", "Wait takes milliseconds"},
               {"Wait 600001", "Wait takes milliseconds"},
               {"Wait 99999999999999999999", "Wait takes milliseconds"},
               {"Lang", "Lang takes a language"},
               {"Lang \"Rus\"", "Lang takes a language"},
               {"Title Mine", "Title takes a \"quoted text\""},
               {"Title \"open", "Title takes a \"quoted text\""},
               {"Alt+Unload", "unknown key"},
               {"Call insert", "Call takes \"quoted\" arguments"},
               {"Call \"open", "Call takes \"quoted\" arguments"},
               {"Call \"a\"b", "Call takes \"quoted\" arguments"}};
  for (const auto &c : cases) {
    HostKey keys[8];
    char error[KEY_ERROR_SIZE];
    EXPECT_EQ(ParseKeyScript(c.Script, keys, 8, error, sizeof error), -1) << c.Script;
    EXPECT_EQ(std::string(error).rfind(c.Error, 0), 0u) << c.Script << ": got " << error;
  }
  HostKey keys[3];
  char error[KEY_ERROR_SIZE];
  EXPECT_EQ(ParseKeyScript("abcd", keys, 3, error, sizeof error), -1)
      << "four keys do not fit three places";
  EXPECT_EQ(ParseKeyScript("F1 F2 F3 F4", keys, 3, error, sizeof error), -1);
}

} // namespace
