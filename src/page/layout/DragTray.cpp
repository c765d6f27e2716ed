#include "page/layout/DragTray.h"

namespace qor {

PixelRect dragTrayBlock(int index, const DragExerciseSettings& settings, int pageWidth,
                        int blockHeight) {
    // NR 0 or 1 would leave no room between columns to divide: one column.
    const int columns = settings.columns < 1 ? 1 : settings.columns;
    const int blockWidth = settings.blockWidth;
    const int left = settings.trayLeft >= 0 ? settings.trayLeft
                                            : (pageWidth - columns * (blockWidth + 20) + 20) / 2;
    const int right = settings.trayRight >= 0 ? settings.trayRight : pageWidth - left;
    const int column = index % columns;
    const int x = columns > 1 ? (right - left - blockWidth) / (columns - 1) * column + left : left;
    const int y = index / columns * DragTrayRowPitch + settings.trayTop;
    return PixelRect::fromSize(x, y, blockWidth, blockHeight);
}

} // namespace qor
