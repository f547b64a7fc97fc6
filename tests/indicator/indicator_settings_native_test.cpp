// The order the clock's settings are written in, seen through the subset:
// failing each write in turn leaves exactly that value unwritten.
#include <string>
#include <vector>

#include "indicator/indicator_settings.h"
#include "settings/settings_store.h"
#include "support/plugin_fixture.h"
#include "winsubset_control.h"

namespace {

class IndicatorSaveOrderTest : public PluginTest {
protected:
  void SetUp() override {
    PluginTest::SetUp();
    InstallFakeDialogs();
  }
  void TearDown() override {
    WinSubset_Reset();
    PluginTest::TearDown();
  }
};

TEST_F(IndicatorSaveOrderTest, TheTenValuesAreWrittenInTheirOrder) {
  const std::vector<std::string> order = {"Custom", "Format", "Title",      "Color",   "Pause",
                                          "Xcoord", "Ycoord", "SwitchMode", "CtrlOff", "Stay"};
  std::vector<std::string> written;
  for (int k = 1; written.size() < order.size() + 1 && k < 200; ++k) {
    // Every run from the same state: the store holding another key open,
    // and no clock settings stored.
    OpenSettingsKey("Config");
    RegDeleteKeyA(HKEY_CURRENT_USER, Key("Indicator").c_str());
    // A change to CtrlOff, so that the confirmed dialog saves.
    FakeDialogs().people = {[](FakeDialog &d) {
      d.items[14].status = 1;
      return 16;
    }};
    WinSubset_FailNthCall(k, ERROR_ACCESS_DENIED);
    EditIndicatorSettings();
    std::string failed = WinSubset_FailedCallName();
    WinSubset_FailNthCall(0, 0);
    if (failed.empty())
      break; // every call of the scenario has been failed once
    if (failed != "RegSetValueExA")
      continue;
    std::vector<std::string> missing;
    for (const std::string &name : order)
      if (!GetRegValue(Key("Indicator"), name.c_str()).found)
        missing.push_back(name);
    ASSERT_EQ(1u, missing.size()) << "a failed write loses only its own value (call " << k << ")";
    written.push_back(missing[0]);
  }
  EXPECT_EQ(order, written) << "each failed write in turn names the next value of the order";
}

} // namespace
