#pragma once
// Makes realistic rain-gauge recordings: long dry spells, showers of a few
// hours, rainy days and, optionally, a typhoon-like storm lasting a day and a
// half. Output is raw sample words as the logger stores them (counts of
// 0.5 mm or 0.1 mm), so a recording can be written through the data-file
// library or served by the logger simulator.

#include <cstdint>
#include <string>
#include <vector>

struct RainGeneratorOptions {
  int32_t startTime = 0;      // stamp of sample 0
  int sampleCount = 0;
  bool tenthMillimetre = false;  // 0.1-mm model (version word 0x2001)
  uint32_t seed = 1;
  // Sample index where a typhoon-like storm begins; -1 for none.
  int stormAt = -1;
};

std::vector<uint16_t> generateRain(const RainGeneratorOptions& options);

// Writes a data file through the data-file library. Returns true on success.
bool writeRecording(const std::string& path, const std::string& name, const RainGeneratorOptions& options,
                    const std::vector<uint16_t>& samples);
