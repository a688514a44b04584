#include "DeviceTiming.h"

#include <array>

namespace device {

namespace {

constexpr std::array<FrameStep, 1> kConnectionCheck{{{kCmdProbe, 2}}};
constexpr std::array<FrameStep, 2> kDownload{{{kCmdRomRecord, 3}, {kStepBaseDataEither, 3}}};
constexpr std::array<FrameStep, 1> kReadDeviceState{{{kCmdRomRecord, 3}}};
constexpr std::array<FrameStep, 6> kWriteDeviceState{{{kCmdBuzzer, 2},
                                                       {kCmdDisplay, 2},
                                                       {kCmdResetHours, 2},
                                                       {kCmdThresholdHour, 2},
                                                       {kCmdThresholdDay, 2},
                                                       {kCmdThresholdStart, 2}}};
constexpr std::array<FrameStep, 2> kReadReservation{{{kCmdRomRecord, 2}, {kCmdBaseData, 2}}};
constexpr std::array<FrameStep, 1> kStartRecording{{{kStepStartRecord, 2}}};

milliseconds scaleOne(milliseconds d, double factor) {
  return milliseconds(static_cast<long long>(static_cast<double>(d.count()) * factor + 0.5));
}

}  // namespace

DeviceTiming DeviceTiming::scaled(double factor) const {
  DeviceTiming t = *this;
  for (milliseconds* d : {&t.afterLeadIn, &t.afterFrame, &t.beforeBlockRequest, &t.beforeFollowUp,
                          &t.replyTestInterval, &t.downloadEndingPause, &t.workerIdlePoll, &t.afterReplyHandled,
                          &t.beforeGo, &t.afterAbandon, &t.beforeReservationView})
    *d = scaleOne(*d, factor);
  return t;
}

std::span<const FrameStep> framePlan(DeviceOperation operation) {
  switch (operation) {
    case DeviceOperation::ConnectionCheck: return kConnectionCheck;
    case DeviceOperation::Download: return kDownload;
    case DeviceOperation::ReadDeviceState: return kReadDeviceState;
    case DeviceOperation::WriteDeviceState: return kWriteDeviceState;
    case DeviceOperation::ReadReservation: return kReadReservation;
    case DeviceOperation::StartRecording: return kStartRecording;
  }
  return {};
}

int attemptsFor(DeviceOperation operation, uint8_t code) {
  if (operation == DeviceOperation::Download && code == kCmdBaseDataTenth) code = kStepBaseDataEither;
  for (const FrameStep& step : framePlan(operation))
    if (step.code == code) return step.attempts;
  return 0;
}

}  // namespace device
