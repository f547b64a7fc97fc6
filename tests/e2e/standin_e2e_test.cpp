/* The stand-in as a person uses it around the plugin: the editor keeps a
   file as it was, line ends and all; the command line's Esc and the paste
   keys; a scripted run's screen, typed text and fresh state. */
#include "e2e_support.h"
#include "farhost_run.h"

#include <stdio.h>
#include <string.h>
#include <string>
#include <vector>
#include <windows.h>

#include <gtest/gtest.h>

namespace {

int LocalYear() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return now.wYear;
}

/* Lines of 60 characters ended by CR LF, 30,000 bytes and more. */
std::string LargeCrlfText() {
  std::string text;
  for (int line = 0; text.size() < 30000; ++line)
    text += "line " + std::to_string(line) + std::string(53, 'x') + "\r\n";
  return text;
}

/* Where line n of a text starts. */
size_t LineStart(const std::string &text, int n) {
  size_t at = 0;
  for (int line = 0; line < n; ++line)
    at = text.find('\n', at) + 1;
  return at;
}

FarhostRun Edit(const std::string &name, const std::string &file, const std::string &keys) {
  return RunFarhost(name, "--from editor --file \"" + file + "\" --keys \"" + keys + "\"");
}

TEST(StandInEditor, SavesExactlyTheLinesAsEdited) {
  const std::string large = LargeCrlfText();
  const struct {
    const char *Name;
    std::string Bytes, Keys, Saved;
  } cases[] = {
      {"save_crlf", "one\r\ntwo\r\n", "F2", "one\r\ntwo\r\n"},
      {"save_no_final_end", "one\r\ntwo", "F2", "one\r\ntwo"},
      {"save_mixed_ends", "a\r\nb\nc\rd", "Down End x F2", "a\r\nbx\nc\rd"},
      {"save_new_line", "a\r\nb\n", "End Enter c F2", "a\r\nc\r\nb\n"},
      {"save_joined", "a\r\nb\n", "End Del F2", "ab\n"},
      {"save_large", large, "F2", large},
      {"save_large_edited", large,
       "PgDn PgDn PgDn PgDn PgDn PgDn PgDn PgDn PgDn PgDn PgDn Home ! F2",
       large.substr(0, LineStart(large, 110)) + "!" + large.substr(LineStart(large, 110))},
      {"save_long_line", std::string(5000, 'w') + "\r\n", "End ! F2",
       std::string(5000, 'w') + "!\r\n"},
  };
  for (const auto &c : cases) {
    std::string file = WriteWorkFile(std::string(c.Name) + ".txt", c.Bytes);
    FarhostRun run = Edit(c.Name, file, c.Keys);
    ASSERT_EQ(run.ExitCode, 0) << c.Name << ": " << run.Stderr;
    EXPECT_TRUE(ReadAll(file) == c.Saved) << c.Name << ": saved byte for byte\n" << run.Log;
    EXPECT_NE(run.Log.find("bytes) -> 1"), std::string::npos) << c.Name << ": the save succeeded";
    EXPECT_EQ(run.Output.find("--- screen ---"), std::string::npos) << c.Name;
  }
}

TEST(StandInEditor, AFileItCannotKeepOpensReadOnlyWithAMessage) {
  const struct {
    const char *Name;
    std::string Bytes, Why;
    DWORD Attributes;
  } cases[] = {
      {"too_large", std::string((1 << 20) + 1, 'z'), "larger than the editor holds", 0},
      {"nul_bytes", std::string("a\0b\r\n", 5), "NUL bytes", 0},
      {"no_write", "old\r\n", "may not be written", FILE_ATTRIBUTE_READONLY},
  };
  for (const auto &c : cases) {
    std::string file = WriteWorkFile(std::string(c.Name) + ".txt", c.Bytes);
    SetFileAttributesA(file.c_str(), c.Attributes ? c.Attributes : FILE_ATTRIBUTE_NORMAL);
    /* The message first, then typing and a save, both refused. */
    FarhostRun run = Edit(c.Name, file, "Dump Enter x Enter F2 Dump Enter");
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(run.ExitCode, 0) << c.Name << ": " << run.Stderr;
    size_t notice = run.Output.find(c.Why);
    EXPECT_NE(notice, std::string::npos) << c.Name << ": says why\n" << run.Output;
    EXPECT_NE(run.Output.find("opened read-only", notice), std::string::npos) << c.Name;
    EXPECT_NE(run.Output.find("it has not been saved"), std::string::npos)
        << c.Name << ": F2 says it does not save\n"
        << run.Output;
    EXPECT_TRUE(ReadAll(file) == c.Bytes) << c.Name << ": the file is untouched";
    EXPECT_EQ(run.Log.find("editor: save"), std::string::npos) << c.Name;
  }
}

