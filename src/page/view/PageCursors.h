#pragma once
// The page's own mouse cursors: "HAND" over links and "DRAG1" over blocks
// and sentence parts that can be dragged. Both are drawn here, once, on
// first use (a QGuiApplication must exist).

#include <QCursor>

namespace qor {

const QCursor& HandCursor();
const QCursor& DragCursor();

} // namespace qor
