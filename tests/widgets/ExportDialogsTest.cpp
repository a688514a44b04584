// The settings dialogs on the offscreen platform: what their buttons do to
// their fields, the messages of OK, and the text export's file choice.
#include "CRangeSaveDlg.h"
#include "CRecordConditionDlg.h"
#include "CTextSaveDlg.h"
#include "RangeSave.h"
#include "RecordingFixture.h"
#include "ScriptedMessages.h"
#include "TempDir.h"
#include "TestClock.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {
// 2024-06-01 10:00, two days of 0.5 mm every ten minutes.
std::unique_ptr<RecordingBuffer> twoDays() { return makeSteady(jst(2024, 6, 1, 10, 0), 288); }

// Types text into a field key by key, as a user would (any characters).
void type(QLineEdit* field, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(field, &press);
  }
}

// A screen reader's toggle action on a radio: it checks the radio without a
// click.
void toggleByScreenReader(QRadioButton* radio) {
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(radio);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(a->actionInterface(), nullptr);
  a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  ASSERT_TRUE(radio->isChecked());
}

void setRow(CTextSaveDlg& d, bool start, const QStringList& texts) {
  for (int i = 0; i < texts.size(); ++i) (start ? d.startField(i) : d.endField(i))->setText(texts[i]);
}
}  // namespace

TEST(TextSaveDialog, DefaultsRefuseEmptyFieldsAndFollowTheInterval) {
  auto rec = twoDays();
  ScriptedMessages messages;
  const ShownSeriesSpan graph{IntervalMode::Daily, 0, 2, 2, jst(2024, 6, 2, 0, 0)};
  CTextSaveDlg dialog(*rec, graph, messages);
  EXPECT_TRUE(dialog.rangeButton(CTextSaveDlg::Range::Given)->isChecked());
  EXPECT_TRUE(dialog.intervalButton(IntervalMode::Hourly)->isChecked());
  EXPECT_TRUE(dialog.separatorButton(0)->isChecked());
  EXPECT_TRUE(dialog.startField(3)->isEnabled());
  EXPECT_FALSE(dialog.startField(4)->isEnabled());
  dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "日付・時刻に誤りがあります。");
  EXPECT_NE(dialog.result(), QDialog::Accepted);

  dialog.intervalButton(IntervalMode::Monthly)->click();
  EXPECT_TRUE(dialog.endField(1)->isEnabled());
  EXPECT_FALSE(dialog.endField(2)->isEnabled());
  dialog.intervalButton(IntervalMode::TenMinute)->click();
  EXPECT_TRUE(dialog.endField(4)->isEnabled());

  // The shown range writes the graph's own interval; only its radio stays on.
  dialog.rangeButton(CTextSaveDlg::Range::Graph)->click();
  EXPECT_TRUE(dialog.intervalButton(IntervalMode::Daily)->isChecked());
  EXPECT_TRUE(dialog.intervalButton(IntervalMode::Daily)->isEnabled());
  EXPECT_FALSE(dialog.intervalButton(IntervalMode::Hourly)->isEnabled());
  EXPECT_FALSE(dialog.startField(0)->isEnabled());
  dialog.separatorButton(1)->click();
  dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.request().interval, IntervalMode::Daily);
  EXPECT_EQ(dialog.request().count, 2);
  EXPECT_EQ(dialog.request().separator, '\t');
}

TEST(TextSaveDialog, FieldsFollowTheRadiosWhateverChecksThem) {
  auto rec = twoDays();
  ScriptedMessages messages;
  CTextSaveDlg dialog(*rec, {IntervalMode::Daily, 0, 2, 2, jst(2024, 6, 2, 0, 0)}, messages);
  auto given = [&] { return dialog.rangeButton(CTextSaveDlg::Range::Given); };

  // Checked from code: the whole recording writes the graph's interval.
  dialog.rangeButton(CTextSaveDlg::Range::Whole)->setChecked(true);
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(dialog.startField(i)->isEnabled()) << i;
  EXPECT_TRUE(dialog.intervalButton(IntervalMode::Daily)->isChecked());
  EXPECT_FALSE(dialog.intervalButton(IntervalMode::Hourly)->isEnabled());

  // A screen reader's toggle: the given range with the hour's fields.
  toggleByScreenReader(given());
  for (IntervalMode m : {IntervalMode::TenMinute, IntervalMode::Hourly, IntervalMode::Daily, IntervalMode::Monthly})
    EXPECT_TRUE(dialog.intervalButton(m)->isEnabled());
  EXPECT_TRUE(dialog.intervalButton(IntervalMode::Hourly)->isChecked());
  EXPECT_TRUE(dialog.endField(3)->isEnabled());
  EXPECT_FALSE(dialog.endField(4)->isEnabled());
  toggleByScreenReader(dialog.intervalButton(IntervalMode::TenMinute));
  EXPECT_TRUE(dialog.endField(4)->isEnabled());
  dialog.intervalButton(IntervalMode::Monthly)->setChecked(true);
  EXPECT_FALSE(dialog.endField(2)->isEnabled());
  EXPECT_TRUE(dialog.endField(1)->isEnabled());

  // The given range chosen again by a click starts over at 1 hour, as ever.
  given()->click();
  EXPECT_TRUE(dialog.intervalButton(IntervalMode::Hourly)->isChecked());
  EXPECT_TRUE(dialog.endField(3)->isEnabled());
  dialog.rangeButton(CTextSaveDlg::Range::Graph)->setChecked(true);
  EXPECT_FALSE(dialog.startField(0)->isEnabled());
  EXPECT_TRUE(dialog.intervalButton(IntervalMode::Daily)->isChecked());
}

