#pragma once
// Messages of the page engine: message boxes with the caption "*qor".

#include <string>

namespace qor {

extern const char* const PageCaption; // "*qor"

void ShowPageError(const std::string& text);       // stop icon
void ShowPageInformation(const std::string& text); // information icon

} // namespace qor
