#pragma once
// The pieces of the superlearning presentation's background music: slow
// baroque-like chord sequences at about sixty beats a minute, each in its own
// key, tempo and sound.

#include "Piece.h"

#include <vector>

namespace qor::music {

std::vector<Piece> repertoire();

} // namespace qor::music
