#include "DownloadOperation.h"

#include "CLogstore1App.h"
#include "CommandFrames.h"
#include "DeviceSteps.h"
#include "DeviceTexts.h"
#include "Replies.h"

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>

namespace device {

namespace {

constexpr const char* kFailedPath = "ER";

}  // namespace

DownloadOperation::DownloadOperation(DeviceLink& link, RecordingState& state, DownloadDialogUi& dialog,
                                     DownloadOptions options)
    : m_link(link), m_state(state), m_dialog(dialog), m_options(std::move(options)) {
  if (!m_options.now) m_options.now = [] { return static_cast<int64_t>(std::time(nullptr)); };
  registerRequests();
}

DownloadOperation::~DownloadOperation() {
  m_link.tellWorkerToQuit();
  m_link.joinWorkers();
}

std::string DownloadOperation::defaultTextPath() {
  std::filesystem::path base;
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg != nullptr && xdg[0] == '/') {
    base = xdg;
  } else {
    const char* home = std::getenv("HOME");
    base = std::filesystem::path(home != nullptr ? home : "") / ".local/share";
  }
  return (base / "hyetoscope" / "TempHYY.txt").string();
}

void DownloadOperation::registerRequests() {
  m_link.registerRequest(kRequestRomForDownload, {[this](WorkerContext& w) { serveRom(w); }, {}});
  m_link.registerRequest(kRequestTransfer,
                         {[this](WorkerContext& w) { serveTransfer(w); }, [this](WorkerContext& w) { ending(w); }});
}

void DownloadOperation::onInit() { reset(); }

void DownloadOperation::reset() {
  m_dialog.setProgress(0);
  m_dialog.setButtons(true, false, true);
  m_dialog.setStatus("");
  if (m_phase != Phase::Ended) m_phase = Phase::Ready;
}

void DownloadOperation::fail(const char* text) {
  showMessage(text);
  // Nothing of a failed download may be reloaded, not even an older file
  // that happens to sit at the chosen path.
  m_state.currentDataPath = kFailedPath;
  reset();
}

void DownloadOperation::showMessage(const char* text, MessageIcon icon) { m_link.workerUi().message(text, icon); }

bool DownloadOperation::sendFrame(TKHandle port, const uint8_t* frame) {
  return sendWithAttempts(m_link, port, std::span<const uint8_t>(frame, std::tuple_size_v<CommandFrame>),
                          attemptsFor(DeviceOperation::Download, frame[0]));
}

void DownloadOperation::closePortAfterWorkers(TKHandle& port) {
  // A worker still reading must let go of the port before it is closed.
  m_link.tellWorkerToQuit();
  m_link.joinWorkers();
  if (port != 0) TKCloseComm(&port);
  m_link.portHandle.store(0);
}

void DownloadOperation::onStart() {
  if (m_phase != Phase::Ready) return;
  const DeviceTiming& timing = m_link.timing();
  m_started = true;
  m_phase = Phase::Preparing;
  m_dialog.setButtons(false, true, false);
  {
    logstore::CLogstore1App store;
    m_state.currentDataPath = store.GetFileName(logstore::kModeBinary, logstore::kPurposeSave);
  }
  if (m_state.currentDataPath == kFailedPath || m_state.currentDataPath.empty()) {
    reset();
    return;
  }
  m_path = m_state.currentDataPath;
  if (CheckConnection(m_link, m_options.port) == 0) {
    fail(kTextCommFailed);
    return;
  }
  TKHandle port = TKOpenComm(m_options.port, TK_BUFFER_SIZE, TK_BUFFER_SIZE);
  const uint8_t leadIn = kLeadInByte;
  if (TKPutROM(port, &leadIn, 1) == 0) {
    closePortAfterWorkers(port);
    fail(kTextSendFailed);
    return;
  }
  m_link.uiWait().sleep(timing.afterLeadIn);
  m_dialog.setStatus(kTextDownloading);
  if (!sendFrame(port, romRequestFrame().data())) {
    closePortAfterWorkers(port);
    fail(kTextSendFailed);
    return;
  }
  {
    std::lock_guard lock(m_romMutex);
    m_romValid = false;
  }
  m_link.handRequest(kRequestRomForDownload, port);
  m_link.startWorkerIfNone();
  m_link.waitForReply();
  m_link.tellWorkerToQuit();
  bool romValid;
  {
    std::lock_guard lock(m_romMutex);
    romValid = m_romValid;
    if (romValid) m_name = m_romName;
  }
  if (!romValid) {
    // Going on would read the samples with the model word of an earlier
    // logger (five times off between the two sample steps).
    closePortAfterWorkers(port);
    fail(kTextCommFailed);
    return;
  }
  m_state.setPendingName(m_name.data());
  const uint16_t version = m_link.deviceVersionWord.load();
  if (!sendFrame(port, baseDataFrame(version).data())) {
    closePortAfterWorkers(port);
    fail(kTextSendFailed);
    return;
  }
  m_link.handRequest(kRequestTransfer, port);
  m_link.uiWait().sleep(timing.afterFrame);
  m_transferActive.store(true);
  m_noData.store(false);
  m_phase = Phase::Transferring;
  m_link.startWorkerIfNone();
  m_link.uiWait().sleep(timing.beforeGo);
  m_link.setGo();
}

