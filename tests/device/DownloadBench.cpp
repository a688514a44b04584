#include "DownloadBench.h"

#include "CLogstore1App.h"

#include <filesystem>
#include <fstream>
#include <iterator>

DownloadBench::DownloadBench(double factor) : bench(factor) {
  dataDir = bench.dir.file("data");
  std::filesystem::create_directories(dataDir);
  target = dataDir + "/new.hyy";
  textPath = bench.dir.file("share/hyetoscope/TempHYY.txt");
  logstore::CLogstore1App::SetFileChooser([this](logstore::ChooserPurpose) { return target; });
  device::DownloadOptions options;
  options.port = 1;
  options.textPath = textPath;
  options.now = [this] { return now; };
  options.closeRecording = [this] { ++closeRecordingPosted; };
  op = std::make_unique<device::DownloadOperation>(*bench.link, state, view, options);
  op->onInit();
}

DownloadBench::~DownloadBench() {
  op.reset();
  logstore::CLogstore1App::SetFileChooser({});
}

void DownloadBench::runToEnd() {
  op->onStart();
  bench.ui.until([this] { return view.ended > 0; });
  bench.ui.drain();
}

std::string DownloadBench::oldFileBytes() const {
  std::ifstream in(target, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> DownloadBench::dataFolder() const {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dataDir)) names.push_back(e.path().filename().string());
  return names;
}

void writeOldFile(const std::string& path, int n) {
  logstore::CLogstore1App store;
  store.FOpen(path.c_str(), 'B', 'W');
  store.SetChannel(1, "OLDER");
  store.SetDate1(1600000200);
  store.SetRecordInterval(600);
  store.SetSampleNum(static_cast<unsigned long>(n));
  std::vector<uint16_t> samples(static_cast<size_t>(n), 3);
  store.SetRawData(static_cast<unsigned long>(n), samples.data());
  store.SaveChannel();
  store.Close('B');
}
