// The registry calls the settings store makes, with Windows' result codes.
#include <string.h>

#include <string>

#include "test_scratch.h"

namespace {

HKEY Create(HKEY parent, const char *path, DWORD *disposition = NULL) {
  HKEY key = NULL;
  LSTATUS status =
      RegCreateKeyExA(parent, path, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key, disposition);
  return status == ERROR_SUCCESS ? key : NULL;
}

LSTATUS Open(HKEY parent, const char *path, HKEY *key) {
  return RegOpenKeyExA(parent, path, 0, KEY_ALL_ACCESS, key);
}

LSTATUS SetBytes(HKEY key, const char *name, DWORD type, const void *data, DWORD size) {
  return RegSetValueExA(key, name, 0, type, (const BYTE *)data, size);
}

} // namespace

TEST_F(RegistryTest, CreateBuildsTheWholePathAndReportsWhatItFound) {
  DWORD disposition = 0;
  HKEY deep = Create(Key(), "One\\Two\\Three", &disposition);
  ASSERT_NE(nullptr, deep) << "a three-level path is created in one call";
  EXPECT_EQ((DWORD)REG_CREATED_NEW_KEY, disposition) << "a new key is reported as created";

  HKEY again = Create(Key(), "one\\TWO\\three", &disposition);
  ASSERT_NE(nullptr, again) << "the same path in other letter case opens";
  EXPECT_EQ((DWORD)REG_OPENED_EXISTING_KEY, disposition) << "an existing key is reported as opened";
  EXPECT_NE(deep, again) << "each open gets a handle of its own";

  HKEY middle = NULL;
  EXPECT_EQ(ERROR_SUCCESS, Open(Key(), "One\\Two", &middle)) << "intermediate keys exist";
  RegCloseKey(middle);
  RegCloseKey(again);
  RegCloseKey(deep);
}

TEST_F(RegistryTest, OpeningAMissingKeyFailsAndClearsTheHandle) {
  HKEY key = (HKEY)(uintptr_t)0x5555;
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, Open(Key(), "Missing", &key)) << "a missing key is not found";
  EXPECT_EQ(nullptr, key) << "the handle is cleared on failure";
}

TEST_F(RegistryTest, NamesIgnoreLetterCaseCyrillicIncluded) {
  HKEY key = Create(Key(), "\xC0\xE1\xE2"); // "Абв" in 1251
  ASSERT_NE(nullptr, key);
  RegCloseKey(key);
  HKEY other = NULL;
  EXPECT_EQ(ERROR_SUCCESS, Open(Key(), "\xE0\xC1\xC2", &other)) << "\"аБВ\" finds \"Абв\"";
  RegCloseKey(other);

  ASSERT_EQ(ERROR_SUCCESS, SetBytes(Key(), "\xB8Value", REG_SZ, "x", 2)); // "ёValue"
  char data[8];
  DWORD size = sizeof data;
  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(Key(), "\xA8VALUE", NULL, NULL, (BYTE *)data, &size))
      << "value names ignore case too (\"ЁVALUE\" finds \"ёValue\")";
}

TEST_F(RegistryTest, SubkeyPathsAreCheckedBeforeUse) {
  struct Case {
    std::string path;
    LSTATUS expected;
    const char *why;
  } cases[] = {
      {"\\Leading", ERROR_BAD_PATHNAME, "a path may not start with a backslash"},
      {"Trailing\\", ERROR_SUCCESS, "a trailing backslash is ignored"},
      {"Double\\\\Slash", ERROR_SUCCESS, "an empty component is skipped"},
      {std::string(256, 'n'), ERROR_SUCCESS, "a name of 256 characters is allowed"},
      {std::string(257, 'n'), ERROR_INVALID_PARAMETER, "a name of 257 characters is refused"},
      {std::string(200, 'a') + "\\" + std::string(59, 'b'), ERROR_SUCCESS,
       "a path of 260 characters is allowed"},
      {std::string(200, 'a') + "\\" + std::string(60, 'b'), ERROR_MORE_DATA,
       "a path of 261 characters is refused"},
  };
  for (const Case &c : cases) {
    HKEY key = NULL;
    LSTATUS created =
        RegCreateKeyExA(Key(), c.path.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key, NULL);
    EXPECT_EQ(c.expected, created) << c.why << " (create)";
    if (created == ERROR_SUCCESS) {
      RegCloseKey(key);
      EXPECT_EQ(ERROR_SUCCESS, Open(Key(), c.path.c_str(), &key)) << c.why << " (open)";
      RegCloseKey(key);
    } else {
      EXPECT_EQ(c.expected, Open(Key(), c.path.c_str(), &key)) << c.why << " (open)";
    }
  }
  HKEY skipped = NULL;
  EXPECT_EQ(ERROR_SUCCESS, Open(Key(), "Double\\Slash", &skipped))
      << "the doubled backslash made Slash right under Double";
  RegCloseKey(skipped);
}

