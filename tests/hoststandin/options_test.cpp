#include "host_state.h"
#include "options.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

HostOptions Options; /* large: not on the stack */

int Parse(std::vector<std::string> arguments, std::string *error) {
  arguments.insert(arguments.begin(), "farhost.exe");
  std::vector<const char *> argv;
  for (const std::string &a : arguments)
    argv.push_back(a.c_str());
  char text[300] = "";
  int ok = ParseHostOptions((int)argv.size(), argv.data(), &Options, text, sizeof text);
  *error = text;
  return ok;
}

TEST(HostOptions, DefaultsAreTheHosts) {
  std::string error;
  ASSERT_EQ(Parse({}, &error), 1) << error;
  EXPECT_STREQ(Options.Language, "English");
  EXPECT_STREQ(Options.RootKey, "Software\\Far\\Plugins");
  EXPECT_EQ(Options.StartArea, AREA_PANELS);
  EXPECT_EQ(Options.Scripted, 0) << "interactive without keys";
}

TEST(HostOptions, UnderstoodArguments) {
  std::string error;
  ASSERT_EQ(Parse({"--lang", "Rus", "--from", "viewer", "--keys", "F11 Enter", "--size", "100x30",
                   "--root-key", "Software\\Test", "--no-clipboard-rights", "--dump",
                   "--empty-clipboard", "--scratch-settings", "--own-clipboard"},
                  &error),
            1)
      << error;
  EXPECT_STREQ(Options.Language, "Russian");
  EXPECT_EQ(Options.StartArea, AREA_VIEWER);
  EXPECT_EQ(Options.Scripted, 1);
  EXPECT_STREQ(Options.Keys, "F11 Enter");
  EXPECT_EQ(Options.Width, 100);
  EXPECT_EQ(Options.Height, 30);
  EXPECT_STREQ(Options.RootKey, "Software\\Test");
  EXPECT_EQ(Options.NoClipboardRights, 1);
  EXPECT_EQ(Options.DumpAtEnd, 1);
  EXPECT_EQ(Options.EmptyClipboard, 1);
  EXPECT_EQ(Options.ScratchSettings, 1);
  EXPECT_EQ(Options.OwnClipboard, 1);
}

TEST(HostOptions, RefusedArgumentsSayWhy) {
  const struct {
    std::vector<std::string> Arguments;
    const char *Error;
  } cases[] = {
      {{"--frobnicate"}, "--frobnicate: unknown option"},
      {{"--lang"}, "--lang: unknown option or missing value"},
      {{"--from", "desktop"}, "--from desktop: expected panels, editor or viewer"},
      {{"--size", "80"}, "--size 80: expected WxH"},
      {{"--size", "10x10"}, "--size 10x10: expected WxH"},
      {{"--size", "80x25x"}, "--size 80x25x: expected WxH"},
      {{"--root-key", std::string(300, 'k')}, "--root-key: value too long"},
      {{"--keys-file", "no/such/keys.txt"}, "--keys-file no/such/keys.txt: cannot read it"},
  };
  for (const auto &c : cases) {
    std::string error;
    EXPECT_EQ(Parse(c.Arguments, &error), 0) << c.Arguments[0];
    EXPECT_EQ(error.rfind(c.Error, 0), 0u)
        << "expected \"" << c.Error << "\", got \"" << error << "\"";
  }
}

} // namespace
