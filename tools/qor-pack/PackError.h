#pragma once
// The one failure of the packing tool: a message for the person running the
// build, already naming the file (and line) at fault.

#include <stdexcept>
#include <string>

namespace qor::pack {

class PackError : public std::runtime_error {
public:
    explicit PackError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace qor::pack
