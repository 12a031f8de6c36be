#include "analog/appearance_page.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>

#include "analog/analog_window.h"
#include "analog/face.h"
#include "analog/face_background.h"
#include "analog/time_text.h"
#include "config/convert.h"
#include "config/names.h"
#include "ui/picture.h"

namespace horalune {

namespace appearance_page {

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

// The hands' fields, hour, minute, second.
using HandField = std::int32_t ClockSettings::*;
constexpr std::array<HandField, 3> kColourFields = {
    &ClockSettings::hour_colour, &ClockSettings::minute_colour, &ClockSettings::second_colour};
constexpr std::array<HandField, 3> kLengthFields = {
    &ClockSettings::hour_length, &ClockSettings::minute_length, &ClockSettings::second_length};
constexpr std::array<HandField, 3> kLengthLevelFields = {&ClockSettings::hour_length_level,
                                                         &ClockSettings::minute_length_level,
                                                         &ClockSettings::second_length_level};
constexpr std::array<HandField, 3> kWidthFields = {
    &ClockSettings::hour_width, &ClockSettings::minute_width, &ClockSettings::second_width};

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

    template <class Part, class T, class V>
    void write(T Part::*field, const V& value) const {
        context.globals.save(field, value);
    }
    const DigitalHooks* digital() const {
        return context.digital.open && context.digital.open() ? &context.digital : nullptr;
    }

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
        write(kColourFields[i], *colour);
    }

    void hand_length(int hand) {
        const auto i = static_cast<std::size_t>(hand);
        const int index = form.selected(kHandLengths[i]);
        if (index < 0 || index >= static_cast<int>(kLengthNumbers.size())) return;
        const int number = kLengthNumbers[static_cast<std::size_t>(index)];
        context.globals.hand_length[i] = number;
        write(kLengthFields[i], number);
        write(kLengthLevelFields[i], form.items(kHandLengths[i])[static_cast<std::size_t>(index)]);
    }

    void hand_width(int hand) {
        const auto i = static_cast<std::size_t>(hand);
        const int index = form.selected(kHandWidths[i]);
        if (index < 0) return;
        context.globals.hand_width[i] = index + 1;
        write(kWidthFields[i], form.items(kHandWidths[i])[static_cast<std::size_t>(index)]);
    }

    void style(int number) {
        if (number == ClockSettings::kFirstStyleNumber) {
            select(kStyle1, kStyle2);
        } else {
            select(kStyle2, kStyle1);
        }
        write(&ClockSettings::style, int_text(number));
        default_face();
        if (context.restyle_buttons) context.restyle_buttons(number);
    }

    // The style's own picture replaces any chosen one; the picture mode stays.
    void default_face() {
        const bool first = form.checked(kStyle1);
        write(&ClockSettings::background, first ? cfg::kBuiltin1 : cfg::kBuiltin2);
        set_builtin_background(context.clock.face(), first ? 1 : 2);
        show_face();
    }

    void face_picture() {
        const auto choice = choose_picture();
        if (!choice) return;
        Canvas& face = context.clock.face();
        face.set_picture_mode(choice->mode);
        face.set_background_picture(load_picture(choice->path));
        write(&ClockSettings::background, choice->path);
        write(&ClockSettings::picture_mode, choice->mode);
        show_face();
    }

    void hour_format(bool twelve) {
        if (twelve) {
            select(kTwelveHours, kTwentyFourHours);
        } else {
            select(kTwentyFourHours, kTwelveHours);
        }
        context.globals.digital_format = twelve ? kTwelveHourFormat : kTwentyFourHourFormat;
        write(&DigitalSettings::format,
              twelve ? DigitalSettings::kTwelveHours : DigitalSettings::kTwentyFourHours);
    }

    void digital_colour(bool text) {
        const DigitalHooks* window = digital();
        if (window == nullptr) return;
        const auto colour = pick_colour(text ? kTextColour : kBackColour);
        if (!colour) return;
        if (text) {
            window->set_text_colour(*colour);
        } else {
            window->set_back_colour(*colour);
        }
        write(text ? &DigitalSettings::text_colour : &DigitalSettings::back_colour, *colour);
    }

    void digital_font() {
        const DigitalHooks* window = digital();
        if (window == nullptr) return;
        const auto font = context.platform.choose_font(
            form.window(), digital_font_fit(window->font(), true), kMinFontHeight, kMaxFontHeight);
        if (!font) return;
        const FontSpec chosen = digital_font_fit(*font, false);
        if (chosen.face.empty()) return;
        window->set_font(chosen.face, chosen.height);
        write(&DigitalSettings::font_name, chosen.face);
        write(&DigitalSettings::font_size, chosen.height);
    }

    // The size itself changes by clicks near the digital clock's edges.
    void size_hint() {
        if (digital() == nullptr) return;
        context.platform.message_box(form.window(), std::string(kSizeHintText), "",
                                     MessageIcon::none);
    }

    void has_picture() {
        const DigitalHooks* window = digital();
        if (window == nullptr) return;
        const bool on = form.checked(kHasPicture);
        if (on) {
            const DigitalSettings saved = context.globals.settings().digital;
            window->set_picture_file(saved.background, saved.picture_mode);
        } else {
            window->remove_picture();
        }
        write(&DigitalSettings::has_picture, on);
    }

    void digital_picture() {
        const DigitalHooks* window = digital();
        if (window == nullptr) return;
        const auto choice = choose_picture();
        if (!choice) return;
        form.set_checked(kHasPicture, true);
        window->set_picture_file(choice->path, choice->mode);
        write(&DigitalSettings::background, choice->path);
        write(&DigitalSettings::picture_mode, choice->mode);
        write(&DigitalSettings::has_picture, true);
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

void load(Form& form, const Settings& settings, bool digital_open) {
    const DigitalSettings& digital = settings.digital;
    const bool twelve = digital.twelve_hours();
    form.set_checked(kTwelveHours, twelve);
    form.set_checked(kTwentyFourHours, !twelve);
    form.set_colour(kTextColour, digital.text_colour.value_or(0));
    form.set_colour(kBackColour, digital.back_colour.value_or(0));
    form.set_checked(kHasPicture, digital.has_picture.on());
    // The digital clock cannot open or close while the dialog exists, so this stays true.
    for (const ControlDesign& c : digital_group()) form.set_enabled(c.name, digital_open);
    form.set_enabled(kDigitalGroup, digital_open);

    const ClockSettings& clock = settings.clock;
    const bool first = clock.first_style();
    form.set_checked(kStyle1, first);
    form.set_checked(kStyle2, !first);
    for (std::size_t i = 0; i < 3; ++i) {
        form.set_colour(kHandColours[i], clock.*kColourFields[i]);
        form.set_selected(kHandLengths[i], clock.*kLengthLevelFields[i] - 1);
        form.set_selected(kHandWidths[i], clock.*kWidthFields[i] - 1);
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
    on(kStyle1, ControlEvent::clicked, [](Page& p) { p.style(ClockSettings::kFirstStyleNumber); });
    on(kStyle2, ControlEvent::clicked, [](Page& p) { p.style(ClockSettings::kSecondStyleNumber); });
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

}  // namespace appearance_page

void AppearancePage::load(Form& form) {
    // Filled hidden, then shown as it was.
    const bool was_visible = form.visible();
    form.show(false);
    const bool digital_open = context_.digital.open && context_.digital.open();
    appearance_page::load(form, context_.globals.settings(), digital_open);
    form.show(was_visible);
}

}  // namespace horalune
