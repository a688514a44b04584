#include "CliDeviceUi.h"

#include "CliInterrupt.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QMetaObject>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Between two looks at the queue and the interrupt flag while waiting.
constexpr int kPollMs = 10;

}  // namespace

device::DeviceTiming cliDeviceTiming() {
  if (const char* scale = std::getenv("HY_DEVICE_TIME_SCALE")) {
    char* end = nullptr;
    const double f = std::strtod(scale, &end);
    if (end != scale && *end == '\0' && f >= 0.01 && f <= 1.0) return device::kDeviceTiming.scaled(f);
  }
  return device::kDeviceTiming;
}

CliDeviceUi::CliDeviceUi() = default;

CliDeviceUi::~CliDeviceUi() = default;

bool CliDeviceUi::interrupted() const { return interruptRequested(); }

void CliDeviceUi::runPending() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  if (interrupted() && !m_interruptHandled && m_onInterrupt) m_interruptHandled = m_onInterrupt();
}

void CliDeviceUi::sleep(std::chrono::milliseconds duration) {
  QDeadlineTimer deadline(duration.count());
  for (;;) {
    runPending();
    const qint64 left = deadline.remainingTime();
    if (left <= 0) return;
    QThread::msleep(static_cast<unsigned long>(std::min<qint64>(left, kPollMs)));
  }
}

void CliDeviceUi::until(const std::function<bool()>& done) {
  for (;;) {
    runPending();
    if (done()) return;
    QThread::msleep(kPollMs);
  }
}

void CliDeviceUi::post(std::function<void()> work) {
  QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(work), Qt::QueuedConnection);
}

void CliDeviceUi::call(std::function<void()> work) {
  if (QThread::currentThread() == QCoreApplication::instance()->thread()) {
    work();
    return;
  }
  QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(work), Qt::BlockingQueuedConnection);
}

MessageAnswer CliDeviceUi::message(const std::string& text, MessageIcon) {
  // Shown and remembered on the main thread, in the order they came.
  call([this, text] {
    if (m_beforeMessage) m_beforeMessage();
    m_messages.push_back(text);
    std::fprintf(stderr, "hyetoscope-cli: %s\n", text.c_str());
  });
  return MessageAnswer::Ok;
}
