// The one interface between the program and the desktop. Behaviour code talks to the desktop
// only through this class; each target (headless, Win32) implements it in its own folder.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/image.h"

namespace horalune {

// A local date and time, to the millisecond. weekday: 0 Sunday ... 6 Saturday.
struct DateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    int weekday = 6;  // 2000-01-01 was a Saturday
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

using WindowId = int;
constexpr WindowId kNoWindow = 0;

enum class MouseButton { left, right };

constexpr int kKeyF4 = 115;  // virtual-key codes
constexpr int kKeyEscape = 27;

struct PopupItem {
    std::string caption;  // empty: a separator
    bool checked = false;
};

enum class MessageIcon { none, information, warning, error, question };

// Native controls that a back-end realises with the desktop's own widgets.
enum class ControlType {
    label,
    button,
    hyperlink,
    picture,
    edit,  // one line, or several with `multiline`
    check_box,
    radio,
    drop_list,  // a drop-down list of `items`; the user cannot type into it
    list_box,
    check_list,  // a list whose current item carries the one check mark
    group_box,
    tab,            // tab headers (`items`) over a page area; the pages' controls are siblings
    colour_picker,  // a swatch of `colour`; a click is reported, the program picks the colour
};

struct FontSpec {
    std::string face;  // empty: the desktop's default dialog font
    int height = 0;    // character height in pixels; 0: default
    bool bold = false;
    bool operator==(const FontSpec&) const = default;
};

constexpr int kDefaultColour = -1;  // the desktop's own colour

// A control's whole state. The program owns it; a back-end shows it and reports what the user
// changes (ControlValue).
struct ControlSpec {
    ControlType type = ControlType::label;
    Rect rect;            // relative to the window's client area
    std::string caption;  // the text of labels, buttons, boxes and edit boxes
    FontSpec font;
    Image picture;  // for pictures: shown at the control's top-left, white transparent
    std::vector<std::string> items;  // lists and tabs
    int selected = -1;               // lists and tabs: the current item, -1 none
    bool checked = false;            // check boxes and radios
    bool visible = true;
    bool enabled = true;
    bool multiline = false;  // edit boxes
    bool password = false;   // edit boxes: every character shows as a bullet
    // Labels: text and background colours (0x00BBGGRR, or kDefaultColour) and `picture` as
    // the background, in `picture_mode`. Colour pickers: `colour`.
    int text_colour = kDefaultColour;
    int back_colour = kDefaultColour;
    int picture_mode = 0;  // a PictureMode value; others show the picture at the top left
    bool centred = false;  // labels: the text centred across the label
    int colour = 0;
};

// What the user made of a control: the value the back-end now shows.
struct ControlValue {
    std::string text;   // edit boxes
    int selected = -1;  // lists
    bool checked = false;
};

// clicked: buttons, check boxes, radios, hyperlinks. left_down: labels. changed: the user
// edited the text, ticked a box or picked an item (after on_control_input). drop_down and
// close_up: a drop-down list opens and closes.
enum class ControlEvent { clicked, left_down, changed, drop_down, close_up };

// The power operations of the timed shutdown.
enum class PowerMode { shut_down = 1, restart = 2, log_off = 3, sleep = 4 };

// What a back-end can and cannot do, asked instead of guessed.
enum class Capability {
    window_shape,  // windows cut to a mask
    sound_wav,
    sound_midi,
    sound_mp3,
};

// How a top-level window is made.
struct WindowSpec {
    std::string title;
    Rect rect;
    bool borderless = true;
    bool in_taskbar = false;
    bool visible = true;
    bool framed = false;  // borderless, but with a thin frame line (dialog windows)
};

// Events the back-end delivers, one at a time, from its event loop.
class EventSink {
  public:
    virtual ~EventSink() = default;
    virtual void on_timer(WindowId window, int timer_id) = 0;
    virtual void on_mouse_down(WindowId window, MouseButton button, int x, int y) = 0;
    virtual void on_mouse_up(WindowId window, MouseButton button, int x, int y) = 0;
    virtual void on_mouse_move(WindowId window, int x, int y) = 0;
    // Returns true when the key is consumed (not passed to default processing).
    virtual bool on_key_down(WindowId window, int key) = 0;
    // A close request from outside (the window manager, Alt+F4 that got through, ...).
    // Returns true when the window may close.
    virtual bool on_close_request(WindowId window) = 0;
    // The mouse left the window (after a move inside it).
    virtual void on_mouse_leave(WindowId window) = 0;
    // A click on the tray icon owned by the window.
    virtual void on_tray_click(WindowId owner, MouseButton button) = 0;
    // Something happened to a native control of the window.
    virtual void on_control(WindowId window, int control, ControlEvent event) = 0;
    // The user changed a control's value; comes before the event that reports the change.
    virtual void on_control_input(WindowId /*window*/, int /*control*/,
                                  const ControlValue& /*value*/) {}
    // A status text of the dial-up connection being made (see Platform::dialup_dial).
    virtual void on_dialup_status(const std::string& /*text*/) {}
    // The monitors changed: one was added or removed, or a resolution or arrangement changed
    // (see Platform::monitor_rects). May come more than once for one change.
    virtual void on_display_changed() {}
    // The window's dpi changed (it was moved to a monitor of another scale, or the monitor's
    // scale changed): the back-end has already scaled its size and its controls; the program
    // draws its pictures again at the new size and fits its texts to the new fonts.
    virtual void on_dpi_changed(WindowId /*window*/) {}
};

// A dial-up connection entry of the system, with the user name stored with it.
struct DialEntry {
    std::string name;
    std::string user;
};

class Platform {
  public:
    virtual ~Platform() = default;