TEST(StandInEditor, ASaveThatCannotBeMadeSaysSo) {
  const struct {
    const char *Name;
    std::string File, Says, Editor, Log;
  } cases[] = {
      {"failed_save", WorkPath("no_such_folder/new.txt"), "Cannot save the file", "x",
       "bytes) -> 0"},
      /* Cut to fit, the path would name another file. */
      {"long_path", WorkPath(std::string(300, 'p') + ".txt"), "longer than the editor keeps", "",
       "read-only"},
  };
  for (const auto &c : cases) {
    FarhostRun run = Edit(c.Name, c.File, "x F2 Dump Enter");
    ASSERT_EQ(run.ExitCode, 0) << c.Name << ": " << run.Stderr;
    EXPECT_NE(run.Output.find(c.Says), std::string::npos) << c.Name << "\n" << run.Output;
    EXPECT_NE(run.Log.find(c.Log), std::string::npos) << c.Name << "\n" << run.Log;
    EXPECT_EQ(run.Editor, c.Editor) << c.Name << ": the text is kept for another try";
  }
  /* A file that refuses the new text (held open by another program) keeps
     its old one, and nothing is left beside it; the note is in the host's
     language. */
  const struct {
    const char *Language, *Says;
  } languages[] = {{"Eng", "the new text could not take the file's place"},
                   /* новый текст не смог занять место файла */
                   {"Rus", "\xAD\xAE\xA2\xEB\xA9 \xE2\xA5\xAA\xE1\xE2 \xAD\xA5 \xE1\xAC\xAE\xA3"}};
  for (const auto &l : languages) {
    std::string file = WriteWorkFile("held_open.txt", "old\r\n");
    HANDLE held = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    FarhostRun run = RunFarhost(std::string("held_open_") + l.Language,
                                std::string("--lang ") + l.Language + " --from editor --file \"" +
                                    file + "\" --keys \"x F2 Dump Enter\"");
    CloseHandle(held);
    EXPECT_NE(run.Output.find(l.Says), std::string::npos) << l.Language << "\n" << run.Output;
    EXPECT_TRUE(ReadAll(file) == "old\r\n") << l.Language << ": the file as it was";
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((file + ".saving").c_str()))
        << l.Language << ": no half-saved copy left";
  }
}

/* Another program's clipboard text, as a demo beside a scripted run has. */
std::string ThisProcessClipboard(const char *put) {
  std::string text;
  if (!OpenClipboard(nullptr))
    return "<cannot open>";
  if (put) {
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, strlen(put) + 1);
    memcpy(GlobalLock(block), put, strlen(put) + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
  }
  HANDLE data = GetClipboardData(CF_TEXT);
  const char *held = data ? (const char *)GlobalLock(data) : nullptr;
  text = held ? held : "<none>";
  if (held)
    GlobalUnlock(data);
  CloseClipboard();
  return text;
}

/* A run with a clipboard of its own empties and fills only that one. */
TEST(StandInScript, OwnClipboardLeavesTheClipboardOfAProgramBeside) {
  ThisProcessClipboard("the demo's text");
  TestRootKey root("own_clipboard");
  FarhostRun run = RunFarhost("own_clipboard", "--own-clipboard --from viewer --keys \"F11 Enter "
                                               "Enter\" " +
                                                   root.Option());
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  EXPECT_NE(run.Clipboard.find(std::to_string(LocalYear())), std::string::npos)
      << "the date went onto the run's own clipboard\n"
      << run.Output;
  EXPECT_EQ(ThisProcessClipboard(nullptr), "the demo's text");
}