TEST_F(RegistryTest, DeleteRemovesOnlyLeafKeys) {
  HKEY child = Create(Key(), "Parent\\Child");
  ASSERT_NE(nullptr, child);
  RegCloseKey(child);
  HKEY withValue = Create(Key(), "WithValue");
  ASSERT_NE(nullptr, withValue);
  SetBytes(withValue, "v", REG_DWORD, "\1\0\0\0", 4);
  RegCloseKey(withValue);

  EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteKeyA(Key(), "Parent")) << "a key with subkeys stays";
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteKeyA(Key(), "Nothing")) << "a missing key is not found";
  EXPECT_EQ(ERROR_INVALID_PARAMETER, RegDeleteKeyA(Key(), NULL)) << "a null path is refused";
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteKeyA(Key(), "parent\\child")) << "a leaf goes (any case)";
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteKeyA(Key(), "Parent")) << "then its parent can go";
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteKeyA(Key(), "WithValue")) << "values do not keep a key";
  HKEY gone = NULL;
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, Open(Key(), "WithValue", &gone)) << "a deleted key is gone";

  HKEY self = Create(Key(), "Self");
  ASSERT_NE(nullptr, self);
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteKeyA(self, "")) << "an empty path deletes the key itself";
  RegCloseKey(self);
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, Open(Key(), "Self", &gone));
}

TEST_F(RegistryTest, AHandleToADeletedKeyFailsEveryUse) {
  HKEY stale = Create(Key(), "Doomed");
  ASSERT_NE(nullptr, stale);
  ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyA(Key(), "Doomed")) << "an open key can be deleted";
  HKEY fresh = Create(Key(), "Doomed");
  ASSERT_NE(nullptr, fresh) << "a new key of the same name can be made";

  DWORD size = 4;
  BYTE data[4];
  char name[16];
  DWORD nameSize = sizeof name;
  HKEY sub = NULL;
  EXPECT_EQ(ERROR_KEY_DELETED, SetBytes(stale, "v", REG_DWORD, "\1\0\0\0", 4)) << "set";
  EXPECT_EQ(ERROR_KEY_DELETED, RegQueryValueExA(stale, "v", NULL, NULL, data, &size)) << "query";
  EXPECT_EQ(ERROR_KEY_DELETED, RegDeleteValueA(stale, "v")) << "delete value";
  EXPECT_EQ(ERROR_KEY_DELETED, Open(stale, "x", &sub)) << "open below";
  EXPECT_EQ(ERROR_KEY_DELETED,
            RegCreateKeyExA(stale, "x", 0, NULL, 0, KEY_ALL_ACCESS, NULL, &sub, NULL))
      << "create below";
  EXPECT_EQ(ERROR_KEY_DELETED, RegEnumKeyExA(stale, 0, name, &nameSize, NULL, NULL, NULL, NULL))
      << "enumerate";
  EXPECT_EQ(ERROR_KEY_DELETED, RegDeleteKeyA(stale, "")) << "delete again";
  EXPECT_EQ(ERROR_SUCCESS, SetBytes(fresh, "v", REG_DWORD, "\1\0\0\0", 4))
      << "the new key of the same name is not affected";
  EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(stale)) << "the stale handle still closes";
  EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(stale)) << "but only once";
  RegCloseKey(fresh);
}

TEST_F(RegistryTest, InvalidHandlesAreRefused) {
  HKEY closed = Create(Key(), "Closed");
  ASSERT_NE(nullptr, closed);
  RegCloseKey(closed);
  HKEY handles[] = {NULL, closed};
  for (HKEY handle : handles) {
    const char *which = handle ? "a closed handle" : "a null handle";
    HKEY sub = NULL;
    BYTE data[4];
    DWORD size = sizeof data;
    char name[16];
    DWORD nameSize = sizeof name;
    EXPECT_EQ(ERROR_INVALID_HANDLE,
              RegCreateKeyExA(handle, "x", 0, NULL, 0, KEY_ALL_ACCESS, NULL, &sub, NULL))
        << which;
    EXPECT_EQ(ERROR_INVALID_HANDLE, Open(handle, "x", &sub)) << which;
    EXPECT_EQ(ERROR_INVALID_HANDLE, SetBytes(handle, "v", REG_DWORD, "\1\0\0\0", 4)) << which;
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegQueryValueExA(handle, "v", NULL, NULL, data, &size))
        << which;
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegDeleteValueA(handle, "v")) << which;
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegDeleteKeyA(handle, "x")) << which;
    EXPECT_EQ(ERROR_INVALID_HANDLE,
              RegEnumKeyExA(handle, 0, name, &nameSize, NULL, NULL, NULL, NULL))
        << which;
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(handle)) << which;
  }
}

