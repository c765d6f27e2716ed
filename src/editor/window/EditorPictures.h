#pragma once
// The editor's flags, drawn rather than loaded: the German and the Spanish
// flag mark the language of a word in the entry list and in the entry frame.

#include <QImage>
#include <QSize>

namespace qor {

// A flag of the given size, framed by a thin grey line.
QImage FlagPicture(bool german, QSize size);

// The flag before a list line of the given height, with room on both sides.
QImage ListFlag(bool german, int rowHeight);

} // namespace qor
