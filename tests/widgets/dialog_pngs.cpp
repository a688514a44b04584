// Renders the dialogs of the export, the range save, the record conditions
// and the data list on the long sample into PNG files for looking at by eye:
//   hy-data-dialog-pngs [output folder, default /tmp]
#include "CDataListDlg.h"
#include "CRangeSaveDlg.h"
#include "CRecordConditionDlg.h"
#include "CTextSaveDlg.h"
#include "HourlySeries.h"
#include "RecordingBuffer.h"
#include "SampleRecording.h"
#include "UserMessages.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>

namespace {
class SilentMessages : public UserMessages {
 public:
  MessageAnswer show(const std::string&, MessageIcon, MessageButtons) override { return MessageAnswer::Ok; }
};

int failures = 0;

void save(QWidget& w, const std::string& file) {
  w.show();
  QApplication::processEvents();
  if (!w.grab().save(QString::fromStdString(file))) ++failures;
  std::printf("%s\n", file.c_str());
}
}  // namespace

int main(int argc, char** argv) {
  setenv("TZ", "JST-9", 1);
  tzset();
  if (getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  const std::string out = argc > 1 ? argv[1] : "/tmp";
  const std::unique_ptr<RecordingBuffer> rec = loadSampleRecording(HY_SAMPLES_DIR "/long-2024-0.5mm.hyy");
  if (!rec) return 1;
  HourlySeries hourly;
  hourly.build(*rec);
  const ShownSeriesSpan graph{IntervalMode::Hourly, 100, 300, hourly.valueCount, hourly.startTime};
  SilentMessages messages;

  {
    CTextSaveDlg dialog(*rec, graph, messages);
    save(dialog, out + "/dialog-text-export.png");
    dialog.intervalButton(IntervalMode::TenMinute)->click();
    dialog.startField(0)->setText(QStringLiteral("2024"));
    save(dialog, out + "/dialog-text-export-tenminute.png");
    dialog.rangeButton(CTextSaveDlg::Range::Graph)->click();
    save(dialog, out + "/dialog-text-export-graph.png");
  }
  {
    CRangeSaveDlg dialog(*rec, graph, messages);
    save(dialog, out + "/dialog-range-save.png");
    dialog.rangeButton(CRangeSaveDlg::Range::Given)->click();
    save(dialog, out + "/dialog-range-save-given.png");
  }
  {
    CRecordConditionDlg dialog(recordConditionTexts(*rec), messages);
    save(dialog, out + "/dialog-record-conditions.png");
  }
  {
    CDataListDlg list(messages, {});
    list.initialise(*rec, false, 0, 3);
    list.show();
    QApplication::processEvents();
    save(list, out + "/dialog-data-list-tenminute.png");
    list.list()->scrollToBottom();
    save(list, out + "/dialog-data-list-tenminute-end.png");
    list.intervalButton(4);
    save(list, out + "/dialog-data-list-monthly.png");
  }
  // The whole recording at one hour, comma-separated, as the export writes it.
  const std::string text = out + "/export-hourly.txt";
  if (writeSeriesTextFile(*rec, {IntervalMode::Hourly, hourly.startTime, 0, hourly.valueCount, ','}, text) !=
      ExportStatus::Written)
    ++failures;
  std::printf("%s  (%d lines)\n", text.c_str(), hourly.valueCount);
  return failures == 0 ? 0 : 1;
}