void DownloadOperation::onCancel() {
  if (m_phase != Phase::Transferring) return;
  m_phase = Phase::Cancelling;
  m_dialog.setButtons(false, false, false);
  m_dialog.setStatus(kTextCancelling);
  m_link.setCancel();
}

void DownloadOperation::onClose() {
  if (m_phase == Phase::Preparing || m_phase == Phase::Ended) return;
  if (m_transferActive.load()) {
    // Closing mid-transfer is a cancel; the dialog stays until the worker,
    // which writes the data file, has finished.
    onCancel();
    m_link.uiWait().until([this] { return !m_transferActive.load(); });
    // The ending's own close may have run while we waited.
    if (m_phase == Phase::Ended) return;
  }
  m_link.tellWorkerToQuit();
  m_link.joinWorkers();
  // The join keeps the user-interface loop running, so the close that the
  // worker's ending queued may have ended the dialog meanwhile.
  if (m_phase == Phase::Ended) return;
  m_phase = Phase::Ended;
  m_dialog.endDialog();
}

// ---- worker side ----

void DownloadOperation::post(std::function<void()> work) {
  // Work queued for an operation that has ended by the time it runs is dropped.
  std::weak_ptr<int> alive = m_alive;
  m_link.workerUi().post([alive, work = std::move(work)] {
    if (alive.lock()) work();
  });
}

void DownloadOperation::postPath(std::string path) {
  post([this, path = std::move(path)] { m_state.currentDataPath = path; });
}

void DownloadOperation::serveRom(WorkerContext& w) {
  if (w.readReply(TK_ROM_SIZE)) {
    RomRecord rom{};
    if (TKGetROM(w.replyBuffer(), &rom) == 1) {
      std::lock_guard lock(m_romMutex);
      m_romValid = true;
      m_romName.fill(0);
      std::memcpy(m_romName.data(), w.replyBuffer() + kRomNameOffset, kDeviceNameSize);
      m_romVersion = rom.words[kRomWordModel];
      w.link().deviceVersionWord.store(m_romVersion);
    }
  }
  // Failed or not, the waiting start sequence hears at once.
  w.events().reply.set();
  w.finish();
  w.sleep(w.link().timing().afterReplyHandled);
}

