/* The calendar as a person uses it in the stand-in: the real Horalis.dll
   and Dialog.gen, moved through with the keyboard. */
#include "e2e_support.h"
#include "farhost_run.h"

#include <string>
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

int DaysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return days[month - 1] + (month == 2 && leap);
}

std::string DayText(int day, int month, int year) {
  char text[16];
  snprintf(text, sizeof text, "%02d.%02d.%04d", day % 100, month % 100, year % 10000);
  return text;
}

/* Today's cell has the focus; the cells of the month before it and the
   controls above the grid come first in the Tab order, ">" last of them. */
TEST(Calendar, FromTheEditorStepAMonthAndPickADay) {
  TestRootKey root("calendar_editor");
  root.SetString("Format11", "Format", "[%d.%m.%Y]");
  root.SetDword("Format11", "Mode", 0x10000); /* at the cursor */
  std::string file = WriteWorkFile("calendar_editor.txt", "Due: \n");
  SYSTEMTIME now;
  GetLocalTime(&now);
  int year = now.wMonth == 12 ? now.wYear + 1 : now.wYear, month = now.wMonth % 12 + 1;
  /* In the next month the remembered day keeps the focus; when that month
     is too short for it, its cell is grey and the first control has it. */
  std::string toFirstDay =
      now.wDay <= DaysInMonth(year, month) ? Repeat("Shift+Tab", now.wDay - 1) : Repeat("Tab", 6);
  std::string keys =
      OpenCalendar + Repeat("Shift+Tab", now.wDay) + "Enter Dump " + toFirstDay + "Enter";
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

} // namespace
