// Files by name: attributes, deleting, moving and replacing, in the current
// folder.
#include <stdio.h>
#include <string.h>

#include <string>

#include <gtest/gtest.h>
#include <windows.h>

namespace {

void WriteFile(const char *name, const char *text) {
  FILE *file = fopen(name, "wb");
  ASSERT_NE(nullptr, file) << name;
  fputs(text, file);
  fclose(file);
}

std::string ReadFile(const char *name) {
  FILE *file = fopen(name, "rb");
  if (!file)
    return "<missing>";
  char text[64] = "";
  size_t count = fread(text, 1, sizeof text - 1, file);
  fclose(file);
  return std::string(text, count);
}

// Named from the root, as a file to be replaced must be; Wine's Z: is /.
#ifdef _WIN32
#define SCRATCH "Z:\\tmp\\"
#else
#define SCRATCH "/tmp/"
#endif
const char First[] = SCRATCH "subset_file_first.txt", Second[] = SCRATCH "subset_file_second.txt";
const char Here[] = "subset_file_here.txt"; // in the current folder

class FileTest : public testing::Test {
protected:
  void SetUp() override { TearDown(); }
  void TearDown() override {
    remove(First);
    remove(Second);
    remove(Here);
  }
};

TEST_F(FileTest, AttributesTellFilesFromFoldersAndMissingNames) {
  WriteFile(First, "x");
  DWORD attributes = GetFileAttributesA(First);
  ASSERT_NE(INVALID_FILE_ATTRIBUTES, attributes) << "a file";
  EXPECT_EQ(0u, attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY));
  EXPECT_NE(0u, GetFileAttributesA(".") & FILE_ATTRIBUTE_DIRECTORY) << "a folder";
  SetLastError(0);
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(Second)) << "a missing name";
  EXPECT_EQ((DWORD)ERROR_FILE_NOT_FOUND, GetLastError());
}

TEST_F(FileTest, MovingKeepsAnExistingTargetUnlessAskedToReplaceIt) {
  WriteFile(First, "one");
  ASSERT_TRUE(MoveFileExA(First, Second, 0)) << "to a new name";
  EXPECT_EQ("one", ReadFile(Second));
  EXPECT_EQ("<missing>", ReadFile(First));
  WriteFile(First, "two");
  SetLastError(0);
  EXPECT_FALSE(MoveFileExA(First, Second, 0)) << "onto an existing file";
  EXPECT_EQ((DWORD)ERROR_ALREADY_EXISTS, GetLastError());
  EXPECT_EQ("one", ReadFile(Second)) << "left as it was";
  ASSERT_TRUE(MoveFileExA(First, Second, MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ("two", ReadFile(Second)) << "replaced when asked";
}

TEST_F(FileTest, ReplacingTakesTheNewContentsAndRemovesTheReplacement) {
  WriteFile(First, "new");
  SetLastError(0);
  EXPECT_FALSE(ReplaceFileA(Second, First, NULL, 0, NULL, NULL)) << "nothing to replace";
  EXPECT_EQ((DWORD)ERROR_FILE_NOT_FOUND, GetLastError());
  WriteFile(Second, "old");
  WriteFile(Here, "here");
  SetLastError(0);
  EXPECT_FALSE(ReplaceFileA(Here, First, NULL, 0, NULL, NULL)) << "a file named without its folder";
  EXPECT_EQ((DWORD)ERROR_DIRECTORY, GetLastError());
  EXPECT_EQ("here", ReadFile(Here)) << "is left as it was";
  char full[MAX_PATH];
  DWORD length = GetFullPathNameA(Here, sizeof full, full, NULL);
  ASSERT_GT(length, strlen(Here)) << "the name with its folder";
  EXPECT_STREQ(Here, full + length - strlen(Here));
  EXPECT_EQ(length + 1, GetFullPathNameA(Here, 4, full, NULL))
      << "a short buffer asks for the length with the terminator";
  GetFullPathNameA(Here, sizeof full, full, NULL);
  EXPECT_TRUE(ReplaceFileA(full, Second, NULL, 0, NULL, NULL)) << "once named from the root";
  EXPECT_EQ("old", ReadFile(Here));
  WriteFile(Second, "old");
  ASSERT_TRUE(ReplaceFileA(Second, First, NULL, 0, NULL, NULL)) << "error " << GetLastError();
  EXPECT_EQ("new", ReadFile(Second));
  EXPECT_EQ("<missing>", ReadFile(First));
}

TEST_F(FileTest, DeletingRemovesAFileOnce) {
  WriteFile(First, "x");
  EXPECT_TRUE(DeleteFileA(First));
  EXPECT_EQ("<missing>", ReadFile(First));
  SetLastError(0);
  EXPECT_FALSE(DeleteFileA(First)) << "a second time";
  EXPECT_EQ((DWORD)ERROR_FILE_NOT_FOUND, GetLastError());
}

} // namespace
