// The recent-file list: newest first, four at most, a reopened file moves
// up instead of appearing twice, and the menu numbering.
#include "RecentFileList.h"

#include <gtest/gtest.h>

using Paths = std::vector<std::string>;

TEST(RecentFileList, NewestFirstFourAtMostAndNoRepeats) {
  RecentFileList list;
  for (const char* p : {"/a.hyy", "/b.hyy", "/c.hyy", "/d.hyy"}) list.add(p);
  EXPECT_EQ(list.paths(), (Paths{"/d.hyy", "/c.hyy", "/b.hyy", "/a.hyy"}));
  list.add("/e.hyy");
  EXPECT_EQ(list.paths(), (Paths{"/e.hyy", "/d.hyy", "/c.hyy", "/b.hyy"}));
  list.add("/b.hyy");  // already listed: moves to the front, nothing falls off
  EXPECT_EQ(list.paths(), (Paths{"/b.hyy", "/e.hyy", "/d.hyy", "/c.hyy"}));
  list.remove("/e.hyy");
  list.remove("/not-listed.hyy");
  EXPECT_EQ(list.paths(), (Paths{"/b.hyy", "/d.hyy", "/c.hyy"}));
  list.add("");
  EXPECT_EQ(list.paths().size(), 3u);
}

TEST(RecentFileList, StoredEntriesSkipGapsAndRepeats) {
  RecentFileList list;
  list.setPaths({"", "/x.hyy", "/x.hyy", "/y.hyy", "", "/z.hyy", "/w.hyy", "/v.hyy"});
  EXPECT_EQ(list.paths(), (Paths{"/x.hyy", "/y.hyy", "/z.hyy", "/w.hyy"}));
}

TEST(RecentFileList, MenuTextIsNumberedAndShowsAmpersands) {
  EXPECT_EQ(RecentFileList::menuText(0, "/data/rain.hyy"), "&1 /data/rain.hyy");
  EXPECT_EQ(RecentFileList::menuText(3, "/R&D/ﾃﾞｰﾀ.hyy"), "&4 /R&&D/ﾃﾞｰﾀ.hyy");
}
