/* Loading when the system fails us, and what a person editing a broken
   description is told. */
#include <gtest/gtest.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "scripted_host.h"
#include "winsubset_control.h"

namespace {

const char *const Good = "dialog \"D\" 20 5\n1 text 1 1 0 0 \"x\"\nend\n";

class Loader : public ::testing::Test {
protected:
  void SetUp() override {
    WinSubset_Reset();
    ConnectScriptedHost();
  }
  void TearDown() override { WinSubset_Reset(); }
  std::string DebugOutput() {
    char *text = WinSubset_TakeDebugOutput();
    std::string s = text ? text : "";
    free(text);
    return s;
  }
};

TEST_F(Loader, NoModulePathNoDialog) {
  std::string path = ProgramFolder() + "module_path_test.dlg";
  FILE *file = fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  fputs(Good, file);
  fclose(file);
  WinSubset_FailCall("GetModuleFileNameA", ERROR_MOD_NOT_FOUND, 1);
  EXPECT_EQ(LoadDialogEx(NULL, 7, "module_path_test.dlg", "D"), nullptr)
      << "the file cannot be found without the module's path";
  DialogHandle d = LoadDialogEx(NULL, 7, "module_path_test.dlg", "D");
  EXPECT_NE(d, nullptr) << "the next load finds it again";
  FreeDialog(d);
  remove(path.c_str());
}

TEST_F(Loader, AMalformedFileIsReportedWithItsLine) {
  DebugOutput();
  EXPECT_EQ(LoadText("dialog \"D\" 20 5\n1 label 1 1 0 0 \"x\"\nend\n", "D"), nullptr);
  EXPECT_EQ(DebugOutput(),
            "Dialog.gen: scripted_test.dlg, dialog \"D\", line 2: unknown item type\n");
  EXPECT_EQ(LoadText(Good, "E"), nullptr);
  EXPECT_EQ(DebugOutput(), "Dialog.gen: scripted_test.dlg, dialog \"E\": no dialog of that name\n");
  DialogHandle d = LoadText(Good, "D");
  EXPECT_EQ(DebugOutput(), "") << "a good load says nothing";
  FreeDialog(d);
}

} // namespace