    virtual bool can(Capability capability) const = 0;

    // --- system -----------------------------------------------------------------------------
    // The folder that holds the program file, without a trailing separator.
    virtual std::string program_dir() = 0;
    // The whole screen (not the work area), and the mouse pointer on it.
    virtual Rect screen_rect() = 0;
    virtual Point cursor_pos() = 0;
    // Windows NT and its successors (command lines run "cmd.exe" there, not "command.com").
    virtual bool is_nt_family() = 0;
    // The first icon of a program or icon file at 32 x 32; an empty image when there is none.
    virtual Image file_icon(const std::string& path) = 0;
    virtual DateTime now() = 0;
    virtual std::uint64_t uptime_ms() = 0;

    // --- windows ----------------------------------------------------------------------------
    // Every position and size the program gives and gets is logical: a pixel at 96 dpi, the
    // designed unit. The back-end scales them to the monitor a window is on. Pictures are the
    // exception: present, present_part and set_window_shape take them at the device's size,
    // scaled(logical size, window_dpi), so they are drawn sharp at the scale in use.
    // The dpi of the monitor the window is on (96 = 100 %).
    virtual int window_dpi(WindowId window) = 0;
    virtual WindowId create_window(const WindowSpec& request) = 0;
    virtual void destroy_window(WindowId window) = 0;
    virtual void show_window(WindowId window, bool visible) = 0;
    virtual bool window_visible(WindowId window) = 0;
    virtual void move_window(WindowId window, int left, int top) = 0;
    virtual void resize_window(WindowId window, int width, int height) = 0;
    virtual Rect window_rect(WindowId window) = 0;
    // Cuts the window to the mask's shape: pure white pixels (RGB 255, 255, 255) lie outside.
    virtual void set_window_shape(WindowId window, const Image& mask) = 0;
    // Shows a program-drawn picture as the window's whole content (origin at top-left).
    virtual void present(WindowId window, const Image& content) = 0;
    // Brings the window to the foreground.
    virtual void activate_window(WindowId window) = 0;
    // Lets the window manager move the window with the mouse, as if its title bar had been
    // pressed (the left button is down); returns when the user lets go.
    virtual void begin_window_drag(WindowId window) = 0;
    // The window's one tooltip: while the mouse rests on `area` (window coordinates) the
    // desktop shows `text` after its usual delay, until the mouse leaves the area or a button
    // is pressed. An empty text takes the tooltip away (and hides it if shown).
    virtual void set_tooltip(WindowId window, const Rect& area, const std::string& text) = 0;
    // Pops up a menu at the mouse position and tracks it; the index of the picked item, or -1.
    virtual int popup_menu(WindowId owner, const std::vector<PopupItem>& items) = 0;
    // Adds a native control to the window; returns its id (1, 2, ... per window).
    virtual int create_control(WindowId window, const ControlSpec& request) = 0;
    virtual void set_control_text(WindowId window, int control, const std::string& text) = 0;
    // Brings a control to this state (text, items, selection, tick, place, shown, enabled).
    // The user's own changes are not echoed back as input.
    virtual void update_control(WindowId window, int control, const ControlSpec& state) = 0;
    // Runs a nested event loop with every other window of the program disabled, until
    // end_modal() or the window's destruction.
    virtual void run_modal(WindowId window) = 0;
    virtual void end_modal(WindowId window) = 0;
    // While a modal window of the program is open (a run_modal window, a message box, a common
    // dialog, an input box), brings the innermost one to the front and returns true; false
    // when none is open.
    virtual bool activate_modal() = 0;
    // Opens a web address or "mailto:" link with the desktop's handler.
    virtual void open_link(const std::string& target) = 0;
    // A modal message box with an OK button.
    virtual void message_box(WindowId owner, const std::string& text, const std::string& title,
                             MessageIcon icon) = 0;
    // A modal message box with OK and Cancel; true for OK. `default_cancel` makes Cancel the
    // button that Enter presses.
    virtual bool ask_ok_cancel(WindowId owner, const std::string& text, const std::string& title,
                               MessageIcon icon, bool default_cancel) = 0;
    // The common dialogs, modal; nullopt when the user cancels. A filter is pairs of a name and
    // patterns, all joined by "|": "JPG图片|*.jpg|GIF动画|*.gif".
    virtual std::optional<std::string> choose_file(WindowId owner, const std::string& title,
                                                   const std::string& filter) = 0;
    virtual std::optional<int> choose_colour(WindowId owner, int colour) = 0;  // 0x00BBGGRR
    // Face and height as the font dialog gives them; other attributes are kept from `initial`.
    // The dialog opens on `initial` (an empty face or no height: the default dialog font's),
    // offers horizontal faces only and heights from `min_height` to `max_height` pixels.
    virtual std::optional<FontSpec> choose_font(WindowId owner, const FontSpec& initial,
                                                int min_height, int max_height) = 0;
    // A one-line text prompt with OK and Cancel.
    virtual std::optional<std::string> input_box(WindowId owner, const std::string& prompt,
                                                 const std::string& title,
                                                 const std::string& initial) = 0;
    // The smallest box (logical units) that shows the control's whole text in its font on the
    // window: a check box or radio with its box, a button with its frame, a drop-down list with
    // its widest item and arrow, a list with its widest item. A label with room for more lines
    // and a text too long for one, and a multi-line edit box, wrap at `control.rect.width`
    // (only their height is asked then); one-line edit boxes scroll, so only a line's height
    // is asked. 0 where nothing is asked.
    virtual Size measure_text(WindowId window, const ControlSpec& control) = 0;
    // The same as present, when the window already shows a picture of this size and only the
    // pixels inside `changed` (device pixels) differ from it: the back-end copies and repaints that part only.
    virtual void present_part(WindowId window, const Image& content, const Rect& changed) = 0;

