/* What the end-to-end tests share: messages of the installed language
   files, the date text of a format for the time of a run, and a settings
   root of each test's own. */
#ifndef HORALIS_TESTS_E2E_E2E_SUPPORT_H
#define HORALIS_TESTS_E2E_E2E_SUPPORT_H

#include <string>
#include <windows.h>

#include <gtest/gtest.h>

/* A message of the installed language file ("Eng" or "Rus"). */
std::string Message(const char *language, int id);

std::string ExpandNow(const std::string &format);

/* The date text of a format for the time of a run: a run may cross a
   minute, so the text from before or after it is accepted. */
struct DateWindow {
  std::string Format, Before, After;
  explicit DateWindow(const std::string &format) : Format(format), Before(ExpandNow(format)) {}
  void Close() { After = ExpandNow(Format); }
};

/* Checks that a reported text is the template with the date put where
   "<date>" stands, for either end of the window. */
::testing::AssertionResult HasDate(const std::string &reported, const std::string &pattern,
                                   const DateWindow &window);

/* A settings root of the test's own under HKCU, removed afterwards. */
class TestRootKey {
public:
  explicit TestRootKey(const std::string &name);
  ~TestRootKey();
  void SetDword(const char *key, const char *value, DWORD data);
  void SetString(const char *key, const char *value, const std::string &data);
  /* The root made a volatile key: no lasting key can be created below it,
     so every save there is refused. */
  void MakeVolatile();
  /* Exactly the given bytes, no terminator added. */
  void SetBytes(const char *key, const char *value, DWORD type, const std::string &data);
  /* The stored value, or "<absent>". */
  std::string GetString(const char *key, const char *value) const;
  DWORD GetDword(const char *key, const char *value) const; /* 0xDEADBEEF when absent */
  bool HasKey(const char *key) const;
  std::string Option() const { return "--root-key \"" + Root + "\""; }
  const std::string Root;

private:
  HKEY Open(const char *key);
  void Remove();
};

#endif
