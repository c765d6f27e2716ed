#pragma once
// GoogleTest prints pixel rectangles and sizes as numbers, not as bytes.

#include "graphics/PixelRect.h"

#include <ostream>

namespace qor {

inline void PrintTo(const PixelRect& rect, std::ostream* out) {
    *out << "{left " << rect.left << ", top " << rect.top << ", right " << rect.right << ", bottom "
         << rect.bottom << "}";
}

inline void PrintTo(const PixelSize& size, std::ostream* out) {
    *out << size.width << "x" << size.height;
}

} // namespace qor
