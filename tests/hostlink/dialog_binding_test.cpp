#include <stdio.h>
#include <string.h>
#ifdef _WIN32
#include <direct.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <string>

#include "hostlink/dialog_binding.h"
#include "hostlink/partial_library/binding_record.h"
#include "hostlink/host_table.h"
#include "support/plugin_fixture.h"

static bool CopyFile(const std::string &from, const std::string &to) {
  FILE *in = fopen(from.c_str(), "rb");
  FILE *out = fopen(to.c_str(), "wb");
  bool copied = in && out;
  char buffer[65536];
  size_t count;
  while (copied && (count = fread(buffer, 1, sizeof buffer, in)) > 0)
    copied = fwrite(buffer, 1, count, out) == count;
  if (in)
    fclose(in);
  if (out)
    fclose(out);
  return copied;
}

static void MakeFolder(const std::string &path) {
#ifdef _WIN32
  _mkdir(path.c_str());
#else
  mkdir(path.c_str(), 0755);
#endif
}

static int ChangeFolder(const char *path) {
#ifdef _WIN32
  return _chdir(path);
#else
  return chdir(path);
#endif
}

static std::string FullPath(const std::string &name) {
  char path[MAX_PATH];
  DWORD length = GetFullPathNameA(name.c_str(), sizeof path, path, NULL);
  return std::string(path, length < sizeof path ? length : 0);
}

// The folder a module was loaded from, as the module's own path says.
static std::string FolderOf(HMODULE module) {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(module, path, sizeof path);
  std::string text(path, length);
  size_t slash = text.find_last_of("\\/");
  return slash == std::string::npos ? "" : text.substr(0, slash + 1);
}

class DialogBindingTest : public PluginTest {
protected:
  // A library left loaded would be found again by its bare name.
  void TearDown() override {
    if (Dialogs.Module)
      FreeLibrary(Dialogs.Module);
    if (pluginModule)
      FreeLibrary(pluginModule);
    Dialogs.Module = NULL;
    PluginTest::TearDown();
  }
  HMODULE pluginModule = NULL;
  // A folder holding a stand-in for the plugin's module, and optionally
  // the partial library as Dialog.gen beside it.
  HMODULE PluginModuleIn(const std::string &folder, bool withLibrary) {
    MakeFolder(folder);
    EXPECT_TRUE(CopyFile(PARTIAL_DIALOG_GEN, folder + "/plugin_module.dll"));
    if (withLibrary)
      EXPECT_TRUE(CopyFile(PARTIAL_DIALOG_GEN, folder + "/" DIALOG_GEN_FILE_NAME));
    else
      remove((folder + "/" DIALOG_GEN_FILE_NAME).c_str());
    pluginModule = LoadLibraryA((folder + "/plugin_module.dll").c_str());
    EXPECT_NE(nullptr, pluginModule) << "loading the module stand-in from " << folder;
    return pluginModule;
  }
};

TEST_F(DialogBindingTest, LibraryBesideThePluginIsBoundAndInitialised) {
  HMODULE module = PluginModuleIn("binding_beside", true);
  ASSERT_NE(nullptr, module);
  EXPECT_EQ(1, BindDialogLibrary(module, HostServices)) << "Dialog.gen beside the module";
  ASSERT_NE(nullptr, Dialogs.Module);
  EXPECT_EQ(FolderOf(module), FolderOf(Dialogs.Module)) << "the copy beside the module";

  FARPROC recordExport = GetProcAddress(Dialogs.Module, "TestRecord");
  ASSERT_NE(nullptr, recordExport);
  BindingRecord *(__cdecl * record)(void);
  memcpy(&record, &recordExport, sizeof record);
  EXPECT_EQ(1, record()->getItemNullCalls) << "GetItemNULL is called once";
  EXPECT_EQ(1, record()->initCalls) << "DG_Init is called once";
  EXPECT_EQ(1, record()->initAfterGetItemNull) << "after GetItemNULL";
  EXPECT_EQ(Host().moduleNumber, record()->moduleNumber) << "with the host table";
  EXPECT_EQ((int)sizeof(PluginStartupInfo), record()->structSize);
  EXPECT_EQ(root, record()->rootKey) << "RootKey pointing at the plugin's copy";

  EXPECT_NE(nullptr, Dialogs.LoadDialogEx(module, 0, "x.dlg", "Probe")) << "exports are bound";
  EXPECT_EQ(42, Dialogs.ShowDialog(0));
  EXPECT_EQ(nullptr, Dialogs.GetItemData(0, 4)) << "a missing export falls back to null";
  EXPECT_EQ(0, Dialogs.GetItemStatus(0, 4));
  EXPECT_EQ(nullptr, Dialogs.GetItemAddr(0, 4));
  Dialogs.SetItemStatus(0, 4, 1); // fallbacks do nothing, and do not crash
  Dialogs.FreeDialog(0);
}

