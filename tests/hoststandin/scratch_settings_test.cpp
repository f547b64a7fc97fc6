// A run's own settings key: made empty, removed whole at the end, and a key
// that refuses to go does not keep the removal going round.
#include "scratch_settings.h"

#include <string>

#include <gtest/gtest.h>
#include <windows.h>
#ifndef _WIN32
#include "winsubset_control.h"
#endif

namespace {

bool KeyExists(const std::string &path) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

void MakeKey(const std::string &path) {
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, NULL, 0,
                                           KEY_ALL_ACCESS, NULL, &key, NULL))
      << path;
  RegCloseKey(key);
}

TEST(ScratchSettings, TheRunsKeyIsMadeEmptyAndRemovedWhole) {
  char root[128];
  MakeScratchRoot(root, sizeof root);
  MakeKey(std::string(root) + "\\Horalis\\Format1");
  MakeScratchRoot(root, sizeof root);
  EXPECT_FALSE(KeyExists(std::string(root) + "\\Horalis")) << "what a run left is cleared";
  MakeKey(std::string(root) + "\\Horalis\\Format1");
  MakeKey(std::string(root) + "\\Horalis\\Indicator");
  RemoveScratchRoot(root);
  EXPECT_FALSE(KeyExists(root)) << "removed with everything under it";
#ifndef _WIN32
  MakeKey(std::string(root) + "\\Horalis\\Format1");
  // Refused for the key, its parent and the root: the removal's three tries.
  WinSubset_FailCall("RegDeleteKeyA", ERROR_ACCESS_DENIED, 3);
  RemoveScratchRoot(root); // returns although nothing could be deleted
  EXPECT_TRUE(KeyExists(std::string(root) + "\\Horalis\\Format1")) << "the refused key stays";
  RemoveScratchRoot(root);
  EXPECT_FALSE(KeyExists(root));
#endif
}

} // namespace
