#pragma once
// A recording put together in memory from a span of the station archive, so
// that the window shows, lists, exports and prints it like a loaded file:
// one sample per ten-minute slot from the span's first slot, in the 0.1-mm
// sample word, with the slots no recording covers as 0 in the samples and
// marked in RecordingBuffer::missingMarks, so that every series built from
// it knows them missing. The data name is the station's (Shift-JIS, cut to
// what a data file keeps).
//
// Plain functions; no file is written (the user saves such a recording
// himself, through the save commands).

#include "RecordingBuffer.h"
#include "SlotRun.h"

#include <string>

// The most slots one such recording holds (what a data file holds).
constexpr int kArchiveRecordingMaxSlots = logstore::kMaxSamples;  // 59,872
// The most rain one sample word holds in tenths (0.1-mm word: 11 bits).
constexpr int32_t kArchiveRecordingMaxTenths = 0x07FF;

// Fills out from run. False, with the reason (UTF-8, for the user), when
// the run is empty, longer than kArchiveRecordingMaxSlots, or a slot holds
// more rain than a sample word can.
bool buildArchiveRecording(const SlotRun& run, const std::string& stationUtf8, RecordingBuffer& out,
                           std::string& error);
