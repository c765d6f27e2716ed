#include "platform/QtText.h"

#include "platform/Text.h"

#include <QList>

namespace qor {

namespace {

// Walks the code points of text; false at the first one that cannot be
// represented when exact, else '?' stands in for it.
bool convert(const QString& text, bool exact, std::string& out) {
    out.clear();
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t cp : text.toUcs4()) {
        const auto byte = codePointToCp1252(cp);
        if (!byte && exact)
            return false;
        out.push_back(byte ? static_cast<char>(*byte) : '?');
    }
    return true;
}

} // namespace

QString toQString(std::string_view cp1252) {
    QString out;
    out.reserve(static_cast<qsizetype>(cp1252.size()));
    for (const char c : cp1252) {
        // Every character of the code page lies in the basic plane.
        out.append(QChar(static_cast<char16_t>(cp1252ToCodePoint(static_cast<unsigned char>(c)))));
    }
    return out;
}

std::string fromQString(const QString& text) {
    std::string out;
    convert(text, false, out);
    return out;
}

std::optional<std::string> fromQStringExact(const QString& text) {
    std::string out;
    if (!convert(text, true, out))
        return std::nullopt;
    return out;
}

} // namespace qor
