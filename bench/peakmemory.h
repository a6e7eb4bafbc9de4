// The peak resident memory of the benchmark's process, as the benchmarks
// print it.
#pragma once

#include <sys/resource.h>

namespace vorda::bench {

// Peak resident set size of this process so far, in KiB.
inline long peakRssKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace vorda::bench
