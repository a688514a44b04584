// The install as a user gets it: `cmake --install` into a scratch prefix, and
// the Debian package unpacked with dpkg -x. From there, with a bare
// environment and the build folder out of reach of every library path, the
// tool reads a recording and draws a chart (through its drawing program),
// the program finds its help, and the data-file
// types are those the program registers.
#include "CliRun.h"
#include "FileTypes.h"
#include "HelpFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {
const std::string kBuild = HY_BUILD_ROOT;
const std::string kSample = std::string(HY_SAMPLES_DIR) + "/short-2026-06-0.5mm.hyy";

int shell(const std::string& command) { return std::system(command.c_str()); }

// What an installed tree must hold, and how it must behave, under root.
void checkInstalledTree(const fs::path& root, const std::string& libDir) {
  const std::string drawing = HY_INSTALL_LIBEXECDIR "/hyetoscope/hyetoscope-cli-draw";
  const std::string text = HY_INSTALL_LIBEXECDIR "/hyetoscope/libhyetoscope-cli-text.so";
  const std::string chartPart = HY_INSTALL_LIBEXECDIR "/hyetoscope/libhyetoscope-cli-chart.so";
  const std::string archivePart = HY_INSTALL_LIBEXECDIR "/hyetoscope/libhyetoscope-cli-archive.so";
  EXPECT_TRUE(fs::is_regular_file(root / drawing)) << drawing;
  EXPECT_TRUE(fs::is_regular_file(root / text)) << text;
  EXPECT_TRUE(fs::is_regular_file(root / chartPart)) << chartPart;
  EXPECT_TRUE(fs::is_regular_file(root / archivePart)) << archivePart;
  for (const char* file : {"bin/hyetoscope", "bin/hyetoscope-cli", "share/hyetoscope/help/Hyetoscope.html",
                           "share/applications/hyetoscope.desktop", "share/icons/hicolor/scalable/apps/hyetoscope.svg",
                           "share/mime/packages/hyetoscope.xml", "share/man/man1/hyetoscope-cli.1"})
    EXPECT_TRUE(fs::is_regular_file(root / file)) << file;
  for (const char* lib : {"libTKCom1.so.1", "libLogstore1.so.1"})
    EXPECT_TRUE(fs::exists(root / libDir / lib)) << lib;

  // No program or library may look for anything in the build folder.
  TempDir dir;
  for (const char* elf : {"bin/hyetoscope", "bin/hyetoscope-cli", drawing.c_str(), text.c_str(), chartPart.c_str(), archivePart.c_str(),
                          "lib/libTKCom1.so.1",
                          "lib/libLogstore1.so.1"}) {
    const fs::path file = root / (std::string(elf).rfind("lib/", 0) == 0 ? libDir + std::string(elf).substr(3) : elf);
    ASSERT_EQ(shell("readelf -d '" + file.string() + "' > '" + dir.file("dyn") + "'"), 0) << file;
    EXPECT_EQ(readWholeFile(dir.file("dyn")).find(kBuild), std::string::npos) << file << " names the build folder";
  }

  const CliResult r = runProgram("/usr/bin/env", {"-i", "PATH=/usr/bin:/bin", (root / "bin/hyetoscope-cli").string(),
                                                  "info", kSample});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.out.find("  samples    1008 (to 2026/06/08 08:50:00)\n"), std::string::npos) << r.out;
  const std::string png = dir.file("chart.png");
  const CliResult chart = runProgram("/usr/bin/env", {"-i", "PATH=/usr/bin:/bin", (root / "bin/hyetoscope-cli").string(),
                                                      "chart", "-o", png, kSample});
  EXPECT_EQ(chart.exitCode, 0) << chart.err;
  EXPECT_EQ(readWholeFile(png).substr(1, 3), "PNG");
  // A PDF is handed on from the chart part to the installed drawing program.
  const std::string pdf = dir.file("chart.pdf");
  const CliResult handed = runProgram("/usr/bin/env", {"-i", "PATH=/usr/bin:/bin", (root / "bin/hyetoscope-cli").string(),
                                                       "chart", "-o", pdf, kSample});
  EXPECT_EQ(handed.exitCode, 0) << handed.err;
  EXPECT_EQ(readWholeFile(pdf).substr(0, 5), "%PDF-");

  EXPECT_EQ(findHelpFile(root / "bin"), (root / "share/hyetoscope/help/Hyetoscope.html").lexically_normal());
  EXPECT_EQ(readWholeFile((root / "share/mime/packages/hyetoscope.xml").string()), mimePackageText());
}
}  // namespace

TEST(Install, ScratchPrefixHoldsAWorkingProgramAndTool) {
  TempDir prefix;
  ASSERT_EQ(shell("'" HY_CMAKE "' --install '" + kBuild + "' --prefix '" + prefix.path().string() + "' > '" +
                  prefix.file("install.log") + "' 2>&1"),
            0)
      << readWholeFile(prefix.file("install.log"));
  checkInstalledTree(prefix.path(), HY_INSTALL_LIBDIR);
}

TEST(Install, DebianPackageUnpacksToAWorkingTreeAndNamesItsDependencies) {
  if (shell("command -v dpkg-deb >/dev/null 2>&1") != 0) GTEST_SKIP() << "dpkg-deb is not installed";
  TempDir work;
  const std::string log = work.file("cpack.log");
  ASSERT_EQ(shell("cd '" + work.path().string() + "' && '" HY_CPACK "' --config '" + kBuild +
                  "/CPackConfig.cmake' -B '" + work.path().string() + "' > '" + log + "' 2>&1"),
            0)
      << readWholeFile(log);
  fs::path deb;
  for (const auto& entry : fs::directory_iterator(work.path()))
    if (entry.path().extension() == ".deb") deb = entry.path();
  ASSERT_FALSE(deb.empty()) << readWholeFile(log);

  ASSERT_EQ(shell("dpkg-deb -f '" + deb.string() + "' Depends > '" + work.file("depends") + "'"), 0);
  const std::string depends = readWholeFile(work.file("depends"));
  for (const char* package : {"libqt6widgets6", "libqt6core6", "libstdc++6", "libc6", "fonts-ipaexfont-gothic"})
    EXPECT_NE(depends.find(package), std::string::npos) << package << " in " << depends;
  EXPECT_EQ(depends.find("tkcom1"), std::string::npos) << "the package's own libraries are inside it";

  const fs::path root = work.path() / "root";
  ASSERT_EQ(shell("dpkg -x '" + deb.string() + "' '" + root.string() + "'"), 0);
  checkInstalledTree(root / "usr", HY_INSTALL_LIBDIR);
}
