// Window placement, file-type registration and the help file's place.
#include "FileTypes.h"
#include "HelpFile.h"
#include "TempDir.h"
#include "WindowPlacement.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace {
std::string readAll(const std::filesystem::path& p) {
  std::ifstream in(p);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}
const PlacementRect kDesktop{0, 0, 1280, 800};
}  // namespace

TEST(WindowPlacement, FirstStartIsTopLeft640By480) {
  EXPECT_EQ(placementFromStored({}, {}, {}, {}), (Placement{0, 0, 640, 480}));
  EXPECT_EQ(placementFromStored(10, 20, 700, 500), (Placement{10, 20, 700, 500}));
  EXPECT_EQ(placementFromStored(10, {}, {}, 300), (Placement{10, 0, 640, 300}));
}

TEST(WindowPlacement, InsideTheDesktopIsStoredAsItIs) {
  EXPECT_EQ(placementToStore({100, 50, 740, 530}, kDesktop, false), (Placement{100, 50, 640, 480}));
  EXPECT_EQ(placementToStore({0, 0, 1280, 800}, kDesktop, false), (Placement{0, 0, 1280, 800})) << "edges on the border";
}

TEST(WindowPlacement, AnyEdgeOutsideStoresTheDesktopInsetByOne) {
  const Placement inset{1, 1, 1278, 798};
  EXPECT_EQ(placementToStore({-1, 50, 600, 500}, kDesktop, false), inset);
  EXPECT_EQ(placementToStore({100, -8, 600, 500}, kDesktop, false), inset);
  EXPECT_EQ(placementToStore({100, 50, 1281, 500}, kDesktop, false), inset);
  EXPECT_EQ(placementToStore({100, 50, 600, 801}, kDesktop, false), inset);
  EXPECT_EQ(placementToStore({2000, 50, 2600, 500}, kDesktop, false), inset) << "on another screen gone now";
}

TEST(WindowPlacement, MaximisedOrMinimisedStoresTheDesktopInsetByOne) {
  EXPECT_EQ(placementToStore({0, 0, 1280, 800}, kDesktop, true), (Placement{1, 1, 1278, 798}));
  EXPECT_EQ(placementToStore({10, 10, 50, 50}, {100, 0, 1380, 800}, true), (Placement{101, 1, 1278, 798}));
}

TEST(FileTypes, RegistersBothTypesAndOpensThemWithTheProgram) {
  TempDir dir;
  EXPECT_EQ(registerFileTypes(dir.path(), "/opt/hy dir/hyetoscope"), 2);
  const std::string mime = readAll(dir.path() / "mime/packages/hyetoscope.xml");
  EXPECT_NE(mime.find("<glob pattern=\"*.hyy\"/>"), std::string::npos);
  EXPECT_NE(mime.find("<glob pattern=\"*.hyx\"/>"), std::string::npos);
  EXPECT_NE(mime.find("Hyeto Document"), std::string::npos);
  const std::string entry = readAll(dir.path() / "applications/hyetoscope.desktop");
  EXPECT_NE(entry.find("Exec=\"/opt/hy dir/hyetoscope\" %f\n"), std::string::npos);
  EXPECT_NE(entry.find(std::string("MimeType=") + kDocumentMimeType + ";"), std::string::npos);
}

TEST(FileTypes, UnchangedFilesAreNotRewrittenAndChangedOnesAre) {
  TempDir dir;
  ASSERT_EQ(registerFileTypes(dir.path(), "/usr/bin/hyetoscope"), 2);
  const auto entry = dir.path() / "applications/hyetoscope.desktop";
  const auto stamp = std::filesystem::last_write_time(entry);
  std::filesystem::last_write_time(entry, stamp - std::chrono::hours(1));
  ASSERT_EQ(registerFileTypes(dir.path(), "/usr/bin/hyetoscope"), 2);
  EXPECT_EQ(std::filesystem::last_write_time(entry), stamp - std::chrono::hours(1));
  ASSERT_EQ(registerFileTypes(dir.path(), "/usr/local/bin/hyetoscope"), 2);
  EXPECT_NE(readAll(entry).find("/usr/local/bin/hyetoscope"), std::string::npos);
}

TEST(FileTypes, FailuresAreIgnored) {
  TempDir dir;
  // A plain file where the folders should be: nothing can be written.
  std::ofstream(dir.file("blocked")) << "x";
  EXPECT_EQ(registerFileTypes(dir.path() / "blocked", "/usr/bin/hyetoscope"), 0);
  EXPECT_EQ(registerFileTypes({}, "/usr/bin/hyetoscope"), 0);
}

TEST(FileTypes, DesktopEntryQuotesAwkwardPaths) {
  EXPECT_NE(desktopEntryText("/a\"b$c").find("Exec=\"/a\\\"b\\$c\" %f"), std::string::npos);
}

TEST(HelpFile, FoundBesideTheProgramOrInTheInstalledDataFolder) {
  TempDir dir;
  EXPECT_TRUE(findHelpFile(dir.path() / "bin").empty());
  std::filesystem::create_directories(dir.path() / "share/hyetoscope/help");
  std::ofstream(dir.path() / "share/hyetoscope/help/Hyetoscope.html") << "<html/>";
  EXPECT_EQ(findHelpFile(dir.path() / "bin"), dir.path() / "share/hyetoscope/help/Hyetoscope.html");
  std::filesystem::create_directories(dir.path() / "bin/help");
  std::ofstream(dir.path() / "bin/help/Hyetoscope.html") << "<html/>";
  EXPECT_EQ(findHelpFile(dir.path() / "bin"), dir.path() / "bin/help/Hyetoscope.html");
  EXPECT_STREQ(kHelpFailureText, "ヘルプファイル <Hyetoscope.chm> が起動できません。");
}