TEST_F(RegistryTest, ValuesKeepTheirBytesAndType) {
  struct Case {
    const char *name;
    DWORD type;
    const char *data;
    DWORD size;
  } cases[] = {
      {"Text", REG_SZ, "hello", 6},
      {"Number", REG_DWORD, "\x78\x56\x34\x12", 4},
      {"Bytes", REG_BINARY, "\0\1\2\xFF", 4},
      {"Empty", REG_SZ, "", 0},
      {"Inner", REG_SZ, "a\0b", 4},
      {"Odd", 77, "xyz", 3},
      {"", REG_SZ, "default", 8},
  };
  for (const Case &c : cases)
    ASSERT_EQ(ERROR_SUCCESS, SetBytes(Key(), c.name, c.type, c.data, c.size)) << c.name;
  for (const Case &c : cases) {
    BYTE data[16];
    memset(data, 0xCC, sizeof data);
    DWORD size = sizeof data, type = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(Key(), c.name, NULL, &type, data, &size)) << c.name;
    EXPECT_EQ(c.type, type) << c.name << ": the type comes back";
    EXPECT_EQ(c.size, size) << c.name << ": the size comes back";
    EXPECT_EQ(0, memcmp(c.data, data, c.size)) << c.name << ": the bytes come back";
  }
  char text[16];
  DWORD size = sizeof text;
  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(Key(), NULL, NULL, NULL, (BYTE *)text, &size))
      << "a null name is the default value";
  EXPECT_STREQ("default", text);

  ASSERT_EQ(ERROR_SUCCESS, SetBytes(Key(), "TEXT", REG_DWORD, "\1\0\0\0", 4));
  DWORD type = 0;
  size = sizeof text;
  RegQueryValueExA(Key(), "text", NULL, &type, (BYTE *)text, &size);
  EXPECT_EQ((DWORD)REG_DWORD, type) << "setting a value of another case replaces it";
  EXPECT_EQ(4u, size);
  EXPECT_EQ(ERROR_NOACCESS, SetBytes(Key(), "Null", REG_BINARY, NULL, 4))
      << "a null buffer with a size is refused";
  EXPECT_EQ(ERROR_SUCCESS, SetBytes(Key(), "Null", REG_BINARY, NULL, 0))
      << "a null buffer of size 0 stores an empty value";
}

TEST_F(RegistryTest, QuerySizesFollowWindows) {
  ASSERT_EQ(ERROR_SUCCESS, SetBytes(Key(), "Text", REG_SZ, "hello", 6));
  DWORD size = 0, type = 0;
  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(Key(), "Text", NULL, &type, NULL, &size))
      << "a null buffer asks for the size";
  EXPECT_EQ(6u, size);
  EXPECT_EQ((DWORD)REG_SZ, type);

  BYTE data[8];
  DWORD sizes[] = {0, 3, 5};
  for (DWORD given : sizes) {
    memset(data, 'x', sizeof data);
    size = given;
    type = 0;
    EXPECT_EQ(ERROR_MORE_DATA, RegQueryValueExA(Key(), "Text", NULL, &type, data, &size))
        << "a buffer of " << given << " is too small";
    EXPECT_EQ(6u, size) << "the size needed is reported";
    EXPECT_EQ((DWORD)REG_SZ, type) << "so is the type";
    EXPECT_EQ(0, memcmp("xxxxxxxx", data, 8)) << "the buffer is left as it was";
  }
  size = 8;
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueExA(Key(), "Missing", NULL, NULL, data, &size))
      << "a missing value is not found";
  EXPECT_EQ(8u, size) << "and the size is left alone";
  EXPECT_EQ(ERROR_INVALID_PARAMETER, RegQueryValueExA(Key(), "Text", NULL, NULL, data, NULL))
      << "a buffer without a size is refused";
}

