// Any bytes as the settings file that stands in for the registry: it must
// read without harm, and what it reads must write out and read back the same.

#include "FuzzCheck.h"
#include "platform/Registry.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace qor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const MemoryRegistry store = MemoryRegistry::parse(text);
    const std::string written = store.toText();
    QOR_FUZZ_CHECK(MemoryRegistry::parse(written).toText() == written);
    return 0;
}
