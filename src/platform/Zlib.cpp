#include "platform/Zlib.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstddef>
#include <zlib.h>

namespace qor {

namespace {

constexpr std::size_t kChunk = 4096;
constexpr std::size_t kExpectedRatio = 4;

// zlib counts input in uInt; longer input is handed over piece by piece.
constexpr std::size_t kMaxInput = UINT_MAX;

std::string messageOf(const z_stream& stream, int code) {
    if (stream.msg)
        return stream.msg;
    if (code == Z_BUF_ERROR || code == Z_OK)
        return "unexpected end of stream";
    return zError(code);
}

} // namespace

InflateResult inflateZlib(std::string_view packed, std::size_t maxSize) {
    InflateResult result;
    z_stream stream{};
    int code = inflateInit(&stream);
    if (code != Z_OK) {
        result.error = messageOf(stream, code);
        return result;
    }

    // Packed text is usually a third to a quarter of its size: room for that
    // spares copying the output while it grows.
    result.data.reserve(std::min(maxSize / kExpectedRatio, packed.size()) * kExpectedRatio);
    std::array<unsigned char, kChunk> buffer{};
    std::size_t consumed = 0;
    for (;;) {
        if (stream.avail_in == 0 && consumed < packed.size()) {
            const std::size_t piece = std::min(packed.size() - consumed, kMaxInput);
            // zlib's interface is not const-correct; it never writes the input.
            stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data() + consumed));
            stream.avail_in = static_cast<uInt>(piece);
            consumed += piece;
        }
        stream.next_out = buffer.data();
        stream.avail_out = static_cast<uInt>(buffer.size());
        code = inflate(&stream, Z_NO_FLUSH);
        const std::size_t produced = buffer.size() - stream.avail_out;
        if (produced > maxSize - result.data.size()) {
            result.data.append(reinterpret_cast<const char*>(buffer.data()),
                               maxSize - result.data.size());
            result.error = "inflated data too large";
            break;
        }
        result.data.append(reinterpret_cast<const char*>(buffer.data()), produced);
        if (code == Z_STREAM_END) {
            result.ok = true;
            break;
        }
        // Z_BUF_ERROR: no progress was possible, i.e. the input ended early.
        const bool inputLeft = stream.avail_in > 0 || consumed < packed.size();
        if (code != Z_OK || (stream.avail_out > 0 && !inputLeft)) {
            result.error = messageOf(stream, code);
            break;
        }
    }
    inflateEnd(&stream);
    return result;
}

std::string deflateZlib(std::string_view data) {
    z_stream stream{};
    if (deflateInit(&stream, Z_DEFAULT_COMPRESSION) != Z_OK)
        return {};

    std::string out;
    std::array<unsigned char, kChunk> buffer{};
    std::size_t consumed = 0;
    int code = Z_OK;
    while (code != Z_STREAM_END) {
        if (stream.avail_in == 0 && consumed < data.size()) {
            const std::size_t piece = std::min(data.size() - consumed, kMaxInput);
            stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data() + consumed));
            stream.avail_in = static_cast<uInt>(piece);
            consumed += piece;
        }
        const int flush = consumed == data.size() ? Z_FINISH : Z_NO_FLUSH;
        stream.next_out = buffer.data();
        stream.avail_out = static_cast<uInt>(buffer.size());
        code = deflate(&stream, flush);
        out.append(reinterpret_cast<const char*>(buffer.data()), buffer.size() - stream.avail_out);
        if (code == Z_STREAM_ERROR)
            break;
    }
    deflateEnd(&stream);
    return out;
}

} // namespace qor
