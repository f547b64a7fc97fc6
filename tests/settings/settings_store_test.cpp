#include <string.h>

#include "hostlink/host_table.h"
#include "plugin/plugin.h"
#include "settings/settings_store.h"
#include "support/plugin_fixture.h"

typedef PluginTest SettingsStoreTest;

TEST_F(SettingsStoreTest, KeysLiveUnderTheRootKeyAndHoralis) {
  ASSERT_NE(nullptr, OpenPresetKey(3));
  EXPECT_TRUE(RegKeyExists(Key("Format3"))) << "preset keys are Format<slot>";
  ASSERT_NE(nullptr, OpenPresetKey(11));
  EXPECT_TRUE(RegKeyExists(Key("Format11"))) << "no leading zeros";
  ASSERT_NE(nullptr, OpenSettingsKey("Indicator"));
  EXPECT_TRUE(RegKeyExists(Key("Indicator")));
}

TEST_F(SettingsStoreTest, OpeningAnExistingPresetNeverCreatesIt) {
  EXPECT_EQ(nullptr, OpenExistingPresetKey(4)) << "a missing slot does not open";
  EXPECT_FALSE(RegKeyExists(Key("Format4"))) << "and is not created";
  EXPECT_EQ(nullptr, CurrentKey);
  PutRegString(Key("Format4"), "Name", "four");
  EXPECT_NE(nullptr, OpenExistingPresetKey(4));
  char name[16];
  EXPECT_EQ(ERROR_SUCCESS, ReadText("Name", name, sizeof name));
  EXPECT_STREQ("four", name);
}

TEST_F(SettingsStoreTest, EachOpenReplacesTheCurrentKey) {
  OpenSettingsKey("Auto");
  HKEY first = CurrentKey;
  OpenSettingsKey("Menu");
  EXPECT_NE(nullptr, CurrentKey);
  DWORD one = 1;
  WriteValue("Custom", &one, REG_DWORD);
  EXPECT_EQ(1u, GetRegNumber(Key("Menu"), "Custom")) << "writes go to the key opened last";
  EXPECT_EQ(0xDEADBEEF, GetRegNumber(Key("Auto"), "Custom"));
  (void)first;
}

TEST_F(SettingsStoreTest, WritesStringsWithTerminatorAndNumbersAsFourBytes) {
  OpenSettingsKey("Auto");
  EXPECT_EQ(ERROR_SUCCESS, WriteValue("Format", "abc", REG_SZ));
  StoredValue text = GetRegValue(Key("Auto"), "Format");
  EXPECT_EQ((DWORD)REG_SZ, text.type);
  EXPECT_EQ(std::string("abc\0", 4), text.bytes) << "\"abc\" is stored as 4 bytes";

  DWORD number = 0x01020304;
  EXPECT_EQ(ERROR_SUCCESS, WriteValue("Custom", &number, REG_DWORD));
  StoredValue stored = GetRegValue(Key("Auto"), "Custom");
  EXPECT_EQ((DWORD)REG_DWORD, stored.type);
  EXPECT_EQ(4u, stored.bytes.size());

  EXPECT_EQ(ERROR_SUCCESS, WriteValue("Other", "xyz", REG_BINARY)) << "other types report 0";
  EXPECT_FALSE(GetRegValue(Key("Auto"), "Other").found) << "and store nothing";
}

TEST_F(SettingsStoreTest, NumbersReadAsStoredWhateverTheirType) {
  OpenSettingsKey("Indicator");
  PutRegString(Key("Indicator"), "Title", "1");
  DWORD number = 0;
  EXPECT_EQ(ERROR_SUCCESS, ReadValue("Title", &number, sizeof number));
  EXPECT_EQ(49u, number) << "the bytes \"1\" and its terminator, type not compared";
  EXPECT_EQ(0u, ReadNumber("Missing")) << "a missing number reads as 0";
  PutRegString(Key("Indicator"), "Pause", "12345");
  EXPECT_EQ(0u, ReadNumber("Pause")) << "a value longer than 4 bytes reads as 0";
}

struct TextCase {
  const char *what;
  DWORD type;
  std::string bytes;
  int bufferSize;
  const char *expected;
};

