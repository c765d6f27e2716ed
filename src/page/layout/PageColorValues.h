#pragma once
// The colour a page colour value stands for when it is drawn.

#include "graphics/Color.h"
#include "page/model/SideTables.h"

namespace qor {

// A colour 0x00BBGGRR: the page's text or link colour for their markers,
// the system palette's entry for a palette index (black beyond its twenty
// entries), the value itself otherwise.
Color ResolveColor(Color value, const PageColors& colors);

} // namespace qor
