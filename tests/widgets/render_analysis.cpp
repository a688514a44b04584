// Prints the rain analysis of a recording to PDF and takes pictures of its
// window, for looking at by eye (pdftoppm) and checking with pdftotext:
//   hy-analysis-render [recording, default the long sample] [output folder, default /tmp]
// Writes analysis-landscape.pdf and analysis-portrait.pdf (default settings,
// months listed), and analysis-events.png, analysis-maxima.png and
// analysis-settings.png (the window's three tabs, largest storms first).
#include "AnalysisPrintJob.h"
#include "CRainAnalysisDlg.h"
#include "GraphPages.h"
#include "SampleRecording.h"
#include "UserMessages.h"

#include <QApplication>
#include <QCheckBox>
#include <QTabWidget>
#include <QTableView>

#include <cstdio>
#include <cstdlib>

namespace {
class PrintedMessages : public UserMessages {
 public:
  MessageAnswer show(const std::string& text, MessageIcon, MessageButtons) override {
    std::fprintf(stderr, "%s\n", text.c_str());
    return MessageAnswer::Ok;
  }
};
}  // namespace

int main(int argc, char** argv) {
  setenv("TZ", "JST-9", 1);
  tzset();
  if (getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  // The window keeps its settings: never in the user's own file.
  QCoreApplication::setOrganizationName(QStringLiteral("hyetoscope-render"));
  QCoreApplication::setApplicationName(QStringLiteral("analysis"));
  const std::string file = argc > 1 && argv[1][0] != '\0' ? argv[1] : HY_SAMPLES_DIR "/long-2024-0.5mm.hyy";
  const std::string out = argc > 2 ? argv[2] : "/tmp";
  const std::unique_ptr<RecordingBuffer> recording = loadSampleRecording(file.c_str());
  if (!recording) return 1;

  RainAnalysisSettings settings;
  settings.monthlyMaxima = true;
  settings.alarms.continuousMm = 100.0;
  settings.alarms.hourlyMm = 20.0;
  CRainAnalysisDlg::storeSettings(settings);
  RainAnalysisResults results;
  if (!results.load(*recording, settings)) return 1;
  const RainAnalysisPrint print{printDataName(*recording), settings, results.table(AnalysisTab::Events),
                                results.table(AnalysisTab::Maxima)};
  int failures = 0;
  for (auto [name, orientation] : {std::pair{"analysis-landscape.pdf", PaperOrientation::Landscape},
                                   std::pair{"analysis-portrait.pdf", PaperOrientation::Portrait}}) {
    const int pages = printRainAnalysisToPdf(out + "/" + name, print, orientation);
    std::printf("%s/%s: %d pages\n", out.c_str(), name, pages);
    if (pages == 0) ++failures;
  }

  PrintedMessages messages;
  CRainAnalysisDlg window(messages, {});
  window.show();
  window.showRecording(recording.get(), printDataName(*recording));
  window.eventView()->sortByColumn(3, Qt::DescendingOrder);
  const char* names[] = {"analysis-events.png", "analysis-maxima.png", "analysis-settings.png"};
  for (int tab = 0; tab < 3; ++tab) {
    window.tabs()->setCurrentIndex(tab);
    QApplication::processEvents();
    const std::string path = out + "/" + names[tab];
    const bool saved = window.grab().save(QString::fromStdString(path));
    std::printf("%s: %s\n", path.c_str(), saved ? "written" : "FAILED");
    if (!saved) ++failures;
  }
  return failures == 0 ? 0 : 1;
}
