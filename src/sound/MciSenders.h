#pragma once
// The three ways the program sends MCI command strings. Each returns the
// answer text, or "Error" followed by the error number when the command
// failed; they differ only in how a failure is reported when not quiet.
// Callers test the first five characters of the answer (IsMciError).

#include <string>
#include <string_view>

namespace qor {

// Everything but the page engine and the recorder: a stop box with the
// caption "*qor spanisch", the error text, " - " and the command.
std::string SendMci(const std::string& command, bool quiet = false);

// The page engine: an information box with the caption "*qor" and the error text.
std::string SendPageMci(const std::string& command, bool quiet = false);

// The recorder: never shows anything.
std::string SendRecorderMci(const std::string& command);

bool IsMciError(std::string_view answer);

} // namespace qor
