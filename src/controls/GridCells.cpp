#include "controls/GridCells.h"

namespace qor {

int GridCellAt(QPoint point, QSize cell, int columns, int rows) {
    if (point.x() < 0 || point.y() < 0 || cell.width() <= 0 || cell.height() <= 0)
        return -1;
    const int column = point.x() / cell.width();
    const int row = point.y() / cell.height();
    if (column >= columns || row >= rows)
        return -1;
    return column * rows + row;
}

QRect GridCellRect(int index, QSize cell, int rows) {
    const int safeRows = rows > 0 ? rows : 1;
    const int column = index / safeRows;
    const int row = index % safeRows;
    return QRect(QPoint(column * cell.width(), row * cell.height()), cell);
}

} // namespace qor