    // --- timers and the event loop ------------------------------------------------------------
    // Starts, restarts or (interval 0) stops a timer of a window.
    virtual void set_timer(WindowId window, int timer_id, int interval_ms) = 0;
    // Like set_timer, but each tick falls just after a whole multiple of the interval on the
    // wall clock (a 1000 ms timer ticks just after every full second, never drifting).
    virtual void set_aligned_timer(WindowId window, int timer_id, int interval_ms) = 0;
    virtual void set_event_sink(EventSink* sink) = 0;
    // Runs the event loop until quit(); returns the exit code.
    virtual int run_event_loop() = 0;
    virtual void quit(int exit_code) = 0;

    // --- sound --------------------------------------------------------------------------------
    // WAV or MIDI; returns at once. With repeat the sound starts again each time it ends.
    virtual void play_sound(const std::string& path, bool repeat) = 0;
    virtual void play_mp3(const std::string& path) = 0;
    virtual void stop_sound() = 0;

    // --- shell and system ---------------------------------------------------------------------
    // Adds or updates the tray icon (the program icon) of the window, with its tip.
    virtual void set_tray_icon(WindowId owner, const std::string& tip) = 0;
    virtual void remove_tray_icon(WindowId owner) = 0;
    // Starts a command line as it is, without waiting; false when it could not start.
    virtual bool start_process(const std::string& command_line) = 0;
    // Sends a command string to the multimedia command interface; the reply is ignored.
    virtual void send_media_command(const std::string& command) = 0;
    // Dial-up networking: whether a connection is active, and hanging all of them up.
    virtual bool dialup_connected() = 0;
    virtual void dialup_hang_up() = 0;
    virtual std::vector<DialEntry> dialup_entries() = 0;
    // Starts dialling the number with the user name and password, through an entry of the
    // back-end's choosing; returns at once. Progress comes as EventSink::on_dialup_status.
    virtual void dialup_dial(const std::string& number, const std::string& user,
                             const std::string& password) = 0;
    // Shuts the computer down, restarts it, logs the user off or puts it to sleep; `force`
    // does not wait for running programs. The result is not reported.
    virtual void power_operation(PowerMode mode, bool force) = 0;

    // --- monitors -----------------------------------------------------------------------------
    // Every monitor's whole rectangle (not its work area), in the coordinates of window_rect and
    // move_window; the primary one first. Never empty.
    virtual std::vector<Rect> monitor_rects() = 0;
};

}  // namespace horalune
