// What the conformance tests share: a registry key of their own, the
// console whatever way the process has one, and a clean clipboard.
#ifndef HORALIS_TESTS_WINSUBSET_TEST_SCRATCH_H
#define HORALIS_TESTS_WINSUBSET_TEST_SCRATCH_H

#include <string>

#include <gtest/gtest.h>
#include <windows.h>

// Deletes a key and everything below it; true when it is gone.
bool DeleteKeyTree(HKEY parent, const std::string &path);

// Each test works under HKCU\Software\HoralisTests\WinSubset\<test name>,
// made empty before and removed after.
class RegistryTest : public testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;
  std::string Path() const { return path; }
  HKEY Key() const { return key; }

private:
  std::string path;
  HKEY key = NULL;
};

// The console's screen buffer as the standard output handle. A Windows
// process whose standard output is not the console (under scripts/wine-run
// it is a file) reaches the console it has through CONOUT$, and one that
// has none gets one with AllocConsole. Code page and title are put back.
class ConsoleTest : public testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;
  HANDLE Output() const { return output; }
  SHORT Width() const { return width; }
  SHORT Height() const { return height; }

private:
  HANDLE output = NULL;
  HANDLE previousStdOutput = NULL;
  HANDLE openedConsole = NULL;
  bool allocatedConsole = false;
  UINT previousCodePage = 0;
  char previousTitle[512] = "";
  SHORT width = 0;
  SHORT height = 0;
};

// Puts text on the clipboard as the plugin does; returns the handle given.
HGLOBAL NewTextBlock(const char *text);

// The text of the clipboard this thread has open, or "(none)".
std::string ClipboardText();

// Starts each clipboard test with the clipboard closed and empty.
class ClipboardTest : public testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;
};

#endif
