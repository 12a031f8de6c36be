// A picture box the program draws on: background colour, background picture in one of three
// modes, and figures drawn with a pen, all into its own picture of fixed size.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "platform/image.h"
#include "platform/platform.h"

namespace horalune {

class Canvas {
  public:
    // What a kept layer shows, as its drawer describes it (unused entries 0).
    using LayerKey = std::array<std::int64_t, 10>;

    // A picture drawn afresh at a dpi, instead of resampling the 96-dpi one.
    using DrawnAt = std::function<Image(int dpi)>;

    // The size in logical pixels; the picture starts at 96 dpi, the same size.
    Canvas(int width, int height);

    // The picture's size on the device: every figure and the background are drawn at it.
    int width() const { return image_.width; }
    int height() const { return image_.height; }
    int dpi() const { return dpi_; }
    // Draws at another scale from now on; the background is composed again at the next clear.
    void set_dpi(int dpi);
    const Image& image() const { return image_; }

    void set_background_colour(std::uint32_t argb) {
        background_colour_ = argb;
        background_ready_ = false;
    }
    // The picture at 96 dpi. At another dpi it is resampled to its scaled size, or drawn
    // afresh by `drawn` when given (the built-in pictures, drawn from code).
    void set_background_picture(std::optional<Image> picture, DrawnAt drawn = {}) {
        picture_ = std::move(picture);
        drawn_at_ = std::move(drawn);
        background_ready_ = false;
    }
    const std::optional<Image>& background_picture() const { return picture_; }
    // Modes other than 0, 1 and 2 draw as 0 (top-left).
    void set_picture_mode(int mode) {
        mode_ = mode;
        background_ready_ = false;
    }
    int picture_mode() const { return mode_; }

    // Repaints the background colour, then the background picture in its mode. Only the
    // part the figures drawn since the last clear covered is copied again.
    void clear();
    // A kept layer: the picture as it is now, under `key`, so figures drawn on top of it can be
    // taken away again without drawing what lies below them afresh (the hour and minute hands
    // stay for a minute while the second hand moves every second).
    void keep_layer(const LayerKey& key);
    // Back to the kept layer when it is still there under `key` (no clear and no new
    // background since), restoring only what was drawn over it; false otherwise.
    bool restore_layer(const LayerKey& key);
    // The part of the picture that changed since the last call (empty: none), so a window
    // showing it repaints only that.
    Rect take_changed();

    // Drawing state, as a picture box keeps it: set before each figure.
    void set_pen_colour(std::uint32_t argb) { pen_colour_ = argb; }
    void set_pen_width(double width) { pen_width_ = width; }
    void set_fill_colour(std::uint32_t argb) { fill_colour_ = argb; }

    // A solid line with round ends, anti-aliased; its end points are exactly the given pixels.
    // A pen width below 1 draws as width 1, so a hand without settings still shows.
    void line(int x1, int y1, int x2, int y2);
    // An ellipse inside the box (left, top, right, bottom): filled, then outlined with the pen.
    void ellipse(int left, int top, int right, int bottom);

  private:
    // How much of each pixel a figure covers (0 ... 255), worked out once per shape and
    // blended in any colour over whatever lies below: the second hand takes the same 60
    // shapes hour after hour, and the cap the same one every second.
    struct Stamp {
        struct Row {
            int y = 0, x = 0, count = 0;
            std::size_t first = 0;  // into alpha
        };
        std::vector<Row> rows;
        std::vector<std::uint8_t> alpha;
    };
    struct ShapeKey {
        enum class Kind { line, ellipse } kind = Kind::line;
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        double pen = 0;  // the pen width drawn with
        auto operator<=>(const ShapeKey&) const = default;
    };
    struct Shape {
        Stamp fill;     // an ellipse's inside
        Stamp outline;  // a line, or an ellipse's edge
    };
    Shape* find_shape(const ShapeKey& key);
    Shape& new_shape(const ShapeKey& key);
    void paint(const Stamp& stamp, std::uint32_t colour);

    void paint_picture();
    void touched(int left, int top, int right, int bottom);  // inclusive pixel bounds

    Size logical_;
    int dpi_ = 96;
    Image image_;
    DrawnAt drawn_at_;
    std::uint32_t background_colour_ = 0xFFFFFFFFu;
    std::optional<Image> picture_;
    int mode_ = 0;
    Image background_;  // colour and picture composed once, copied by clear()
    bool background_ready_ = false;
    Rect drawn_;       // figures over the background since the last clear
    Rect over_layer_;  // figures over the kept layer
    Image layer_;
    LayerKey layer_key_{};
    bool layer_ready_ = false;
    Rect changed_;  // since the last take_changed
    std::uint32_t pen_colour_ = 0xFF000000u;
    double pen_width_ = 1;
    std::uint32_t fill_colour_ = 0xFFFFFFFFu;
    std::map<ShapeKey, Shape> shapes_;  // bounded: emptied when full
};

}  // namespace horalune
