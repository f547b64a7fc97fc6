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

static void PutClipboardText(const char *text) {
  ASSERT_TRUE(OpenClipboard(NULL)) << "the test takes the clipboard";
  EmptyClipboard();
  size_t size = strlen(text) + 1;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  memcpy(GlobalLock(block), text, size);
  GlobalUnlock(block);
  if (!SetClipboardData(CF_TEXT, block))
    GlobalFree(block);
  CloseClipboard();
}

TEST(PutDateExample, TheExpansionArrivesOnTheClipboard) {
  PutClipboardText("before");
  SYSTEMTIME now;
  GetLocalTime(&now);
  ASSERT_EQ(0u, RunExample("\"" SHIPPED_DLL "\" \"Year %Y\"")) << "the example ran";
  EXPECT_EQ("Year " + std::to_string(now.wYear), ClipboardText())
      << "the expansion for now, put there by the shipped DLL";
}

TEST(PutDateExample, WithoutHoralisItFailsAndLeavesTheClipboard) {
  PutClipboardText("before");
  EXPECT_EQ(1u, RunExample("\"Z:\\\\nowhere\\\\Horalis.dll\" \"%Y\"")) << "exit code 1";
  EXPECT_EQ("before", ClipboardText()) << "the clipboard untouched";
}
