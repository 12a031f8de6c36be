#include "ui/canvas.h"

#include <algorithm>
#include <cstring>

#include "platform/dpi.h"
#include "platform/rect_math.h"
#include "ui/resample.h"

namespace horalune {

namespace {

// Source-over blend of one pixel; pictures with alpha (PNG, GIF) show the colour below.
std::uint32_t blend(std::uint32_t below, std::uint32_t over) {
    const std::uint32_t a = over >> 24;
    if (a == 255) return over;
    if (a == 0) return below;
    const auto mix = [a](std::uint32_t b, std::uint32_t o) {
        return (o * a + b * (255 - a)) / 255;
    };
    const std::uint32_t r = mix((below >> 16) & 0xFF, (over >> 16) & 0xFF);
    const std::uint32_t g = mix((below >> 8) & 0xFF, (over >> 8) & 0xFF);
    const std::uint32_t b = mix(below & 0xFF, over & 0xFF);
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

void draw_at(Image& target, const Image& picture, int left, int top) {
    const int x0 = std::max(0, left), y0 = std::max(0, top);
    const int x1 = std::min(target.width, left + picture.width);
    const int y1 = std::min(target.height, top + picture.height);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            target.at(x, y) = blend(target.at(x, y), picture.at(x - left, y - top));
        }
    }
}

}  // namespace

Canvas::Canvas(int width, int height)
    : logical_{width, height}, image_(width, height, 0xFFFFFFFFu), changed_{0, 0, width, height} {}

void Canvas::set_dpi(int dpi) {
    if (dpi == dpi_ || dpi <= 0) return;
    dpi_ = dpi;
    image_ = Image(scaled(logical_.width, dpi), scaled(logical_.height, dpi), 0xFFFFFFFFu);
    background_ = {};
    background_ready_ = false;
    layer_ = {};
    layer_ready_ = false;
    drawn_ = {};
    over_layer_ = {};
    shapes_.clear();  // worked out for the old picture's size, clipped to it
    changed_ = {0, 0, image_.width, image_.height};
}

namespace {
void copy_part(Image& to, const Image& from, const Rect& part) {
    const Rect r = intersected(part, {0, 0, to.width, to.height});
    for (int y = r.top; y < r.top + r.height; ++y) {
        const std::size_t at = static_cast<std::size_t>(y) * to.width + r.left;
        std::memcpy(&to.pixels[at], &from.pixels[at], r.width * sizeof(std::uint32_t));
    }
}
}  // namespace

void Canvas::keep_layer(const LayerKey& key) {
    layer_ = image_;
    layer_key_ = key;
    layer_ready_ = true;
    over_layer_ = {};
}

bool Canvas::restore_layer(const LayerKey& key) {
    if (!layer_ready_ || !background_ready_ || key != layer_key_) return false;
    copy_part(image_, layer_, over_layer_);
    changed_ = united(changed_, intersected(over_layer_, {0, 0, image_.width, image_.height}));
    over_layer_ = {};
    return true;
}

void Canvas::clear() {
    layer_ready_ = false;
    over_layer_ = {};
    if (!background_ready_) {
        std::fill(image_.pixels.begin(), image_.pixels.end(), background_colour_);
        paint_picture();
        background_ = image_;
        background_ready_ = true;
        drawn_ = {};
        changed_ = {0, 0, image_.width, image_.height};
        return;
    }
    const Rect r = intersected(drawn_, {0, 0, image_.width, image_.height});
    copy_part(image_, background_, r);
    changed_ = united(changed_, r);
    drawn_ = {};
}

Rect Canvas::take_changed() {
    const Rect r = changed_;
    changed_ = {};
    return r;
}

void Canvas::touched(int left, int top, int right, int bottom) {
    const Rect r = intersected({left, top, right - left + 1, bottom - top + 1},
                               {0, 0, image_.width, image_.height});
    drawn_ = united(drawn_, r);
    over_layer_ = united(over_layer_, r);
    changed_ = united(changed_, r);
}

void Canvas::paint_picture() {
    if (!picture_ || picture_->empty()) return;
    Image at_dpi;
    if (dpi_ != kLogicalDpi) {
        at_dpi = drawn_at_ ? drawn_at_(dpi_)
                           : resample(*picture_, scaled(picture_->width, dpi_),
                                      scaled(picture_->height, dpi_));
    }
    const Image& p = at_dpi.empty() ? *picture_ : at_dpi;
    switch (static_cast<PictureMode>(mode_)) {
        case PictureMode::tiled:
            for (int top = 0; top < image_.height; top += p.height) {
                for (int left = 0; left < image_.width; left += p.width)
                    draw_at(image_, p, left, top);
            }
            break;
        case PictureMode::centred:
            // Odd differences put the extra pixel right and below, as GDI centring does.
            draw_at(image_, p, (image_.width - p.width) / 2, (image_.height - p.height) / 2);
            break;
        case PictureMode::top_left:
        default:
            draw_at(image_, p, 0, 0);
    }
}

}  // namespace horalune
