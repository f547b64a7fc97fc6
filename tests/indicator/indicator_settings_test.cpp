#include <string.h>

#include <string>

#include "hostlink/dialog_binding.h"
#include "indicator/clock_indicator.h"
#include "indicator/decimal_text.h"
#include "indicator/indicator_settings.h"
#include "plugin/plugin.h"
#include "support/plugin_fixture.h"

namespace {

class IndicatorSettingsTest : public PluginTest {
protected:
  void SetUp() override {
    PluginTest::SetUp();
    InstallFakeDialogs();
    ClockSwitchMode.store(0);
  }
  DWORD Stored(const char *name) { return GetRegNumber(Key("Indicator"), name); }
  std::string StoredText(const char *name) {
    StoredValue value = GetRegValue(Key("Indicator"), name);
    return value.found ? value.bytes.c_str() : "<absent>";
  }
  // A person who accepts the dialog as it is shown.
  static int Accept(FakeDialog &) { return 16; }
  // A person who asks for the colour picker.
  static int AskForColour(FakeDialog &d) {
    d.items[INDICATOR_ITEM_COLOUR_REQUEST].status = 1;
    return 12;
  }
  // A person in the picker who chooses a colour and leaves with `exitCode`.
  static Person Choose(int foreground, int background, int exitCode) {
    return [=](FakeDialog &d) {
      SelectRadio(d, foreground);
      SelectRadio(d, 16 + background / 16);
      return exitCode;
    };
  }
};

TEST_F(IndicatorSettingsTest, OpensWithTheStoredSettings) {
  PutRegNumber(Key("Indicator"), "Custom", 1);
  PutRegString(Key("Indicator"), "Format", "[%H]");
  PutRegNumber(Key("Indicator"), "Title", 1);
  PutRegNumber(Key("Indicator"), "SwitchMode", 1);
  PutRegNumber(Key("Indicator"), "CtrlOff", 1);
  PutRegNumber(Key("Indicator"), "Pause", 4000000000u);
  PutRegNumber(Key("Indicator"), "Xcoord", (DWORD)-12);
  PutRegNumber(Key("Indicator"), "Ycoord", 3);
  FakeDialogs().people = {[](FakeDialog &d) {
    EXPECT_EQ(3, SelectedRadio(d, 2)) << "custom format chosen";
    EXPECT_STREQ("[%H]", d.items[4].text) << "the stored format";
    EXPECT_EQ(1, d.items[6].status) << "Title";
    EXPECT_EQ(1, d.items[10].status) << "SwitchMode";
    EXPECT_EQ(1, d.items[14].status) << "CtrlOff";
    EXPECT_STREQ("86400000", d.items[7].text) << "Pause unsigned, clamped to a day";
    EXPECT_STREQ("-12", d.items[8].text) << "Xcoord signed";
    EXPECT_STREQ("3", d.items[9].text) << "Ycoord";
    return -1;
  }};
  EditIndicatorSettings();
  EXPECT_EQ(1, ClockSwitchMode.load()) << "loading SwitchMode sets the shared copy";
  EXPECT_EQ(0, LiveDialogs()) << "both dialogs freed";
  EXPECT_TRUE(FakeDialogs().people.empty()) << "the dialog was shown";
}

TEST_F(IndicatorSettingsTest, ConfirmingWithoutEditsKeepsEveryStoredValue) {
  const DWORD numbers[] = {0, 1, 3000, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFF8000, 0x8000};
  for (DWORD number : numbers) {
    PutRegNumber(Key("Indicator"), "Custom", number & 1);
    PutRegString(Key("Indicator"), "Format", "%d " + std::to_string(number));
    PutRegNumber(Key("Indicator"), "Title", number);
    PutRegNumber(Key("Indicator"), "Color", number & 0xFF);
    PutRegNumber(Key("Indicator"), "Pause", number);
    PutRegNumber(Key("Indicator"), "Xcoord", number);
    PutRegNumber(Key("Indicator"), "Ycoord", ~number);
    PutRegNumber(Key("Indicator"), "SwitchMode", number & 1);
    PutRegNumber(Key("Indicator"), "CtrlOff", !(number & 1));
    FakeDialogs().people = {Accept};
    EditIndicatorSettings();
    EXPECT_EQ(number & 1, Stored("Custom")) << number;
    EXPECT_EQ("%d " + std::to_string(number), StoredText("Format")) << number;
    EXPECT_EQ(number, Stored("Title")) << "a check box gives back the state it was set to";
    EXPECT_EQ(number & 0xFF, Stored("Color")) << number;
    EXPECT_EQ(number, Stored("Pause")) << number;
    EXPECT_EQ(number, Stored("Xcoord")) << number;
    EXPECT_EQ(~number, Stored("Ycoord")) << number;
    EXPECT_EQ(number & 1, Stored("SwitchMode")) << number;
    EXPECT_EQ(number & 1 ? 0u : 1u, Stored("CtrlOff")) << number;
  }
}

TEST_F(IndicatorSettingsTest, FreshSettingsConfirmedStoreNothingAndOneChangeStoresAll) {
  FakeDialogs().people = {Accept};
  EditIndicatorSettings();
  EXPECT_FALSE(RegKeyExists(Key("Indicator")) && GetRegValue(Key("Indicator"), "Format").found)
      << "nothing changed, nothing written";
  FakeDialogs().people = {[](FakeDialog &d) {
    d.items[14].status = 1;
    return 16;
  }};
  EditIndicatorSettings();
  EXPECT_EQ(1u, Stored("CtrlOff"));
  EXPECT_EQ(0u, Stored("Custom"));
  EXPECT_EQ(" %H:%M:%S ", StoredText("Format")) << "the description's text";
  EXPECT_EQ(3000u, Stored("Pause")) << "the description's display time";
  EXPECT_EQ(0u, Stored("Color"));
  EXPECT_EQ(0u, Stored("SwitchMode"));
}

// Time and place are read as atoi reads them; one the clock cannot show is
// refused with the range, and the dialog shows again with what was typed.
TEST_F(IndicatorSettingsTest, EditedNumbersOutsideTheirRangeAreRefused) {
  const struct {
    int item;
    const char *text;
    DWORD stored; // for an accepted text
    int refusal;  // the message that names the range, 0 when accepted
  } cases[] = {{7, "", 0, 0},
               {7, "abc", 0, 0},
               {7, "  +42ms", 42, 0},
               {7, "86400000", 86400000, 0},
               {7, "-5", 0, MSG_CLOCK_PAUSE_RANGE},
               {7, "86400001", 0, MSG_CLOCK_PAUSE_RANGE},
               {7, "99999999999999999999", 0, MSG_CLOCK_PAUSE_RANGE},
               {8, "\t-7", (DWORD)-7, 0},
               {8, "-32768", (DWORD)-32768, 0},
               {8, "12345678901", 0, MSG_CLOCK_PLACE_RANGE},
               {9, "32767", 32767, 0},
               {9, "- 5", 0, 0},
               {9, "007", 7, 0},
               {9, "32768", 0, MSG_CLOCK_PLACE_RANGE},
               {9, "-99999999999999999999", 0, MSG_CLOCK_PLACE_RANGE}};
  const char *names[] = {"Pause", "Xcoord", "Ycoord"};
  Host().messages[MSG_CLOCK_PAUSE_RANGE] = "Display time: 0, or 1 to 86400000 ms.";
  Host().messages[MSG_CLOCK_PLACE_RANGE] = "Columns and row: from -32768 to 32767.";
  for (const auto &c : cases) {
    PutRegNumber(Key("Indicator"), names[c.item - 7], 1234);
    Host().boxes.clear();
    FakeDialogs().people = {[&](FakeDialog &d) {
                              strcpy(d.items[c.item].text, c.text);
                              return 16;
                            },
                            [&](FakeDialog &d) {
                              EXPECT_STREQ(c.text, d.items[c.item].text) << "the input kept";
                              EXPECT_EQ(c.item, d.focus) << "on the number refused";
                              return -1;
                            }};
    EditIndicatorSettings();
    std::string what = std::string(names[c.item - 7]) + " \"" + c.text + "\"";
    if (c.refusal) {
      ASSERT_EQ(1u, Host().boxes.size()) << what << ": one message";
      EXPECT_EQ(Host().messages[c.refusal], Host().boxes[0].lines[1]) << what;
      EXPECT_EQ(1234u, Stored(names[c.item - 7])) << what << ": nothing saved";
    } else {
      EXPECT_TRUE(Host().boxes.empty()) << what << ": no message";
      EXPECT_EQ(c.stored, Stored(names[c.item - 7])) << what;
      EXPECT_EQ(1u, FakeDialogs().people.size()) << what << ": the dialog closed";
    }
  }
}

TEST(DecimalText, ReadAsAtoiReadsThemCutToThirtyTwoBits) {
  const struct {
    const char *text;
    DWORD value;
  } cases[] = {{"4294967295", 0xFFFFFFFF},
               {"99999999999999999999", 0xFFFFFFFF},
               {"-2147483648", 0x80000000},
               {"-99999999999999999999", 0x80000000},
               {nullptr, 0}};
  for (const auto &c : cases)
    EXPECT_EQ(c.value, ReadDecimalText(c.text)) << (c.text ? c.text : "null");
}

TEST_F(IndicatorSettingsTest, SavedChoicesAndSwitchModeTakeEffectAtOnce) {
  FakeDialogs().people = {[](FakeDialog &d) {
    SelectRadio(d, 3);
    strcpy(d.items[4].text, "<%M>");
    d.items[6].status = 1;
    d.items[10].status = 1;
    d.items[14].status = 1;
    return 16;
  }};
  EditIndicatorSettings();
  EXPECT_EQ(1u, Stored("Custom"));
  EXPECT_EQ("<%M>", StoredText("Format"));
  EXPECT_EQ(1u, Stored("Title"));
  EXPECT_EQ(1u, Stored("SwitchMode"));
  EXPECT_EQ(1u, Stored("CtrlOff"));
  EXPECT_EQ(1, ClockSwitchMode.load()) << "the next invocation already switches off";
}

TEST_F(IndicatorSettingsTest, CancelWritesNothingAndKeepsTheLoadedSwitchMode) {
  PutRegNumber(Key("Indicator"), "Color", 0x1E);
  ClockSwitchMode.store(1);
  FakeDialogs().people = {AskForColour, Choose(14, 0x40, COLOUR_EXIT_ACCEPT), [](FakeDialog &d) {
                            d.items[10].status = 1;
                            return -1;
                          }};
  EditIndicatorSettings();
  EXPECT_EQ(0x1Eu, Stored("Color")) << "an accepted colour is not saved by a cancel";
  EXPECT_EQ("<absent>", StoredText("Format")) << "nothing written";
  EXPECT_EQ(0, ClockSwitchMode.load()) << "the value loaded when the dialog opened";
}

TEST_F(IndicatorSettingsTest, ColourPickerOpensAtBlackOnCyanWithNoColourStored) {
  FakeDialogs().people = {AskForColour,
                          [](FakeDialog &d) {
                            EXPECT_EQ(0, SelectedRadio(d, 1)) << "black foreground";
                            EXPECT_EQ(19, SelectedRadio(d, 16)) << "cyan background";
                            EXPECT_EQ(0x30, d.items[243].color) << "the sample in that colour";
                            return COLOUR_EXIT_ACCEPT;
                          },
                          [](FakeDialog &d) {
                            EXPECT_EQ(5, SelectedRadio(d, 5)) << "group 5 set before the visit";
                            return 16;
                          }};
  EditIndicatorSettings();
  EXPECT_EQ(0x30u, Stored("Color"));
  EXPECT_TRUE(FakeDialogs().people.empty());
}

TEST_F(IndicatorSettingsTest, OtherExitsRecolourTheSampleAndShowThePickerAgain) {
  PutRegNumber(Key("Indicator"), "Color", 0x1E);
  FakeDialogs().people = {AskForColour,
                          [](FakeDialog &d) {
                            EXPECT_EQ(0x1E, d.items[243].color) << "the stored colour";
                            EXPECT_EQ(14, SelectedRadio(d, 1));
                            EXPECT_EQ(17, SelectedRadio(d, 16));
                            return Choose(12, 0x20, 5)(d);
                          },
                          [](FakeDialog &d) {
                            EXPECT_EQ(0x2C, d.items[243].color) << "recoloured from the groups";
                            return Choose(10, 0x70, COLOUR_EXIT_ACCEPT)(d);
                          },
                          AskForColour,
                          [](FakeDialog &d) {
                            EXPECT_EQ(0x7A, d.items[243].color) << "the accepted colour";
                            return Choose(1, 0x10, -1)(d);
                          },
                          Accept};
  EditIndicatorSettings();
  EXPECT_EQ(0x7Au, Stored("Color")) << "the last accepted colour; a cancelled one is dropped";
  EXPECT_TRUE(FakeDialogs().people.empty());
}

TEST_F(IndicatorSettingsTest, BlackOnBlackStoresZeroAndReopensAtBlackOnCyan) {
  PutRegNumber(Key("Indicator"), "Color", 0x4F);
  FakeDialogs().people = {AskForColour, Choose(0, 0, COLOUR_EXIT_ACCEPT), Accept};
  EditIndicatorSettings();
  EXPECT_EQ(0u, Stored("Color"));
  FakeDialogs().people = {AskForColour, [](FakeDialog &d) {
                            EXPECT_EQ(0x30, d.items[243].color);
                            return -1;
                          }};
  EditIndicatorSettings();
}

TEST_F(IndicatorSettingsTest, WithoutThePickerTheRequestSaves) {
  FakeDialogs().layouts.erase("Color Select");
  FakeDialogs().people = {[](FakeDialog &d) {
    d.items[6].status = 1;
    return AskForColour(d);
  }};
  EditIndicatorSettings();
  EXPECT_EQ(1u, Stored("Title")) << "saved at once";
  EXPECT_EQ(" %H:%M:%S ", StoredText("Format"));
}

TEST_F(IndicatorSettingsTest, TextsTheLibraryCannotGiveWriteNothing) {
  FakeDialogs().layouts["Indicator"] = [](FakeDialog &d) {
    d.items[2].group = 2;
    d.items[3].group = 2;
    d.items[3].value = 3;
    d.items[2].value = 2;
  };
  FakeDialogs().people = {[](FakeDialog &d) {
    SelectRadio(d, 3);
    return 16;
  }};
  EditIndicatorSettings();
  for (const char *name : {"Format", "Pause", "Xcoord", "Ycoord"})
    EXPECT_EQ("<absent>", StoredText(name)) << name;
  EXPECT_EQ(1u, Stored("Custom")) << "the rest is written";
}

TEST_F(IndicatorSettingsTest, MainMenuF4OpensTheSettings) {
  Host().menuReplies = {BreakKey(2, 0), Esc()};
  FakeDialogs().people = {[](FakeDialog &d) {
    strcpy(d.items[9].text, "2");
    return 16;
  }};
  OpenPlugin(OPEN_PLUGINSMENU, 0);
  ASSERT_NE(nullptr, LastLoaded("Indicator"));
  EXPECT_EQ("HoralisEng.dlg", LastLoaded("Indicator")->file);
  ASSERT_NE(nullptr, LastLoaded("Color Select"));
  EXPECT_EQ("color.dlg", LastLoaded("Color Select")->file);
  EXPECT_EQ(2u, Stored("Ycoord")) << "saved";
  EXPECT_EQ(0, ClockRunning.load()) << "no clock started";
}

} // namespace
