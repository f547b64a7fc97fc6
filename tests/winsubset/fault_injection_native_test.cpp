// Armed faults make exactly the named function fail, as often as asked.
#include <functional>
#include <string>
#include <vector>

#include <process.h>

#include "native_fixture.h"

namespace {

struct FallibleCall {
  const char *name;
  std::function<bool()> succeeds; // runs the call; true when it worked
  bool registry;                  // returns its error instead of setting it
};

COORD Origin() {
  COORD origin = {0, 0};
  return origin;
}

void __cdecl DoNothing(void *) {}

std::vector<FallibleCall> FallibleCalls() {
  static char text[16];
  static WORD attributes[4];
  static DWORD count;
  HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
  auto reg = [](LSTATUS status) { return status == ERROR_SUCCESS; };
  return {
      {"RegCreateKeyExA",
       [=] {
         HKEY key;
         return reg(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\F", 0, NULL, 0, KEY_ALL_ACCESS,
                                    NULL, &key, NULL));
       },
       true},
      {"RegOpenKeyExA",
       [=] {
         HKEY key;
         return reg(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &key));
       },
       true},
      {"RegSetValueExA",
       [=] { return reg(RegSetValueExA(HKEY_CURRENT_USER, "v", 0, REG_SZ, (BYTE *)"x", 2)); },
       true},
      {"RegQueryValueExA",
       [=] { return reg(RegQueryValueExA(HKEY_CURRENT_USER, "v", NULL, NULL, NULL, NULL)); }, true},
      {"RegDeleteValueA", [=] { return reg(RegDeleteValueA(HKEY_CURRENT_USER, "v")); }, true},
      {"RegDeleteKeyA", [=] { return reg(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\F")); }, true},
      {"RegEnumKeyExA",
       [=] {
         DWORD size = sizeof text;
         return reg(RegEnumKeyExA(HKEY_CURRENT_USER, 0, text, &size, NULL, NULL, NULL, NULL));
       },
       true},
      {"RegCloseKey", [=] { return reg(RegCloseKey(HKEY_CURRENT_USER)); }, true},
      {"OpenClipboard", [] { return OpenClipboard(NULL) != FALSE; }, false},
      {"EmptyClipboard", [] { return EmptyClipboard() != FALSE; }, false},
      {"SetClipboardData",
       [] { return SetClipboardData(CF_TEXT, GlobalAlloc(GMEM_MOVEABLE, 4)) != NULL; }, false},
      {"GetClipboardData", [] { return GetClipboardData(CF_TEXT) != NULL; }, false},
      {"CloseClipboard", [] { return CloseClipboard() != FALSE; }, false},
      {"GlobalAlloc",
       [] {
         HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
         return block && GlobalFree(block) == NULL;
       },
       false},
      {"GlobalLock", [] { return GlobalLock(GlobalAlloc(GMEM_FIXED, 4)) != NULL; }, false},
      {"LoadLibraryA", [] { return LoadLibraryA("libm.so.6") != NULL; }, false},
      {"GetProcAddress", [] { return GetProcAddress(LoadLibraryA("libm.so.6"), "cos") != NULL; },
       false},
      {"GetModuleFileNameA", [] { return GetModuleFileNameA(NULL, text, sizeof text) > 0; }, false},
      {"OemToCharA", [] { return OemToCharA("a", text) != FALSE; }, false},
      {"CharToOemA", [] { return CharToOemA("a", text) != FALSE; }, false},
      {"GetStdHandle", [] { return GetStdHandle(STD_OUTPUT_HANDLE) != INVALID_HANDLE_VALUE; },
       false},
      {"GetConsoleScreenBufferInfo",
       [=] {
         CONSOLE_SCREEN_BUFFER_INFO info;
         return GetConsoleScreenBufferInfo(console, &info) != FALSE;
       },
       false},
      {"GetConsoleTitleA",
       [] {
         SetConsoleTitleA("t");
         return GetConsoleTitleA(text, sizeof text) > 0;
       },
       false},
      {"SetConsoleTitleA", [] { return SetConsoleTitleA("t") != FALSE; }, false},
      {"ReadConsoleOutputCharacterA",
       [=] { return ReadConsoleOutputCharacterA(console, text, 1, Origin(), &count) != FALSE; },
       false},
      {"ReadConsoleOutputAttribute",
       [=] { return ReadConsoleOutputAttribute(console, attributes, 1, Origin(), &count) != 0; },
       false},
      {"WriteConsoleOutputCharacterA",
       [=] { return WriteConsoleOutputCharacterA(console, "a", 1, Origin(), &count) != FALSE; },
       false},
      {"WriteConsoleOutputAttribute",
       [=] { return WriteConsoleOutputAttribute(console, attributes, 1, Origin(), &count) != 0; },
       false},
      {"FillConsoleOutputAttribute",
       [=] { return FillConsoleOutputAttribute(console, 7, 1, Origin(), &count) != FALSE; }, false},
      {"GetConsoleOutputCP", [] { return GetConsoleOutputCP() != 0; }, false},
      {"SetConsoleOutputCP", [] { return SetConsoleOutputCP(1251) != FALSE; }, false},
      {"_beginthread", [] { return _beginthread(DoNothing, 0, NULL) != (uintptr_t)-1; }, false},
  };
}

} // namespace

class FaultInjectionTest : public FreshSubsetTest {};

// What every call in the table needs to be able to succeed.
static void PrepareForAnyCall() {
  OpenClipboard(NULL);
  SetClipboardData(CF_TEXT, GlobalAlloc(GMEM_MOVEABLE, 4));
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\F", 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key,
                      NULL) == ERROR_SUCCESS)
    RegCloseKey(key);
  RegSetValueExA(HKEY_CURRENT_USER, "v", 0, REG_SZ, (BYTE *)"x", 2);
}

