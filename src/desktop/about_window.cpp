#include "desktop/about_window.h"

#include "ui/builtin_assets.h"
#include "ui/picture.h"

namespace horalune {

namespace {

constexpr std::string_view kTitleStrip = "标签33";
constexpr std::string_view kIcon = "图形按钮1";
constexpr std::string_view kEmailLink = "超级链接框1";
constexpr std::string_view kSiteLink = "超级链接框2";
constexpr std::string_view kCloseButton = "开始";
constexpr std::string_view kEmail = "hl@example.org";
constexpr std::string_view kSite = "https://horalune.example.org/";

WindowDesign make_design() {
    const FontSpec song{.face = "宋体", .height = 14};
    WindowDesign d{"关于窗口", "关于 Horalune", {50, 50, 355, 235}, {}};
    d.controls.push_back({kTitleStrip,
                          ControlKind::label,
                          {0, 0, 378, 22},
                          "  关于 Horalune v1.0",
                          0,
                          true,
                          {},
                          false,
                          song});
    d.controls.push_back({kIcon, ControlKind::icon, {25, 28, 32, 32}});
    d.controls.push_back(
        {"标签2", ControlKind::label, {68, 66, 248, 20}, "Horalune 由 Horalune 开发组用心制作。"});
    d.controls.push_back({kEmailLink,
                          ControlKind::hyperlink,
                          {68, 97, 144, 24},
                          "电子邮件：hl@example.org",
                          0,
                          true,
                          {},
                          false,
                          {},
                          kEmail});
    d.controls.push_back({"标签3",
                          ControlKind::label,
                          {21, 136, 320, 60},
                          "欢迎使用 Horalune！愿它每天准时陪伴您。"
                          "新版本和使用技巧，请访问我们的网站：",
                          0,
                          true,
                          {},
                          false,
                          song});
    d.controls.push_back({kSiteLink,
                          ControlKind::hyperlink,
                          {105, 178, 84, 16},
                          "访问网站",
                          0,
                          true,
                          {},
                          false,
                          song,
                          kSite});
    d.controls.push_back({kCloseButton, ControlKind::button, {136, 206, 80, 24}, "看够了"});
    return d;
}

}  // namespace

const WindowDesign& about_window_design() {
    static const WindowDesign design = make_design();
    return design;
}

AboutWindow::AboutWindow(Platform& platform) : platform_(platform) {
    std::map<std::string_view, Image> pictures;
    if (auto icon = decode_icon(builtin::program_icon_ico(), 32)) pictures[kIcon] = *icon;
    form_ = std::make_unique<Form>(platform_, about_window_design(), true, pictures);
    Form& f = *form_;
    f.on_control(kTitleStrip, ControlEvent::left_down,
                 [this] { platform_.begin_window_drag(form_->window()); });
    f.on_control(kCloseButton, ControlEvent::clicked,
                 [this] { platform_.end_modal(form_->window()); });
    f.on_control(kEmailLink, ControlEvent::clicked,
                 [this] { platform_.open_link("mailto:" + std::string(kEmail)); });
    f.on_control(kSiteLink, ControlEvent::clicked,
                 [this] { platform_.open_link(std::string(kSite)); });
}

void AboutWindow::run() {
    platform_.run_modal(form_->window());
    form_.reset();  // closing destroys it
}

}  // namespace horalune
