#pragma once
// CRainAnalysisDlg: the modeless rain analysis window ("降雨解析"). Three
// tabs: the storm events, the maximum rainfall by duration (months on
// request) and the settings; "CSV保存..." writes the table shown last,
// "印刷..." prints both tables. Enter or a double click on an event asks
// for the chart to be zoomed onto it.
//
// It shows what RainAnalysisResults computes and the messages of
// checkAnalysisSettings; it keeps the settings in their group of the
// settings file. It does not own the recording (showRecording copies what
// it needs), does not touch the chart (the zoom hook does), and does not
// destroy itself: closing calls the close hook.

#include "RainAnalysisResults.h"
#include "RainAnalysisPages.h"
#include "RainAnalysisSettings.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class AnalysisTableModel;
class QCheckBox;
class QLineEdit;
class QPrinter;
class QTabWidget;
class QTableView;
class RecordingBuffer;
class UserMessages;

class CRainAnalysisDlg : public QDialog {
  Q_OBJECT

 public:
  struct Hooks {
    std::function<void(const StormEvent&)> zoomToEvent;
    // The CSV file to write; empty when the user cancelled.
    std::function<std::string(QWidget* parent, const std::string& suggested)> chooseCsvFile;
    // The print dialog; false when cancelled.
    std::function<bool(QPrinter&)> askPrint;
    std::function<void()> closeRequested;
  };

  CRainAnalysisDlg(UserMessages& messages, Hooks hooks, QWidget* parent = nullptr);
  ~CRainAnalysisDlg() override;

  // The recording to analyse, or null when none is loaded (the tables
  // empty). False (after a message) when it cannot be analysed.
  bool showRecording(const RecordingBuffer* recording, const std::string& dataName);

  // The settings tab's fields checked, kept and applied; false after the
  // message, with the focus on the offending field.
  bool applySettings();
  // Writes the shown table as CSV; false when cancelled or not written.
  bool saveCsv();
  // Prints both tables; the number of pages printed (0: cancelled).
  int print();
  // The event shown at a row of the event table is zoomed to.
  void zoomToRow(int viewRow);

  const RainAnalysisResults& results() const { return m_results; }
  AnalysisTab shownTable() const { return m_shownTable; }
  QTabWidget* tabs() const { return m_tabs; }
  QTableView* eventView() const { return m_eventView; }
  QTableView* maximaView() const { return m_maximaView; }
  QLineEdit* field(AnalysisField f) const { return m_fields[static_cast<size_t>(f)]; }
  QCheckBox* monthlyBox() const { return m_monthly; }

  // The settings kept in the settings file (defaults when absent or bad).
  static RainAnalysisSettings storedSettings();
  static void storeSettings(const RainAnalysisSettings& settings);
  // Counts the stores of this program run, so that readers that keep the
  // settings (the chart's overlay, read on every paint) know when to read
  // them again.
  static uint64_t settingsRevision();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void refreshTables();
  void showSettings(const RainAnalysisSettings& settings);
  RainAnalysisPrint printData() const;

  UserMessages& m_messages;
  Hooks m_hooks;
  RainAnalysisResults m_results;
  std::string m_dataName;
  AnalysisTab m_shownTable = AnalysisTab::Events;
  QTabWidget* m_tabs = nullptr;
  QTableView* m_eventView = nullptr;
  QTableView* m_maximaView = nullptr;
  AnalysisTableModel* m_eventModel = nullptr;
  AnalysisTableModel* m_maximaModel = nullptr;
  std::array<QLineEdit*, kAnalysisFieldCount> m_fields{};
  QCheckBox* m_monthly = nullptr;
  std::unique_ptr<QPrinter> m_printer;
};