TEST_F(FaultInjectionTest, EachFallibleCallFailsOnceWithTheArmedError) {
  for (const FallibleCall &call : FallibleCalls()) {
    WinSubset_Reset();
    PrepareForAnyCall();
    ASSERT_TRUE(call.succeeds()) << call.name << " works unarmed";
    PrepareForAnyCall();
    WinSubset_FailCall(call.name, 1234, 1);
    SetLastError(0);
    EXPECT_FALSE(call.succeeds()) << call.name << " fails when armed";
    if (!call.registry) {
      EXPECT_EQ(1234u, GetLastError()) << call.name << " sets the armed error";
    }
    PrepareForAnyCall();
    EXPECT_TRUE(call.succeeds()) << call.name << " works again after one failure";
  }
}

TEST_F(FaultInjectionTest, RegistryCallsReturnTheArmedError) {
  WinSubset_FailCall("RegOpenKeyExA", ERROR_ACCESS_DENIED, 1);
  HKEY key = (HKEY)(uintptr_t)0x1;
  EXPECT_EQ(ERROR_ACCESS_DENIED, RegOpenKeyExA(HKEY_CURRENT_USER, "", 0, KEY_READ, &key));
  EXPECT_EQ(nullptr, key) << "a failed open leaves no handle";
}

TEST_F(FaultInjectionTest, CountsRepeatPersistAndClear) {
  WinSubset_FailCall("OpenClipboard", 5, 2);
  EXPECT_FALSE(OpenClipboard(NULL)) << "first of two";
  EXPECT_FALSE(OpenClipboard(NULL)) << "second of two";
  EXPECT_TRUE(OpenClipboard(NULL)) << "then it works";
  CloseClipboard();

  WinSubset_FailCall("OpenClipboard", 5, -1);
  for (int i = 0; i < 5; i++)
    EXPECT_FALSE(OpenClipboard(NULL)) << "-1 fails every call, call " << i;
  WinSubset_FailCall("OpenClipboard", 0, 0);
  EXPECT_TRUE(OpenClipboard(NULL)) << "a count of 0 disarms";
  CloseClipboard();

  WinSubset_FailCall("OpenClipboard", 5, -1);
  WinSubset_Reset();
  EXPECT_TRUE(OpenClipboard(NULL)) << "a reset disarms everything";
  CloseClipboard();
}

TEST_F(FaultInjectionTest, TheKthCallFailsAndEveryCallIsCounted) {
  WinSubset_FailNthCall(2, ERROR_ACCESS_DENIED);
  EXPECT_TRUE(OpenClipboard(NULL)) << "the first call goes ahead";
  EXPECT_FALSE(EmptyClipboard()) << "the second call fails";
  EXPECT_EQ(ERROR_ACCESS_DENIED, GetLastError()) << "with the armed error";
  EXPECT_STREQ("EmptyClipboard", WinSubset_FailedCallName()) << "the failed call is named";
  EXPECT_TRUE(CloseClipboard()) << "the third call goes ahead";
  EXPECT_EQ(3, WinSubset_CountedCalls()) << "three fallible calls made";

  WinSubset_FailNthCall(0, ERROR_ACCESS_DENIED);
  HKEY key;
  EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, "", 0, KEY_READ, &key))
      << "k 0 only counts";
  EXPECT_EQ(1, WinSubset_CountedCalls()) << "the count starts again when armed";
  EXPECT_STREQ("", WinSubset_FailedCallName()) << "nothing failed";
  WinSubset_Reset();
  OpenClipboard(NULL);
  EXPECT_EQ(0, WinSubset_CountedCalls()) << "a reset stops the count";
}

TEST_F(FaultInjectionTest, TheRegistryDumpShowsEveryKeyAndValueByteForByte) {
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, "A\\B", 0, NULL, 0, KEY_ALL_ACCESS,
                                           NULL, &key, NULL));
  RegSetValueExA(key, "v", 0, REG_BINARY, (const BYTE *)"\x01\xff", 2);
  RegCloseKey(key);
  char *dump = WinSubset_DumpRegistry();
  EXPECT_STREQ("K \nK A\nK A\\B\nV A\\B\\v 3 01ff\n", dump) << "keys, then values in hex";
  free(dump);
}
