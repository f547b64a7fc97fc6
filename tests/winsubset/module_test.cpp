// Module services the dialog library binding uses.
#include <string.h>

#include <string>

#include "test_scratch.h"

namespace {
#ifdef _WIN32
const char *SystemLibrary = "kernel32.dll";
const char *SystemFunction = "GetTickCount";
#else
const char *SystemLibrary = "libm.so.6";
const char *SystemFunction = "cos";
#endif
} // namespace

TEST(Modules, LibrariesLoadAndNameTheirFunctions) {
  HMODULE library = LoadLibraryA(SystemLibrary);
  ASSERT_NE(nullptr, library) << SystemLibrary << " loads";
  EXPECT_NE(nullptr, (void *)GetProcAddress(library, SystemFunction)) << SystemFunction;
  SetLastError(0);
  EXPECT_EQ(nullptr, (void *)GetProcAddress(library, "NoSuchFunctionAnywhere"));
  EXPECT_EQ((DWORD)ERROR_PROC_NOT_FOUND, GetLastError()) << "a missing function";
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(library, path, sizeof path);
  EXPECT_GT(length, 0u) << "a loaded module has a file";
  EXPECT_NE(std::string::npos, std::string(path).find(std::string(SystemLibrary).substr(0, 4)))
      << path;
  EXPECT_TRUE(FreeLibrary(library));
}

// Functions newer than the oldest supported Windows are found at run time.
TEST(Modules, TheSystemModuleNamesItsNewerFunctions) {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  ASSERT_NE(nullptr, kernel) << "kernel32 is always loaded";
  EXPECT_NE(nullptr, (void *)GetProcAddress(kernel, "TzSpecificLocalTimeToSystemTime"));
  SetLastError(0);
  EXPECT_EQ(nullptr, (void *)GetProcAddress(kernel, "NoSuchFunctionAnywhere"));
  EXPECT_EQ((DWORD)ERROR_PROC_NOT_FOUND, GetLastError());
  SetLastError(0);
  EXPECT_EQ(nullptr, GetModuleHandleA("no_such_module.dll")) << "a module never loaded";
  EXPECT_EQ((DWORD)ERROR_MOD_NOT_FOUND, GetLastError());
}

TEST(Modules, MissingLibrariesAndBadHandlesFail) {
  SetLastError(0);
  EXPECT_EQ(nullptr, LoadLibraryA("no-such-library-of-horalis.dll"));
  EXPECT_EQ((DWORD)ERROR_MOD_NOT_FOUND, GetLastError()) << "a missing library";
  SetLastError(0);
  EXPECT_EQ(nullptr, LoadLibraryA(""));
  EXPECT_EQ((DWORD)ERROR_MOD_NOT_FOUND, GetLastError()) << "an empty name";
  SetLastError(0);
  EXPECT_EQ(nullptr, (void *)GetProcAddress((HMODULE)(uintptr_t)0x1234, "x"));
  EXPECT_EQ((DWORD)ERROR_MOD_NOT_FOUND, GetLastError()) << "a made-up module";
  SetLastError(0);
  EXPECT_FALSE(FreeLibrary(NULL));
  EXPECT_EQ((DWORD)ERROR_INVALID_HANDLE, GetLastError()) << "freeing null";
}

TEST(Modules, TheProgramsFileNameIsCutWithoutTerminator) {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(NULL, path, sizeof path);
  ASSERT_GT(length, 5u) << "the program has a file name";
  EXPECT_EQ(strlen(path), length) << "the length without terminator";

  struct Case {
    DWORD size;
    DWORD result;
    bool cut;
  } cases[] = {{length + 1, length, false}, {length, length, true}, {5, 5, true}};
  for (const Case &c : cases) {
    char buffer[MAX_PATH];
    memset(buffer, 'x', sizeof buffer);
    SetLastError(0);
    EXPECT_EQ(c.result, GetModuleFileNameA(NULL, buffer, c.size)) << "a buffer of " << c.size;
    EXPECT_EQ(0, memcmp(path, buffer, c.result)) << "the name's start is copied";
    if (c.cut) {
      EXPECT_EQ((DWORD)ERROR_INSUFFICIENT_BUFFER, GetLastError()) << "a buffer of " << c.size;
      EXPECT_EQ('x', buffer[c.size]) << "nothing past the buffer";
      EXPECT_NE('\0', buffer[c.size - 1]) << "and no terminator in it";
    } else {
      EXPECT_EQ('\0', buffer[c.result]) << "a name that fits is terminated";
    }
  }
  SetLastError(0);
  EXPECT_EQ(0u, GetModuleFileNameA(NULL, path, 0));
  EXPECT_EQ((DWORD)ERROR_INSUFFICIENT_BUFFER, GetLastError()) << "a buffer of 0";
}
