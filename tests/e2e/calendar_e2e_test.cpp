/* The calendar as a person uses it in the stand-in: the real Horalis.dll
   and Dialog.gen, moved through with the keyboard. */
#include "e2e_support.h"
#include "farhost_run.h"

#include <stdlib.h>

#include <string>
#include <vector>
#include <windows.h>

#include <gtest/gtest.h>

namespace {

/* Main menu, fourth entry. */
const std::string OpenCalendar = "F11 Enter Down Down Down Enter ";

std::string Repeat(const std::string &key, int times) {
  std::string keys;
  for (int i = 0; i < times; i++)
    keys += key + " ";
  return keys;
}

std::string DayText(int day, int month, int year) {
  char text[16];
  snprintf(text, sizeof text, "%02d.%02d.%04d", day % 100, month % 100, year % 10000);
  return text;
}

/* ">" steps to the next month and keeps the focus; Tab from there is the
   first day of that month. */
TEST(Calendar, FromTheEditorStepAMonthAndPickADay) {
  TestRootKey root("calendar_editor");
  root.SetString("Format11", "Format", "[%d.%m.%Y]");
  root.SetDword("Format11", "Mode", 0x10000); /* at the cursor */
  std::string file = WriteWorkFile("calendar_editor.txt", "Due: \n");
  SYSTEMTIME now;
  GetLocalTime(&now);
  int year = now.wMonth == 12 ? now.wYear + 1 : now.wYear, month = now.wMonth % 12 + 1;
  std::string keys = OpenCalendar + "> Dump Tab Enter";
  FarhostRun run =
      RunFarhost("calendar_editor", "--from editor --file \"" + file + "\" --keys \"End " + keys +
                                        "\" " + root.Option());
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  EXPECT_EQ(run.Editor, "Due: [" + DayText(1, month, year) + "]\\n") << keys << "\n" << run.Log;
  EXPECT_NE(run.Output.find(Message("Eng", 35 + month)), std::string::npos)
      << "the next month's name\n"
      << run.Output;
  EXPECT_NE(run.Output.find(" " + std::to_string(year) + " "), std::string::npos) << run.Output;
}

TEST(Calendar, FromThePanelsOntoTheClipboardInRussian) {
  TestRootKey root("calendar_clipboard");
  root.SetString("Format11", "Format", "%d.%m.%Y");
  root.SetDword("Format11", "Mode", 0); /* the clipboard */
  SYSTEMTIME now;
  GetLocalTime(&now);
  FarhostRun run =
      RunFarhost("calendar_clipboard", "--lang Rus --clipboard before --keys \"" + OpenCalendar +
                                           "Dump Enter\" " + root.Option());
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  EXPECT_EQ(run.Clipboard, DayText(now.wDay, now.wMonth, now.wYear)) << "today\n" << run.Log;
  EXPECT_EQ(run.Cmdline, "");
  EXPECT_NE(run.Output.find(Message("Rus", 35 + now.wMonth)), std::string::npos)
      << "the month's Russian name\n"
      << run.Output;
}

TEST(Calendar, EscClosesWithoutDelivering) {
  TestRootKey root("calendar_esc");
  root.SetString("Format11", "Format", "%d.%m.%Y");
  root.SetDword("Format11", "Mode", 0x10000);
  FarhostRun run = RunFarhost("calendar_esc", "--clipboard before --keys \"ab " + OpenCalendar +
                                                  "Esc\" " + root.Option());
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  EXPECT_EQ(run.Cmdline, "ab") << run.Log;
  EXPECT_EQ(run.Clipboard, "before");
  EXPECT_NE(run.Log.find("Dialog plugin=0"), std::string::npos) << "the calendar was shown";
}

/* The year and month a screen's calendar shows. */
bool Shows(const std::string &screen, int year, int month, const char *language = "Eng") {
  return screen.find(" " + std::to_string(year) + " ") != std::string::npos &&
         screen.find(Message(language, 35 + month)) != std::string::npos;
}

/* Empties the year picker's field. */
const std::string ClearYear = "End " + Repeat("BS", 6);

struct StepCase {
  const char *keys;
  int months; /* from today's month */
};

/* Each step's key steps once and leaves the focus on its button, so that
   Enter steps again. */
TEST(Calendar, EachStepsKeyStepsOnceAndEnterRepeatsIt) {
  const StepCase steps[] = {{">", 1}, {"Enter", 2}, {"<", 1}, {"+", 13}, {"-", 1}, {"Enter", -11}};
  std::string keys = OpenCalendar;
  for (const StepCase &step : steps)
    keys += std::string(step.keys) + " Dump ";
  SYSTEMTIME now;
  GetLocalTime(&now);
  FarhostRun run = RunFarhost("calendar_steps", "--keys \"" + keys + "Esc\"");
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  std::vector<std::string> screens = Screens(run);
  ASSERT_EQ(screens.size(), sizeof steps / sizeof *steps) << run.Output;
  for (size_t i = 0; i < screens.size(); i++) {
    int months = now.wYear * 12 + now.wMonth - 1 + steps[i].months;
    EXPECT_TRUE(Shows(screens[i], months / 12, months % 12 + 1))
        << "after " << steps[i].keys << ", step " << i << "\n"
        << screens[i];
  }
}

/* 1601 and 9999 are shown as typed; a step past them stays, with a note.
   A year past them, or no number, gets its note and then the picker back
   as typed, the focus on the field, to be mended there. */
TEST(Calendar, TypedYearsReachBothEndsAndNoFurther) {
  std::string keys = OpenCalendar + "- Tab Enter " + ClearYear + " 1601 Enter Dump - Dump Enter " +
                     "Tab Enter " + ClearYear + " 10000 Enter Dump Enter Dump " + ClearYear +
                     " abc Enter Dump Enter Dump " + ClearYear + " 9999 Enter Dump Esc";
  SYSTEMTIME now;
  GetLocalTime(&now);
  for (const char *language : {"Eng", "Rus"}) {
    SCOPED_TRACE(language);
    FarhostRun run =
        RunFarhost("calendar_ends", std::string("--lang ") + language + " --keys \"" + keys + "\"");
    ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
    std::vector<std::string> screens = Screens(run);
    ASSERT_EQ(screens.size(), 7u) << run.Output;
    EXPECT_TRUE(Shows(screens[0], 1601, now.wMonth, language)) << screens[0];
    const char *seen[][2] = {{"95", ""}, {"95", ""}, {"68", "10000"}, {"200", ""}, {"68", "abc"}};
    for (int i = 0; i < 5; i++) {
      EXPECT_NE(screens[i + 1].find(Message(language, atoi(seen[i][0]))), std::string::npos)
          << "message " << seen[i][0] << "\n"
          << screens[i + 1];
      EXPECT_NE(screens[i + 1].find(seen[i][1]), std::string::npos) << screens[i + 1];
    }
    EXPECT_TRUE(Shows(screens[6], 9999, now.wMonth, language)) << screens[6];
  }
}

struct FirstPickCase {
  const char *language, *format;
};

/* With no format set, picking a day offers the settings with the
   language's format; Enter accepts them and the day is delivered. */
TEST(Calendar, AFirstPickOffersTheSettingsThenDelivers) {
  const FirstPickCase cases[] = {{"Eng", "%Y-%m-%d"}, {"Rus", "%d.%m.%Y"}};
  for (const FirstPickCase &c : cases) {
    SCOPED_TRACE(c.language);
    TestRootKey root(std::string("calendar_first_") + c.language);
    std::string file = WriteWorkFile("calendar_first.txt", "Due: \n");
    DateWindow date(c.format);
    FarhostRun run =
        RunFarhost("calendar_first", std::string("--lang ") + c.language +
                                         " --from editor --file \"" + file + "\" --keys \"End " +
                                         OpenCalendar + "Enter Dump Enter\" " + root.Option());
    date.Close();
    ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
    EXPECT_TRUE(HasDate(run.Editor, "Due: <date>\n", date)) << run.Log;
    std::vector<std::string> screens = Screens(run);
    ASSERT_EQ(screens.size(), 1u) << run.Output;
    EXPECT_NE(screens[0].find(c.format), std::string::npos) << "the format offered\n" << screens[0];
    EXPECT_EQ(root.GetString("Format11", "Format"), c.format) << "kept for the next pick";
  }
}

/* December 2026 starts in week 49 and ends in week 53; its grid's last row
   is week 1 of 2027. */
TEST(Calendar, WeekNumbersOfDecember2026) {
  TestRootKey root("calendar_weeks");
  root.SetString("Format11", "Format", "%d.%m.%Y");
  root.SetDword("Format11", "Mode", 0x1000000); /* week numbers, to the clipboard */
  SYSTEMTIME now;
  GetLocalTime(&now);
  std::string keys = OpenCalendar + "- Tab Enter " + ClearYear + " 2026 Enter " +
                     Repeat(">", 12 - now.wMonth) + "Dump Esc";
  FarhostRun run = RunFarhost("calendar_weeks", "--keys \"" + keys + "\" " + root.Option());
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  std::vector<std::string> screens = Screens(run);
  ASSERT_EQ(screens.size(), 1u) << run.Output;
  ASSERT_TRUE(Shows(screens[0], 2026, 12)) << screens[0];
  std::string heading = Message("Eng", 96);
  size_t at = screens[0].find(heading), lineStart = screens[0].rfind('\n', at) + 1;
  ASSERT_NE(at, std::string::npos) << screens[0];
  std::string column;
  for (size_t line = screens[0].find('\n', at) + 1; column.size() < 6 * 3;
       line = screens[0].find('\n', line) + 1)
    column += screens[0].substr(line + (at - lineStart), 2) + " ";
  EXPECT_EQ(column, "49 50 51 52 53  1 ") << screens[0];
}

} // namespace

