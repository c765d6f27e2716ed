// Any bytes as a CSV or KVTML file of another trainer: they must read
// without harm, and what a reader yields must export and import back the
// same in both formats.

#include "FuzzCheck.h"
#include "vocabulary/LibraryExchange.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace qor;

namespace {

// Control characters go out as blanks, which XML needs; only the rest
// must come back unchanged.
bool exportsUnchanged(const TVokabel& entry) {
    const auto plain = [](const std::string& text) {
        return std::none_of(text.begin(), text.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 && c != '\t';
        });
    };
    return plain(entry.Vokabel) && plain(entry.Bedeutung[0]) && plain(entry.Bedeutung[1]) &&
           plain(entry.Kontext[0]) && plain(entry.Kontext[1]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const ExchangeFormat format : {ExchangeFormat::Csv, ExchangeFormat::Kvtml}) {
        const ExchangeRead read = ReadExchangeText(format, bytes);
        QOR_FUZZ_CHECK(read.ok() != read.entries.empty());
        if (!read.ok() || !std::all_of(read.entries.begin(), read.entries.end(), exportsUnchanged))
            continue;
        for (const ExchangeFormat again : {ExchangeFormat::Csv, ExchangeFormat::Kvtml}) {
            const ExchangeRead back =
                ReadExchangeText(again, WriteExchangeText(again, read.entries, "fuzz"));
            QOR_FUZZ_CHECK(back.ok());
            QOR_FUZZ_CHECK(back.entries == read.entries);
        }
    }
    return 0;
}
