#include "analog/appearance_page.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>

#include "analog/analog_window.h"
#include "analog/face.h"
#include "analog/face_background.h"
#include "buttons/function_buttons.h"
#include "config/config.h"
#include "config/convert.h"
#include "config/names.h"
#include "digital/digital_window.h"
#include "ui/picture.h"

namespace horalune::appearance_page {

FontSpec digital_font_fit(FontSpec font, bool keep_default_height) {
    // A vertical face ("@" before the name) lays the digits on their side: its upright twin.
    const auto upright = font.face.find_first_not_of('@');
    font.face.erase(0, upright == std::string::npos ? font.face.size() : upright);
    if (!(keep_default_height && font.height <= 0)) {
        font.height = std::clamp(font.height, kMinFontHeight, kMaxFontHeight);
    }
    return font;
}

namespace {

constexpr Rect kClockRect{1, 25, 376, 132};
constexpr Rect kDigitalRect{1, 157, 375, 88};

constexpr std::array<cfg::Name, 3> kColourKeys = {cfg::kHourColour, cfg::kMinuteColour,
                                                  cfg::kSecondColour};
constexpr std::array<cfg::Name, 3> kLengthKeys = {cfg::kHourLength, cfg::kMinuteLength,
                                                  cfg::kSecondLength};
constexpr std::array<cfg::Name, 3> kLengthLevelKeys = {
    cfg::kHourLengthLevel, cfg::kMinuteLengthLevel, cfg::kSecondLengthLevel};
constexpr std::array<cfg::Name, 3> kWidthKeys = {cfg::kHourWidth, cfg::kMinuteWidth,
                                                 cfg::kSecondWidth};

// The digital group's controls, the group box last: they are enabled together.
std::vector<ControlDesign> digital_group() {
    return {
        {kTwelveHours, ControlKind::radio, {19, 19, 80, 24}, "12小时制"},
        {kTwentyFourHours, ControlKind::radio, {19, 48, 80, 24}, "24小时制"},
        {kTextColour, ControlKind::colour_picker, {103, 19, 60, 24}},
        {kBackColour, ControlKind::colour_picker, {103, 48, 60, 24}},
        {"标签11", ControlKind::label, {145, 19, 52, 24}, " 前景色"},
        {"标签12", ControlKind::label, {145, 48, 52, 24}, " 背景色"},
        {kFont, ControlKind::button, {197, 19, 70, 20}, "字体＆大小"},
        {kSizeHint, ControlKind::button, {280, 19, 67, 20}, "界面大小"},
        {kDigitalPicture, ControlKind::button, {267, 49, 89, 20}, "选择背景图片"},
        {kHasPicture, ControlKind::check_box, {197, 48, 72, 24}, "有无底图"},
    };
}

std::vector<ControlDesign> clock_group() {
    const auto list = [](std::string_view name, Rect r, int count) {
        static constexpr std::string_view kLevels[] = {"1", "2", "3", "4", "5", "6"};
        ControlDesign c{name, ControlKind::drop_list, r};
        c.items.assign(kLevels, kLevels + count);
        return c;
    };
    const auto picker = [](std::string_view name, Rect r) {
        return ControlDesign{name, ControlKind::colour_picker, r};
    };
    const auto label = [](std::string_view name, Rect r, std::string_view caption) {
        return ControlDesign{name, ControlKind::label, r, caption};
    };
    // Pickers and lists before the labels: they lie on top of the labels' leading blanks.
    return {
        {kStyle1, ControlKind::radio, {17, 16, 80, 24}, "界面风格1"},
        {kStyle2, ControlKind::radio, {103, 16, 80, 24}, "界面风格2"},
        {kFacePicture, ControlKind::button, {195, 16, 93, 20}, "选择背景图片"},
        {kDefaultFace, ControlKind::button, {302, 16, 56, 20}, "默认背景"},
        picker(kHandColours[0], {70, 44, 60, 24}),
        picker(kHandColours[1], {70, 68, 60, 24}),
        picker(kHandColours[2], {70, 92, 60, 24}),
        list(kHandLengths[0], {176, 44, 60, 20}, 6),
        list(kHandLengths[1], {176, 70, 60, 20}, 6),
        list(kHandLengths[2], {176, 95, 60, 20}, 6),
        list(kHandWidths[0], {295, 44, 60, 20}, 5),
        list(kHandWidths[1], {295, 69, 60, 20}, 5),
        list(kHandWidths[2], {295, 94, 60, 20}, 5),
        label("标签17", {17, 44, 53, 24}, "时针颜色"),
        label("标签18", {17, 68, 53, 24}, "分针颜色"),
        label("标签19", {17, 92, 53, 24}, "秒针颜色"),
        label("标签14", {112, 43, 64, 24}, "  时针长度"),
        label("标签15", {112, 67, 64, 24}, "  分针长度"),
        label("标签16", {112, 92, 64, 24}, "  秒针长度"),
        label("标签22", {218, 44, 77, 24}, "   时针宽度"),
        label("标签23", {218, 68, 77, 24}, "   分针宽度"),
        label("标签24", {218, 92, 77, 24}, "   秒针宽度"),
    };
}

// The page's working state, shared by its handlers for as long as the dialog lives.
struct Page {
    Form& form;
    Context context;

