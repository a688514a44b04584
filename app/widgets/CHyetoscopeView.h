#pragma once
// CHyetoscopeView: the program's form. It holds the chart control, the
// scroll bar over it, the cursor strip with its two arrow buttons under it,
// the three read-only fields and the one-row statistics list, and moves them
// to the rectangles of computeViewLayout on every resize and update.
//
// It carries out the open, close, interval, zoom, move and scale commands
// on the document and is the document's DocumentViews. It forwards the zoom
// band, the scroll bar and the mouse in the cursor strip and draws the
// state that results. It does not decide what the chart shows (GraphPlotCtrl
// and its geometry do), which commands are enabled (the command table does),
// what a switch of interval does to the document (RememberedSpans does), how
// the window moves (ChartNavigation does) or where the cursors go and what the
// statistics read (CursorState, CursorStatistics).
//
// It paints from a ChartPicture (background, chart, cursor lines) and draws
// the band and the cursor strip over it. An action repaints only what it
// changed: a cursor step the two line columns, the strip and the statistics
// row; a scroll step or a zoom the chart's area, never the scroll bar, the
// fields or the list unless their contents changed.

#include "CDataListDlg.h"
#include "ChartOverlaySwitch.h"
#include "ChartNavigation.h"
#include "ChartPicture.h"
#include "CursorState.h"
#include "DocumentViews.h"
#include "ExportRange.h"
#include "IntervalMode.h"
#include "RememberedSpans.h"
#include "ViewLayout.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>


class CHyetoscopeDoc;
class CPrintCommands;
class UserMessages;
class GraphPlotCtrl;
class QLineEdit;
class QScrollBar;
class StatisticsList;
struct RecordingState;

class CHyetoscopeView : public QWidget, public DocumentViews {
  Q_OBJECT

 public:
  CHyetoscopeView(CHyetoscopeDoc& doc, RecordingState& state, QWidget* parent = nullptr);
  ~CHyetoscopeView() override;

  // The initial update: display reset, and the header refresh when the
  // document was opened from the command line.
  void onInitialUpdate();

  // The print commands need the program's messages for their dialog.
  void setUserMessages(UserMessages& messages);
  CPrintCommands* printing() const { return m_printing.get(); }

  // Carries out a command this view owns; false for any other command.
  bool onCommand(int commandId);
  void intervalCommand(IntervalMode mode);

  // Both cursors one bar left (d < 0) or right, as the arrow buttons step
  // them and only where they would: the statistics follow and what changed
  // is painted at once.
  void stepCursors(int d);

  // The data list command: opens the modeless list unless it is open.
  void dataListCommand();
  CDataListDlg* dataList() const { return m_dataList.data(); }

  // The HYY range save command: range dialog, file choice, new file.
  void rangeSaveCommand();

  // The text export command: settings dialog, file choice, file.
  void textExportCommand();
  // Replaces the save-file dialog of the text export (tests).
  void setTextFileChooser(std::function<std::string(QWidget*)> chooser) { m_textFileChooser = std::move(chooser); }

  // Writes the statistics list's column widths to the profile.
  void storeColumnWidths();

  // Called after every update of the views, so the frame can re-evaluate
  // its commands and title.
  void setStateChangedHandler(std::function<void()> handler) { m_stateChanged = std::move(handler); }
  // Called once, after the first complete paint.
  void setFirstPaintHandler(std::function<void()> handler) { m_firstPaint = std::move(handler); }

  const ViewLayout& layoutRects() const { return m_layout; }
  GraphPlotCtrl* chart() const { return m_chart; }
  // The window, zoom and history; printing saves and restores its state.
  ChartNavigation& chartNavigation() { return m_chartNavigation; }
  const CursorState& cursors() const { return m_cursors; }
  // The continuous and effective rainfall over the bars: on or off.
  ChartOverlaySwitch& overlay() { return m_overlay; }
  // Bar pitch and last tick of the last screen drawing that showed bars.
  double barPitch() const { return m_barPitch; }
  double lastTick() const { return m_lastTick; }

  // DocumentViews
  void updateAllViews() override;
  void postIntervalCommand(IntervalMode mode) override;
  void clearRememberedWindows() override;
  void resetWindowAndHistory() override;
  void showData() override;
  void showNoData() override;
  void postCloseDataList() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool zoomCommand(int commandId);
  void scrollAction(int action);
  // After f changed by the move commands or the scroll bar.
  void afterWindowMoved(bool shiftCursors, bool repaintNow);
  void refillStatistics();
  void updateScrollBar();
  void verticalScaleCommand();
  void horizontalScaleCommand();
  void layoutStep();
  void displayReset();
  void headerRefresh();
  void closeDataList();
  // Tells the picture what the chart shows now (in); returns the view
  // pixels that change.
  QRegion refreshPicture(const ChartInput& in);
  // The chart as the screen shows it now (null without the chart control).
  ChartInput chartInput();
  // What the view paints itself: everything but its children's rectangles.
  QRegion ownArea() const;
  // The cursor strip with its arrow buttons.
  QRegion stripArea() const;
  // Paints now (or later) what the cursors or the chart changed.
  void repaintChanged(bool now);
  ShownSeriesSpan shownSeriesSpan() const;

  CHyetoscopeDoc& m_doc;
  RecordingState& m_state;
  GraphPlotCtrl* m_chart = nullptr;
  QScrollBar* m_scrollBar = nullptr;
  QLineEdit* m_hiddenEdit = nullptr;  // edit 1003: kept hidden at every layout
  StatisticsList* m_statsList = nullptr;
  QLineEdit* m_intervalField = nullptr;
  QLineEdit* m_sampleField = nullptr;
  QLineEdit* m_unitField = nullptr;
  ViewLayout m_layout;
  RememberedSpans m_windows;
  ChartNavigation m_chartNavigation;
  CursorState m_cursors;
  ChartOverlaySwitch m_overlay;
  ChartPicture m_picture;
  // From the last screen drawing that showed bars: the bar pitch and the x
  // of the tick right of the last shown bar (plot coordinates).
  double m_barPitch = 0.0;
  double m_lastTick = 0.0;
  bool m_firstPaintDone = false;
  bool m_statisticsPending = false;  // a refill is queued after a burst of thumb tracking
  std::function<void()> m_stateChanged;
  std::function<void()> m_firstPaint;
  std::function<std::string(QWidget*)> m_textFileChooser;
  QPointer<CDataListDlg> m_dataList;  // the data list window while it is open
  std::unique_ptr<CPrintCommands> m_printing;  // the shared printer and the table snapshot
};
