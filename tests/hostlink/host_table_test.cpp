#include <string.h>

#include "hostlink/host_table.h"
#include "plugin/plugin.h"
#include "support/plugin_fixture.h"

typedef PluginTest HostTableTest;

TEST_F(HostTableTest, MessagesNeedTheHostTable) {
  HostReady = 0;
  EXPECT_EQ(nullptr, GetMsgText(MSG_TITLE)) << "no message before the host table is taken";
  EXPECT_EQ(-1, ShowErrorBox("ClipboardError")) << "no box before the host table is taken";
  EXPECT_TRUE(Host().boxes.empty());

  PluginStartupInfo info = NewFakeHost(root.c_str());
  SetStartupInfo(&info);
  ASSERT_NE(nullptr, GetMsgText(MSG_TITLE));
  EXPECT_STREQ("Horalis", GetMsgText(MSG_TITLE));
  EXPECT_EQ(Host().moduleNumber, Host().lastGetMsgModule.load()) << "GetMsg gets ModuleNumber";
}

TEST_F(HostTableTest, KeepsItsOwnCopyOfTheTableAndRootKey) {
  char rootKey[ROOT_KEY_SIZE];
  strcpy(rootKey, root.c_str());
  PluginStartupInfo info = NewFakeHost(rootKey);
  SetStartupInfo(&info);
  memset(&info, 0, sizeof info);
  strcpy(rootKey, "Software\\Elsewhere");
  EXPECT_STREQ(root.c_str(), HostServices.RootKey) << "the root key is copied, not referenced";
  EXPECT_EQ(RootKeyCopy, HostServices.RootKey) << "RootKey points at the plugin's copy";
  EXPECT_STREQ("Horalis", GetMsgText(MSG_TITLE)) << "the services are copied";
}

TEST_F(HostTableTest, RootKeyTooLongIsNotCut) {
  std::string longRoot(ROOT_KEY_SIZE, 'k');
  PluginStartupInfo info = NewFakeHost(longRoot.c_str());
  SetStartupInfo(&info);
  EXPECT_STREQ("", RootKeyCopy) << "a root key of 256 characters is refused, not cut";

  std::string fits(ROOT_KEY_SIZE - 1, 'k');
  info = NewFakeHost(fits.c_str());
  SetStartupInfo(&info);
  EXPECT_EQ(fits, RootKeyCopy) << "255 characters fit";
}

TEST_F(HostTableTest, ErrorBoxShowsTheErrorOfTheFailedCall) {
  Host().boxReply = 1;
  SetLastError(1418);
  EXPECT_EQ(1, ShowErrorBox("ClipboardError")) << "the host's answer is returned";
  ASSERT_EQ(1u, Host().boxes.size());
  const MessageCall &box = Host().boxes[0];
  EXPECT_EQ(FMSG_WARNING | FMSG_ERRORTYPE, (int)box.flags) << "a warning with the system error";
  EXPECT_FALSE(box.hasHelpTopic);
  EXPECT_EQ(2, box.buttons);
  EXPECT_EQ(Host().moduleNumber, box.moduleNumber);
  std::vector<std::string> expected = {"Error (1418)", "ClipboardError", "\x01", "Ok", "Cancel"};
  EXPECT_EQ(expected, box.lines);
  EXPECT_EQ(1418u, GetLastError()) << "the host still finds the error to add its text";
}

TEST_F(HostTableTest, ErrorBoxWithoutTextShowsAnEmptyLine) {
  SetLastError(5);
  ShowErrorBox(nullptr);
  ASSERT_EQ(1u, Host().boxes.size());
  EXPECT_EQ("Error (5)", Host().boxes[0].lines[0]);
  EXPECT_EQ("", Host().boxes[0].lines[1]) << "a null text is an empty second line";
}
