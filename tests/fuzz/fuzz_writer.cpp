// The data-file writer with arbitrary parameters and call orders: a file
// exists at the target exactly when Close said so, it then loads with the
// sample count it was given, and nothing else is ever left in the folder.
#include "CLogstore1App.h"
#include "FuzzSupport.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::useProgramClock();
  fuzz::Input in(data, size);
  const fs::path folder = fs::path(fuzz::scratchFolder()) / "writer";
  std::error_code ec;
  fs::remove_all(folder, ec);
  fs::create_directory(folder);
  // Names up to the file-name limit of the folder.
  const size_t nameLength = in.byte() % 4 == 0 ? 251 : 1 + in.byte() % 40;
  const std::string target = (folder / (std::string(nameLength, 'w') + ".hyy")).string();

  const uint8_t order = in.byte();
  std::string name = in.bytes(in.byte() % 40);
  const int32_t start = static_cast<int32_t>(in.u32());
  const unsigned long interval = in.u32() % 200000;
  const unsigned char unit = in.byte();
  const unsigned long machine = in.u32();
  const unsigned short version = in.u16();
  const unsigned long count = (order & 0x40) ? in.u32() : in.u16() % 70000;
  const size_t handed = (order & 0x20) ? count : in.u16() % 70000;
  std::vector<unsigned short> samples(handed > 70000 ? 70000 : handed);
  for (unsigned short& s : samples) s = in.u16();

  int closed = 0;
  {
    logstore::CLogstore1App store;
    if (store.FOpen(target.c_str(), 'B', 'W') != 1) return 0;
    if (order & 1) store.StartSetParameter();
    store.SetChannel(static_cast<short>(order >> 4), name.c_str());
    store.SetDate1(start);
    store.SetRecordInterval(interval);
    store.SetUnit(unit);
    store.SetMachineCode(machine);
    if (order & 2) {
      store.SetSampleNum(count);
      store.SetVersionInfo(version);
    } else {
      store.SetVersionInfo(version);
      store.SetSampleNum(count);
    }
    if (!(order & 4)) store.SetRawData(static_cast<unsigned long>(samples.size()), samples.data());
    int saved = (order & 8) ? 0 : store.SaveChannel();
    closed = (order & 0x80) ? 0 : store.Close('B');
    if (closed == 1) FUZZ_CHECK(saved == 1);
  }

  FUZZ_CHECK(fs::exists(target) == (closed == 1));
  size_t entries = 0;
  for (const auto& e : fs::directory_iterator(folder)) entries += e.path() == target ? 1 : 100;
  FUZZ_CHECK(entries == (closed == 1 ? 1u : 0u));
  if (closed == 1) {
    static std::unique_ptr<unsigned char[]> image(new unsigned char[logstore::kImageSize]);
    logstore::CLogstore1App loader;
    FUZZ_CHECK(loader.BfileToBuff(target.c_str(), image.get()) == 1);
    FUZZ_CHECK(logstore::parseFiveDigitField(image.get() + logstore::kOffSampleCount) == static_cast<long>(count));
  }
  return 0;
}