    std::string read(std::string_view section, std::string_view key) const {
        return config_read(context.globals.config_path, section, key);
    }
    void write(std::string_view section, std::string_view key, std::string_view value) const {
        config_write(context.globals.config_path, section, key, value);
    }
    DigitalWindow* digital() const { return context.digital ? context.digital() : nullptr; }

    // Radios of a pair: the model does not group them, so the page keeps them exclusive.
    void select(std::string_view on, std::string_view off) {
        form.set_checked(on, true);
        form.set_checked(off, false);
    }

    std::optional<int> pick_colour(std::string_view picker) {
        const auto colour = context.platform.choose_colour(form.window(), form.colour(picker));
        if (colour) form.set_colour(picker, *colour);
        return colour;
    }

    // The file dialog for pictures, then the mode box; nothing when the file is cancelled.
    struct Choice {
        std::string path;
        std::uint8_t mode;
    };
    std::optional<Choice> choose_picture() {
        const auto path = context.platform.choose_file(form.window(), std::string(kFileTitle),
                                                       std::string(kPictureFilter));
        if (!path) return std::nullopt;
        const auto answer =
            context.platform.input_box(form.window(), std::string(kModePrompt),
                                       std::string(kModeTitle), std::string(kModeInitial));
        // A cancelled box shows the picture at the top left; the value is one byte, unchecked.
        const auto mode = static_cast<std::uint8_t>(answer ? to_integer(*answer) : 0);
        return Choice{*path, mode};
    }

    void show_face() {
        const Globals& g = context.globals;
        redraw_face(context.clock.face(), {g.hand_length, g.hand_colour, g.hand_width},
                    context.platform);
        context.clock.refresh();
    }

    void hand_colour(int hand) {
        const auto i = static_cast<std::size_t>(hand);
        const auto colour = pick_colour(kHandColours[i]);
        if (!colour) return;
        context.globals.hand_colour[i] = *colour;
        write(cfg::kClock, kColourKeys[i], int_text(*colour));
    }

    void hand_length(int hand) {
        const auto i = static_cast<std::size_t>(hand);
        const int index = form.selected(kHandLengths[i]);
        if (index < 0 || index >= static_cast<int>(kLengthNumbers.size())) return;
        const int number = kLengthNumbers[static_cast<std::size_t>(index)];
        context.globals.hand_length[i] = number;
        write(cfg::kClock, kLengthKeys[i], int_text(number));
        write(cfg::kClock, kLengthLevelKeys[i],
              form.items(kHandLengths[i])[static_cast<std::size_t>(index)]);
    }

