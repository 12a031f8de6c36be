// What a change of scale costs the analog clock's pictures: one face picture drawn at the dpi,
// and every button picture of the shipped store (12 hover icons, 24 faces) drawn at the dpi.
// Runs once per scale change, not per tick.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

#include "analog/face_background.h"
#include "buttons/icon_store.h"
#include "ui/button_pictures.h"
#include "ui/picture.h"

namespace horalune {
namespace {

void BM_BackgroundAtDpi(benchmark::State& state) {
    const int dpi = int(state.range(0));
    for (auto _ : state) {
        const Image face = builtin_background(1, dpi);
        benchmark::DoNotOptimize(face.pixels.data());
    }
}
BENCHMARK(BM_BackgroundAtDpi)->Arg(96)->Arg(144)->Arg(192)->Arg(288)->Unit(benchmark::kMillisecond);

// The store's 36 pictures as the program decodes them (the build's own store).
std::vector<Image> store_pictures() {
    std::vector<Image> out;
    const auto records = load_icon_store(icon_store_path(HORALUNE_BIN_DIR, kIconStoreName))
                             .value_or(std::vector<IconRecord>{});
    for (const IconRecord& r : records) {
        for (const std::string* field : {&r.icon, &r.face5, &r.face6}) {
            if (auto p = decode_picture(*field)) out.push_back(std::move(*p));
        }
    }
    return out;
}

void BM_ButtonPicturesAtDpi(benchmark::State& state) {
    const int dpi = int(state.range(0));
    const std::vector<Image> stored = store_pictures();
    if (stored.size() != 36) state.SkipWithError("the shipped store was not found");
    for (auto _ : state) {
        for (const Image& p : stored) {
            const Image at = button_picture_at(p, dpi);
            benchmark::DoNotOptimize(at.pixels.data());
        }
    }
}
BENCHMARK(BM_ButtonPicturesAtDpi)->Arg(144)->Arg(192)->Arg(288)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace horalune
