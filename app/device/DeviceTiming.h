#pragma once
// The fixed waits and attempt counts of every device operation, as data in
// one place. The user-interface side and the worker read them from here; no
// other file writes a device wait or an attempt count as a literal.
//
// The waits are what make the protocol work: the logger has no flow control,
// so a reply is read only after the wait that follows its command has let it
// arrive completely.

#include "CommandFrames.h"

#include <chrono>
#include <cstdint>
#include <span>

namespace device {

using std::chrono::milliseconds;

struct DeviceTiming {
  milliseconds afterLeadIn{600};        // lead-in byte -> first command
  milliseconds afterFrame{400};         // every command frame and start record
  milliseconds beforeBlockRequest{100}; // before each 0x1B of a download
  milliseconds beforeFollowUp{500};     // worker: request served -> follow-up
  milliseconds replyTestInterval{150};  // between two tests of the reply event
  int replyTests = 100;                 // tests of the reply event at most
  milliseconds downloadEndingPause{200};// no data: dialog closed -> close-recording command
  milliseconds workerIdlePoll{100};     // idle worker's look at its events
  milliseconds afterReplyHandled{100};  // worker after setting the reply/quit events
  milliseconds beforeGo{100};           // download: second worker started -> go
  milliseconds afterAbandon{100};       // download abandoned -> ending
  milliseconds beforeReservationView{100}; // reservation view: buttons disabled -> connection check

  // Every wait multiplied by factor, counts unchanged: tests run the
  // protocol on a fast clock (0.05), benchmarks on the real one (1).
  DeviceTiming scaled(double factor) const;
};

inline constexpr DeviceTiming kDeviceTiming{};

enum class DeviceOperation {
  ConnectionCheck,
  Download,
  ReadDeviceState,
  WriteDeviceState,
  ReadReservation,
  StartRecording,
};

// Stand-in codes for steps that are not a 6-byte frame.
constexpr uint8_t kStepStartRecord = 0x55;    // the 32-byte start record
constexpr uint8_t kStepBaseDataEither = 0x21; // 0x21, or 0x22 for the 0.1-mm model (baseDataFrame)

struct FrameStep {
  uint8_t code;
  int attempts;  // writes at most, each followed by DeviceTiming::afterFrame
};

// The frames an operation writes after its opening sequence, in order.
std::span<const FrameStep> framePlan(DeviceOperation operation);

// Attempts of one frame in an operation; 0 when the operation does not send it.
int attemptsFor(DeviceOperation operation, uint8_t code);

// Writes of the block request per block of a download.
constexpr int kBlockRequestAttempts = 3;

}  // namespace device
