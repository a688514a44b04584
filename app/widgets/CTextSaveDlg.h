#pragma once
// CTextSaveDlg: the text export settings - range (given, the graph's shown
// range, the whole recording), interval, separator and the ten date fields.
// It holds its own copy of the recording for its lifetime. On OK it asks
// ExportRange for the request and shows the message of a failed check,
// staying open; the request is read after exec() returned Accepted.
//
// runTextExport asks for the file ("ﾃﾙｶﾃｷｽﾄﾌｧｲﾙ名の指定") and writes it
// through TextExport; a failed write is reported and leaves no file behind.

#include "ExportRange.h"
#include "RecordingBuffer.h"
#include "TextExport.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>
#include <string>

class QLineEdit;
class QRadioButton;
class UserMessages;

class CTextSaveDlg : public QDialog {
  Q_OBJECT

 public:
  enum class Range { Given, Graph, Whole };

  CTextSaveDlg(const RecordingBuffer& recording, const ShownSeriesSpan& graph, UserMessages& messages,
               QWidget* parent = nullptr);
  ~CTextSaveDlg() override;

  const ExportRequest& request() const { return m_request; }

  // For tests and keyboard-free use: the controls by role.
  QRadioButton* rangeButton(Range range) const;
  QRadioButton* intervalButton(IntervalMode mode) const;
  QRadioButton* separatorButton(int index) const;  // comma, TAB, space, semicolon
  QLineEdit* startField(int index) const { return m_start[static_cast<size_t>(index)]; }
  QLineEdit* endField(int index) const { return m_end[static_cast<size_t>(index)]; }

  void accept() override;

 private:
  void onRangeChosen(Range range);
  void onIntervalChosen(IntervalMode mode);
  void setFieldsFor(IntervalMode mode);
  IntervalMode selectedInterval() const;
  char selectedSeparator() const;

  std::unique_ptr<RecordingBuffer> m_copy;
  ShownSeriesSpan m_graph;
  TimeSpan m_graphSpan;
  UserMessages& m_messages;
  ExportRequest m_request;
  std::array<QRadioButton*, 3> m_range{};
  std::array<QRadioButton*, 4> m_interval{};  // by IntervalMode number
  std::array<QRadioButton*, 4> m_separator{};
  std::array<QLineEdit*, 5> m_start{};
  std::array<QLineEdit*, 5> m_end{};
};

// Asks for the file name; "" when cancelled.
using TextFileChooser = std::function<std::string(QWidget* parent)>;
// The save-file dialog of the text export.
std::string chooseTextFile(QWidget* parent);

// Writes the request's lines from the recording to the chosen file. Returns
// 9 when the choice was cancelled, 0 when the file could not be written (the
// user is told and the old file is kept), 1 otherwise (also when the
// recording cannot be built into a series, which writes nothing).
int runTextExport(const RecordingBuffer& recording, const ExportRequest& request, UserMessages& messages,
                  const TextFileChooser& chooser, QWidget* parent);
