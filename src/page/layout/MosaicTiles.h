#pragma once
// The geometry of a picture mosaic (<BOX LOMO>): the size of its tiles and
// how its zones are cut into them.

#include "graphics/PixelRect.h"

#include <vector>

namespace qor {

// Tile width: the widest picture, at least 50. Tile height: the highest
// picture, except that a height within 3 pixels of two thirds of the width
// becomes exactly two thirds of it (rounded up).
PixelSize mosaicTileSize(const std::vector<PixelSize>& pictures);

// Cuts a zone into tiles, column by column from the left, each column from
// the top. Only a zone whose width is a multiple of the tile width is cut.
// A column whose height is a multiple of the tile height gets whole tiles;
// otherwise, when it holds 1, 3, 7 or 15 tile heights (rounded down), it is
// halved again and again, upper half first, until no piece is higher than
// a tile. Any other column stays empty.
std::vector<PixelRect> mosaicTiles(const PixelRect& zone, PixelSize tile);

} // namespace qor
