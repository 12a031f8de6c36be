// Rectangle arithmetic for the parts of a picture that changed.
#pragma once

#include <algorithm>

#include "platform/platform.h"

namespace horalune {

inline bool is_empty(const Rect& r) {
    return r.width <= 0 || r.height <= 0;
}

// The smallest rectangle holding both; an empty one adds nothing.
inline Rect united(const Rect& a, const Rect& b) {
    if (is_empty(a)) return b;
    if (is_empty(b)) return a;
    const int left = std::min(a.left, b.left), top = std::min(a.top, b.top);
    const int right = std::max(a.left + a.width, b.left + b.width);
    const int bottom = std::max(a.top + a.height, b.top + b.height);
    return {left, top, right - left, bottom - top};
}

// The part the two share; empty ({}) when they do not meet.
inline Rect intersected(const Rect& a, const Rect& b) {
    const int left = std::max(a.left, b.left), top = std::max(a.top, b.top);
    const int right = std::min(a.left + a.width, b.left + b.width);
    const int bottom = std::min(a.top + a.height, b.top + b.height);
    if (right <= left || bottom <= top) return {};
    return {left, top, right - left, bottom - top};
}

}  // namespace horalune
