#include "QtDeviceUi.h"

#include <QApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace device {

namespace {

// The wait cursor for as long as the object lives.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

bool onUiThread() { return QThread::currentThread() == qApp->thread(); }

}  // namespace

void QtDeviceUi::sleep(std::chrono::milliseconds duration) {
  WaitCursor cursor;
  QEventLoop loop;
  QTimer::singleShot(duration, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void QtDeviceUi::until(const std::function<bool()>& done) {
  WaitCursor cursor;
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (done()) loop.quit();
  });
  if (done()) return;
  poll.start(5);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void QtDeviceUi::post(std::function<void()> work) {
  QMetaObject::invokeMethod(qApp, std::move(work), Qt::QueuedConnection);
}

void QtDeviceUi::call(std::function<void()> work) {
  if (onUiThread()) {
    work();
    return;
  }
  QMetaObject::invokeMethod(qApp, std::move(work), Qt::BlockingQueuedConnection);
}

MessageAnswer QtDeviceUi::message(const std::string& text, MessageIcon icon) {
  MessageAnswer answer = MessageAnswer::Ok;
  call([&] { answer = m_messages.show(text, icon, MessageButtons::Ok); });
  return answer;
}

}  // namespace device
