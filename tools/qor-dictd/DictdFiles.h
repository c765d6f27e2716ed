#pragma once
// A dictionary in the dictd format (as Debian's FreeDict packages install
// it): an index of tab-separated lines "headword, offset, length" with the
// numbers in dictd's base-64 digits, and a data file, usually compressed with
// dictzip (a gzip file), whose bytes at offset hold the article.

#include <string>
#include <string_view>
#include <vector>

namespace qor::dictd {

// The content of a gzip or dictzip file; any other data is returned as it is
// (an uncompressed .dict). Throws PackError naming sourceName when the gzip
// data is damaged or cut off.
std::string gunzip(std::string_view data, std::string_view sourceName);

// The UTF-8 articles the index points to, each once and in the order they
// stand in the data, without the database's own "00-database-" entries.
// Throws PackError naming indexName and the line for a malformed index line
// or one that points beyond the data.
std::vector<std::string> dictdArticles(std::string_view index, std::string_view data,
                                       std::string_view indexName);

} // namespace qor::dictd