TEST_F(SettingsStoreTest, TextsAlwaysReadTerminatedInsideTheBuffer) {
  const TextCase cases[] = {
      {"plain string", REG_SZ, std::string("plain\0", 6), 16, "plain"},
      {"511 characters fit 512 bytes", REG_SZ, std::string(511, 'a') + '\0', 512, nullptr},
      {"512 characters do not fit", REG_SZ, std::string(512, 'b') + '\0', 512, ""},
      {"string without terminator", REG_SZ, "bare", 16, "bare"},
      {"binary text without terminator", REG_BINARY, "bin", 16, "bin"},
      {"binary of exactly the buffer size", REG_BINARY, std::string(16, 'x'), 16, ""},
      {"string of exactly the buffer size", REG_SZ, std::string(16, 'y'), 16, ""},
      {"69 characters fit 70 bytes", REG_SZ, std::string(69, 'n') + '\0', 70, nullptr},
      {"70 characters do not fit 70 bytes", REG_SZ, std::string(70, 'n') + '\0', 70, ""},
      {"a number read as text", REG_DWORD, std::string("\x41\x42\0\0", 4), 16, "AB"},
  };
  for (const TextCase &c : cases) {
    PutRegValue(Key("Auto"), "Format", c.type, c.bytes.data(), (DWORD)c.bytes.size());
    OpenSettingsKey("Auto");
    std::vector<char> buffer(c.bufferSize + 8, '#');
    ReadText("Format", buffer.data(), c.bufferSize);
    std::string expected = c.expected ? c.expected : c.bytes.substr(0, c.bytes.size() - 1);
    ASSERT_NE(nullptr, memchr(buffer.data(), 0, c.bufferSize)) << c.what << ": terminated";
    EXPECT_EQ(expected, std::string(buffer.data())) << c.what;
    EXPECT_EQ(std::string(8, '#'), std::string(buffer.data() + c.bufferSize, 8))
        << c.what << ": nothing written past the buffer";
  }
}

TEST_F(SettingsStoreTest, FailedReadEmptiesOnlyTheFirstByte) {
  OpenSettingsKey("Auto");
  char buffer[8] = "keepme";
  EXPECT_NE(ERROR_SUCCESS, ReadValue("Missing", buffer, sizeof buffer));
  EXPECT_EQ(0, buffer[0]);
  EXPECT_STREQ("eepme", buffer + 1) << "the rest of the buffer is left as it was";
}

TEST_F(SettingsStoreTest, DeletingCloseTheKeyAndReportsTheResult) {
  OpenPresetKey(5);
  EXPECT_EQ(ERROR_SUCCESS, DeletePresetKey(5));
  EXPECT_FALSE(RegKeyExists(Key("Format5")));
  EXPECT_EQ(nullptr, CurrentKey) << "no key is open after a delete";
  char text[8] = "x";
  EXPECT_NE(ERROR_SUCCESS, ReadText("Name", text, sizeof text)) << "a read now fails";
  EXPECT_STREQ("", text);
  DWORD one = 1;
  EXPECT_NE(ERROR_SUCCESS, WriteValue("Mode", &one, REG_DWORD)) << "and so does a write";
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, DeletePresetKey(5)) << "a missing slot reports the error";
}

TEST_F(SettingsStoreTest, ReadPresetCreatesTheSlotAndReadsAbsentValuesAsEmpty) {
  FormatPreset preset;
  memset(&preset, 'z', sizeof preset);
  ReadPreset(&preset, CALENDAR_SLOT);
  EXPECT_TRUE(RegKeyExists(Key("Format11"))) << "the calendar's first use creates its key";
  EXPECT_STREQ("", preset.Name);
  EXPECT_STREQ("", preset.Format);
  EXPECT_EQ(0u, preset.Mode);

  StorePreset(11, "Calendar", "%d.%m.%Y", 0x10000);
  ReadPreset(&preset, CALENDAR_SLOT);
  EXPECT_STREQ("Calendar", preset.Name);
  EXPECT_STREQ("%d.%m.%Y", preset.Format);
  EXPECT_EQ(0x10000u, preset.Mode);
}

TEST_F(SettingsStoreTest, PathsThatDoNotFitAreRefusedNotCut) {
  // "<root>\Horalis\Format11" must fit 80 characters with its terminator.
  const std::string suffix = "\\Horalis\\Format11";
  std::string fits = root + std::string(79 - root.size() - suffix.size(), 'r');
  std::string tooLong = fits + "r";
  PluginStartupInfo info = NewFakeHost(fits.c_str());
  SetStartupInfo(&info);
  EXPECT_NE(nullptr, OpenPresetKey(11)) << "a path of 79 characters fits";
  EXPECT_TRUE(RegKeyExists(fits + suffix));

  info = NewFakeHost(tooLong.c_str());
  SetStartupInfo(&info);
  EXPECT_EQ(nullptr, OpenPresetKey(11)) << "a path of 80 characters does not";
  EXPECT_EQ(nullptr, CurrentKey);
  DWORD one = 1;
  EXPECT_NE(ERROR_SUCCESS, WriteValue("Mode", &one, REG_DWORD)) << "nothing is written";
  EXPECT_FALSE(RegKeyExists(tooLong)) << "no key is made under a cut path";
  EXPECT_NE(ERROR_SUCCESS, DeletePresetKey(11));
  EXPECT_TRUE(RegKeyExists(fits + suffix)) << "a cut path never reaches another key";
  DeleteRegTree(fits);
}
