#pragma once
// CDataListDlg: the modeless data list ("データ一覧"). It lists one interval
// of its own copy of the recording (DataListRows through DataListModel),
// scrolls to the graph's first value on the link button and integrates the
// ten-minute values between two entered moments (Integration).
//
// It does not destroy itself: closing it calls the close handler, which the
// view answers with the close-data-list message. It reads the graph's first
// shown index and interval through the callbacks it is given.

#include "DataListRows.h"
#include "DateFields.h"
#include "IntervalMode.h"

#include <QDialog>

#include <array>
#include <functional>

class DataListModel;
class QLineEdit;
class QListView;
class QPushButton;
class UserMessages;

class CDataListDlg : public QDialog {
  Q_OBJECT

 public:
  struct Hooks {
    std::function<int()> firstShownIndex;       // the graph's, for the link button
    std::function<void()> closeRequested;        // answered by the view
  };

  CDataListDlg(UserMessages& messages, Hooks hooks, QWidget* parent = nullptr);
  ~CDataListDlg() override;

  // Builds the list from a copy of the recording and fills it for the first
  // interval (posted, as the button command). False (after the message) when
  // the series cannot be built; the window then asks to be closed.
  bool initialise(const RecordingBuffer& recording, bool dataModified, int32_t pendingStartTime,
                  int firstListInterval);

  // The graph's interval changed: the matching button command is posted.
  void setGraphMode(IntervalMode mode);
  void postIntervalButton(IntervalMode mode);

  // The button commands.
  void intervalButton(int listInterval);
  void linkWithGraph();
  void compute();

  int currentInterval() const;
  QListView* list() const { return m_list; }
  QPushButton* linkButton() const { return m_link; }
  QLineEdit* startField(int i) const { return m_start[static_cast<size_t>(i)]; }
  QLineEdit* endField(int i) const { return m_end[static_cast<size_t>(i)]; }
  QLineEdit* resultField() const { return m_result; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void showFields(const CalendarFields& start, const CalendarFields& end);

  UserMessages& m_messages;
  Hooks m_hooks;
  DataListRows m_rows;
  DataListModel* m_model = nullptr;
  IntervalMode m_graphMode = IntervalMode::Hourly;
  QListView* m_list = nullptr;
  QPushButton* m_link = nullptr;
  std::array<QLineEdit*, 5> m_start{};
  std::array<QLineEdit*, 5> m_end{};
  QLineEdit* m_result = nullptr;
};
