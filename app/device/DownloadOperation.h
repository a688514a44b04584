#pragma once
// DownloadOperation: one run of the download dialog - the start sequence
// on the user-interface thread, the ROM-record request (0x0C) and the data
// transfer (0x22) on two workers one after the other, cancel, close and
// the ending. It owns the download's worker-side data (sample buffer, data
// file writer) through its handlers and joins its workers before it goes.
//
// It writes the program-wide RecordingState only on the user-interface
// thread (the workers queue those changes): CurrentDataPath is the chosen
// file, "ER" after every failure or cancel (so nothing is reloaded), empty
// after "no data"; PendingDataName is the logger's name once its ROM record
// was read. It does not reload the document (runDownloadCommand does).
//
// Where it departs from the logger's original program: a ROM record that
// fails its checks ends the download ("通信に失敗しました。"); a count that
// cannot be saved is refused before any file is made; the data file's save
// and close results are checked; an abandoned download leaves the chosen
// path as it was (nothing is deleted there); closing the dialog during a
// transfer cancels it and waits for the worker.

#include "CheckConnection.h"
#include "DeviceLink.h"
#include "DownloadDialogUi.h"
#include "RecordingState.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace device {

constexpr uint8_t kRequestRomForDownload = 0x0C;
constexpr uint8_t kRequestTransfer = 0x22;
// Whole blocks of the receive area: a full logger (59,872 samples) asks for 30.
constexpr int kReceiveBlocks = 30;
constexpr uint32_t kMaxDownloadSamples = 59872;

struct DownloadOptions {
  int port = 1;
  std::string textPath;  // where the text copy goes; empty: none is written
  // The PC's clock, seconds since 1970 UTC (first-sample time of a logger
  // that keeps no start time).
  std::function<int64_t()> now;
  // Posted when the logger holds no data: the close-recording command.
  std::function<void()> closeRecording;
};

class DownloadOperation {
 public:
  enum class Phase { Ready, Preparing, Transferring, Cancelling, Ended };

  DownloadOperation(DeviceLink& link, RecordingState& state, DownloadDialogUi& dialog, DownloadOptions options);
  ~DownloadOperation();  // joins the workers
  DownloadOperation(const DownloadOperation&) = delete;
  DownloadOperation& operator=(const DownloadOperation&) = delete;

  // The dialog is up: buttons as after a reset.
  void onInit();
  // "吸い上げ開始": the start sequence. Returns with a transfer running, or
  // back in Ready after a failure.
  void onStart();
  // "吸い上げｷｬﾝｾﾙ".
  void onCancel();
  // The close button, Esc or the window's close. While a transfer runs it
  // cancels it and returns once the worker has finished; then tells the
  // worker to quit and ends the dialog. Ignored while the start sequence
  // runs (its waits take no input).
  void onClose();

  bool started() const { return m_started; }
  Phase phase() const { return m_phase; }
  // The text copy's path in the per-user data folder:
  // $XDG_DATA_HOME/hyetoscope/TempHYY.txt, else ~/.local/share/hyetoscope/TempHYY.txt.
  static std::string defaultTextPath();

 private:
  void reset();
  void fail(const char* text);
  void registerRequests();
  bool sendFrame(TKHandle port, const uint8_t* frame);
  void closePortAfterWorkers(TKHandle& port);
  // Worker side.
  void serveRom(WorkerContext& w);
  void serveTransfer(WorkerContext& w);
  void ending(WorkerContext& w);
  void post(std::function<void()> work);
  void postPath(std::string path);
  void showMessage(const char* text, MessageIcon icon = MessageIcon::None);

  DeviceLink& m_link;
  RecordingState& m_state;
  DownloadDialogUi& m_dialog;
  DownloadOptions m_options;
  // User-interface thread only.
  bool m_started = false;
  Phase m_phase = Phase::Ready;
  // Set before the worker that reads them starts; read-only while it runs.
  std::string m_path;
  std::array<char, 17> m_name{};
  // Written by the ROM worker, read after ReplyEvent.
  std::mutex m_romMutex;
  bool m_romValid = false;
  std::array<char, 17> m_romName{};
  uint16_t m_romVersion = 0;
  std::atomic<bool> m_transferActive{false};
  std::atomic<bool> m_noData{false};
  std::shared_ptr<int> m_alive = std::make_shared<int>(0);  // queued work checks it
};

}  // namespace device
