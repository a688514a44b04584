// The program's message boxes: the buttons and icon each kind of question
// gets, and the answer each way of closing the box gives.
#include "QtUserMessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Shows text with icon and buttons, lets act handle the box while it is up.
MessageAnswer ask(MessageIcon icon, MessageButtons buttons, const std::function<void(QMessageBox&)>& act) {
  QTimer::singleShot(0, [act] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    act(*box);
  });
  QtUserMessages messages;
  return messages.show("question", icon, buttons);
}

TEST(QtUserMessages, YesNoQuestionHasTwoButtonsAndTheQuestionIcon) {
  QMessageBox::StandardButtons shown;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  MessageAnswer a = ask(MessageIcon::Question, MessageButtons::YesNo, [&](QMessageBox& box) {
    shown = box.standardButtons();
    icon = box.icon();
    box.button(QMessageBox::No)->click();
  });
  EXPECT_EQ(a, MessageAnswer::No);
  EXPECT_EQ(shown, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(icon, QMessageBox::Question);

  a = ask(MessageIcon::Question, MessageButtons::YesNo, [](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
  EXPECT_EQ(a, MessageAnswer::Yes);
  a = ask(MessageIcon::Question, MessageButtons::YesNo, [](QMessageBox& box) { box.reject(); });
  EXPECT_EQ(a, MessageAnswer::No) << "closing the box is not a yes";
}

}  // namespace
