// The counts of file reads and looks that benchmarks and tests read, kept for every back-end.
#include "platform/file_counts.h"

#include <atomic>

namespace horalune::files {
namespace {

std::atomic<std::uint64_t> reads{0};
std::atomic<std::uint64_t> looks{0};

}  // namespace

void count_read() {
    reads.fetch_add(1, std::memory_order_relaxed);
}

void count_look() {
    looks.fetch_add(1, std::memory_order_relaxed);
}

std::uint64_t read_count() {
    return reads.load(std::memory_order_relaxed);
}

std::uint64_t look_count() {
    return looks.load(std::memory_order_relaxed);
}

}  // namespace horalune::files