TEST(StandInEditor, F10OnAChangedFileAsksFirst) {
  const struct {
    const char *Name, *Keys, *Saved, *EndsIn;
  } cases[] = {
      {"leave_unchanged", "F10", "a\n", "panels"},
      {"leave_save", "x F10 Enter", "xa\n", "panels"},
      {"leave_discard", "x F10 Right Enter", "a\n", "panels"},
      {"leave_cancel", "x F10 Esc", "a\n", "editor"},
      {"leave_cancel_button", "x Esc Right Right Enter", "a\n", "editor"},
  };
  for (const auto &c : cases) {
    std::string file = WriteWorkFile(std::string(c.Name) + ".txt", "a\n");
    FarhostRun run = Edit(c.Name, file, c.Keys);
    ASSERT_EQ(run.ExitCode, 0) << c.Name << ": " << run.Stderr;
    EXPECT_EQ(ReadAll(file), c.Saved) << c.Name;
    EXPECT_NE(run.Log.find(std::string("host: end in ") + c.EndsIn), std::string::npos)
        << c.Name << "\n"
        << run.Log;
    bool asked = run.Log.find("The file has been changed") != std::string::npos;
    EXPECT_EQ(asked, std::string(c.Name) != "leave_unchanged") << c.Name << "\n" << run.Log;
  }
}

TEST(StandInKeys, EscClearsTheCommandLineAndShiftInsPastes) {
  std::string file = WriteWorkFile("paste.txt", "text\r\n");
  const struct {
    const char *Name;
    std::string Arguments, Cmdline, Editor;
  } cases[] = {
      {"esc", "--keys \"abc Esc de\"", "de", ""},
      {"paste_cmdline", "--clipboard \"07.12.2026\" --keys \"x Shift+Ins\"", "x07.12.2026", ""},
      {"paste_editor",
       "--from editor --file \"" + file + "\" --clipboard \"07.12\" --keys \"Shift+Ins\"", "",
       "07.12text\\r\\n"},
      {"paste_nothing", "--empty-clipboard --keys \"x Shift+Ins\"", "x", ""},
  };
  for (const auto &c : cases) {
    FarhostRun run = RunFarhost(c.Name, c.Arguments);
    ASSERT_EQ(run.ExitCode, 0) << c.Name << ": " << run.Stderr;
    EXPECT_EQ(run.Cmdline, c.Cmdline) << c.Name;
    EXPECT_EQ(run.Editor, c.Editor) << c.Name;
  }
}

TEST(StandInScript, TypesAnsiTextInTheConsolesCodePageAndDumpsTheLastScreen) {
  /* "привет" in the ANSI code page, as a command line carries it. */
  const char ansi[] = "\xEF\xF0\xE8\xE2\xE5\xF2";
  char oem[sizeof ansi];
  CharToOemA(ansi, oem);
  FarhostRun run = RunFarhost("typed", std::string("--dump --keys \"\\\"a ") + ansi + "\\\"\"");
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  EXPECT_EQ(run.Cmdline, std::string("a ") + oem) << "typed as on a Russian keyboard";
  size_t screen = run.Output.find("--- screen ---");
  ASSERT_NE(screen, std::string::npos) << run.Output;
  EXPECT_NE(run.Output.find(std::string(">a ") + oem, screen), std::string::npos)
      << "the last screen shows the command line\n"
      << run.Output;
}

TEST(StandInScript, ScratchSettingsAreRemovedAtTheEnd) {
  FarhostRun run =
      RunFarhost("scratch", "--scratch-settings --keys \"F11 Enter Down Enter Esc Esc\"");
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  const std::string head = "settings: scratch root key ";
  size_t at = run.Log.find(head);
  ASSERT_NE(at, std::string::npos) << run.Log;
  std::string root = run.Log.substr(at + head.size(), run.Log.find('\n', at) - at - head.size());
  while (!root.empty() && (root.back() == '\r' || root.back() == ' '))
    root.pop_back();
  EXPECT_NE(run.Log.find("root key " + root + ", plugins"), std::string::npos)
      << "the plugins got the scratch root\n"
      << run.Log;
  HKEY key;
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, root.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS)
      << root << " is gone";
}

/* The host's own steps. A language switch reloads the plugin's texts, so
   its menu line is Russian after it; an unload without ExitFAR leaves no
   plugin to offer, and the run goes on; a title set stays, as the log of
   the dump after it shows. Inside a window a step is skipped. */
