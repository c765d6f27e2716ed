#pragma once
// The tag scanner: reads keywords and values from the text of one tag. It
// searches an upper-cased copy and returns pieces of the unchanged text.
//
// In strict mode an error throws EParseError (which abandons the rest of the
// tag); otherwise it only sets the failed flag and the operation reports
// failure.

#include <cstddef>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qor {

class EParseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TParser {
public:
    explicit TParser(std::string_view text);

    bool strict() const { return strict_; }
    void setStrict(bool strict) { strict_ = strict; }

    // Whether an error happened since the last call; reading clears it.
    bool Failed();

    // Passes characters of codes 1-32.
    void Skip();

    // Skips, then takes the token (compared regardless of case). An empty
    // token expects the end of the tag.
    bool Expect(std::string_view token);

    // Skips, then takes the first keyword of the table (the keyword member of
    // its rows) that begins the text, regardless of case, and returns its
    // row; nullptr when none does. Order matters: "COL" before "COLOR" would
    // always win.
    template <typename Row> const Row* Keyword(std::span<const Row> rows) {
        Skip();
        for (const Row& row : rows) {
            if (takeKeyword(row.keyword))
                return &row;
        }
        failNoKeyword(rows.empty() ? std::string_view() : rows.front().keyword);
        return nullptr;
    }

    // Skips, then takes the text up to the delimiter (found regardless of
    // case) into value and moves past the delimiter. A single blank also
    // stops at a CR. When the delimiter is missing, value is left as it was.
    bool ReadUntil(std::string_view delimiter, std::string& value);

    // Skips and takes the rest of the tag.
    std::string Rest();

    bool atEnd() const { return position_ >= text_.size(); }
    // The unread text.
    std::string_view remaining() const;

private:
    void fail(const std::string& message);
    // Whether the text at the position begins with token, regardless of case.
    bool matchesAt(std::string_view token) const;
    // Moves past a non-empty keyword that begins the unread text.
    bool takeKeyword(std::string_view keyword);
    void failNoKeyword(std::string_view firstKeyword);

    std::string text_;
    std::string upper_;
    std::size_t position_ = 0;
    bool strict_ = true;
    bool failed_ = false;
};

} // namespace qor
