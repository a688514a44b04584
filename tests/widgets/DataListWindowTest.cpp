// The data list window through the view's commands, on the offscreen
// platform: one window at a time, the open command disabled meanwhile, the
// list following the graph, the link button and the close message.
#include "CDataListDlg.h"
#include "CHyetoscopeDoc.h"
#include "CHyetoscopeView.h"
#include "CommandEnabling.h"
#include "CommandIds.h"
#include "Integration.h"
#include "RecordingState.h"
#include "ScriptedMessages.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <numeric>

namespace {
std::string sample(const char* name) { return std::string(HY_SAMPLES_DIR) + "/" + name; }
}  // namespace

class DataListWindow : public ::testing::Test {
 protected:
  DataListWindow() : doc(state, messages), view(doc, state) {
    view.resize(900, 600);
    view.onInitialUpdate();
    EXPECT_TRUE(doc.onOpenDocument(sample("short-2026-06-0.5mm.hyy")));
  }
  CDataListDlg* open() {
    view.onCommand(cmd::DataList);
    QApplication::processEvents();
    return view.dataList();
  }
  int topRow(CDataListDlg* list) { return list->list()->indexAt(QPoint(2, 2)).row(); }

  RecordingState state;
  ScriptedMessages messages;
  CHyetoscopeDoc doc;
  CHyetoscopeView view;
};

TEST_F(DataListWindow, OneWindowWhileOpenAndTheOpenCommandWaits) {
  CDataListDlg* list = open();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(doc.dataListOpen, 1);
  EXPECT_EQ(documentEnables(cmd::OpenRecording, doc.enablingInputs()), false);
  EXPECT_EQ(list->currentInterval(), listinterval::Hourly);
  EXPECT_EQ(list->list()->model()->rowCount(), doc.series().valueCount);
  EXPECT_TRUE(list->linkButton()->isEnabled());
  // A second open keeps the same window and what it shows.
  list->intervalButton(listinterval::Daily);
  EXPECT_EQ(open(), list);
  EXPECT_EQ(list->currentInterval(), listinterval::Daily);

  // Closing reaches the view, which destroys the window and clears the flag.
  list->findChild<QPushButton*>(QStringLiteral("button1"))->click();
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(view.dataList(), nullptr);
  EXPECT_EQ(doc.dataListOpen, 0);
  EXPECT_EQ(documentEnables(cmd::OpenRecording, doc.enablingInputs()), true);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DataListWindow, FollowsTheGraphAndLinksOnlyOnItsInterval) {
  view.intervalCommand(IntervalMode::TenMinute);
  CDataListDlg* list = open();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->currentInterval(), listinterval::TenMinute);
  list->list()->scrollToBottom();
  ASSERT_GT(topRow(list), 0);
  state.firstShownIndexMirror = 0;
  list->linkButton()->click();
  EXPECT_EQ(topRow(list), 0);
  state.firstShownIndexMirror = 40;
  list->linkButton()->click();
  EXPECT_EQ(topRow(list), 40);

  // Another interval in the list: the link is off until the graph shows it.
  list->intervalButton(listinterval::Monthly);
  EXPECT_FALSE(list->linkButton()->isEnabled());
  view.intervalCommand(IntervalMode::Daily);
  QApplication::processEvents();
  EXPECT_EQ(list->currentInterval(), listinterval::Daily);
  EXPECT_EQ(list->list()->model()->rowCount(), doc.series().valueCount);
  EXPECT_TRUE(list->linkButton()->isEnabled());
  EXPECT_EQ(list->list()->model()->index(0, 0).data().toString().toStdString().substr(10, 12), " ～24:00  [");
}

TEST_F(DataListWindow, IntegratesTheWholeSeriesByDefault) {
  CDataListDlg* list = open();
  ASSERT_NE(list, nullptr);
  TenMinuteSeries ten;
  ASSERT_EQ(ten.build(doc.recording()), 1);
  const double total = std::accumulate(ten.values.get(), ten.values.get() + ten.valueCount, 0.0);
  list->findChild<QPushButton*>(QStringLiteral("button1061"))->click();
  // The result comes after a short pause; wait for it however busy the machine is.
  for (int i = 0; i < 200 && list->resultField()->text() == QStringLiteral("0"); ++i) QTest::qWait(50);
  EXPECT_EQ(list->resultField()->text().toStdString(), integrationText(total));
  EXPECT_TRUE(messages.shown.empty());
  // An end before the start is refused and the start year takes the focus.
  list->activateWindow();
  list->endField(0)->setText(QStringLiteral("2000"));
  list->findChild<QPushButton*>(QStringLiteral("button1061"))->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "\"積算開始日時 ≧ 積算終了日時\" になっています。");
}

TEST_F(DataListWindow, ARecordConditionChangeClosesTheList) {
  ASSERT_NE(open(), nullptr);
  doc.applyRecordConditions(doc.recording().startTime + 600, "NEW");
  QApplication::processEvents();
  EXPECT_EQ(view.dataList(), nullptr);
  EXPECT_EQ(doc.dataListOpen, 0);
  // Opened again, it lists the changed recording.
  CDataListDlg* list = open();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->list()->model()->rowCount(), doc.series().valueCount);
}
