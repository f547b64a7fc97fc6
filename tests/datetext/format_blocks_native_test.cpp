// The words of a "%{...}" block: what each kind sets, what is not known,
// and blocks that no "}" closes.
#include <string.h>

#include <string>

#include <gtest/gtest.h>

#include "datetext/format_blocks.h"
#include "support/wide_text.h"

// What a block sets, as one text: "-" for what it leaves alone.
static std::string Described(const char *utf8) {
  FormatBlock block;
  WideText text = Wide(utf8);
  if (!ReadFormatBlock(text.c_str(), &block))
    return "unclosed";
  std::string result = "language ";
  result += block.Language ? Utf8(block.Language, block.LanguageLength) : "-";
  result += ", zone ";
  result += block.Zone ? Utf8(block.Zone, block.ZoneLength) : "-";
  result += ", offset ";
  const DateOffset &o = block.Offset;
  // The sums of an offset beyond any date are of no use.
  result += !block.HasOffset ? "-"
            : o.Beyond       ? "beyond"
                             : std::to_string(o.Months) + "mo " + std::to_string(o.Days) + "d " +
                             std::to_string(o.Seconds) + "s";
  if (block.Unknown)
    result += ", unknown " + Utf8(block.Unknown, block.UnknownLength);
  result += ", then \"" + Utf8(block.End) + "\"";
  return result;
}

struct BlockCase {
  const char *text;
  const char *expected;
};

TEST(FormatBlocks, EachWordSetsItsOwnThing) {
  const BlockCase cases[] = {
      {"%{}%d", "language , zone -, offset -, then \"%d\""},
      {"%{  }", "language , zone -, offset -, then \"\""},
      {"%{ru}%B", "language ru, zone -, offset -, then \"%B\""},
      {"%{de-AT}", "language de-AT, zone -, offset -, then \"\""},
      {"%{en_gb}", "language en_gb, zone -, offset -, then \"\""},
      {"%{es-419}", "language es-419, zone -, offset -, then \"\""},
      {"%{C}", "language C, zone -, offset -, then \"\""},
      {"%{c}", "language c, zone -, offset -, then \"\""},
      {"%{fil}", "language fil, zone -, offset -, then \"\""},
      {"%{@Tokyo}%H", "language -, zone Tokyo, offset -, then \"%H\""},
      {"%{@UTC+5:30}", "language -, zone UTC+5:30, offset -, then \"\""},
      {"%{@local}", "language -, zone local, offset -, then \"\""},
      {"%{ru @Moscow}", "language ru, zone Moscow, offset -, then \"\""},
      {"%{@Tokyo @UTC}", "language -, zone UTC, offset -, then \"\""},
      {"%{ru de}", "language de, zone -, offset -, then \"\""},
      {"%{+14d}Due", "language -, zone -, offset 0mo 14d 0s, then \"Due\""},
      {"%{-1w}", "language -, zone -, offset 0mo -7d 0s, then \"\""},
      {"%{+1w -1d}", "language -, zone -, offset 0mo 6d 0s, then \"\""},
      {"%{+1y -2mo}", "language -, zone -, offset 10mo 0d 0s, then \"\""},
      {"%{+90s +5min -2h}", "language -, zone -, offset 0mo 0d -6810s, then \"\""},
      {"%{+0d}", "language -, zone -, offset 0mo 0d 0s, then \"\""},
      {"%{+9999999y}", "language -, zone -, offset 119999988mo 0d 0s, then \"\""},
      {"%{+9999999h}", "language -, zone -, offset 0mo 0d 35999996400s, then \"\""},
      {"%{-100000s}", "language -, zone -, offset 0mo 0d -100000s, then \"\""},
      {"%{+1500min}", "language -, zone -, offset 0mo 0d 90000s, then \"\""},
      // Sums are exact; a number or a sum far past any date is beyond.
      {"%{+5000000d -4000000d}", "language -, zone -, offset 0mo 1000000d 0s, then \"\""},
      {"%{+12345678y}", "language -, zone -, offset 148148136mo 0d 0s, then \"\""},
      {"%{+999999999999999h -999999999999998h}", "language -, zone -, offset 0mo 0d 3600s, "
                                                 "then \"\""},
      {"%{+999999999999999h +999999999999999h}", "language -, zone -, offset beyond, then \"\""},
      {"%{+1000000000000000s}", "language -, zone -, offset beyond, then \"\""},
      {"%{-999999999999999999999999999999d}", "language -, zone -, offset beyond, then \"\""},
      {"%{+999999999999999h +999999999999999h -999999999999999h}",
       "language -, zone -, offset beyond, then \"\""},
      {"%{\t@Tokyo\t+1d  ru\t}x", "language ru, zone Tokyo, offset 0mo 1d 0s, then \"x\""},
      // Words of any script, read from the wide text as they stand.
      {"%{@Москва}%B 東京", "language -, zone Москва, offset -, then \"%B 東京\""},
      {"%{@東京 ja}", "language ja, zone 東京, offset -, then \"\""},
  };
  for (const BlockCase &c : cases)
    EXPECT_EQ(c.expected, Described(c.text)) << c.text;
}

TEST(FormatBlocks, AWordItDoesNotKnowChangesNothingAndIsNamed) {
  const BlockCase cases[] = {
      {"%{tokyo}", "language -, zone -, offset -, unknown tokyo, then \"\""},
      {"%{+1}", "language -, zone -, offset -, unknown +1, then \"\""},
      {"%{+d}", "language -, zone -, offset -, unknown +d, then \"\""},
      {"%{1d}", "language -, zone -, offset -, unknown 1d, then \"\""},
      {"%{+1D}", "language -, zone -, offset -, unknown +1D, then \"\""},
      {"%{+1m}", "language -, zone -, offset -, unknown +1m, then \"\""},
      {"%{+1days}", "language -, zone -, offset -, unknown +1days, then \"\""},
      {"%{@}", "language -, zone -, offset -, unknown @, then \"\""},
      {"%{r}", "language -, zone -, offset -, unknown r, then \"\""},
      {"%{de-}", "language -, zone -, offset -, unknown de-, then \"\""},
      {"%{de-AT-x}", "language -, zone -, offset -, unknown de-AT-x, then \"\""},
      {"%{x1 y2 +1d}", "language -, zone -, offset 0mo 1d 0s, unknown x1, then \"\""},
      {"%{日本}", "language -, zone -, offset -, unknown 日本, then \"\""},
      {"%{ру}", "language -, zone -, offset -, unknown ру, then \"\""},
  };
  for (const BlockCase &c : cases)
    EXPECT_EQ(c.expected, Described(c.text)) << c.text;
}

TEST(FormatBlocks, ABlockNoBraceClosesIsNoBlock) {
  const char *const texts[] = {"%{",         "%{ru",     "%{ru %d",   "%{@Tokyo %H:%M",
                               "%{+1d\n",    "%{ru %d}", "%{ru\n}%d", "%{ru %d, %{de}%B",
                               "%{@Tokyo %}"};
  for (const char *text : texts)
    EXPECT_EQ("unclosed", Described(text)) << text;
  // The first "}" closes it, wherever it stands.
  EXPECT_EQ("language ru, zone -, offset -, then \"}\"", Described("%{ru}}"));
  EXPECT_EQ("language -, zone -, offset -, unknown {ru, then \"\"", Described("%{{ru}"));
}