void DownloadOperation::serveTransfer(WorkerContext& w) {
  const DeviceTiming& timing = w.link().timing();
  const TKHandle port = w.link().portHandle.load();
  auto base = std::make_unique<BaseDataRecord>();
  if (!w.readReply(TK_BASE_DATA_SIZE)) {
    showMessage(kTextSendFailed);
    postPath(kFailedPath);
    return;
  }
  TKGetBaseData(port, w.replyBuffer(), base.get());
  const uint32_t count = base->count;
  if (count == 0) {
    showMessage(kTextNoData);
    m_noData.store(true);
    w.link().noDataFlag.store(true);
    return;
  }
  const int blocks = blockCount(count);
  if (count > kMaxDownloadSamples || blocks > kReceiveBlocks) {
    // Refused before any file exists: the data file holds no more.
    showMessage(kTextDownloadFailed);
    postPath(kFailedPath);
    return;
  }
  post([this] {
    m_dialog.showNormal();
    m_dialog.setProgress(0);
  });
  logstore::CLogstore1App store;
  if (store.FOpen(m_path.c_str(), 'B', 'W') == 0) {
    showMessage(kTextFileOpenError);
    postPath(kFailedPath);
    return;
  }
  const uint16_t version = w.link().deviceVersionWord.load();
  store.StartSetParameter();
  store.SetChannel(1, m_name.data());
  store.SetDate1(static_cast<long>(firstSampleTime(*base, m_options.now())));
  store.SetRecordInterval(600);
  store.SetUnit(13);
  store.SetMachineCode(0x1071);
  store.SetSampleNum(count);
  if (version == kTenthModelWord) store.SetVersionInfo(kTenthModelWord);

  std::vector<uint16_t> samples(static_cast<size_t>(kReceiveBlocks) * kSamplesPerBlock, 0);
  const int step = 1000 / blocks;
  int progress = 0;
  auto abandon = [&](const char* text) {
    if (text != nullptr) showMessage(text);
    // The new file exists only as a temporary until Close succeeds: closing
    // now discards it, and whatever was at the chosen path stays as it was.
    store.Close('B');
    postPath(kFailedPath);
    w.sleep(timing.afterAbandon);
  };
  for (int i = 0; i < blocks; ++i) {
    if (w.events().cancel.isSet()) {
      w.events().cancel.reset();
      abandon(nullptr);
      return;
    }
    if (i > 0) {
      progress += step;
      post([this, progress] { m_dialog.setProgress(progress); });
    }
    bool sent = false;
    bool failedOutright = false;
    for (int attempt = 0; attempt < kBlockRequestAttempts && !sent; ++attempt) {
      w.sleep(timing.beforeBlockRequest);
      const uint8_t request = kBlockRequest;
      const int written = TKWriteComm(port, &request, 1);
      sent = written == 1;
      failedOutright = failedOutright || written == TK_ERR_WRITE;
    }
    if (!sent && failedOutright) {
      abandon(kTextSendFailed);
      return;
    }
    if (TKGetSaveData(port, base.get()) == 0) {
      abandon(kTextDownloadFailed);
      return;
    }
    std::memcpy(reinterpret_cast<uint8_t*>(samples.data()) + static_cast<size_t>(i) * TK_BLOCK_SIZE,
                base->block.bytes, TK_BLOCK_SIZE);
    if (i == blocks - 1) {
      progress += step;
      post([this, progress] { m_dialog.setProgress(progress); });
    }
  }
  store.SetRawData(static_cast<unsigned long>(blocks) * TK_BLOCK_SIZE, samples.data());
  const bool saved = store.SaveChannel() == 1;
  if (store.Close('B') != 1 || !saved) {
    // A full disk or a folder that cannot be written: nothing was replaced.
    showMessage(kTextDownloadFailed);
    postPath(kFailedPath);
    return;
  }
  if (!m_options.textPath.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(m_options.textPath).parent_path(), ec);
    store.WriteText(m_path.c_str(), m_options.textPath.c_str(), ";");
  }
  showMessage(kTextDownloadFinished, MessageIcon::Information);
}

void DownloadOperation::ending(WorkerContext& w) {
  post([this] { reset(); });
  if (m_noData.load()) {
    post([this] { onClose(); });
    w.sleep(w.link().timing().downloadEndingPause);
    if (m_options.closeRecording) post(m_options.closeRecording);
    w.link().noDataFlag.store(false);
    postPath("");
  }
  // The port is closed before anyone hears the transfer is over.
  w.closePort();
  w.finish();
  m_transferActive.store(false);
  post([this] { onClose(); });
}

}  // namespace device
