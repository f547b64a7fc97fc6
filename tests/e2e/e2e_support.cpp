#include "farhost_run.h"
#include "e2e_support.h"

#include <time.h>

#include "lng_file.h"

std::string Message(const char *language, int id) {
  static LngFile Messages;
  std::string path = std::string(PLUGINS_DIR) + "/Horalis/Horalis" + language + ".lng";
  char error[LNG_ERROR_SIZE];
  if (!LoadLngFile(path.c_str(), &Messages, error, sizeof error)) {
    ADD_FAILURE() << error;
    return "";
  }
  const char *text = LngMessage(&Messages, id);
  return text ? text : "";
}

std::string ExpandNow(const std::string &format) {
  time_t now = time(nullptr);
  char text[80] = "";
  strftime(text, sizeof text, format.c_str(), localtime(&now));
  return text;
}

::testing::AssertionResult HasDate(const std::string &reported, const std::string &pattern,
                                   const DateWindow &window) {
  size_t at = pattern.find("<date>");
  std::string first = pattern.substr(0, at) + window.Before + pattern.substr(at + 6);
  std::string second = pattern.substr(0, at) + window.After + pattern.substr(at + 6);
  if (reported == Escaped(first) || reported == Escaped(second))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "reported \"" << reported << "\", expected \"" << Escaped(first) << "\"";
}

TestRootKey::TestRootKey(const std::string &name) : Root("Software\\HoralisE2E\\" + name) {
  Remove();
}

TestRootKey::~TestRootKey() { Remove(); }

void TestRootKey::SetDword(const char *key, const char *value, DWORD data) {
  HKEY handle = Open(key);
  RegSetValueExA(handle, value, 0, REG_DWORD, (const BYTE *)&data, sizeof data);
  RegCloseKey(handle);
}

void TestRootKey::SetString(const char *key, const char *value, const std::string &data) {
  HKEY handle = Open(key);
  RegSetValueExA(handle, value, 0, REG_SZ, (const BYTE *)data.c_str(), (DWORD)data.size() + 1);
  RegCloseKey(handle);
}

void TestRootKey::MakeVolatile() {
  HKEY handle = nullptr;
  EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, Root.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &handle, nullptr),
            ERROR_SUCCESS)
      << Root;
  RegCloseKey(handle);
}

void TestRootKey::SetBytes(const char *key, const char *value, DWORD type,
                           const std::string &data) {
  HKEY handle = Open(key);
  RegSetValueExA(handle, value, 0, type, (const BYTE *)data.data(), (DWORD)data.size());
  RegCloseKey(handle);
}

std::string TestRootKey::GetString(const char *key, const char *value) const {
  char data[600];
  DWORD size = sizeof data - 1;
  std::string path = Root + "\\Horalis\\" + key;
  if (RegGetValueA(HKEY_CURRENT_USER, path.c_str(), value, RRF_RT_REG_SZ, nullptr, data, &size) !=
      ERROR_SUCCESS)
    return "<absent>";
  return data;
}

DWORD TestRootKey::GetDword(const char *key, const char *value) const {
  DWORD data = 0, size = sizeof data;
  std::string path = Root + "\\Horalis\\" + key;
  if (RegGetValueA(HKEY_CURRENT_USER, path.c_str(), value, RRF_RT_REG_DWORD, nullptr, &data,
                   &size) != ERROR_SUCCESS)
    return 0xDEADBEEF;
  return data;
}

bool TestRootKey::HasKey(const char *key) const {
  HKEY handle;
  std::string path = Root + "\\Horalis\\" + key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
    return false;
  RegCloseKey(handle);
  return true;
}

HKEY TestRootKey::Open(const char *key) {
  HKEY handle = nullptr;
  std::string path = Root + "\\Horalis\\" + key;
  EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &handle, nullptr),
            ERROR_SUCCESS)
      << path;
  return handle;
}

void TestRootKey::Remove() {
  const char *keys[] = {"Config",  "Auto",    "Menu",    "Indicator", "Format0",
                        "Format1", "Format2", "Format3", "Format4",   "Format5",
                        "Format6", "Format7", "Format8", "Format9",   "Format11"};
  for (const char *key : keys)
    RegDeleteKeyA(HKEY_CURRENT_USER, (Root + "\\Horalis\\" + key).c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, (Root + "\\Horalis").c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, Root.c_str());
}