    void hand_width(int hand) {
        const auto i = static_cast<std::size_t>(hand);
        const int index = form.selected(kHandWidths[i]);
        if (index < 0) return;
        context.globals.hand_width[i] = index + 1;
        write(cfg::kClock, kWidthKeys[i],
              form.items(kHandWidths[i])[static_cast<std::size_t>(index)]);
    }

    void style(int number) {
        if (number == 5) {
            select(kStyle1, kStyle2);
        } else {
            select(kStyle2, kStyle1);
        }
        write(cfg::kClock, cfg::kStyle, int_text(number));
        default_face();
        load_button_faces(context.clock, context.program_dir, number);
    }

    // The style's own picture replaces any chosen one; the picture mode stays.
    void default_face() {
        const bool first = form.checked(kStyle1);
        write(cfg::kClock, cfg::kBackground, first ? cfg::kBuiltin1 : cfg::kBuiltin2);
        context.clock.face().set_background_picture(builtin_background(first ? 1 : 2));
        show_face();
    }

    void face_picture() {
        const auto choice = choose_picture();
        if (!choice) return;
        Canvas& face = context.clock.face();
        face.set_picture_mode(choice->mode);
        face.set_background_picture(load_picture(choice->path));
        write(cfg::kClock, cfg::kBackground, choice->path);
        write(cfg::kClock, cfg::kPictureMode, int_text(choice->mode));
        show_face();
    }

    void hour_format(bool twelve) {
        if (twelve) {
            select(kTwelveHours, kTwentyFourHours);
        } else {
            select(kTwentyFourHours, kTwelveHours);
        }
        context.globals.digital_format = twelve ? 2 : 0;
        write(cfg::kDigital, cfg::kFormat, twelve ? "2" : "0");
    }

    void digital_colour(bool text) {
        DigitalWindow* window = digital();
        if (window == nullptr) return;
        const auto colour = pick_colour(text ? kTextColour : kBackColour);
        if (!colour) return;
        if (text) {
            window->set_text_colour(*colour);
        } else {
            window->set_back_colour(*colour);
        }
        write(cfg::kDigital, text ? cfg::kTextColour : cfg::kBackColour, int_text(*colour));
    }

    void digital_font() {
        DigitalWindow* window = digital();
        if (window == nullptr) return;
        const auto font = context.platform.choose_font(
            form.window(), digital_font_fit(window->font(), true), kMinFontHeight, kMaxFontHeight);
        if (!font) return;
        const FontSpec chosen = digital_font_fit(*font, false);
        if (chosen.face.empty()) return;
        window->set_font(chosen.face, chosen.height);
        write(cfg::kDigital, cfg::kFontName, chosen.face);
        write(cfg::kDigital, cfg::kFontSize, int_text(chosen.height));
    }

    // The size itself changes by clicks near the digital clock's edges.
    void size_hint() {
        if (digital() == nullptr) return;
        context.platform.message_box(form.window(), std::string(kSizeHintText), "",
                                     MessageIcon::none);
    }

    void has_picture() {
        DigitalWindow* window = digital();
        if (window == nullptr) return;
        const bool on = form.checked(kHasPicture);
        if (on) {
            window->set_picture_file(read(cfg::kDigital, cfg::kBackground),
                                     to_integer(read(cfg::kDigital, cfg::kPictureMode)));
        } else {
            window->remove_picture();
        }
        write(cfg::kDigital, cfg::kHasPicture, bool_text(on));
    }

