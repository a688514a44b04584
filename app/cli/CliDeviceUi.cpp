#include "CliDeviceUi.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QMetaObject>
#include <QThread>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

std::atomic<int> g_interrupts{0};

extern "C" void countInterrupt(int) { g_interrupts.fetch_add(1); }

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

CliDeviceUi::CliDeviceUi() {
  g_interrupts.store(0);
  struct sigaction action {};
  action.sa_handler = countInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

CliDeviceUi::~CliDeviceUi() {
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
}

bool CliDeviceUi::interrupted() const { return g_interrupts.load() > 0; }

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