TEST_F(RegistryTest, AStringStoredWithoutTerminatorGetsOneWhenThereIsRoom) {
  // The byte after the counted ones is not a terminator, so what is stored is
  // exactly "hello" in both Wine and the subset.
  ASSERT_EQ(ERROR_SUCCESS, SetBytes(Key(), "Bare", REG_SZ, "helloXYZ", 5));
  ASSERT_EQ(ERROR_SUCCESS, SetBytes(Key(), "Bin", REG_BINARY, "abc", 3));
  struct Case {
    const char *name;
    DWORD given;
    const char *expected; // 7 bytes of the buffer afterwards
    DWORD size;
  } cases[] = {
      {"Bare", 6, "hello\0x", 5},  // room for the terminator: added
      {"Bare", 32, "hello\0x", 5}, // plenty of room: added
      {"Bare", 5, "helloxx", 5},   // exact size: left unterminated
      {"Bin", 10, "abcxxxx", 3},   // binary data never gets one
  };
  for (const Case &c : cases) {
    BYTE data[32];
    memset(data, 'x', sizeof data);
    DWORD size = c.given;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(Key(), c.name, NULL, NULL, data, &size));
    EXPECT_EQ(0, memcmp(c.expected, data, 7)) << c.name << " read into " << c.given << " bytes";
    EXPECT_EQ(c.size, size) << c.name << ": the size stored is reported, not the terminator";
  }
}

TEST_F(RegistryTest, EnumerationListsSubkeysInWindowsOrder) {
  const char *created[] = {"Zeta", "alpha", "Beta", "_under"};
  for (const char *name : created) {
    HKEY key = Create(Key(), name);
    ASSERT_NE(nullptr, key) << name;
    RegCloseKey(key);
  }
  const char *expected[] = {"_under", "alpha", "Beta", "Zeta"}; // by lower-case letters
  for (DWORD i = 0; i < 4; i++) {
    char name[32];
    DWORD size = sizeof name;
    ASSERT_EQ(ERROR_SUCCESS, RegEnumKeyExA(Key(), i, name, &size, NULL, NULL, NULL, NULL)) << i;
    EXPECT_STREQ(expected[i], name) << "entry " << i;
    EXPECT_EQ(strlen(expected[i]), size) << "the length without terminator is reported";
  }
  char name[32];
  DWORD size = sizeof name;
  EXPECT_EQ(ERROR_NO_MORE_ITEMS, RegEnumKeyExA(Key(), 4, name, &size, NULL, NULL, NULL, NULL))
      << "past the last entry";
  memset(name, 'x', sizeof name);
  size = 5; // "alpha" needs 6 with its terminator
  EXPECT_EQ(ERROR_MORE_DATA, RegEnumKeyExA(Key(), 1, name, &size, NULL, NULL, NULL, NULL))
      << "a name that does not fit with its terminator";
  EXPECT_EQ(5u, size) << "the size is left as given";
  EXPECT_EQ('x', name[0]) << "the buffer is left as it was";
}

TEST_F(RegistryTest, DeletingValuesIgnoresCase) {
  ASSERT_EQ(ERROR_SUCCESS, SetBytes(Key(), "Value", REG_SZ, "x", 2));
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteValueA(Key(), "VALUE")) << "the value goes";
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteValueA(Key(), "Value")) << "and is not found again";
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueExA(Key(), "Value", NULL, NULL, NULL, NULL));
}

// A key named in the ANSI code page reads back in the wide calls as the
// characters it stands for, and opens by them.
TEST_F(RegistryTest, WideCallsNameKeysByTheirCharacters) {
  HKEY created = Create(Key(), "\xca\xe8\xe5\xe2 Kyiv"); // Киев in 1251
  ASSERT_NE(nullptr, created);
  RegCloseKey(created);
  const WCHAR expected[] = {0x041A, 0x0438, 0x0435, 0x0432, ' ', 'K', 'y', 'i', 'v', 0};
  WCHAR name[32];
  DWORD size = 32;
  ASSERT_EQ(ERROR_SUCCESS, RegEnumKeyExW(Key(), 0, name, &size, NULL, NULL, NULL, NULL));
  EXPECT_EQ(9u, size) << "the length in characters, without terminator";
  EXPECT_EQ(0, memcmp(expected, name, sizeof expected)) << "the name's characters";
  size = 9;
  EXPECT_EQ(ERROR_MORE_DATA, RegEnumKeyExW(Key(), 0, name, &size, NULL, NULL, NULL, NULL))
      << "no room for the terminator";
  size = 32;
  EXPECT_EQ(ERROR_NO_MORE_ITEMS, RegEnumKeyExW(Key(), 1, name, &size, NULL, NULL, NULL, NULL));
  HKEY opened = NULL;
  EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExW(Key(), expected, 0, KEY_READ, &opened));
  EXPECT_NE(nullptr, opened);
  RegCloseKey(opened);
}
