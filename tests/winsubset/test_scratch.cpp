#include "test_scratch.h"

#include <string.h>

bool DeleteKeyTree(HKEY parent, const std::string &path) {
  HKEY key;
  if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
    return true;
  char name[300];
  for (;;) {
    DWORD length = sizeof name;
    if (RegEnumKeyExA(key, 0, name, &length, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
      break;
    if (!DeleteKeyTree(key, name))
      break;
  }
  RegCloseKey(key);
  return RegDeleteKeyA(parent, path.c_str()) == ERROR_SUCCESS;
}

void RegistryTest::SetUp() {
  const testing::TestInfo *test = testing::UnitTest::GetInstance()->current_test_info();
  path = std::string("Software\\HoralisTests\\WinSubset\\") + test->name();
  DeleteKeyTree(HKEY_CURRENT_USER, path);
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, NULL, 0,
                                           KEY_ALL_ACCESS, NULL, &key, NULL))
      << "the scratch key can be made";
}

void RegistryTest::TearDown() {
  RegCloseKey(key);
  EXPECT_TRUE(DeleteKeyTree(HKEY_CURRENT_USER, path)) << "the scratch key is removed";
  DeleteKeyTree(HKEY_CURRENT_USER, "Software\\HoralisTests\\WinSubset");
}

void ConsoleTest::SetUp() {
  previousStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
#ifdef _WIN32
  auto IsConsole = [](HANDLE handle) {
    CONSOLE_SCREEN_BUFFER_INFO info;
    return handle && handle != INVALID_HANDLE_VALUE && GetConsoleScreenBufferInfo(handle, &info);
  };
  if (!IsConsole(previousStdOutput)) {
    HANDLE console = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
    if (console == INVALID_HANDLE_VALUE && AllocConsole()) {
      allocatedConsole = true;
      console = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
    }
    ASSERT_NE(INVALID_HANDLE_VALUE, console)
        << "a console is reachable (under Wine only with a terminal: see scripts/wine-run)";
    openedConsole = console;
    SetStdHandle(STD_OUTPUT_HANDLE, console);
  }
#endif
  output = GetStdHandle(STD_OUTPUT_HANDLE);
  CONSOLE_SCREEN_BUFFER_INFO info;
  ASSERT_TRUE(GetConsoleScreenBufferInfo(output, &info)) << "the standard output is a console";
  width = info.dwSize.X;
  height = info.dwSize.Y;
  previousCodePage = GetConsoleOutputCP();
  GetConsoleTitleA(previousTitle, sizeof previousTitle);
}

void ConsoleTest::TearDown() {
  if (previousCodePage)
    SetConsoleOutputCP(previousCodePage);
  SetConsoleTitleA(previousTitle);
#ifdef _WIN32
  SetStdHandle(STD_OUTPUT_HANDLE, previousStdOutput);
  if (openedConsole)
    CloseHandle(openedConsole);
  if (allocatedConsole)
    FreeConsole();
#endif
}

HGLOBAL NewTextBlock(const char *text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
  if (block) {
    strcpy((char *)GlobalLock(block), text);
    GlobalUnlock(block);
  }
  return block;
}

void ClipboardTest::SetUp() {
  ASSERT_TRUE(OpenClipboard(NULL)) << "the clipboard opens";
  ASSERT_TRUE(EmptyClipboard()) << "the clipboard empties";
  ASSERT_TRUE(CloseClipboard()) << "the clipboard closes";
}

void ClipboardTest::TearDown() {
  while (CloseClipboard()) {
  }
}

std::string ClipboardText() {
  HANDLE data = GetClipboardData(CF_TEXT);
  if (!data)
    return "(none)";
  std::string text = (const char *)GlobalLock(data);
  GlobalUnlock(data);
  return text;
}