namespace {

/* The columns where each run of digits in line ends. */
std::vector<size_t> NumberEnds(const std::string &line) {
  std::vector<size_t> ends;
  for (size_t i = 0; i < line.size(); i++)
    if (isdigit((unsigned char)line[i]) &&
        (i + 1 == line.size() || !isdigit((unsigned char)line[i + 1])))
      ends.push_back(i);
  return ends;
}

/* December 2026's grid holds the 30th of November and January's first ten
   days, grey plain texts beside the month's own days: every number ends
   under the first letter of its weekday's heading, as the host draws it. */
TEST(Calendar, EveryCellStandsUnderItsWeekday) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  std::string keys = OpenCalendar + "- Tab Enter " + ClearYear + " 2026 Enter " +
                     Repeat(">", 12 - now.wMonth) + "Dump Esc";
  for (const char *language : {"Eng", "Rus"}) {
    SCOPED_TRACE(language);
    FarhostRun run = RunFarhost(std::string("calendar_columns_") + language,
                                std::string("--lang ") + language + " --keys \"" + keys + "\"");
    ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
    std::vector<std::string> screens = Screens(run);
    ASSERT_EQ(screens.size(), 1u) << run.Output;
    const std::string &screen = screens[0];
    ASSERT_TRUE(Shows(screen, 2026, 12, language)) << screen;
    size_t heading = screen.find(Message(language, 48));
    ASSERT_NE(heading, std::string::npos) << screen;
    size_t lineStart = screen.rfind('\n', heading) + 1;
    std::vector<size_t> columns;
    for (int day = 0; day < 7; day++)
      columns.push_back(screen.find(Message(language, 48 + day), heading) - lineStart);
    size_t line = screen.find('\n', heading) + 1;
    const char *first[] = {"30", "7", "14", "21", "28", "4"};
    for (int row = 0; row < 6; row++, line = screen.find('\n', line) + 1) {
      // The grid's part of the line, from the box's side to past Sunday.
      std::string text = screen.substr(line, columns[6] + 4);
      text.replace(0, columns[0] - 5, columns[0] - 5, ' ');
      EXPECT_EQ(NumberEnds(text), columns) << "row " << row << "\n" << screen;
      EXPECT_EQ(text.substr(columns[0] + 1 - strlen(first[row]), strlen(first[row])), first[row])
          << "row " << row << "\n"
          << screen;
    }
  }
}

} // namespace
