#pragma once
// The small pictures of the training settings window, drawn rather than
// loaded: the round mark of the status line and the direction marks of the
// entry list.

#include <QImage>
#include <QPixmap>

namespace qor {

// A green round mark when the settings are usable, else a red one.
QPixmap SettingsMark(bool usable);

// The mark before a German word (true) or a Spanish one, for a list row of
// the given height.
QImage DirectionMark(bool german, int rowHeight);

} // namespace qor
