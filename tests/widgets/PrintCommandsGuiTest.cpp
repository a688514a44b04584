// The table print settings dialog on the offscreen platform, and the print
// commands with scripted printer and preview dialogs: the chart is as it was
// after printing, cancelling and previewing (each preview request a whole
// job), pending changes are back, and the graph command after a table prints
// the graph.
#include "CPrintCommands.h"
#include "CTablePrintDlg.h"
#include "CommandIds.h"
#include "DocFixture.h"
#include "PdfText.h"
#include "TestClock.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <filesystem>

namespace {

template <typename T>
T* child(QWidget& parent, const char* name) {
  return parent.findChild<T*>(QString::fromLatin1(name));
}

}  // namespace

class TablePrintDialog : public ::testing::Test {
 protected:
  ScriptedMessages messages;
  CTablePrintDlg dialog{messages};
  QLineEdit* edit(const char* name) { return child<QLineEdit>(dialog, name); }
  void ok() { child<QPushButton>(dialog, "button1")->click(); }
};

TEST_F(TablePrintDialog, OpensOnTheMonthlyTableWithEmptyFieldsAndRefusesOkAtOnce) {
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ﾃｷｽﾄ表印刷設定"));
  EXPECT_TRUE(child<QRadioButton>(dialog, "radio1072")->isChecked());
  EXPECT_FALSE(child<QRadioButton>(dialog, "radio1073")->isChecked());
  EXPECT_FALSE(edit("edit1081")->isEnabled());
  EXPECT_TRUE(edit("edit1079")->isEnabled() && edit("edit1080")->isEnabled());
  for (const char* name : {"edit1079", "edit1080", "edit1081", "edit1082"}) EXPECT_TRUE(edit(name)->text().isEmpty());
  EXPECT_EQ(edit("edit1079")->maxLength(), 4);
  EXPECT_EQ(edit("edit1080")->maxLength(), 2);
  EXPECT_EQ(edit("edit1082")->maxLength(), 24);
  ok();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "入力した値に誤りがあります。");
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(dialog.request());
}

TEST_F(TablePrintDialog, MonthThirteenStaysOpenAndTheYearlyChoiceSwapsTheFields) {
  dialog.show();
  QTest::keyClicks(edit("edit1079"), QStringLiteral("2024"));
  QTest::keyClicks(edit("edit1080"), QStringLiteral("13"));
  ok();
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(dialog.isVisible());
  child<QRadioButton>(dialog, "radio1073")->click();
  EXPECT_TRUE(edit("edit1081")->isEnabled());
  EXPECT_FALSE(edit("edit1079")->isEnabled() || edit("edit1080")->isEnabled());
  QTest::keyClicks(edit("edit1081"), QStringLiteral("2019"));
  ok();
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  ASSERT_TRUE(dialog.request());
  EXPECT_EQ(dialog.request()->kind, TableKind::DailyYear);
  EXPECT_EQ(dialog.request()->year, 2019);
}

class PrintCommands : public DocFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(doc.onOpenDocument(sample("long-2024-0.5mm.hyy")));
    windows.switchTo(doc, state, IntervalMode::Daily);
    doc.series().firstShownIndex = 30;
    doc.series().visibleCount = 60;
    state.dataModified = 1;
    CPrintCommands::Dialogs d;
    d.askTable = [this] { return request; };
    d.askPrint = [this](QPrinter& printer) {
      ++printDialogs;
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(dir.file("print.pdf")));
      return printAnswer;
    };
    d.preview = [this](QPrinter& printer, const std::function<void(QPrinter&)>& paint) {
      // The preview asks again when the orientation changes.
      for (auto orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(dir.file(
            orientation == QPageLayout::Portrait ? "preview-portrait.pdf" : "preview-landscape.pdf")));
        printer.setPageOrientation(orientation);
        paint(printer);
        EXPECT_EQ(state.dataModified, 1);
      }
    };
    d.pageSetup = [](QPrinter&) {};
    commands.setDialogs(d);
    commands.setClock([] { return jst(2026, 1, 2, 3, 4); });
  }
  void expectChartAsBefore() {
    EXPECT_EQ(doc.intervalMode, IntervalMode::Daily);
    EXPECT_EQ(doc.series().intervalMode, IntervalMode::Daily);
    EXPECT_EQ(doc.series().firstShownIndex, 30);
    EXPECT_EQ(doc.series().visibleCount, 60);
    EXPECT_EQ(state.dataModified, 1);
  }

  CPrintCommands commands{doc, state, windows, messages, nullptr};
  std::optional<TableRequest> request = TableRequest{TableKind::HourlyMonth, 2024, 5, "観測所"};
  bool printAnswer = true;
  int printDialogs = 0;
};

TEST_F(PrintCommands, TablePrintLeavesTheChartAsItWas) {
  ASSERT_TRUE(commands.onCommand(cmd::PrintTables));
  expectChartAsBefore();
  const std::string text = pdftext::text(dir.file("print.pdf"));
  EXPECT_NE(text.find("令和"), std::string::npos);
  EXPECT_NE(text.find("観測所"), std::string::npos);
}

TEST_F(PrintCommands, CancelledPrinterDialogOrSettingsPrintNothingAndKeepTheChart) {
  printAnswer = false;
  ASSERT_TRUE(commands.onCommand(cmd::PrintTables));
  expectChartAsBefore();
  EXPECT_FALSE(std::filesystem::exists(dir.file("print.pdf")));
  request.reset();
  doc.tableFlag = 0;
  ASSERT_TRUE(commands.onCommand(cmd::PrintTables));
  EXPECT_EQ(printDialogs, 1);
  EXPECT_EQ(doc.tableFlag, 0);
  expectChartAsBefore();
}

TEST_F(PrintCommands, TablePreviewRunsAWholeJobPerRequestFromTheSnapshot) {
  request = TableRequest{TableKind::DailyYear, 2024, 1, ""};
  ASSERT_TRUE(commands.onCommand(cmd::TablePreview));
  expectChartAsBefore();
  EXPECT_EQ(doc.printKind, 0);
  for (const char* name : {"preview-portrait.pdf", "preview-landscape.pdf"})
    EXPECT_NE(pdftext::text(dir.file(name), "-raw").find("日 雨 量 年 表"), std::string::npos) << name;
}

TEST_F(PrintCommands, GraphCommandAfterATablePrintsTheGraph) {
  request = TableRequest{TableKind::DailyYear, 2024, 1, ""};
  ASSERT_TRUE(commands.onCommand(cmd::PrintTables));
  ASSERT_TRUE(commands.onCommand(cmd::PrintGraph));
  const std::string text = pdftext::text(dir.file("print.pdf"));
  EXPECT_NE(text.find("機種名"), std::string::npos);
  EXPECT_NE(text.find("2026/01/02 03:04"), std::string::npos);
  EXPECT_NE(text.find("1日"), std::string::npos);
  EXPECT_EQ(pdftext::text(dir.file("print.pdf"), "-raw").find("日 雨 量 年 表"), std::string::npos);
  expectChartAsBefore();
}
