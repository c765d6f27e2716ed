#pragma once
// GoogleTest prints a text format field by field, not as bytes.

#include "page/model/TextFormat.h"

#include <ostream>

namespace qor {

inline void PrintTo(const TextFormat& format, std::ostream* out) {
    *out << "{serial " << format.serial << ", face \"" << format.face << "\", size " << format.size
         << ", style " << int{format.styleBits} << ", align " << int{format.alignment} << ", text "
         << std::hex << format.textColor << ", link " << format.linkColor << ", background "
         << format.backgroundColor << ", flash " << format.flashColor << std::dec
         << (format.transparent ? " transparent" : "") << ", margin " << format.leftMargin
         << ", column " << format.columnWidth << ", spacing " << format.lineSpacing << ", tracking "
         << format.tracking << ", box " << format.boxIndex << ", check box " << format.checkBoxIndex
         << ", area " << format.areaIndex << ", exercise " << format.exerciseIndex << ", picture "
         << format.picture.index << (format.hot ? ", hot" : "") << (format.flash ? ", flash" : "")
         << (format.focus ? ", focus" : "") << (format.fixedPitch ? ", fixed pitch" : "") << "}";
}

} // namespace qor
