// Plays WAV files with PlaySoundW and MIDI/MP3 files through MCI, restarting repeats on
// MM_MCINOTIFY. Does not decode anything itself: what Windows cannot play stays silent.
#include "platform/win32/sound.h"

#include <mmsystem.h>

#include <optional>

#include "platform/win32/sound_kind.h"
#include "platform/win32/trace.h"
#include "platform/win32/wide.h"

namespace horalune {
namespace {

// One alias is enough: a new sound always replaces the one that plays.
constexpr wchar_t kAlias[] = L"horalune_sound";
constexpr wchar_t kNotifyClass[] = L"HoraluneSoundNotify";

MCIERROR mci(const std::wstring& command, HWND callback = nullptr) {
    return mciSendStringW(command.c_str(), nullptr, 0, callback);
}

std::wstring alias_command(const wchar_t* verb, const wchar_t* tail = L"") {
    return std::wstring(verb) + L" " + kAlias + tail;
}

// The first bytes of the file, or nothing when it cannot be opened (missing, a folder, ...).
std::optional<std::string> read_head(const std::string& path) {
    const std::wstring wide = widen_path(path);
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string head(kSoundHeadSize, '\0');
    DWORD got = 0;
    const bool ok = ReadFile(file, head.data(), static_cast<DWORD>(head.size()), &got, nullptr);
    CloseHandle(file);
    if (!ok) return std::nullopt;
    head.resize(got);
    return head;
}

bool mci_driver_registered(const wchar_t* device_type) {
    return RegGetValueW(HKEY_LOCAL_MACHINE,
                        L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\MCI32", device_type,
                        RRF_RT_REG_SZ, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

LRESULT CALLBACK notify_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    } else if (message == MM_MCINOTIFY) {
        auto* player = reinterpret_cast<SoundPlayer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (player != nullptr) player->on_mci_notify(wparam);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace

SoundPlayer::~SoundPlayer() {
    stop();
    if (notify_ != nullptr) DestroyWindow(notify_);
}

void SoundPlayer::play(const std::string& path, bool repeat) {
    stop();
    if (path.empty()) return;
    const std::optional<std::string> head = read_head(path);
    if (!head) {
        trace("sound failed (no such file) " + path);
        return;
    }
    if (sound_kind(path, *head) == SoundKind::midi) {
        play_mci(path, L"sequencer", repeat);
        return;
    }
    // SND_NODEFAULT: an unplayable file stays silent instead of ringing the system sound.
    const DWORD flags = SND_FILENAME | SND_ASYNC | SND_NODEFAULT | (repeat ? SND_LOOP : 0);
    if (!PlaySoundW(widen_path(path).c_str(), nullptr, flags)) {
        trace("sound failed (wave) " + path);
        return;
    }
    wave_started_ = true;
    current_ = path;
    trace(std::string("sound started wave ") + (repeat ? "repeat " : "once ") + path);
}

void SoundPlayer::play_mp3(const std::string& path) {
    stop();
    if (path.empty()) return;
    play_mci(path, L"mpegvideo", false);
}

bool SoundPlayer::play_mci(const std::string& path, const wchar_t* type, bool repeat) {
    const std::string kind = type == std::wstring_view(L"sequencer") ? "midi" : "mp3";
    const std::wstring open =
        L"open \"" + widen_path(path) + L"\" type " + type + L" alias " + kAlias;
    if (mci(open) != 0) {
        trace("sound failed (" + kind + " open) " + path);
        return false;
    }
    mci_open_ = true;
    const HWND callback = notify_window();
    const MCIERROR played = callback != nullptr ? mci(alias_command(L"play", L" notify"), callback)
                                                : mci(alias_command(L"play"));
    if (played != 0) {
        close_mci();
        trace("sound failed (" + kind + " play) " + path);
        return false;
    }
    mci_repeat_ = repeat;
    current_ = path;
    trace("sound started " + kind + (repeat ? " repeat " : " once ") + path);
    return true;
}

void SoundPlayer::on_mci_notify(WPARAM flags) {
    // Aborted and superseded notifications come from our own stop or restart. The device id
    // in lParam is not compared: only one device is ever open, and some MCI drivers (Wine's
    // MPEG one) send 0 there.
    if (!mci_open_ || flags != MCI_NOTIFY_SUCCESSFUL) return;
    wchar_t mode[32] = {};
    mciSendStringW(alias_command(L"status", L" mode").c_str(), mode, 32, nullptr);
    if (std::wstring_view(mode) == L"playing") return;  // a late notice from an earlier run
    if (!mci_repeat_) {
        close_mci();
        trace("sound ended " + current_);
        current_.clear();
        return;
    }
    mci(alias_command(L"seek", L" to start"));
    mci(alias_command(L"play", L" notify"), notify_);
    trace("sound restarted " + current_);
}

void SoundPlayer::close_mci() {
    mci(alias_command(L"close"));
    mci_open_ = false;
    mci_repeat_ = false;
}

void SoundPlayer::stop() {
    if (wave_started_) {
        PlaySoundW(nullptr, nullptr, 0);
        wave_started_ = false;
    }
    if (mci_open_) {
        mci(alias_command(L"stop"));
        close_mci();
    }
    if (!current_.empty()) {
        trace("sound stopped " + current_);
        current_.clear();
    }
}

bool SoundPlayer::can_play_wave() const {
    return waveOutGetNumDevs() > 0;
}

bool SoundPlayer::can_play_midi() const {
    return midiOutGetNumDevs() > 0 && mci_driver_registered(L"sequencer");
}

bool SoundPlayer::can_play_mp3() const {
    return waveOutGetNumDevs() > 0 && mci_driver_registered(L"MPEGVideo");
}

HWND SoundPlayer::notify_window() {
    if (notify_ != nullptr) return notify_;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = notify_procedure;
    cls.hInstance = instance;
    cls.lpszClassName = kNotifyClass;
    RegisterClassExW(&cls);  // fails harmlessly when already registered
    // A message-only window: never shown, only there to receive MM_MCINOTIFY.
    notify_ =
        CreateWindowExW(0, kNotifyClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
    return notify_;
}

}  // namespace horalune
