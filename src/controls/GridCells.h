#pragma once
// The cell grid of the radio group and the multiple choice: items fill it
// column by column, so the index of a cell is column x rows + row.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace qor {

// The index of the cell under point, or -1 when point lies outside the grid.
int GridCellAt(QPoint point, QSize cell, int columns, int rows);

// The rectangle of cell index.
QRect GridCellRect(int index, QSize cell, int rows);

} // namespace qor
