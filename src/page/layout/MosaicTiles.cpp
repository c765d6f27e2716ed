#include "page/layout/MosaicTiles.h"

#include <algorithm>
#include <cstdlib>

namespace qor {

namespace {

void halve(int left, int top, int width, int height, int tileHeight,
           std::vector<PixelRect>& tiles) {
    if (height <= tileHeight) {
        tiles.push_back(PixelRect::fromSize(left, top, width, height));
        return;
    }
    const int upper = height / 2;
    halve(left, top, width, upper, tileHeight, tiles);
    halve(left, top + upper, width, height - upper, tileHeight, tiles);
}

} // namespace

PixelSize mosaicTileSize(const std::vector<PixelSize>& pictures) {
    PixelSize tile{50, 0};
    for (const PixelSize& picture : pictures) {
        tile.width = std::max(tile.width, picture.width);
        tile.height = std::max(tile.height, picture.height);
    }
    const int twoThirds = (tile.width * 2 + 2) / 3;
    if (std::abs(3 * tile.height - 2 * tile.width) <= 9)
        tile.height = twoThirds;
    // Without pictures the tiles are of the smallest width's proportions.
    if (tile.height <= 0)
        tile.height = twoThirds;
    return tile;
}

std::vector<PixelRect> mosaicTiles(const PixelRect& zone, PixelSize tile) {
    std::vector<PixelRect> tiles;
    const int width = zone.width();
    const int height = zone.height();
    if (tile.width <= 0 || tile.height <= 0 || width <= 0 || height <= 0 || width % tile.width != 0)
        return tiles;
    const int rows = height / tile.height;
    for (int left = zone.left; left < zone.right; left += tile.width) {
        if (height % tile.height == 0) {
            for (int row = 0; row < rows; ++row)
                tiles.push_back(PixelRect::fromSize(left, zone.top + row * tile.height, tile.width,
                                                    tile.height));
        } else if (rows == 1 || rows == 3 || rows == 7 || rows == 15) {
            halve(left, zone.top, tile.width, height, tile.height, tiles);
        }
    }
    return tiles;
}

} // namespace qor
