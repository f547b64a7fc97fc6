// A run's own settings key: made empty, removed whole at the end, and a key
// that refuses to go does not keep the removal going round.
#include "scratch_settings.h"

#include <string>

#include <gtest/gtest.h>
#include <windows.h>

#include "support/test_registry.h"
#ifndef _WIN32
#include "winsubset_control.h"
#endif

namespace {

// A preset's key, as a plugin would store it under the run's root.
void MakeKey(const std::string &path) { PutRegNumber(path, "Mode", 0); }

TEST(ScratchSettings, TheRunsKeyIsMadeEmptyAndRemovedWhole) {
  char root[128];
  MakeScratchRoot(root, sizeof root);
  MakeKey(std::string(root) + "\\Horalis\\Format1");
  MakeScratchRoot(root, sizeof root);
  EXPECT_FALSE(RegKeyExists(std::string(root) + "\\Horalis")) << "what a run left is cleared";
  MakeKey(std::string(root) + "\\Horalis\\Format1");
  MakeKey(std::string(root) + "\\Horalis\\Indicator");
  RemoveScratchRoot(root);
  EXPECT_FALSE(RegKeyExists(root)) << "removed with everything under it";
#ifndef _WIN32
  MakeKey(std::string(root) + "\\Horalis\\Format1");
  // Refused for the key, its parent and the root: the removal's three tries.
  WinSubset_FailCall("RegDeleteKeyA", ERROR_ACCESS_DENIED, 3);
  RemoveScratchRoot(root); // returns although nothing could be deleted
  EXPECT_TRUE(RegKeyExists(std::string(root) + "\\Horalis\\Format1")) << "the refused key stays";
  RemoveScratchRoot(root);
  EXPECT_FALSE(RegKeyExists(root));
#endif
}

} // namespace
