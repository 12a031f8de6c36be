// One second tick with every event armed (none due), on the headless desktop: with config.ini
// unchanged since the last tick and just written, at a typical size and at 20 MB; one face
// redraw; one look at the settings; one single-item read. "reads/tick" counts the whole-file
// reads of config.ini per iteration.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "analog/analog_window.h"
#include "analog/face.h"
#include "analog/face_background.h"
#include "app/application.h"
#include "config/config.h"
#include "config/globals.h"
#include "platform/files.h"
#include "platform/headless/headless_platform.h"
#include "support/temp_dir.h"

namespace horalune {
namespace {

// A config.ini as a user who set everything up would have it, with every event armed but
// none due in the measured seconds; `padding` bytes of lines it does not know come first.
void write_typical_config(const std::string& ini, std::size_t padding = 0) {
    if (padding > 0) {
        std::string lines = "[历史]\r\n";
        for (int i = 0; lines.size() < padding; ++i) {
            lines += "line" + std::to_string(i) + "=some text that nobody reads again\r\n";
        }
        testing::write_bytes(ini, lines);
    }
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

// Sets the file's last write `ago` before now.
void set_written(const testing::TempDir& dir, std::chrono::milliseconds ago) {
    std::filesystem::last_write_time(dir.fs() / "config.ini",
                                     std::filesystem::file_time_type::clock::now() - ago);
}

struct Clock {
    explicit Clock(std::size_t padding) {
        platform.set_program_dir(dir.path());
        write_typical_config(dir.file("config.ini"), padding);
        set_written(dir, std::chrono::seconds(30));
        app.create();
        platform.set_now({2026, 12, 8, 10, 15, 0, 0, 2});
        platform.advance(1000);
    }
    testing::TempDir dir;
    HeadlessPlatform platform;
    Application app{platform};
};

void report_reads(benchmark::State& state, std::uint64_t reads_before) {
    state.counters["reads/tick"] =
        benchmark::Counter(static_cast<double>(files::read_count() - reads_before),
                           benchmark::Counter::kAvgIterations);
}

// config.ini as it was at the last tick.
void BM_TickUnchanged(benchmark::State& state) {
    Clock clock(static_cast<std::size_t>(state.range(0)));
    const std::uint64_t reads = files::read_count();
    for (auto _ : state) clock.platform.advance(1000);  // exactly one tick each
    report_reads(state, reads);
}
BENCHMARK(BM_TickUnchanged)->Arg(0)->Arg(20 << 20)->Unit(benchmark::kMicrosecond);

// config.ini written (by another program) since the last tick: its write time moves on.
void BM_TickJustWritten(benchmark::State& state) {
    Clock clock(static_cast<std::size_t>(state.range(0)));
    const std::uint64_t reads = files::read_count();
    for (auto _ : state) {
        state.PauseTiming();
        set_written(clock.dir, std::chrono::milliseconds(500));
        state.ResumeTiming();
        clock.platform.advance(1000);
    }
    report_reads(state, reads);
}
BENCHMARK(BM_TickJustWritten)->Arg(0)->Arg(20 << 20)->Unit(benchmark::kMicrosecond);

// One look at the settings of an unchanged config.ini: what each check of a tick pays now.
void BM_SettingsLookUnchanged(benchmark::State& state) {
    testing::TempDir dir;
    write_typical_config(dir.file("config.ini"), static_cast<std::size_t>(state.range(0)));
    set_written(dir, std::chrono::seconds(30));
    Globals globals;
    globals.config_path = dir.file("config.ini");
    globals.settings();
    const std::uint64_t reads = files::read_count();
    for (auto _ : state) benchmark::DoNotOptimize(globals.settings().shutdown.on.on());
    report_reads(state, reads);
}
BENCHMARK(BM_SettingsLookUnchanged)->Arg(0)->Arg(20 << 20)->Unit(benchmark::kMicrosecond);

// One second's redraw of the face at a dpi (96 = 100 %, 192 = 200 %), the canvas at the
// device's size; the seconds move on so the hands move as they do on the desktop.
void BM_FaceRedraw(benchmark::State& state) {
    const int dpi = static_cast<int>(state.range(0));
    HeadlessPlatform platform;
    Canvas canvas(164, 164);
    canvas.set_dpi(dpi);
    canvas.set_background_picture(builtin_background(1));
    const std::array<std::int32_t, 3> length{45, 33, 33}, colour{0, 0x800000, 0xFF}, width{3, 2, 1};
    int second = 0;
    for (auto _ : state) {
        platform.set_now({2026, 12, 8, 10, 8, second, 0, 2});
        second = (second + 1) % 60;
        redraw_face(canvas, {length, colour, width}, platform);
        benchmark::DoNotOptimize(canvas.image().pixels.data());
    }
}
BENCHMARK(BM_FaceRedraw)->Arg(96)->Arg(192)->Arg(288)->Unit(benchmark::kMicrosecond);

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
