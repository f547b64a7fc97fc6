// Another program holding the clipboard open. Under Windows that program is
// a second copy of this test executable running only the holder test below;
// natively the subset's stand-in plays it. Both must behave alike: this is
// what shows the stand-in matches Wine.
#include <stdlib.h>
#include <string.h>

#include <string>

#include "test_scratch.h"
#ifndef _WIN32
#include "winsubset_control.h"
#endif

namespace {

const char *HolderVariable = "HORALIS_TEST_CLIPBOARD_HOLDER";

#ifdef _WIN32
struct Holder {
  HANDLE ready = NULL;
  HANDLE release = NULL;
  PROCESS_INFORMATION process = {};
};

bool StartHolder(Holder *holder) {
  std::string id = std::to_string(GetCurrentProcessId());
  holder->ready = CreateEventA(NULL, TRUE, FALSE, ("HoralisHolderReady" + id).c_str());
  holder->release = CreateEventA(NULL, TRUE, FALSE, ("HoralisHolderRelease" + id).c_str());
  char program[MAX_PATH];
  GetModuleFileNameA(NULL, program, sizeof program);
  std::string command =
      std::string("\"") + program + "\" --gtest_filter=ClipboardHolder.HoldsTheClipboard";
  SetEnvironmentVariableA(HolderVariable, id.c_str());
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES; // none: its report would mix into ours
  BOOL started = CreateProcessA(NULL, &command[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup,
                                &holder->process);
  SetEnvironmentVariableA(HolderVariable, NULL);
  return started && WaitForSingleObject(holder->ready, 30000) == WAIT_OBJECT_0;
}

void StopHolder(Holder *holder) {
  SetEvent(holder->release);
  WaitForSingleObject(holder->process.hProcess, 30000);
  CloseHandle(holder->process.hProcess);
  CloseHandle(holder->process.hThread);
  CloseHandle(holder->ready);
  CloseHandle(holder->release);
}
#else
struct Holder {};
bool StartHolder(Holder *) {
  WinSubset_HoldClipboard(1);
  return true;
}
void StopHolder(Holder *) { WinSubset_HoldClipboard(0); }
#endif

} // namespace

// The holder's side, run only in the holder process.
TEST(ClipboardHolder, HoldsTheClipboard) {
  const char *id = getenv(HolderVariable);
  if (!id)
    GTEST_SKIP() << "runs only as the holder process of the held-clipboard tests";
#ifdef _WIN32
  HANDLE ready =
      OpenEventA(EVENT_ALL_ACCESS, FALSE, (std::string("HoralisHolderReady") + id).c_str());
  HANDLE release =
      OpenEventA(EVENT_ALL_ACCESS, FALSE, (std::string("HoralisHolderRelease") + id).c_str());
  ASSERT_TRUE(OpenClipboard(NULL)) << "the holder opens the clipboard";
  SetEvent(ready);
  WaitForSingleObject(release, 30000);
  CloseClipboard();
#endif
}

TEST_F(ClipboardTest, AClipboardHeldElsewhereCanStillBeOpenedAndFilled) {
  Holder holder;
  ASSERT_TRUE(StartHolder(&holder)) << "another program holds the clipboard";
  EXPECT_TRUE(OpenClipboard(NULL)) << "opening takes the clipboard over";
  EXPECT_TRUE(EmptyClipboard()) << "it can be emptied";
  HGLOBAL block = NewTextBlock("taken over");
  EXPECT_EQ(block, SetClipboardData(CF_TEXT, block)) << "and filled";
  EXPECT_TRUE(CloseClipboard()) << "and closed";
  StopHolder(&holder);
  ASSERT_TRUE(OpenClipboard(NULL));
  EXPECT_EQ("taken over", ClipboardText()) << "the text stays after the holder is gone";
  CloseClipboard();
}

TEST_F(ClipboardTest, AHolderThatOpensAfterUsLeavesOnlySetClipboardDataWorking) {
  ASSERT_TRUE(OpenClipboard(NULL));
  Holder holder;
  ASSERT_TRUE(StartHolder(&holder)) << "another program opens the clipboard after us";
  SetLastError(0);
  EXPECT_FALSE(EmptyClipboard()) << "the clipboard is no longer ours to empty";
  EXPECT_EQ((DWORD)ERROR_CLIPBOARD_NOT_OPEN, GetLastError());
  HGLOBAL block = NewTextBlock("still accepted");
  EXPECT_EQ(block, SetClipboardData(CF_TEXT, block)) << "but it still takes data";
  SetLastError(0);
  EXPECT_EQ(nullptr, GetClipboardData(CF_TEXT)) << "not ours to read";
  EXPECT_EQ((DWORD)ERROR_CLIPBOARD_NOT_OPEN, GetLastError());
  EXPECT_FALSE(CloseClipboard()) << "nor to close";
  StopHolder(&holder);
  SetLastError(0);
  EXPECT_EQ(nullptr, SetClipboardData(CF_TEXT, NewTextBlock("late")))
      << "once the holder has closed it, the clipboard is closed for us too";
  EXPECT_EQ((DWORD)ERROR_CLIPBOARD_NOT_OPEN, GetLastError());
  ASSERT_TRUE(OpenClipboard(NULL));
  EXPECT_EQ("still accepted", ClipboardText()) << "what was set while held stays";
  CloseClipboard();
}
