#include "UiSide.h"

#include <thread>

namespace device {

void SleepingUiWait::sleep(std::chrono::milliseconds duration) { std::this_thread::sleep_for(duration); }

void SleepingUiWait::until(const std::function<bool()>& done) {
  while (!done()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

}  // namespace device
