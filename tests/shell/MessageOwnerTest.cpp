// The program's message boxes in the running program, with real window
// activation on the offscreen platform: a box belongs to the window that
// showed it, and closing it gives the keyboard back to that window, where
// the window put the focus.
#include "CDataListDlg.h"
#include "CHyetoscopeApp.h"
#include "CHyetoscopeView.h"
#include "CLogstore1App.h"
#include "CMainFrame.h"
#include "CTextSaveDlg.h"
#include "CommandIds.h"
#include "PrivateHome.h"
#include "QtUserMessages.h"
#include "RecordingState.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {
const bool kHomeReady = (privateHome(), true);

// Runs act on the first widget in front that found accepts, looking every
// 10 ms (the widget comes up inside a nested event loop).
void whenInFront(std::function<QWidget*()> found, std::function<void(QWidget*)> act) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, found, act] {
    QWidget* w = found();
    if (w == nullptr) return;
    timer->stop();
    timer->deleteLater();
    act(w);
  });
  timer->start();
}

// The message box in front, once it is up: its owner and text are noted, then
// it is closed with OK.
struct BoxCloser {
  void arm() {
    whenInFront([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); },
                [this](QWidget* w) {
                  auto* box = static_cast<QMessageBox*>(w);
                  owner = box->parentWidget();
                  text = box->text();
                  box->accept();
                });
  }
  QWidget* owner = nullptr;
  QString text;
};

// Waits (up to 2 s) for the window to become active.
bool becomesActive(QWidget* window) {
  for (int i = 0; i < 200 && QApplication::activeWindow() != window; ++i) QTest::qWait(10);
  return QApplication::activeWindow() == window;
}
}  // namespace

class MessageOwner : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(kHomeReady);
    applyProgramIdentity();
    QSettings().clear();
    const QString file = QStringLiteral(HY_SAMPLES_DIR "/long-2024-0.5mm.hyy");
    ASSERT_TRUE(app.initInstance({QStringLiteral("hyetoscope"), file}));
    // As the program's main sets it up.
    messages.setParent(app.mainFrame());
    ASSERT_TRUE(becomesActive(app.mainFrame()));
  }

  RecordingState state;
  QtUserMessages messages;
  CHyetoscopeApp app{state, messages};
};

TEST_F(MessageOwner, RefusedIntegrationGivesTheKeyboardBackToTheDataListsField) {
  app.mainFrame()->executeCommand(cmd::DataList);
  CDataListDlg* list = app.mainFrame()->view()->dataList();
  ASSERT_NE(list, nullptr);
  QCoreApplication::processEvents();  // the posted first interval
  list->activateWindow();
  ASSERT_TRUE(becomesActive(list));
  auto* compute = list->findChild<QPushButton*>(QStringLiteral("button1061"));
  ASSERT_NE(compute, nullptr);
  compute->setFocus();

  const struct {
    QLineEdit* wrong;
    QLineEdit* focus;
    const char* text;
  } cases[] = {{list->startField(0), list->startField(0), "積算開始日時が正しく入力されていません。"},
               {list->endField(0), list->endField(0), "積算終了日時が正しく入力されていません。"},
               {list->startField(1), list->startField(0), "積算開始日時が正しく入力されていません。"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const QString kept = c.wrong->text();
    c.wrong->setText(c.wrong == list->startField(1) ? QStringLiteral("13") : QStringLiteral("1969"));
    BoxCloser closer;
    closer.arm();
    compute->click();
    EXPECT_EQ(closer.text, QString::fromUtf8(c.text));
    EXPECT_EQ(closer.owner, list) << "owned by " << (closer.owner ? closer.owner->objectName().toStdString() : "none");
    EXPECT_TRUE(becomesActive(list));
    EXPECT_EQ(QApplication::focusWidget(), c.focus)
        << "focus in " << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "none");
    c.wrong->setText(kept);
  }
}

TEST_F(MessageOwner, SettingsDialogKeepsTheKeyboardAfterItsRefusal) {
  BoxCloser closer;
  bool backInDialog = false;
  whenInFront([] { return qobject_cast<CTextSaveDlg*>(QApplication::activeModalWidget()); },
              [&](QWidget* dialog) {
                ASSERT_TRUE(becomesActive(dialog));
                closer.arm();
                // The empty given range is refused; the dialog stays.
                dialog->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
                EXPECT_EQ(closer.owner, dialog);
                backInDialog = becomesActive(dialog);
                static_cast<QDialog*>(dialog)->reject();
              });
  app.mainFrame()->executeCommand(cmd::SaveAsText);
  EXPECT_EQ(closer.text, QString::fromUtf8("日付・時刻に誤りがあります。"));
  EXPECT_TRUE(backInDialog);
}
