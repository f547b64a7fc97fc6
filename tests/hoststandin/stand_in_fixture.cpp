#include "stand_in_fixture.h"

#include "host_state.h"
#include "input.h"
#include "keys.h"
#include "screen.h"

std::vector<ScreenPicture> Pictures;

namespace {
HostKey Keys[KEY_SCRIPT_MAX];

void TakePicture() {
  ScreenPicture picture;
  for (int y = 0; y < 25; ++y) {
    picture.Rows[y] = Row(y);
    for (int x = 0; x < 80; ++x)
      picture.Attr[y][x] = ScreenAt(x, y).Attr;
  }
  Pictures.push_back(picture);
}
} // namespace

ScreenPicture PictureBeforeClose() {
  if (Pictures.size() < 2) {
    ADD_FAILURE() << "no window was shown";
    return ScreenPicture();
  }
  return Pictures[Pictures.size() - 2];
}

std::string ShownRow(const ScreenPicture &picture, int y) {
  return y >= 0 && y < 25 ? picture.Rows[y] : std::string();
}

int RowIn(const ScreenPicture &picture, const std::string &text) {
  for (int y = 0; y < 25; ++y)
    if (picture.Rows[y].find(text) != std::string::npos)
      return y;
  return -1;
}

std::string ShownText(const ScreenPicture &picture) {
  std::string all;
  for (const std::string &row : picture.Rows)
    all += row + "\n";
  return all;
}

void PressKeys(const char *script) {
  char error[KEY_ERROR_SIZE];
  int n = ParseKeyScript(script, Keys, KEY_SCRIPT_MAX, error, sizeof error);
  ASSERT_GE(n, 0) << "key script \"" << script << "\": " << error;
  InputSetScript(Keys, n);
}

std::string Row(int y) {
  char text[SCREEN_MAX_WIDTH + 1];
  ScreenRowText(y, text, sizeof text);
  return text;
}

std::string WholeScreen() {
  std::string all;
  for (int y = 0; y < ScreenHeight(); ++y)
    all += Row(y) + "\n";
  return all;
}

int RowOf(const std::string &text) {
  for (int y = 0; y < ScreenHeight(); ++y)
    if (Row(y).find(text) != std::string::npos)
      return y;
  return -1;
}

int KeysLeft() { return InputRemaining(); }

void StandInTest::SetUp() {
  ScreenResize(80, 25);
  ScreenFill(0, 0, 79, 24, ' ', 0x07);
  PressKeys("");
  CurrentArea = AREA_PANELS;
  LineEditSet(&CommandLine, "", 0, LINE_EDIT_SIZE);
  Pictures.clear();
  ScreenSetFlushHook(TakePicture);
}
