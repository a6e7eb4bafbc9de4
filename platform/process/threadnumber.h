// Logical thread numbers of procedure threads.
//
// Procedures run on logical threads (the frame is thread 1). The windowing
// runtime installs a provider that answers the number of the running
// procedure thread; without one the process has the single thread 1.
#pragma once

#include <functional>

namespace vorda::platform {

int currentThreadNumber();
void setThreadNumberProvider(std::function<int()> provider);

}  // namespace vorda::platform
