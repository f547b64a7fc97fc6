#include <string.h>

#include "hostlink/failure_box.h"
#include "hostlink/host_table.h"
#include "plugin/plugin.h"
#include "support/plugin_fixture.h"

typedef PluginTest HostTableTest;

TEST_F(HostTableTest, MessagesNeedTheHostTable) {
  HostReady = 0;
  EXPECT_EQ(nullptr, GetMsgText(MSG_TITLE)) << "no message before the host table is taken";
  EXPECT_EQ(-1, ShowFailureBox(MSG_CLIPBOARD_FAILED, 5)) << "no box before the host table is taken";
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
