#include "vocabulary/PrintTexts.h"

#include "vocabulary/Vokabel.h"

#include <array>
#include <cstdlib>

namespace qor {

namespace {

std::string label(const std::array<const char*, WordClass::Count>& labels, int wordClass) {
    if (wordClass < 0 || wordClass >= WordClass::Count)
        return {};
    return labels[static_cast<std::size_t>(wordClass)];
}

} // namespace

std::string CardClassLabel(int wordClass) {
    return label({"Nomen", "Verb", "Adjektiv", "kl. Wort", "Rw. m. V.", "Rw. o. V."}, wordClass);
}

std::string ListClassLabel(int wordClass) {
    return label({"N.", "V.", "Adj.", "kl. W.", "Rw. m. V.", "Rw. o. V."}, wordClass);
}

std::string LibraryTitle(std::string_view libraryPath) {
    const auto slash = libraryPath.find_last_of("/\\");
    std::string_view name =
        slash == std::string_view::npos ? libraryPath : libraryPath.substr(slash + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string_view::npos && dot > 0)
        name = name.substr(0, dot);
    return name.empty() ? std::string("Ohne Namen") : std::string(name);
}

// Tenths below one millimetre keep their sign, which the whole millimetres
// alone (0) would lose.
std::string ShiftText(int shift) {
    const std::string sign = shift < 0 && shift > -10 ? "-" : "";
    return sign + std::to_string(shift / 10) + "," + std::to_string(std::abs(shift) % 10) + " mm";
}

} // namespace qor
