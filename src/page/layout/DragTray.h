#pragma once
// Where the blocks of a drag exercise stand in their tray: in rows of the
// configured number of columns below the tray top, spread between the
// tray's left and right edges.

#include "graphics/PixelRect.h"
#include "page/model/SideTables.h"

namespace qor {

// Rows of blocks are this far apart.
constexpr int DragTrayRowPitch = 30;

// The rectangle of block number index (from 0) of blocks of the given
// height in a page of pageWidth pixels.
PixelRect dragTrayBlock(int index, const DragExerciseSettings& settings, int pageWidth,
                        int blockHeight);

} // namespace qor
