/* The built Dialog.gen as the plugin binds it: every operation exported
   under its own name, and a dialog run through the exports alone. */
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "scripted_host.h"

namespace {

class BuiltLibrary : public ::testing::Test {
protected:
  void SetUp() override {
    library = LoadLibraryA((std::string(HORALIS_DIST_DIR) + "Dialog.gen").c_str());
    ASSERT_NE(library, nullptr) << "Dialog.gen beside Horalis.dll";
  }
  void TearDown() override { FreeLibrary(library); }
  template <typename T> T Bind(const char *name) {
    return (T)(void *)GetProcAddress(library, name);
  }
  HMODULE library = nullptr;
};

TEST_F(BuiltLibrary, ExportsEveryOperationByItsName) {
  for (const char *name : DialogGenOperationNames)
    EXPECT_NE(GetProcAddress(library, name), nullptr) << name << " exported undecorated";
  auto version = Bind<DG_VERSION>("DialogGeneratorVersion");
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version(), 100);
}

TEST_F(BuiltLibrary, RunsADialogThroughItsExports) {
  auto init = Bind<DG_INIT>("DG_Init");
  auto load = Bind<DG_LOADDIALOGEX>("LoadDialogEx");
  auto show = Bind<DG_SHOWDIALOG>("ShowDialog");
  auto data = Bind<DG_GETITEMDATA>("GetItemData");
  auto setRadio = Bind<DG_SETRADIOSTATUS>("SetRadioStatus");
  auto getRadio = Bind<DG_GETRADIOSTATUS>("GetRadioStatus");
  auto release = Bind<DG_FREEDIALOG>("FreeDialog");
  ASSERT_TRUE(init && load && show && data && setRadio && getRadio && release);

  Messages = ReadLanguageFile(std::string(HORALIS_DIST_DIR) + "HoralisEng.lng");
  Showings.clear();
  init(ScriptedHostTable());
  /* The library finds the file beside the module it is given. */
  DialogHandle month = load((HINSTANCE)library, 7, "Calendar.dlg", "Set Month");
  ASSERT_NE(month, nullptr);
  EXPECT_STREQ(data(month, 3), "March") << "a month name through the host's GetMsg";
  setRadio(month, 1, 11);
  SetPerson([](FarDialogItem *items, int count) {
    for (int i = 0; i < count; ++i)
      if (strcmp(items[i].Data, "OK") == 0)
        return i;
    return -1;
  });
  EXPECT_EQ(show(month), 60);
  ASSERT_EQ(Showings.size(), 1u);
  EXPECT_EQ(getRadio(month, 1), 11);
  EXPECT_EQ(load((HINSTANCE)library, 7, "Calendar.dlg", "No Such Dialog"), nullptr);
  release(month);
  release(nullptr);
}

} // namespace
