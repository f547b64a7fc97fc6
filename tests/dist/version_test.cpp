// The project's version is the one the shipped Horalis.dll carries in its
// version resource.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string>

#include <windows.h>

static std::string VersionText(const std::string &info, const char *name) {
  std::string path = std::string("\\StringFileInfo\\040904E4\\") + name;
  char *text = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(info.data(), path.c_str(), (void **)&text, &length) || !text)
    return "<absent>";
  return text;
}

TEST(ShippedVersion, ResourceCarriesTheProjectVersion) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(SHIPPED_DLL, &ignored);
  ASSERT_GT(size, 0u) << SHIPPED_DLL << " has a version resource";
  std::string info(size, '\0');
  ASSERT_TRUE(GetFileVersionInfoA(SHIPPED_DLL, 0, size, &info[0])) << "the resource reads";

  EXPECT_EQ(HORALIS_VERSION, VersionText(info, "FileVersion")) << "FileVersion text";
  EXPECT_EQ(HORALIS_VERSION, VersionText(info, "ProductVersion")) << "ProductVersion text";

  VS_FIXEDFILEINFO *fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", (void **)&fixed, &length) && fixed)
      << "the fixed part reads";
  char numbers[64];
  snprintf(numbers, sizeof numbers, "%u.%u.%u", (unsigned)HIWORD(fixed->dwFileVersionMS),
           (unsigned)LOWORD(fixed->dwFileVersionMS), (unsigned)HIWORD(fixed->dwFileVersionLS));
  EXPECT_EQ(HORALIS_VERSION, std::string(numbers)) << "the numeric file version";
}
