// Runs a fuzz target's entry point over saved inputs without libFuzzer, so
// every ordinary build replays the seed corpus and the kept crash inputs.
// Usage: replay <corpus folder> [more folders or files...]
// The first folder must hold at least one input; the others may be missing.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fs = std::filesystem;

namespace {
std::vector<fs::path> inputsIn(const fs::path& where) {
  std::vector<fs::path> found;
  std::error_code ec;
  if (fs::is_regular_file(where, ec)) return {where};
  if (!fs::is_directory(where, ec)) return found;
  for (const auto& e : fs::recursive_directory_iterator(where, ec))
    if (e.is_regular_file()) found.push_back(e.path());
  std::sort(found.begin(), found.end());
  return found;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <corpus folder> [folders or files...]\n", argv[0]);
    return 2;
  }
  size_t total = 0;
  for (int i = 1; i < argc; ++i) {
    const std::vector<fs::path> inputs = inputsIn(argv[i]);
    if (i == 1 && inputs.empty()) {
      std::fprintf(stderr, "%s: no inputs in %s\n", argv[0], argv[1]);
      return 2;
    }
    for (const fs::path& p : inputs) {
      std::ifstream in(p, std::ios::binary);
      std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
      std::printf("%s\n", p.string().c_str());
      std::fflush(stdout);
      // Like libFuzzer: exactly size bytes, and a valid pointer even for none.
      static uint8_t none = 0;
      LLVMFuzzerTestOneInput(bytes.empty() ? &none : bytes.data(), bytes.size());
      ++total;
    }
  }
  std::printf("replayed %zu inputs\n", total);
  return 0;
}
