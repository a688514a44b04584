#include "CliInterrupt.h"

#include <atomic>
#include <csignal>

namespace {

std::atomic<int> g_interrupts{0};

extern "C" void noteInterrupt(int number) {
  if (g_interrupts.fetch_add(1) >= 1) {
    // The second time: the default action, now.
    std::signal(number, SIG_DFL);
    std::raise(number);
  }
}

}  // namespace

void catchInterrupts() {
  struct sigaction action {};
  action.sa_handler = noteInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

bool interruptRequested() { return g_interrupts.load() > 0; }
