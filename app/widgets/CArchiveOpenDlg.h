#pragma once
// CArchiveOpenDlg: "ｱｰｶｲﾌﾞを開く" - the stations of an archive with their
// spans (first and last slot, slots held, slots missing, note) and two rows
// of date fields for the span to open. Choosing a station offers its last
// month; OK checks the fields (archiveSpanOf) and tells the user what is
// wrong through the window's messages, or closes with the choice.
//
// Owns copies of the station summaries; does not read the archive or open
// anything (ArchiveOpenCommand.h does).

#include "ArchiveOpenCommand.h"
#include "DateFieldRow.h"

#include <QDialog>

#include <vector>

class QTreeWidget;
class UserMessages;

class CArchiveOpenDlg : public QDialog {
  Q_OBJECT

 public:
  CArchiveOpenDlg(std::vector<StationSummary> stations, UserMessages& messages, QWidget* parent = nullptr);

  // After OK: the station and the span chosen.
  const StationSummary& station() const { return m_stations[m_chosen]; }
  const ArchiveSpan& span() const { return m_span; }

  QTreeWidget* stationList() const { return m_list; }
  const DateFieldEdits& startFields() const { return m_start; }
  const DateFieldEdits& endFields() const { return m_end; }

  void accept() override;

 private:
  void stationChosen();

  std::vector<StationSummary> m_stations;
  UserMessages& m_messages;
  QTreeWidget* m_list = nullptr;
  DateFieldEdits m_start{};
  DateFieldEdits m_end{};
  size_t m_chosen = 0;
  ArchiveSpan m_span;
};
