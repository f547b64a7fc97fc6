#include "support/test_registry.h"

#include <gtest/gtest.h>

#include <vector>

// Short, since the plugin's key paths must fit 80 characters.
std::string ScratchRootKey() {
  static int serial;
  return "Software\\HoralisTests\\T" + std::to_string(++serial);
}

void DeleteRegTree(const std::string &path) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
    return;
  std::vector<std::string> children;
  for (DWORD index = 0;; index++) {
    char name[256];
    DWORD length = sizeof name;
    if (RegEnumKeyExA(key, index, name, &length, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
      break;
    children.push_back(name);
  }
  RegCloseKey(key);
  for (const std::string &child : children)
    DeleteRegTree(path + "\\" + child);
  RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
}

bool RegKeyExists(const std::string &path) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

void PutRegValue(const std::string &path, const char *name, DWORD type, const void *data,
                 DWORD size) {
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, NULL, 0,
                                           KEY_ALL_ACCESS, NULL, &key, NULL))
      << "creating " << path;
  EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, type, (const BYTE *)data, size))
      << "setting " << name;
  RegCloseKey(key);
}

void PutRegString(const std::string &path, const char *name, const std::string &text) {
  PutRegValue(path, name, REG_SZ, text.c_str(), (DWORD)text.size() + 1);
}

void PutRegNumber(const std::string &path, const char *name, DWORD number) {
  PutRegValue(path, name, REG_DWORD, &number, sizeof number);
}

StoredValue GetRegValue(const std::string &path, const char *name) {
  StoredValue value;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return value;
  DWORD size = 0;
  if (RegQueryValueExA(key, name, NULL, &value.type, NULL, &size) == ERROR_SUCCESS) {
    std::vector<char> bytes(size + 1);
    if (RegQueryValueExA(key, name, NULL, &value.type, (LPBYTE)bytes.data(), &size) ==
        ERROR_SUCCESS) {
      value.found = true;
      value.bytes.assign(bytes.data(), size);
    }
  }
  RegCloseKey(key);
  return value;
}

DWORD GetRegNumber(const std::string &path, const char *name) {
  StoredValue value = GetRegValue(path, name);
  if (!value.found || value.bytes.size() != sizeof(DWORD))
    return 0xDEADBEEF;
  DWORD number;
  memcpy(&number, value.bytes.data(), sizeof number);
  return number;
}

std::string GetRegText(const std::string &path, const char *name) {
  return GetRegValue(path, name).bytes.c_str();
}

void PutPreset(const std::string &path, const std::string &name, const std::string &format,
               DWORD mode) {
  PutRegString(path, "Name", name);
  PutRegString(path, "Format", format);
  PutRegNumber(path, "Mode", mode);
}
