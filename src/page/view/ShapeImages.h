#pragma once
// Pictures of antialiased boxes, drawn once and copied onto pages. Curved
// boxes (rounded rectangles and ellipses) cost the rasteriser far more than
// copying their picture, and menus show the same tiles on every page.
//
//   const QImage& tile = shapes.image(key, [&](QPainter& p) { p.drawEllipse(r); });
//   painter.drawImage(at, tile);

#include <QImage>
#include <QtGlobal>
#include <cstdint>
#include <functional>
#include <unordered_map>

class QPainter;

namespace qor {

// Everything that decides how a curved box looks, apart from where it is.
struct ShapeKey {
    bool ellipse = false;
    int width = 0; // of the picture, logical pixels
    int height = 0;
    int radius = 0;
    int borderWidth = 0;
    std::uint32_t borderColour = 0; // ARGB; transparent: no border
    std::uint32_t fillColour = 0;   // ARGB; transparent: not filled
    qreal pixelRatio = 1.0;         // device pixels to a logical one
    bool operator==(const ShapeKey&) const = default;
};

class ShapeImages {
public:
    // The picture of a shape: transparent where paint leaves it so, drawn by
    // paint on first use and kept while all pictures stay below a budget.
    const QImage& image(const ShapeKey& key, const std::function<void(QPainter&)>& paint);

private:
    struct KeyHash {
        std::size_t operator()(const ShapeKey& key) const;
    };

    // The tiles and frames of many pages.
    static constexpr qsizetype MaxBytes = 16 * 1024 * 1024;

    std::unordered_map<ShapeKey, QImage, KeyHash> images_;
    qsizetype bytes_ = 0;
};

} // namespace qor
