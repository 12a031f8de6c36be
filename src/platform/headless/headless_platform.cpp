// The in-memory desktop for tests: system services, windows, timers and sounds on virtual time.
// It draws nothing and plays nothing; capabilities default to what Windows offers.
#include "platform/headless/headless_platform.h"

#include <limits>

#include "platform/dpi.h"
#include "platform/rect_math.h"

namespace horalune {

HeadlessPlatform::HeadlessPlatform() {
    capabilities_ = {{Capability::window_shape, true},
                     {Capability::sound_wav, true},
                     {Capability::sound_midi, true},
                     {Capability::sound_mp3, true}};
    set_now(DateTime{2026, 12, 8, 9, 0, 0, 0, 2});
}

bool HeadlessPlatform::can(Capability capability) const {
    const auto it = capabilities_.find(capability);
    return it != capabilities_.end() && it->second;
}

void HeadlessPlatform::set_now(const DateTime& t) {
    clock_ms_ = to_local_ms(t);
}

DateTime HeadlessPlatform::now() {
    return from_local_ms(clock_ms_);
}

std::uint64_t HeadlessPlatform::uptime_ms() {
    return uptime_base_ + static_cast<std::uint64_t>(virtual_ms_ - uptime_anchor_);
}

void HeadlessPlatform::advance(std::int64_t ms) {
    const std::int64_t end = virtual_ms_ + ms;
    for (;;) {
        // The earliest due timer; ties go to the one started first, as a message queue would.
        auto next = timers_.end();
        for (auto it = timers_.begin(); it != timers_.end(); ++it) {
            if (it->second.interval <= 0) continue;
            if (next == timers_.end() || it->second.due < next->second.due ||
                (it->second.due == next->second.due &&
                 it->second.generation < next->second.generation)) {
                next = it;
            }
        }
        if (next == timers_.end() || next->second.due > end || exit_code_) break;
        const auto key = next->first;
        const std::int64_t step = next->second.due - virtual_ms_;
        virtual_ms_ += step;
        clock_ms_ += step;
        next->second.due = next_due(next->second);
        if (sink_) sink_->on_timer(key.first, key.second);
    }
    if (!exit_code_ && end > virtual_ms_) {
        clock_ms_ += end - virtual_ms_;
        virtual_ms_ = end;
    }
}

void HeadlessPlatform::mouse_down(WindowId w, MouseButton b, int x, int y) {
    if (const auto t = tooltips_.find(w); t != tooltips_.end()) t->second.dismissed = true;
    if (live(w) && sink_) sink_->on_mouse_down(w, b, x, y);
}

void HeadlessPlatform::mouse_up(WindowId w, MouseButton b, int x, int y) {
    if (live(w) && sink_) sink_->on_mouse_up(w, b, x, y);
}

bool HeadlessPlatform::key_down(WindowId w, int key) {
    return live(w) && sink_ && sink_->on_key_down(w, key);
}

bool HeadlessPlatform::request_close(WindowId w) {
    if (!live(w)) return false;
    if (sink_ && !sink_->on_close_request(w)) return false;
    destroy_window(w);
    return true;
}

const HeadlessPlatform::WindowState* HeadlessPlatform::window(WindowId w) const {
    const auto it = windows_.find(w);
    return it == windows_.end() ? nullptr : &it->second;
}

HeadlessPlatform::WindowState* HeadlessPlatform::live(WindowId w) {
    const auto it = windows_.find(w);
    return it == windows_.end() || !it->second.alive ? nullptr : &it->second;
}

std::vector<WindowId> HeadlessPlatform::live_windows() const {
    std::vector<WindowId> ids;
    for (const auto& [id, state] : windows_) {
        if (state.alive) ids.push_back(id);
    }
    return ids;
}

int HeadlessPlatform::timer_interval(WindowId w, int timer_id) const {
    const auto it = timers_.find({w, timer_id});
    return it == timers_.end() ? 0 : it->second.interval;
}

std::optional<HeadlessPlatform::SoundCall> HeadlessPlatform::sounding() const {
    if (sounds_.empty() || sounds_.back().kind == SoundCall::Kind::stop) return std::nullopt;
    return sounds_.back();
}

WindowId HeadlessPlatform::create_window(const WindowSpec& request) {
    const WindowId id = next_window_++;
    WindowState& state = windows_[id];
    state.request = request;
    state.rect = request.rect;
    state.visible = request.visible;
    // Made on a monitor, at its scale: no change to tell of.
    const int monitor = monitor_index(monitor_rects(), state.rect);
    if (monitor >= 0 && monitor < static_cast<int>(monitor_dpis_.size()))
        state.dpi = monitor_dpis_[static_cast<std::size_t>(monitor)];
    window_history_.push_back(request);
    return id;
}

void HeadlessPlatform::destroy_window(WindowId window) {
    WindowState* state = live(window);
    if (!state) return;
    state->alive = false;
    state->visible = false;
    std::erase_if(timers_, [window](const auto& entry) { return entry.first.first == window; });
}

void HeadlessPlatform::show_window(WindowId window, bool visible) {
    if (WindowState* state = live(window)) state->visible = visible;
}

bool HeadlessPlatform::window_visible(WindowId window) {
    const WindowState* state = live(window);
    return state && state->visible;
}

void HeadlessPlatform::move_window(WindowId window, int left, int top) {
    if (WindowState* state = live(window)) {
        state->rect.left = left;
        state->rect.top = top;
        follow_dpi(window);
    }
}

int HeadlessPlatform::window_dpi(WindowId window) {
    const WindowState* state = live(window);
    return state ? state->dpi : kLogicalDpi;
}

void HeadlessPlatform::follow_dpi(WindowId window) {
    WindowState* state = live(window);
    if (state == nullptr) return;
    const int i = monitor_index(monitor_rects(), state->rect);
    const int dpi = i >= 0 && i < static_cast<int>(monitor_dpis_.size())
                        ? monitor_dpis_[static_cast<std::size_t>(i)]
                        : kLogicalDpi;
    if (dpi == state->dpi) return;
    state->dpi = dpi;
    ++state->dpi_changes;
    if (sink_) sink_->on_dpi_changed(window);
}

void HeadlessPlatform::change_display(std::vector<Rect> monitors) {
    monitors_ = std::move(monitors);
    if (sink_) sink_->on_display_changed();
    for (const WindowId w : live_windows()) follow_dpi(w);
}

void HeadlessPlatform::set_monitor_dpis(std::vector<int> dpis) {
    monitor_dpis_ = std::move(dpis);
    for (const WindowId w : live_windows()) follow_dpi(w);
}

Rect HeadlessPlatform::device_rect(WindowId w) const {
    const WindowState* state = window(w);
    if (state == nullptr) return {};
    return {state->rect.left, state->rect.top, scaled(state->rect.width, state->dpi),
            scaled(state->rect.height, state->dpi)};
}

Rect HeadlessPlatform::device_control(WindowId w, int control) const {
    const WindowState* state = window(w);
    if (state == nullptr || control < 1 || control > static_cast<int>(state->controls.size()))
        return {};
    return scaled(state->controls[static_cast<std::size_t>(control) - 1].rect, state->dpi);
}

int HeadlessPlatform::dpi_changes(WindowId w) const {
    const WindowState* state = window(w);
    return state ? state->dpi_changes : 0;
}

void HeadlessPlatform::resize_window(WindowId window, int width, int height) {
    if (WindowState* state = live(window)) {
        state->rect.width = width;
        state->rect.height = height;
    }
}

Rect HeadlessPlatform::window_rect(WindowId window) {
    const WindowState* state = live(window);
    return state ? state->rect : Rect{};
}

void HeadlessPlatform::set_window_shape(WindowId window, const Image& mask) {
    if (WindowState* state = live(window)) state->shape = mask;
}

void HeadlessPlatform::present(WindowId window, const Image& content) {
    if (WindowState* state = live(window)) {
        state->content = content;
        ++state->presents;
    }
}

void HeadlessPlatform::present_part(WindowId window, const Image& content, const Rect& changed) {
    WindowState* state = live(window);
    if (state == nullptr) return;
    if (state->content.width != content.width || state->content.height != content.height) {
        present(window, content);
        return;
    }
    const Rect r = intersected(changed, {0, 0, content.width, content.height});
    for (int y = r.top; y < r.top + r.height; ++y) {
        const auto from = content.pixels.begin() + static_cast<std::ptrdiff_t>(y) * content.width;
        std::copy(from + r.left, from + r.left + r.width,
                  state->content.pixels.begin() + (from - content.pixels.begin()) + r.left);
    }
    ++state->presents;
}

std::int64_t HeadlessPlatform::next_due(const Timer& t) const {
    if (!t.aligned) return virtual_ms_ + t.interval;
    const std::int64_t into = ((clock_ms_ % t.interval) + t.interval) % t.interval;
    return virtual_ms_ + (t.interval - into);
}

void HeadlessPlatform::set_timer(WindowId window, int timer_id, int interval_ms) {
    if (!live(window)) return;
    Timer& timer = timers_[{window, timer_id}];
    timer.interval = interval_ms > 0 ? interval_ms : 0;
    timer.aligned = false;
    timer.due = next_due(timer);
    timer.generation = ++timer_generation_;
}

void HeadlessPlatform::set_aligned_timer(WindowId window, int timer_id, int interval_ms) {
    if (!live(window)) return;
    Timer& timer = timers_[{window, timer_id}];
    timer.interval = interval_ms > 0 ? interval_ms : 0;
    timer.aligned = timer.interval > 0;
    if (timer.interval > 0) timer.due = next_due(timer);
    timer.generation = ++timer_generation_;
}

int HeadlessPlatform::run_event_loop() {
    // Runs virtual time until someone quits; a loop with nothing left to fire ends at once.
    constexpr std::int64_t kSlice = 1000;
    constexpr std::int64_t kLimit = 24LL * 3600 * 1000;
    for (std::int64_t ran = 0; !exit_code_ && ran < kLimit; ran += kSlice) {
        if (timers_.empty()) break;
        advance(kSlice);
    }
    return exit_code_.value_or(std::numeric_limits<int>::min());
}

void HeadlessPlatform::play_sound(const std::string& path, bool repeat) {
    sounds_.push_back({SoundCall::Kind::play, path, repeat, virtual_ms_});
}

void HeadlessPlatform::play_mp3(const std::string& path) {
    sounds_.push_back({SoundCall::Kind::play_mp3, path, false, virtual_ms_});
}

void HeadlessPlatform::stop_sound() {
    sounds_.push_back({SoundCall::Kind::stop, {}, false, virtual_ms_});
}

}  // namespace horalune
