#pragma once
// CDownloadDlg: the download dialog ("ﾃﾞｰﾀ吸い上げ"): status line, progress
// bar 0..1000 with its scale, and the start, cancel and close buttons. It
// owns the DownloadOperation that does the work and only carries out what
// the operation asks of it (DownloadDialogUi, reached through a QPointer, so a
// late call after the dialog went does nothing). Esc and the window's close
// go to the operation like the close button.

#include "DownloadOperation.h"

#include <QDialog>
#include <QPointer>

#include <memory>

class QLineEdit;
class QProgressBar;
class QPushButton;

class CDownloadDlg : public QDialog {
  Q_OBJECT

 public:
  CDownloadDlg(device::DeviceLink& link, RecordingState& state, device::DownloadOptions options,
               QWidget* parent = nullptr);
  ~CDownloadDlg() override;

  bool started() const { return m_op->started(); }
  device::DownloadOperation& operation() { return *m_op; }

  QPushButton* startButton() const { return m_start; }
  QPushButton* cancelButton() const { return m_cancel; }
  QPushButton* closeButton() const { return m_close; }
  QProgressBar* progressBar() const { return m_progress; }
  QLineEdit* statusLine() const { return m_status; }

 public slots:
  void reject() override;

 private:
  class OperationUi;
  QLineEdit* m_status = nullptr;
  QProgressBar* m_progress = nullptr;
  QPushButton* m_start = nullptr;
  QPushButton* m_cancel = nullptr;
  QPushButton* m_close = nullptr;
  std::unique_ptr<OperationUi> m_operationUi;
  std::unique_ptr<device::DownloadOperation> m_op;
};
