#include "qor-dictd/DictdFiles.h"

#include "qor-pack/PackError.h"
#include "qor-pack/TextConversion.h"

#include <algorithm>
#include <array>
#include <climits>
#include <optional>
#include <utility>
#include <zlib.h>

namespace qor::dictd {

using pack::PackError;

namespace {

bool isGzip(std::string_view data) {
    return data.size() >= 2 && data[0] == '\x1F' && data[1] == '\x8B';
}

// A dictd number: base-64 digits, most significant first. Nothing for an
// empty, malformed or implausibly long one.
std::optional<std::size_t> decodeNumber(std::string_view digits) {
    static constexpr std::string_view kDigits =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    if (digits.empty() || digits.size() > 8) // 48 bits: far beyond any dictionary
        return std::nullopt;
    std::size_t value = 0;
    for (const char digit : digits) {
        const std::size_t weight = kDigits.find(digit);
        if (weight == std::string_view::npos)
            return std::nullopt;
        value = value * 64 + weight;
    }
    return value;
}

struct IndexLine {
    std::string_view headword;
    std::size_t offset = 0;
    std::size_t length = 0;
};

IndexLine parseIndexLine(std::string_view line, std::string_view where) {
    const std::size_t tab1 = line.find('\t');
    const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
    if (tab2 == std::string_view::npos)
        throw PackError(std::string(where) + ": not \"headword<TAB>offset<TAB>length\"");
    // Some indexes add further fields (the original headword); they are not needed.
    const std::size_t tab3 = line.find('\t', tab2 + 1);
    const auto offset = decodeNumber(line.substr(tab1 + 1, tab2 - tab1 - 1));
    const auto length = decodeNumber(line.substr(tab2 + 1, tab3 - tab2 - 1));
    if (!offset || !length)
        throw PackError(std::string(where) + ": offset or length is no dictd number");
    return {line.substr(0, tab1), *offset, *length};
}

} // namespace

std::string gunzip(std::string_view data, std::string_view sourceName) {
    if (!isGzip(data))
        return std::string(data);
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) // 16: a gzip header, not zlib's
        throw PackError(std::string(sourceName) + ": zlib cannot start");
    // zlib's interface is not const-correct; it never writes the input.
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(std::min<std::size_t>(data.size(), UINT_MAX));
    std::string out;
    std::array<char, 65536> buffer{};
    int code = Z_OK;
    while (code == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer.data());
        stream.avail_out = static_cast<uInt>(buffer.size());
        code = inflate(&stream, Z_NO_FLUSH);
        out.append(buffer.data(), buffer.size() - stream.avail_out);
    }
    inflateEnd(&stream);
    if (code != Z_STREAM_END)
        throw PackError(std::string(sourceName) + ": damaged or cut-off gzip data");
    return out;
}

std::vector<std::string> dictdArticles(std::string_view index, std::string_view data,
                                       std::string_view indexName) {
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    const std::vector<std::string_view> lines = pack::splitLines(index);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty())
            continue;
        const std::string where = std::string(indexName) + ":" + std::to_string(i + 1);
        const IndexLine line = parseIndexLine(lines[i], where);
        if (line.headword.starts_with("00database") || line.headword.starts_with("00-database-"))
            continue;
        if (line.offset > data.size() || line.length > data.size() - line.offset)
            throw PackError(where + ": points beyond the end of the dictionary data");
        spans.emplace_back(line.offset, line.length);
    }
    // Several headwords may share one article (the forms of an adjective).
    std::ranges::sort(spans);
    spans.erase(std::unique(spans.begin(), spans.end()), spans.end());

    std::vector<std::string> articles;
    articles.reserve(spans.size());
    for (const auto& [offset, length] : spans)
        articles.emplace_back(data.substr(offset, length));
    return articles;
}

} // namespace qor::dictd
