#include "TestRecordings.h"

#include "CLogstore1App.h"

#include <cstring>
#include <fstream>

bool writeTestRecording(const std::string& path, const std::vector<uint16_t>& samples, int32_t start,
                        unsigned long interval, const char* name) {
  logstore::CLogstore1App store;
  if (store.FOpen(path.c_str(), 'B', 'W') == 0) return false;
  store.SetChannel(1, name);
  store.SetDate1(start);
  store.SetRecordInterval(interval);
  store.SetVersionInfo(0x1001);
  store.SetSampleNum(samples.size());
  store.SetRawData(samples.size(), samples.data());
  if (store.SaveChannel() == 0) return false;
  return store.Close('B') == 1;
}

std::string storedName(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  char header[logstore::kHeaderSize] = {};
  if (!in.read(header, sizeof header)) return {};
  return std::string(header + logstore::kOffName, strnlen(header + logstore::kOffName, logstore::kNameFieldSize));
}
