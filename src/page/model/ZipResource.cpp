#include "page/model/ZipResource.h"

#include "platform/Zlib.h"
#include "resources/ProgramResources.h"

namespace qor {

TZIPResource::TZIPResource(int number) {
    unpack(programResource(number));
}

TZIPResource TZIPResource::fromPacked(std::string_view packed) {
    TZIPResource reader;
    reader.unpack(packed);
    return reader;
}

void TZIPResource::unpack(std::string_view packed) {
    InflateResult unpacked = inflateZlib(packed);
    if (unpacked.ok)
        data_ = std::move(unpacked.data);
}

bool TZIPResource::Eof() const {
    return !data_ || position_ >= data_->size();
}

std::string TZIPResource::ReadLine() {
    if (Eof())
        return {};
    const std::string& data = *data_;
    const std::size_t start = position_;
    std::size_t end = start;
    while (end < data.size() && static_cast<unsigned char>(data[end]) > 31)
        ++end;
    position_ = end;
    if (end < data.size()) {
        const bool crLf = data[end] == '\r' && end + 1 < data.size() && data[end + 1] == '\n';
        position_ += crLf ? 2 : 1;
    }
    return data.substr(start, end - start);
}

} // namespace qor
