#pragma once
// The ways the program sends MCI command strings outside the page engine
// (which has its own, SendPageMci). Each returns the answer text, or "Error"
// followed by the error number when the command failed; they differ only in
// how a failure is reported when not quiet. Callers test the answer with
// IsMciError.

#include "platform/mci/Mci.h"

#include <string>

namespace qor {

// Everything but the page engine and the recorder: a stop box with the
// caption "*qor spanisch", the error text, " - " and the command.
std::string SendMci(const std::string& command, bool quiet = false);

// The recorder: never shows anything.
std::string SendRecorderMci(const std::string& command);

} // namespace qor