TEST_F(DialogBindingTest, WithoutALibraryEveryOperationIsItsFallback) {
  HMODULE module = PluginModuleIn("binding_none", false);
  ASSERT_NE(nullptr, module);
  EXPECT_EQ(0, BindDialogLibrary(module, HostServices));
  EXPECT_EQ(nullptr, Dialogs.Module);
  EXPECT_EQ(nullptr, Dialogs.LoadDialogEx(module, 0, "HoralisEng.dlg", "Main"));
  EXPECT_EQ(0, Dialogs.ShowDialog(0));
  EXPECT_EQ(nullptr, Dialogs.GetItemData(0, 1));
  EXPECT_EQ(0, Dialogs.GetRadioStatus(0, 1));
  EXPECT_EQ(nullptr, Dialogs.GetItemNULL());
  Dialogs.DG_Init(HostServices);
  Dialogs.HideItem(0, 1);
}

TEST_F(DialogBindingTest, ALibraryOnlyInTheCurrentFolderIsNeverLoaded) {
  HMODULE module = PluginModuleIn("binding_planted_plugin", false);
  ASSERT_NE(nullptr, module);
  MakeFolder("binding_planted_cwd");
  ASSERT_TRUE(CopyFile(PARTIAL_DIALOG_GEN, "binding_planted_cwd/" DIALOG_GEN_FILE_NAME));
  ASSERT_EQ(0, ChangeFolder("binding_planted_cwd"));
  int bound = BindDialogLibrary(module, HostServices);
  ASSERT_EQ(0, ChangeFolder(".."));
  EXPECT_EQ(0, bound) << "a library planted in the current folder is not the dialog library";
  EXPECT_EQ(nullptr, Dialogs.Module);
}

TEST_F(DialogBindingTest, OnThePathOnlyFoldersNamedByTheirFullPathAreSearched) {
  HMODULE module = PluginModuleIn("binding_path_plugin", false);
  ASSERT_NE(nullptr, module);
  for (const char *folder : {"binding_path_relative", "binding_path_full"}) {
    MakeFolder(folder);
    ASSERT_TRUE(CopyFile(PARTIAL_DIALOG_GEN, std::string(folder) + "/" DIALOG_GEN_FILE_NAME));
  }
  char saved[32767];
  DWORD savedLength = GetEnvironmentVariableA("PATH", saved, sizeof saved);
  std::string full = FullPath("binding_path_full");
  ASSERT_FALSE(full.empty());
  std::string path = ";binding_path_relative;\".\";\"" + full + "\";";
  SetEnvironmentVariableA("PATH", path.c_str());
  int bound = BindDialogLibrary(module, HostServices);
  SetEnvironmentVariableA("PATH", savedLength ? saved : NULL);
  EXPECT_EQ(1, bound) << "found on the path " << path;
  ASSERT_NE(nullptr, Dialogs.Module);
  EXPECT_EQ(FullPath("binding_path_full/x"), FolderOf(Dialogs.Module) + "x")
      << "the folder named by its full path, not the relative one before it";
}