TEST(TextSaveDialog, GivenRangeWritesTheChosenFile) {
  auto rec = twoDays();
  ScriptedMessages messages;
  CTextSaveDlg dialog(*rec, {IntervalMode::Hourly, 0, 49, 49, jst(2024, 6, 1, 10, 0)}, messages);
  setRow(dialog, true, {"2024", "6", "1", "23"});
  setRow(dialog, false, {"2024", "6", "2", "1"});
  dialog.separatorButton(3)->click();
  dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  TempDir dir;
  const std::string path = dir.file("out.txt");
  EXPECT_EQ(runTextExport(*rec, dialog.request(), messages, [&](QWidget*) { return path; }, nullptr), 1);
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  EXPECT_EQ(bytes.str(), "\"2024/06/01 24:00\";3.0\n\"2024/06/02  1:00\";3.0\n");
  EXPECT_EQ(runTextExport(*rec, dialog.request(), messages, [](QWidget*) { return std::string(); }, nullptr), 9);
  EXPECT_EQ(runTextExport(*rec, dialog.request(), messages, [&](QWidget*) { return dir.file("no/such.txt"); },
                          nullptr),
            0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
}

TEST(RangeSaveDialog, WholeRecordingByDefaultAndTypedRangesChecked) {
  auto rec = twoDays();
  ScriptedMessages messages;
  CRangeSaveDlg dialog(*rec, {IntervalMode::Hourly, 0, 49, 49, jst(2024, 6, 1, 10, 0)}, messages);
  EXPECT_TRUE(dialog.rangeButton(CRangeSaveDlg::Range::Whole)->isChecked());
  EXPECT_FALSE(dialog.startField(0)->isEnabled());
  dialog.rangeButton(CRangeSaveDlg::Range::Given)->click();
  EXPECT_TRUE(dialog.startField(0)->isEnabled());
  const QStringList start{"2024", "6", "1", "9", "50"};
  const QStringList end{"2024", "6", "1", "12", "0"};
  for (int i = 0; i < 5; ++i) {
    dialog.startField(i)->setText(start[i]);
    dialog.endField(i)->setText(end[i]);
  }
  dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "開始時間に誤りがあります。");
  EXPECT_EQ(dialog.startField(4)->text(), "50");
  dialog.rangeButton(CRangeSaveDlg::Range::Whole)->click();
  dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.span().start, rec->startTime);
  EXPECT_EQ(dialog.span().end, recordEnd(*rec));
}

TEST(RangeSaveDialog, FieldsFollowTheRadiosWhateverChecksThem) {
  auto rec = twoDays();
  ScriptedMessages messages;
  CRangeSaveDlg dialog(*rec, {IntervalMode::Hourly, 0, 49, 49, jst(2024, 6, 1, 10, 0)}, messages);
  dialog.rangeButton(CRangeSaveDlg::Range::Given)->setChecked(true);
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(dialog.endField(i)->isEnabled()) << i;
  toggleByScreenReader(dialog.rangeButton(CRangeSaveDlg::Range::Graph));
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(dialog.startField(i)->isEnabled()) << i;
  toggleByScreenReader(dialog.rangeButton(CRangeSaveDlg::Range::Given));
  EXPECT_TRUE(dialog.startField(0)->isEnabled());
}

TEST(RecordConditionDialog, NameFieldTakesSixteenBytesAndEmptyNameIsRefused) {
  ScriptedMessages messages;
  RecordConditionTexts texts{{"2024", "06", "01", "10", "00"}, "AB"};
  CRecordConditionDlg dialog(texts, messages);
  dialog.show();
  dialog.nameField()->setFocus();
  dialog.nameField()->end(false);
  type(dialog.nameField(), QString::fromUtf8("あいうえおかきく"));
  // Two bytes and seven double-byte characters fill the sixteen bytes.
  EXPECT_EQ(dialog.nameField()->text(), QString::fromUtf8("ABあいうえおかき"));
  type(dialog.nameField(), QStringLiteral("C"));
  EXPECT_EQ(dialog.nameField()->text(), QString::fromUtf8("ABあいうえおかき"));
  dialog.nameField()->setText(QString::fromUtf8("ABあいうえおか"));
  type(dialog.nameField(), QStringLiteral("CD"));
  EXPECT_EQ(dialog.nameField()->text(), QString::fromUtf8("ABあいうえおかCD"));
  type(dialog.nameField(), QStringLiteral("E"));
  EXPECT_EQ(dialog.nameField()->text(), QString::fromUtf8("ABあいうえおかCD"));
  dialog.nameField()->setText(QStringLiteral("AB"));
  type(dialog.nameField(), QString::fromUtf8("\U0001F327"));
  EXPECT_EQ(dialog.nameField()->text(), QStringLiteral("AB"));

  dialog.nameField()->clear();
  dialog.dateField(2)->setText(QStringLiteral("31"));
  dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "ﾃﾞｰﾀ名を入力してください。");
  dialog.nameField()->setText(QStringLiteral("RAIN"));
  dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text, "開始時間に誤りがあります。");
  dialog.dateField(2)->setText(QStringLiteral("30"));
  dialog.dateField(4)->setText(QStringLiteral("07"));
  dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.change().startTime, jst(2024, 6, 30, 10, 7));
  EXPECT_EQ(dialog.change().name, "RAIN");
}