    void digital_picture() {
        DigitalWindow* window = digital();
        if (window == nullptr) return;
        const auto choice = choose_picture();
        if (!choice) return;
        form.set_checked(kHasPicture, true);
        window->set_picture_file(choice->path, choice->mode);
        write(cfg::kDigital, cfg::kBackground, choice->path);
        write(cfg::kDigital, cfg::kPictureMode, int_text(choice->mode));
        write(cfg::kDigital, cfg::kHasPicture, cfg::kTrue);
    }
};

}  // namespace

std::vector<ControlDesign> controls() {
    std::vector<ControlDesign> all;
    for (const ControlDesign& c : clock_group()) all.push_back(placed_in(kClockRect, c));
    for (const ControlDesign& c : digital_group()) all.push_back(placed_in(kDigitalRect, c));
    // Group boxes after their contents: what comes first lies on top.
    all.push_back({kClockGroup, ControlKind::group_box, kClockRect, "时钟配置"});
    all.push_back({kDigitalGroup, ControlKind::group_box, kDigitalRect, "数字钟配置"});
    return all;
}

void load(Form& form, const std::string& config_path, bool digital_open) {
    const auto read = [&config_path](std::string_view section, std::string_view key) {
        return config_read(config_path, section, key);
    };
    const bool twelve = read(cfg::kDigital, cfg::kFormat) == "2";
    form.set_checked(kTwelveHours, twelve);
    form.set_checked(kTwentyFourHours, !twelve);
    form.set_colour(kTextColour, to_integer(read(cfg::kDigital, cfg::kTextColour)));
    form.set_colour(kBackColour, to_integer(read(cfg::kDigital, cfg::kBackColour)));
    form.set_checked(kHasPicture, read(cfg::kDigital, cfg::kHasPicture) == cfg::kTrue);
    // The digital clock cannot open or close while the dialog exists, so this stays true.
    for (const ControlDesign& c : digital_group()) form.set_enabled(c.name, digital_open);
    form.set_enabled(kDigitalGroup, digital_open);

    const bool first = read(cfg::kClock, cfg::kStyle) == "5";
    form.set_checked(kStyle1, first);
    form.set_checked(kStyle2, !first);
    for (std::size_t i = 0; i < 3; ++i) {
        form.set_colour(kHandColours[i], to_integer(read(cfg::kClock, kColourKeys[i])));
        form.set_selected(kHandLengths[i], to_integer(read(cfg::kClock, kLengthLevelKeys[i])) - 1);
        form.set_selected(kHandWidths[i], to_integer(read(cfg::kClock, kWidthKeys[i])) - 1);
    }
}

void bind(Form& form, Context context) {
    const auto page = std::make_shared<Page>(Page{form, std::move(context)});
    const auto on = [&form, page](std::string_view name, ControlEvent event, auto action) {
        form.on_control(name, event, [page, action] { action(*page); });
    };
    for (int i = 0; i < 3; ++i) {
        const auto n = static_cast<std::size_t>(i);
        on(kHandColours[n], ControlEvent::clicked, [i](Page& p) { p.hand_colour(i); });
        on(kHandLengths[n], ControlEvent::changed, [i](Page& p) { p.hand_length(i); });
        on(kHandWidths[n], ControlEvent::changed, [i](Page& p) { p.hand_width(i); });
    }
    on(kStyle1, ControlEvent::clicked, [](Page& p) { p.style(5); });
    on(kStyle2, ControlEvent::clicked, [](Page& p) { p.style(6); });
    on(kDefaultFace, ControlEvent::clicked, [](Page& p) { p.default_face(); });
    on(kFacePicture, ControlEvent::clicked, [](Page& p) { p.face_picture(); });
    on(kTwelveHours, ControlEvent::clicked, [](Page& p) { p.hour_format(true); });
    on(kTwentyFourHours, ControlEvent::clicked, [](Page& p) { p.hour_format(false); });
    on(kTextColour, ControlEvent::clicked, [](Page& p) { p.digital_colour(true); });
    on(kBackColour, ControlEvent::clicked, [](Page& p) { p.digital_colour(false); });
    on(kFont, ControlEvent::clicked, [](Page& p) { p.digital_font(); });
    on(kSizeHint, ControlEvent::clicked, [](Page& p) { p.size_hint(); });
    on(kHasPicture, ControlEvent::clicked, [](Page& p) { p.has_picture(); });
    on(kDigitalPicture, ControlEvent::clicked, [](Page& p) { p.digital_picture(); });
}

}  // namespace horalune::appearance_page
