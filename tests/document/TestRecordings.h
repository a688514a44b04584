#pragma once
// Small data files written through the data-file library for tests.

#include <cstdint>
#include <string>
#include <vector>

// 2024-06-01 00:00 UTC+9.
constexpr int32_t kJune2024 = 1717167600;

// Writes a recording of the given samples; true on success.
bool writeTestRecording(const std::string& path, const std::vector<uint16_t>& samples,
                        int32_t start = kJune2024, unsigned long interval = 600, const char* name = "TEST");

// The data name stored in a file's header (empty when unreadable).
std::string storedName(const std::string& path);
