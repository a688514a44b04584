#pragma once
// CRangeSaveDlg: "HYYﾌｧｲﾙ編集・保存設定" - which range of the loaded
// recording to save as a new HYY file: a typed range, the graph's window or
// the whole recording (the default). It works on its own copy of the
// recording; on save it checks the choice (RangeSave) and shows the message
// of a failed check, staying open. The command writes the span() of an
// accepted dialog.

#include "ExportRange.h"
#include "RecordingBuffer.h"

#include <QDialog>

#include <array>
#include <memory>

class QLineEdit;
class QRadioButton;
class UserMessages;

class CRangeSaveDlg : public QDialog {
  Q_OBJECT

 public:
  enum class Range { Given, Graph, Whole };

  CRangeSaveDlg(const RecordingBuffer& recording, const ShownSeriesSpan& graph, UserMessages& messages,
                QWidget* parent = nullptr);
  ~CRangeSaveDlg() override;

  const RecordingBuffer& recording() const { return *m_copy; }
  const TimeSpan& span() const { return m_span; }

  QRadioButton* rangeButton(Range range) const { return m_range[static_cast<size_t>(range)]; }
  QLineEdit* startField(int i) const { return m_start[static_cast<size_t>(i)]; }
  QLineEdit* endField(int i) const { return m_end[static_cast<size_t>(i)]; }

  void accept() override;

 private:
  void enableFields(bool on);

  std::unique_ptr<RecordingBuffer> m_copy;
  TimeSpan m_graphSpan;
  UserMessages& m_messages;
  TimeSpan m_span;
  std::array<QRadioButton*, 3> m_range{};
  std::array<QLineEdit*, 5> m_start{};
  std::array<QLineEdit*, 5> m_end{};
};
