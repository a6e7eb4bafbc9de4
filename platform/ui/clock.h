// The runtime's clock, in hundredths of a second.
//
// Timers and the program's clock reads go through this interface: the Qt
// backend uses SystemClock, the headless backend a VirtualClock that moves
// only when a script or test advances it.
#pragma once

#include <cstdint>

namespace vorda::ui {

class Clock {
public:
    virtual ~Clock() = default;
    virtual int64_t now() const = 0;  // hundredths of a second since an arbitrary start
};

class SystemClock final : public Clock {
public:
    int64_t now() const override;
};

class VirtualClock final : public Clock {
public:
    int64_t now() const override { return now_; }
    void advance(int64_t hundredths) { now_ += hundredths; }
    void set(int64_t hundredths) { now_ = hundredths; }

private:
    int64_t now_ = 0;
};

}  // namespace vorda::ui
