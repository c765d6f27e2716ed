#pragma once
// The pictures of the Techno presentation: calm abstract compositions in one
// harmonious palette each, on which the presentation writes its words.

#include <QImage>
#include <QSize>

namespace qor::pictures {

// Picture number n (from 1) of the set; the number chooses the motif (soft
// bubbles, waves, rings or ribbons) and seeds its colours and shapes, so the
// same number always gives the same picture.
QImage abstractPicture(int number, QSize size);

} // namespace qor::pictures
