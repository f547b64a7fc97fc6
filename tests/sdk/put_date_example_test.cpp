// The example module of horalis.h, run as another program would: it loads
// the shipped Horalis.dll, calls PutHoralis, and the text is on the
// clipboard afterwards.
#include <gtest/gtest.h>

#include <string>

#include <windows.h>

#include "support/clipboard_text.h"

static DWORD RunExample(const std::string &arguments) {
  std::string command = "\"" PUT_DATE_EXE "\" " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(NULL, &command[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process))
    return 0xFFFFFFFF;
  WaitForSingleObject(process.hProcess, 30000);
  DWORD code = 0xFFFFFFFF;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

TEST(PutDateExample, TheExpansionArrivesOnTheClipboard) {
  ASSERT_TRUE(PutClipboardText(NULL, "before")) << "the test takes the clipboard";
  SYSTEMTIME now;
  GetLocalTime(&now);
  ASSERT_EQ(0u, RunExample("\"" SHIPPED_DLL "\" \"Year %Y\"")) << "the example ran";
  EXPECT_EQ("Year " + std::to_string(now.wYear), ClipboardText())
      << "the expansion for now, put there by the shipped DLL";
}

TEST(PutDateExample, WithoutHoralisItFailsAndLeavesTheClipboard) {
  ASSERT_TRUE(PutClipboardText(NULL, "before")) << "the test takes the clipboard";
  EXPECT_EQ(1u, RunExample("\"Z:\\\\nowhere\\\\Horalis.dll\" \"%Y\"")) << "exit code 1";
  EXPECT_EQ("before", ClipboardText()) << "the clipboard untouched";
}
