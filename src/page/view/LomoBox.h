#pragma once
// The picture mosaic of a box (TLomoBox, from <BOX LOMO>): the box (and a
// second zone) cut into tiles that show random pictures, one tile changing
// at every tick of the page's timer.

#include "page/layout/MosaicTiles.h"
#include "page/model/SideTables.h"
#include "platform/Random.h"

#include <QImage>
#include <vector>

namespace qor {

class TLomoBox {
public:
    // Reads the pictures of the mosaic; pictures that cannot be read are
    // left out without a message (the mosaic is decoration).
    TLomoBox(const MosaicSpec& markup, const TBox& box, RandomSource random);
    // With pictures already at hand (tests).
    TLomoBox(std::vector<QImage> pictures, std::vector<PixelRect> zones, int speed,
             RandomSource random);

    // Draws every tile.
    void DrawAll(QImage& target);
    // Draws one tile chosen at random and gives its rectangle (empty when
    // the mosaic has no tiles).
    PixelRect DrawRandomTile(QImage& target);

    int speed() const { return speed_; }
    const std::vector<PixelRect>& tiles() const { return tiles_; }
    PixelSize tileSize() const { return tileSize_; }

private:
    void cut(const std::vector<PixelRect>& zones);
    void drawTile(QImage& target, const PixelRect& tile, int depth);

    std::vector<QImage> pictures_;
    PixelSize tileSize_;
    std::vector<PixelRect> tiles_;
    int speed_ = 500;
    RandomSource random_;
};

} // namespace qor
