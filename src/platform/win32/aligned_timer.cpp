// Timers that tick just after whole multiples of their interval on the local wall clock, re-armed
// after every tick from GetLocalTime. Does not catch up on ticks lost while the system slept.
#include "platform/win32/aligned_timer.h"

#include <algorithm>

#include "platform/win32/backend.h"

namespace horalune::win32 {
namespace {

std::int64_t local_ms() {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    FILETIME file{};
    SystemTimeToFileTime(&local, &file);  // 100 ns units since 1601, a whole second
    const std::uint64_t units = (std::uint64_t{file.dwHighDateTime} << 32) | file.dwLowDateTime;
    return static_cast<std::int64_t>(units / 10'000);
}

void arm(HWND hwnd, int timer_id, int delay_ms) {
    SetTimer(hwnd, native_timer_id(timer_id), static_cast<UINT>(std::max(delay_ms, 1)), nullptr);
}

}  // namespace

AlignedWait aligned_wait(std::int64_t now_ms, int interval_ms) {
    const std::int64_t interval = std::max(interval_ms, 1);
    const std::int64_t into = ((now_ms % interval) + interval) % interval;
    const std::int64_t to_boundary = interval - into;
    // Closer to the coming boundary than a timer can be late by: the tick is early for it.
    const std::int64_t early_window = std::min<std::int64_t>(50, interval / 4);
    return AlignedWait{to_boundary <= early_window,
                       static_cast<int>(to_boundary + kAlignedMarginMs)};
}

bool aligned_tick(NativeWindow& window, int timer_id) {
    const auto it = window.aligned_timers.find(timer_id);
    if (it == window.aligned_timers.end()) return true;  // a plain timer
    const AlignedWait wait = aligned_wait(local_ms(), it->second);
    arm(window.hwnd, timer_id, wait.delay_ms);
    return !wait.early;
}

void Win32Platform::set_aligned_timer(WindowId window, int timer_id, int interval_ms) {
    NativeWindow* record = record_of(window);
    if (record == nullptr || timer_id < 0) return;
    if (interval_ms <= 0) {
        set_timer(window, timer_id, 0);
        return;
    }
    record->aligned_timers[timer_id] = interval_ms;
    arm(record->hwnd, timer_id, aligned_wait(local_ms(), interval_ms).delay_ms);
}

}  // namespace horalune::win32
