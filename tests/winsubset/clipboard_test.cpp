// The clipboard calls of the plugin's clipboard delivery.
#include <string.h>

#include <thread>

#include "test_scratch.h"

TEST_F(ClipboardTest, EveryCallButOpenNeedsTheClipboardOpen) {
  HGLOBAL block = NewTextBlock("closed");
  SetLastError(0);
  EXPECT_FALSE(EmptyClipboard()) << "EmptyClipboard";
  EXPECT_EQ((DWORD)ERROR_CLIPBOARD_NOT_OPEN, GetLastError());
  SetLastError(0);
  EXPECT_EQ(nullptr, SetClipboardData(CF_TEXT, block)) << "SetClipboardData";
  EXPECT_EQ((DWORD)ERROR_CLIPBOARD_NOT_OPEN, GetLastError());
  SetLastError(0);
  EXPECT_EQ(nullptr, GetClipboardData(CF_TEXT)) << "GetClipboardData";
  EXPECT_EQ((DWORD)ERROR_CLIPBOARD_NOT_OPEN, GetLastError());
  SetLastError(0);
  EXPECT_FALSE(CloseClipboard()) << "CloseClipboard";
  EXPECT_EQ((DWORD)ERROR_CLIPBOARD_NOT_OPEN, GetLastError());
  EXPECT_EQ(nullptr, GlobalFree(block)) << "a refused block stays the caller's";
}

TEST_F(ClipboardTest, TextPutOnTheClipboardStaysThere) {
  ASSERT_TRUE(OpenClipboard(NULL));
  EXPECT_TRUE(OpenClipboard(NULL)) << "opening again in the same thread succeeds";
  ASSERT_TRUE(EmptyClipboard());
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT)) << "nothing after emptying";
  HGLOBAL block = NewTextBlock("Hello");
  EXPECT_EQ(block, SetClipboardData(CF_TEXT, block)) << "the handle given comes back";
  EXPECT_EQ("Hello", ClipboardText()) << "the text reads back while open";
  HGLOBAL replacement = NewTextBlock("Again");
  EXPECT_EQ(replacement, SetClipboardData(CF_TEXT, replacement)) << "text can be replaced";
  ASSERT_TRUE(CloseClipboard());

  EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT)) << "the text is there with the clipboard closed";
  ASSERT_TRUE(OpenClipboard(NULL));
  EXPECT_EQ("Again", ClipboardText()) << "the last text stays";
  CloseClipboard();
}

TEST_F(ClipboardTest, SettingWithoutEmptyingAndAnnouncingWithoutData) {
  ASSERT_TRUE(OpenClipboard(NULL));
  HGLOBAL block = NewTextBlock("no empty");
  EXPECT_EQ(block, SetClipboardData(CF_TEXT, block)) << "EmptyClipboard is not required";
  EXPECT_EQ("no empty", ClipboardText());
  SetLastError(0);
  EXPECT_EQ(nullptr, SetClipboardData(CF_TEXT, NULL)) << "a null handle announces the format";
  EXPECT_EQ(0u, GetLastError()) << "without an error";
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT)) << "the format counts as available";
  EXPECT_EQ(nullptr, GetClipboardData(CF_TEXT)) << "but there is no data";
  CloseClipboard();
}

TEST_F(ClipboardTest, AnOwnerWindowThatDoesNotExistIsRefused) {
  SetLastError(0);
  EXPECT_FALSE(OpenClipboard((HWND)(uintptr_t)0x1234)) << "a made-up window handle";
  EXPECT_EQ((DWORD)ERROR_INVALID_WINDOW_HANDLE, GetLastError());
  EXPECT_FALSE(CloseClipboard()) << "nothing was opened";
}

TEST_F(ClipboardTest, OnlyTheOpeningThreadEmptiesReadsAndCloses) {
  ASSERT_TRUE(OpenClipboard(NULL));
  BOOL emptied = TRUE, closed = TRUE;
  DWORD emptyError = 0, closeError = 0;
  HANDLE set = NULL;
  HGLOBAL block = NewTextBlock("from another thread");
  std::thread other([&] {
    emptied = EmptyClipboard();
    emptyError = GetLastError();
    set = SetClipboardData(CF_TEXT, block);
    closed = CloseClipboard();
    closeError = GetLastError();
  });
  other.join();
  EXPECT_FALSE(emptied) << "another thread cannot empty it";
  EXPECT_EQ((DWORD)ERROR_CLIPBOARD_NOT_OPEN, emptyError);
  EXPECT_EQ(block, set) << "but can put data on it while it is open";
  EXPECT_FALSE(closed) << "nor close it";
  EXPECT_EQ((DWORD)ERROR_CLIPBOARD_NOT_OPEN, closeError);
  EXPECT_EQ("from another thread", ClipboardText());
  EXPECT_TRUE(CloseClipboard()) << "the opening thread closes it";
}
