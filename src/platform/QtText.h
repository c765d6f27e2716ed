#pragma once
// Program text (Windows-1252) to and from QString, for drawing and edit controls.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace qor {

QString toQString(std::string_view cp1252);
// Characters outside Windows-1252 become '?'.
std::string fromQString(const QString& text);
std::optional<std::string> fromQStringExact(const QString& text);

} // namespace qor
