// Any bytes as a packed resource, and any bytes as the text of a properly
// packed one (so that the line reader sees more than failing streams).

#include "FuzzCheck.h"
#include "page/model/ZipResource.h"
#include "platform/Zlib.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace qor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const bool packText = data[0] % 2 == 1;
    TZIPResource reader = TZIPResource::fromPacked(packText ? deflateZlib(bytes) : bytes);
    if (packText)
        QOR_FUZZ_CHECK(reader.hasStream());

    // Every line is text without control characters and every line end is
    // one or two bytes, so the reader ends after at most one line per byte.
    std::size_t lines = 0;
    std::size_t characters = 0;
    while (!reader.Eof()) {
        const std::string line = reader.ReadLine();
        for (const char c : line)
            QOR_FUZZ_CHECK(static_cast<unsigned char>(c) > 31);
        characters += line.size();
        ++lines;
        if (packText)
            QOR_FUZZ_CHECK(lines <= bytes.size() && characters <= bytes.size());
    }
    QOR_FUZZ_CHECK(reader.ReadLine().empty());
    return 0;
}
