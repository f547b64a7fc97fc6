#include <string.h>

#include <algorithm>

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

// A root of `length` characters under the test's own: its own root, then
// components of 50 characters.
static std::string LongRoot(const std::string &root, size_t length) {
  std::string path = root;
  while (path.size() < length)
    path += "\\" + std::string(std::min<size_t>(50, length - path.size() - 1), 'r');
  return path;
}

TEST_F(SettingsStoreTest, KeysLiveUnderRootsOfAnyLengthTheHostGives) {
  for (size_t length : {65, 80, 200, 255}) {
    std::string longRoot = LongRoot(root, length);
    PluginStartupInfo info = NewFakeHost(longRoot.c_str());
    SetStartupInfo(&info);
    DWORD mode = (DWORD)length;
    EXPECT_NE(nullptr, OpenPresetKey(11)) << "a root of " << length;
    EXPECT_EQ(ERROR_SUCCESS, WriteValue("Mode", &mode, REG_DWORD)) << length;
    EXPECT_NE(nullptr, OpenSettingsKey("Indicator")) << length;
    EXPECT_EQ(ERROR_SUCCESS, WriteValue("Format", "%H", REG_SZ)) << length;
    EXPECT_TRUE(RegKeyExists(longRoot)) << length << ": the keys are under the root";
    EXPECT_NE(nullptr, OpenExistingPresetKey(11)) << length;
    EXPECT_EQ((DWORD)length, ReadNumber("Mode")) << length << ": read back";
    EXPECT_NE(nullptr, OpenExistingSettingsKey("Indicator")) << length;
    char format[8];
    EXPECT_EQ(ERROR_SUCCESS, ReadText("Format", format, sizeof format));
    EXPECT_STREQ("%H", format) << length << ": read back";
    EXPECT_EQ(ERROR_SUCCESS, DeletePresetKey(11)) << length;
  }
}

TEST_F(SettingsStoreTest, AWriteWithoutAKeyReportsWhyTheOpenFailed) {
  std::string tooLong(ROOT_KEY_SIZE, 'k');
  PluginStartupInfo info = NewFakeHost(tooLong.c_str());
  SetStartupInfo(&info);
  EXPECT_EQ(nullptr, OpenPresetKey(11)) << "a root the plugin could not keep opens nothing";
  DWORD one = 1;
  EXPECT_EQ(ERROR_BADKEY, WriteValue("Mode", &one, REG_DWORD)) << "the write says why";
  DeletePresetKey(11);
  EXPECT_EQ(ERROR_INVALID_HANDLE, WriteValue("Mode", &one, REG_DWORD))
      << "after a delete, no key was opened";
}
