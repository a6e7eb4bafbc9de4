// Logical thread numbers: the installed provider, or the single thread 1.
#include "platform/process/threadnumber.h"

namespace vorda::platform {

namespace {

std::function<int()>& provider() {
    static std::function<int()> p;
    return p;
}

}  // namespace

int currentThreadNumber() {
    const std::function<int()>& p = provider();
    return p ? p() : 1;
}

void setThreadNumberProvider(std::function<int()> p) {
    provider() = std::move(p);
}

}  // namespace vorda::platform
