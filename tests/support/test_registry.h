// Registry helpers for tests: each test works beneath a scratch key of its
// own under HKEY_CURRENT_USER and removes it afterwards.
#ifndef HORALIS_TESTS_TEST_REGISTRY_H
#define HORALIS_TESTS_TEST_REGISTRY_H

#include <string>

#include <windows.h>

struct StoredValue {
  bool found = false;
  DWORD type = 0;
  std::string bytes;
};

std::string ScratchRootKey(); // a new one per call: Software\HoralisTests\T<n>
void DeleteRegTree(const std::string &path);
bool RegKeyExists(const std::string &path);
void PutRegValue(const std::string &path, const char *name, DWORD type, const void *data,
                 DWORD size);
void PutRegString(const std::string &path, const char *name, const std::string &text);
void PutRegNumber(const std::string &path, const char *name, DWORD number);
StoredValue GetRegValue(const std::string &path, const char *name);
DWORD GetRegNumber(const std::string &path, const char *name);     // 0xDEADBEEF when absent
std::string GetRegText(const std::string &path, const char *name); // up to its terminator
// A preset's three values in its slot's key.
void PutPreset(const std::string &path, const std::string &name, const std::string &format,
               DWORD mode);

#endif
