/* What every stand-in test needs: an 80x25 screen, keys from a script, and
   reading back what the screen shows. */
#ifndef HORALIS_TESTS_HOSTSTANDIN_STAND_IN_FIXTURE_H
#define HORALIS_TESTS_HOSTSTANDIN_STAND_IN_FIXTURE_H

#include <string>
#include <vector>

#include <gtest/gtest.h>

/* Sets the keys the next windows read; fails the test on a bad script. */
void PressKeys(const char *script);
/* The screen row as text, and the whole screen with rows joined by "\n". */
std::string Row(int y);
std::string WholeScreen();
/* The row of the screen on which a text stands, or -1. */
int RowOf(const std::string &text);
/* What the screen showed at one flush: every window draws and flushes
   before it waits for a key, so the flushes record what a person saw. */
struct ScreenPicture {
  std::string Rows[25];
  unsigned char Attr[25][80];
};
extern std::vector<ScreenPicture> Pictures;
/* The picture of the last flush before the window closed (the closing
   flush restores the screen). */
ScreenPicture PictureBeforeClose();
std::string ShownRow(const ScreenPicture &picture, int y);
int RowIn(const ScreenPicture &picture, const std::string &text);
std::string ShownText(const ScreenPicture &picture);

/* Whether a script's keys were all used. */
int KeysLeft();

class StandInTest : public ::testing::Test {
protected:
  void SetUp() override;
};

#endif
