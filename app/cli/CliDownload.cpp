// download: the window's download into a new HYY file, driven from the
// command line: progress on standard error, Ctrl+C as the cancel button.
#include "CLogstore1App.h"
#include "CliArguments.h"
#include "CliCommands.h"
#include "CliDeviceUi.h"
#include "CliExit.h"
#include "CliInterrupt.h"
#include "CliParser.h"
#include "DeviceLink.h"
#include "DeviceTexts.h"
#include "DownloadOperation.h"
#include "RecordingState.h"

#include <QSettings>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>

namespace {

// The dialog's progress bar and status line, on standard error: on a
// terminal one line that keeps being rewritten, otherwise one line per
// change (a line per block), so that logs of timed runs read well.
class StderrDownloadUi : public device::DownloadDialogUi {
 public:
  StderrDownloadUi() : m_terminal(isatty(STDERR_FILENO) == 1) {}
  ~StderrDownloadUi() override { endLine(); }

  void setButtons(bool, bool, bool) override {}
  void showNormal() override {}
  void endDialog() override { m_ended = true; }
  void setStatus(const std::string& text) override {
    if (text.empty() || text == m_status) return;
    m_status = text;
    endLine();
    std::fprintf(stderr, "%s\n", text.c_str());
  }
  void setProgress(int position) override {
    if (position <= 0 || position == m_position) return;
    m_position = position;
    if (m_terminal) {
      std::fprintf(stderr, "\r%5.1f %%", position / 10.0);
      m_open = true;
    } else {
      std::fprintf(stderr, "%5.1f %%\n", position / 10.0);
    }
    std::fflush(stderr);
  }

  bool ended() const { return m_ended; }
  // Ends a progress line that is being rewritten, before other output.
  void endLine() {
    if (m_open) std::fputc('\n', stderr);
    m_open = false;
  }

 private:
  bool m_terminal;
  bool m_open = false;
  bool m_ended = false;
  int m_position = 0;
  std::string m_status;
};

int storedPort() {
  QSettings settings(QStringLiteral("VELDEN CORPORATION"), QStringLiteral("HY for Windows"));
  return settings.value(QStringLiteral("Settings/ComPort"), 1).toInt();
}

}  // namespace

int runDownload(const QStringList& arguments) {
  CliParser cli("download", "[--port N] -o FILE.hyy",
                "Downloads the logger's recording into a new HYY file, as the window's download does, with "
                "the progress on standard error (one line per block when that is not a terminal). Ctrl+C "
                "cancels the transfer like the dialog's cancel button: the file is then not written, and an "
                "older file of that name stays as it was. Exit code 3 when no logger answers, the logger "
                "holds no data, or the transfer fails or is cancelled.");
  cli.option({"p", "port"}, "COM port number, 1 to 9 (default: the window's port setting).", "N");
  cli.option({"o", "output"}, "The HYY file to write.", "FILE.hyy");
  cli.option({"text"}, "Also write the semicolon-separated text copy of the download to this file.", "FILE");
  cli.option({"force"}, "Replace an existing output file.");
  if (int done = cli.parse(arguments, 0, 0); done >= 0) return done;

  const std::optional<int> port = cli.isSet("port") ? parseBoundedInt(cli.value("port"), 1, 9) : storedPort();
  if (!port || *port < 1 || *port > 9) return cli.usageError("--port must be a number from 1 to 9");
  if (!cli.isSet("output")) return cli.usageError("-o FILE.hyy is required");
  const std::string path = cli.value("output");
  std::error_code ec;
  if (std::filesystem::exists(path, ec) && !cli.isSet("force"))
    return cli.usageError(path + " exists; --force replaces it");

  // The data-file library asks for the file name; the command line gave it.
  logstore::CLogstore1App::SetFileChooser([path](logstore::ChooserPurpose) { return path; });
  CliDeviceUi ui;
  device::DeviceLink link(cliDeviceTiming(), ui, ui);
  RecordingState state;
  StderrDownloadUi view;
  ui.setBeforeMessage([&view] { view.endLine(); });
  device::DownloadOptions options;
  options.port = *port;
  options.textPath = cli.value("text");
  options.now = [] { return static_cast<int64_t>(std::time(nullptr)); };
  bool cancelled = false;
  {
    device::DownloadOperation download(link, state, view, options);
    download.onInit();
    // Ctrl+C is the cancel button; during the start sequence (whose waits
    // take no input in the window either) it waits for the transfer.
    ui.setInterruptHandler([&] {
      if (download.phase() != device::DownloadOperation::Phase::Transferring) return false;
      cancelled = true;
      download.onCancel();
      return true;
    });
    download.onStart();
    if (download.phase() != device::DownloadOperation::Phase::Ready) ui.until([&] { return view.ended(); });
    link.joinWorkers();
  }
  const auto& shown = ui.messages();
  const bool finished = std::find(shown.begin(), shown.end(), device::kTextDownloadFinished) != shown.end();
  if (finished && state.currentDataPath == path) return kExitOk;
  if (cancelled) return cliFail(kExitDevice, "COM" + std::to_string(*port) + ": cancelled; " + path + " was not written");
  if (ui.interrupted()) return cliFail(kExitInterrupted, "COM" + std::to_string(*port) + ": interrupted");
  // The operation has said why (通信に失敗しました。 and the like).
  return kExitDevice;
}
