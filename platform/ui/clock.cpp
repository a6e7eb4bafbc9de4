// The system clock as a steady count of hundredths of a second.
#include "platform/ui/clock.h"

#include <chrono>

namespace vorda::ui {

int64_t SystemClock::now() const {
    using Hundredths = std::chrono::duration<int64_t, std::ratio<1, 100>>;
    return std::chrono::duration_cast<Hundredths>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace vorda::ui
