#include "QtDeviceUi.h"

#include <QApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace {

// The wait cursor for the length of one wait; nested waits stack.
struct WaitCursor {
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

constexpr int kUntilPollMs = 10;

}  // namespace

QtDeviceUi::QtDeviceUi(UserMessages& messages) : m_messages(messages) {}

QtDeviceUi::~QtDeviceUi() = default;

void QtDeviceUi::sleep(std::chrono::milliseconds duration) {
  WaitCursor cursor;
  QEventLoop loop;
  QTimer::singleShot(duration, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void QtDeviceUi::until(const std::function<bool()>& done) {
  if (done()) return;
  WaitCursor cursor;
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (done()) loop.quit();
  });
  poll.start(kUntilPollMs);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void QtDeviceUi::post(std::function<void()> work) {
  QMetaObject::invokeMethod(&m_target, std::move(work), Qt::QueuedConnection);
}

void QtDeviceUi::call(std::function<void()> work) {
  if (QThread::currentThread() == m_target.thread()) {
    work();
    return;
  }
  QMetaObject::invokeMethod(&m_target, std::move(work), Qt::BlockingQueuedConnection);
}

MessageAnswer QtDeviceUi::message(const std::string& text, MessageIcon icon) {
  MessageAnswer answer = MessageAnswer::Ok;
  call([&] { answer = m_messages.show(text, icon, MessageButtons::Ok); });
  return answer;
}
