#include "RainGenerator.h"

#include "CLogstore1App.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Rain intensity over time in mm per ten minutes, before quantisation.
class Weather {
 public:
  explicit Weather(uint32_t seed) : m_rng(seed) {}

  double next() {
    if (m_left <= 0) startSpell();
    --m_left;
    if (!m_wet) return 0.0;
    // A shower swells and fades; gusts come on top.
    double phase = 1.0 - static_cast<double>(m_left) / m_length;
    double shape = std::sin(kPi * phase);
    std::gamma_distribution<double> gust(1.5, 1.0 / 1.5);
    return m_peak * shape * shape * gust(m_rng);
  }

 private:
  void startSpell() {
    std::uniform_real_distribution<double> u(0.0, 1.0);
    m_wet = !m_wet;
    if (m_wet) {
      // Showers from half an hour to most of a day; most are short.
      m_length = 3 + static_cast<int>(std::exponential_distribution<double>(1.0 / 18.0)(m_rng));
      m_peak = 0.3 + std::exponential_distribution<double>(1.0 / 1.6)(m_rng);
    } else {
      // Dry spells from hours to weeks.
      m_length = 12 + static_cast<int>(std::exponential_distribution<double>(1.0 / 400.0)(m_rng));
      if (u(m_rng) < 0.1) m_length *= 4;
    }
    m_left = m_length;
  }

  std::mt19937 m_rng;
  bool m_wet = true;  // the first spell is dry
  int m_length = 1;
  int m_left = 0;
  double m_peak = 0.0;
};

// A typhoon: 36 hours, rain bands around a 60 mm/h core.
double stormMm(int slot) {
  constexpr int kLength = 216;
  if (slot < 0 || slot >= kLength) return 0.0;
  double x = (static_cast<double>(slot) - kLength * 0.6) / (kLength * 0.18);
  double core = 10.0 * std::exp(-x * x);
  double bands = 2.0 * (0.5 + 0.5 * std::sin(slot * 0.35)) * std::exp(-x * x / 6.0);
  return core + bands;
}

}  // namespace

std::vector<uint16_t> generateRain(const RainGeneratorOptions& options) {
  Weather weather(options.seed);
  const double step = options.tenthMillimetre ? 0.1 : 0.5;
  const uint16_t maxWord = options.tenthMillimetre ? 0x07FF : 0x0FFF;
  std::vector<uint16_t> words(static_cast<size_t>(std::max(0, options.sampleCount)));
  // The gauge's bucket tips only when full: the remainder carries over.
  double carry = 0.0;
  for (size_t k = 0; k < words.size(); ++k) {
    double mm = weather.next();
    if (options.stormAt >= 0) mm += stormMm(static_cast<int>(k) - options.stormAt);
    carry += mm;
    double tips = std::floor(carry / step + 1e-9);
    carry -= tips * step;
    words[k] = static_cast<uint16_t>(std::min<double>(tips, maxWord));
  }
  return words;
}

bool writeRecording(const std::string& path, const std::string& name, const RainGeneratorOptions& options,
                    const std::vector<uint16_t>& samples) {
  logstore::CLogstore1App store;
  if (!store.FOpen(path.c_str(), 'B', 'W')) return false;
  store.StartSetParameter();
  store.SetChannel(1, name.c_str());
  store.SetDate1(options.startTime);
  store.SetRecordInterval(600);
  store.SetUnit(13);
  store.SetMachineCode(0x1071);
  store.SetVersionInfo(options.tenthMillimetre ? 0x2001 : 0x1001);
  store.SetSampleNum(static_cast<unsigned long>(samples.size()));
  store.SetRawData(static_cast<unsigned long>(samples.size()), samples.data());
  if (!store.SaveChannel()) {
    store.Close('B');
    return false;
  }
  return store.Close('B') == 1;
}
