// One second tick with nothing due, and one face redraw, on the headless desktop.
#include <benchmark/benchmark.h>

#include "analog/analog_window.h"
#include "analog/face.h"
#include "analog/face_background.h"
#include "app/application.h"
#include "config/config.h"
#include "platform/headless/headless_platform.h"
#include "support/temp_dir.h"

namespace horalune {
namespace {

// A config.ini as a user who set everything up would have it, with every event armed but
// none due in the measured seconds.
void write_typical_config(const std::string& ini) {
    config_write(ini, "时钟配置", "时针颜色", "255");
    config_write(ini, "时钟配置", "时针宽度", "3");
    config_write(ini, "时钟配置", "底图", "默认1");
    config_write(ini, "整点报时", "整点是否报时", "真");
    config_write(ini, "整点报时", "声音路径", "C:\\Windows\\Media\\chimes.wav");
    config_write(ini, "定时提醒", "是否定时提醒", "真");
    config_write(ini, "定时提醒", "提醒时间", "2000年1月1日7:30:0");
    config_write(ini, "定时提醒", "提醒文字", "该开会了");
    config_write(ini, "定时关机", "是否定时关机", "真");
    config_write(ini, "定时关机", "关机时间", "2000年1月1日23:0:0");
    config_write(ini, "定时关机", "倒计时间", "30");
}

void BM_SecondTick(benchmark::State& state) {
    testing::TempDir dir;
    HeadlessPlatform platform;
    platform.set_program_dir(dir.path());
    write_typical_config(dir.file("config.ini"));
    Application app(platform);
    app.create();
    platform.set_now({2026, 12, 8, 10, 15, 0, 0, 2});
    for (auto _ : state) platform.advance(1000);  // exactly one tick each
}
BENCHMARK(BM_SecondTick)->Unit(benchmark::kMicrosecond);

void BM_FaceRedraw(benchmark::State& state) {
    HeadlessPlatform platform;
    platform.set_now({2026, 12, 8, 10, 8, 37, 0, 2});
    Canvas canvas(164, 164);
    canvas.set_background_picture(builtin_background(1));
    const std::array<std::int32_t, 3> length{45, 33, 33}, colour{0, 0x800000, 0xFF}, width{3, 2, 1};
    for (auto _ : state) {
        redraw_face(canvas, {length, colour, width}, platform);
        benchmark::DoNotOptimize(canvas.image().pixels.data());
    }
}
BENCHMARK(BM_FaceRedraw)->Unit(benchmark::kMicrosecond);

void BM_ConfigRead(benchmark::State& state) {
    testing::TempDir dir;
    write_typical_config(dir.file("config.ini"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(config_read(dir.file("config.ini"), "定时关机", "倒计时间"));
    }
}
BENCHMARK(BM_ConfigRead)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace horalune

BENCHMARK_MAIN();
