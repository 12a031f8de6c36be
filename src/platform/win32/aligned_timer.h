// When an aligned timer ticks next: just after the coming whole multiple of its interval.
// Knows nothing of windows or SetTimer; the arithmetic alone, so it can be checked on its own.
#pragma once

#include <cstdint>

namespace horalune::win32 {

// How far after a boundary a tick is aimed: timers fire a little late or early, and a tick a
// hair before the boundary would still read the previous second.
constexpr int kAlignedMarginMs = 15;

struct AlignedWait {
    bool early = false;  // the tick came just before its boundary: it is not delivered
    int delay_ms = 0;    // until the next tick
};

// now_ms: the local wall-clock time in milliseconds, counted from a whole multiple of the
// interval (for seconds: any epoch at midnight).
AlignedWait aligned_wait(std::int64_t now_ms, int interval_ms);

}  // namespace horalune::win32
