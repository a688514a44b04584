// The tool's front and its parts: the front loads no Qt at all; the text
// and chart parts load Qt Core only, directly or through any library they
// load, and only the archive part SQLite; the drawing program draws with Qt
// Gui and needs no widget or printer; and a tool that cannot find a part
// says so instead of drawing nothing, while its other work goes on.
#include "CliRun.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {
const std::string kBin = HY_BIN_DIR;
const std::string kShort = std::string(HY_SAMPLES_DIR) + "/short-2026-06-0.5mm.hyy";

// The Qt and SQLite libraries a program or library loads: ldd's whole
// closure, not only the program's own NEEDED entries.
std::set<std::string> qtLibrariesLoaded(const std::string& program) {
  TempDir dir;
  const std::string list = dir.file("ldd");
  EXPECT_EQ(std::system(("ldd '" + program + "' > '" + list + "' 2>&1").c_str()), 0) << program;
  std::set<std::string> qt;
  std::istringstream lines(readWholeFile(list));
  for (std::string line; std::getline(lines, line);) {
    EXPECT_EQ(line.find("not found"), std::string::npos) << program << ": " << line;
    for (const char* watched : {"libQt6", "libsqlite3"}) {
      const auto start = line.find(watched);
      if (start != std::string::npos) qt.insert(line.substr(start, line.find(".so", start) - start));
    }
  }
  return qt;
}

// The library search path a program or library was linked with.
std::string runPath(const std::string& file) {
  TempDir dir;
  EXPECT_EQ(std::system(("readelf -d '" + file + "' > '" + dir.file("dyn") + "'").c_str()), 0) << file;
  const std::string dyn = readWholeFile(dir.file("dyn"));
  const auto start = dyn.find("runpath: [");
  if (start == std::string::npos) return "";
  const auto from = start + 10;
  return dyn.substr(from, dyn.find(']', from) - from);
}
}  // namespace

// The loader reads an empty entry of a search path as the current folder:
// a library planted where the user runs the tool would be loaded. The
// build's programs look beside themselves only.
TEST(CliPrograms, ProgramsNeverLookForLibrariesInTheCurrentFolder) {
  // The front links no library of the project and has no search path.
  EXPECT_EQ(runPath(kBin + "/hyetoscope-cli"), "");
  for (const char* file : {"hyetoscope", "libhyetoscope-cli-text.so", "libhyetoscope-cli-chart.so",
                           "libhyetoscope-cli-archive.so", "hyetoscope-cli-draw", "libTKCom1.so.1"}) {
    const std::string path = runPath(kBin + "/" + file);
    ASSERT_FALSE(path.empty()) << file;
    EXPECT_EQ(path.rfind("$ORIGIN", 0), 0u) << file << ": " << path;
    EXPECT_TRUE(path.back() != ':' && path.find("::") == std::string::npos) << file << ": " << path;
  }
}

TEST(CliPrograms, TextWorkLoadsQtCoreOnlyAndDrawingIsHandedToTheDrawingProgram) {
  EXPECT_EQ(qtLibrariesLoaded(kBin + "/hyetoscope-cli"), std::set<std::string>{});
  EXPECT_EQ(qtLibrariesLoaded(kBin + "/libhyetoscope-cli-text.so"), std::set<std::string>{"libQt6Core"});
  EXPECT_EQ(qtLibrariesLoaded(kBin + "/libhyetoscope-cli-chart.so"), std::set<std::string>{"libQt6Core"});
  EXPECT_EQ(qtLibrariesLoaded(kBin + "/libhyetoscope-cli-archive.so"),
            (std::set<std::string>{"libQt6Core", "libsqlite3"}));
  const std::set<std::string> drawing = qtLibrariesLoaded(kBin + "/hyetoscope-cli-draw");
  EXPECT_TRUE(drawing.count("libQt6Gui")) << "the drawing program draws with Qt Gui";
  EXPECT_FALSE(drawing.count("libQt6Widgets") || drawing.count("libQt6PrintSupport"))
      << "charts, pages and sheets need no widget and no printer";

  // A tool without its drawing program beside it (nor installed where it
  // looks): drawing fails with the reason and writes nothing; a PNG chart
  // is drawn by the chart part alone, a PDF one is handed on and fails so;
  // text works.
  TempDir dir;
  const std::string lone = dir.file("hyetoscope-cli");
  fs::copy_file(kBin + "/hyetoscope-cli", lone);
  fs::permissions(lone, fs::perms::owner_exec, fs::perm_options::add);
  for (const char* library :
       {"libhyetoscope-cli-text.so", "libhyetoscope-cli-chart.so", "libTKCom1.so.1", "libLogstore1.so.1"})
    fs::copy_file(kBin + "/" + library, dir.file(library));
  const CliResult table = runProgram(lone, {"table", "-o", dir.file("x.pdf"), kShort});
  EXPECT_EQ(table.exitCode, 127) << table.err;
  EXPECT_NE(table.err.find("hyetoscope-cli: cannot start the drawing program"), std::string::npos) << table.err;
  EXPECT_NE(table.err.find("hyetoscope-cli-draw"), std::string::npos) << table.err;
  EXPECT_FALSE(fs::exists(dir.file("x.pdf")));
  const CliResult png = runProgram(lone, {"chart", "-o", dir.file("x.png"), kShort});
  EXPECT_EQ(png.exitCode, 0) << png.err;
  EXPECT_EQ(png.err, "");
  EXPECT_TRUE(fs::exists(dir.file("x.png")));
  const CliResult pdf = runProgram(lone, {"chart", "-o", dir.file("x.pdf"), kShort});
  EXPECT_EQ(pdf.exitCode, 127) << pdf.err;
  EXPECT_NE(pdf.err.find("hyetoscope-cli: cannot start the drawing program"), std::string::npos) << pdf.err;
  EXPECT_FALSE(fs::exists(dir.file("x.pdf")));
  const CliResult info = runProgram(lone, {"info", kShort});
  EXPECT_EQ(info.exitCode, 0) << info.err;
  EXPECT_EQ(info.out, runCli({"info", kShort}).out);

  // Without its chart or text part the front says what it missed.
  fs::remove(dir.file("libhyetoscope-cli-chart.so"));
  const CliResult noChart = runProgram(lone, {"chart", "-o", dir.file("y.png"), kShort});
  EXPECT_EQ(noChart.exitCode, 127);
  EXPECT_NE(noChart.err.find("hyetoscope-cli: cannot load the tool's chart part"), std::string::npos) << noChart.err;
  EXPECT_FALSE(fs::exists(dir.file("y.png")));
  fs::remove(dir.file("libhyetoscope-cli-text.so"));
  const CliResult noText = runProgram(lone, {"info", kShort});
  EXPECT_EQ(noText.exitCode, 127);
  EXPECT_NE(noText.err.find("hyetoscope-cli: cannot load the tool's text part"), std::string::npos) << noText.err;
  EXPECT_EQ(noText.out, "");
}
