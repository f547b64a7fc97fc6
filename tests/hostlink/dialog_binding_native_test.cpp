// The binding's search order and its debugger lines, which only the native
// subset lets a test observe.
#include <stdlib.h>
#include <sys/stat.h>

#include <string>

#include "hostlink/dialog_binding.h"
#include "hostlink/host_table.h"
#include "support/plugin_fixture.h"
#include "winsubset_control.h"

static std::string MissedLines(std::initializer_list<const char *> present) {
  std::string lines;
  for (const char *name : DialogGenOperationNames) {
    bool found = false;
    for (const char *p : present)
      found = found || std::string(p) == name;
    if (!found)
      lines += std::string("Missed function \"") + name + "\"\n";
  }
  return lines;
}

static std::string TakeDebugOutput() {
  char *text = WinSubset_TakeDebugOutput();
  std::string result = text ? text : "";
  free(text);
  return result;
}

class DialogBindingSearchTest : public PluginTest {
protected:
  void TearDown() override {
    WinSubset_SetExecutablePath(nullptr);
    PluginTest::TearDown();
  }
};

TEST_F(DialogBindingSearchTest, MissingExportsAreReportedInTableOrder) {
  TakeDebugOutput();
  BindDialogLibrary(NULL, HostServices);
  EXPECT_EQ(MissedLines({}), TakeDebugOutput()) << "no library: every name is reported";
}

TEST_F(DialogBindingSearchTest, FallsBackToTheHostsFolder) {
  mkdir("binding_host", 0755);
  mkdir("binding_plugin", 0755);
  std::string copy = std::string("cp ") + PARTIAL_DIALOG_GEN + " binding_host/Dialog.gen && cp " +
                     PARTIAL_DIALOG_GEN + " binding_plugin/plugin_module.dll";
  ASSERT_EQ(0, system(copy.c_str()));
  remove("binding_plugin/Dialog.gen");
  HMODULE module = LoadLibraryA("binding_plugin/plugin_module.dll");
  ASSERT_NE(nullptr, module);
  char cwd[512];
  ASSERT_NE(nullptr, getcwd(cwd, sizeof cwd));
  WinSubset_SetExecutablePath((std::string(cwd) + "/binding_host/far.exe").c_str());
  TakeDebugOutput();
  EXPECT_EQ(1, BindDialogLibrary(module, HostServices)) << "found beside the host";
  EXPECT_EQ(MissedLines({"LoadDialogEx", "ShowDialog", "GetItemNULL", "DG_Init"}),
            TakeDebugOutput())
      << "only the operations the library lacks are reported";
}
