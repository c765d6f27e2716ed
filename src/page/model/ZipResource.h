#pragma once
// A packed text table of the program's own resources, read line by line.
// The resource is a zlib stream; a missing or damaged one reads as no lines.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qor {

class TZIPResource {
public:
    // The program resource of that number (see resources/ProgramResources.h).
    explicit TZIPResource(int number);

    // A reader of packed bytes from elsewhere.
    static TZIPResource fromPacked(std::string_view packed);

    // False when the resource was missing or could not be unpacked.
    bool hasStream() const { return data_.has_value(); }

    // True at the end of the data, and always without a stream, so that a
    // reading loop ends.
    bool Eof() const;

    // The characters up to the next control character (code 31 or below) or
    // the end. CR LF is passed over as one line end, any other control
    // character alone (a tab ends a line too). Empty without a stream.
    std::string ReadLine();

private:
    TZIPResource() = default;
    void unpack(std::string_view packed);

    std::optional<std::string> data_;
    std::size_t position_ = 0;
};

} // namespace qor