TEST(StandInScript, SwitchesLanguageUnloadsAndSetsTheTitle) {
  FarhostRun run =
      RunFarhost("steps", "--keys \"F11 Dump Unload Esc Lang Rus F11 Dump Esc "
                          "Title \\\"my title\\\" Dump Lang Eng Unload F11 Dump Enter\"");
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  std::vector<std::string> screens = Screens(run);
  ASSERT_EQ(screens.size(), 4u) << run.Output;
  EXPECT_NE(screens[0].find(Message("Eng", 0)), std::string::npos) << screens[0];
  EXPECT_NE(screens[1].find(Message("Rus", 0)), std::string::npos)
      << "the plugin's line in the new language\n"
      << screens[1];
  EXPECT_NE(run.Log.find("host: Unload skipped"), std::string::npos)
      << "no unload while the host's menu is open\n"
      << run.Log;
  EXPECT_NE(run.Log.find("host: at dump 3: console title \"my title\""), std::string::npos)
      << run.Log;
  EXPECT_NE(run.Log.find("host: plugin 0 unloaded without ExitFAR"), std::string::npos) << run.Log;
  EXPECT_EQ(run.Log.find("ExitFAR plugin=0"), std::string::npos) << "never called\n" << run.Log;
  EXPECT_NE(screens[3].find("No plugin offers an entry here"), std::string::npos) << screens[3];
}

/* Hotkeys in the Russian keyboard layout: Shift+Б is the key of '<' and
   Shift+Ю that of '>', so twice back and once on is the month before;
   Tab from '>' is that month's first day. */
TEST(StandInKeys, ShiftBeStepsTheCalendarsMonthInTheRussianLayout) {
  TestRootKey root("calendar_russian_layout");
  root.SetString("Format11", "Format", "%d.%m.%Y");
  root.SetDword("Format11", "Mode", 0); /* the clipboard */
  SYSTEMTIME now;
  GetLocalTime(&now);
  int month = now.wMonth == 1 ? 12 : now.wMonth - 1;
  int year = now.wMonth == 1 ? now.wYear - 1 : now.wYear;
  char expected[16];
  snprintf(expected, sizeof expected, "01.%02d.%04d", month, year);
  /* Shift+Б and Shift+Ю as the command line carries them, in the ANSI
     code page. */
  FarhostRun run = RunFarhost("calendar_russian_layout",
                              "--lang Rus --keys \"F11 Enter Down Down Down Enter Shift+\xC1 "
                              "Shift+\xC1 Shift+\xDE Dump Tab Enter\" " +
                                  root.Option());
  ASSERT_EQ(run.ExitCode, 0) << run.Stderr;
  EXPECT_EQ(run.Clipboard, expected) << "the first day of the month before\n" << run.Log;
  EXPECT_NE(run.Output.find(Message("Rus", 35 + month)), std::string::npos)
      << "the month before shown\n"
      << run.Output;
}

/* An interactive run: keys typed on the console, the summary printed there
   after the run. Its Russian text reads as Russian, as the screens showed
   it, not as the OEM bytes taken for another code page. */
TEST(StandInConsole, TheInteractiveSummaryShowsRussianText) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE in = CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE,
                          FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
  HANDLE out = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(in, INVALID_HANDLE_VALUE);
  ASSERT_NE(out, INVALID_HANDLE_VALUE);
  const wchar_t typed[] = L"\x043F\x0440\x0438\x0432\x0435\x0442"; /* привет */
  std::vector<INPUT_RECORD> keys;
  for (int i = 0; i <= 6; ++i) {
    INPUT_RECORD record = {};
    record.EventType = KEY_EVENT;
    record.Event.KeyEvent.bKeyDown = TRUE;
    record.Event.KeyEvent.wRepeatCount = 1;
    record.Event.KeyEvent.uChar.UnicodeChar = i < 6 ? typed[i] : 0;
    record.Event.KeyEvent.wVirtualKeyCode = i < 6 ? 0 : VK_F10;
    keys.push_back(record);
  }
  FlushConsoleInputBuffer(in);
  DWORD written = 0;
  ASSERT_TRUE(WriteConsoleInputW(in, keys.data(), (DWORD)keys.size(), &written));
  std::string command = std::string("\"") + FARHOST_EXE + "\" --plugins \"" + PLUGINS_DIR +
                        "\" --lang Rus --empty-clipboard --size 80x25";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in;
  startup.hStdOutput = out;
  startup.hStdError = out;
  PROCESS_INFORMATION process;
  std::vector<char> line(command.begin(), command.end());
  line.push_back(0);
  ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                             &startup, &process));
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  std::wstring shown;
  for (SHORT y = 0; y < 6; ++y) {
    wchar_t row[81] = {};
    DWORD read = 0;
    ReadConsoleOutputCharacterW(out, row, 80, COORD{0, y}, &read);
    shown += std::wstring(row, read) + L"\n";
  }
  CloseHandle(in);
  CloseHandle(out);
  EXPECT_NE(shown.find(std::wstring(L"cmdline: ") + typed), std::wstring::npos)
      << "the command line's text as typed";
}

} // namespace
