#include "page/model/TagScanner.h"

#include "platform/Text.h"

#include <algorithm>

namespace qor {

TParser::TParser(std::string_view text) : text_(text), upper_(upperCase(text)) {}

bool TParser::Failed() {
    const bool failed = failed_;
    failed_ = false;
    return failed;
}

void TParser::fail(const std::string& message) {
    if (strict_)
        throw EParseError(message);
    failed_ = true;
}

bool TParser::matchesAt(std::string_view token) const {
    if (token.size() > upper_.size() - std::min(position_, upper_.size()))
        return false;
    for (std::size_t i = 0; i < token.size(); ++i) {
        if (upper_[position_ + i] != upperChar(token[i]))
            return false;
    }
    return true;
}

void TParser::Skip() {
    while (position_ < text_.size()) {
        const auto code = static_cast<unsigned char>(text_[position_]);
        if (code < 1 || code > 32)
            break;
        ++position_;
    }
}

std::string_view TParser::remaining() const {
    return std::string_view(text_).substr(std::min(position_, text_.size()));
}

bool TParser::Expect(std::string_view token) {
    Skip();
    if (token.empty()) {
        if (atEnd())
            return true;
        fail("Expected <end-of-expression>");
        return false;
    }
    if (matchesAt(token)) {
        position_ += token.size();
        return true;
    }
    fail("Expected \"" + std::string(token) + "\"");
    return false;
}

bool TParser::takeKeyword(std::string_view keyword) {
    if (keyword.empty() || !matchesAt(keyword))
        return false;
    position_ += keyword.size();
    return true;
}

void TParser::failNoKeyword(std::string_view firstKeyword) {
    fail("Expected one of several tokens " + std::string(firstKeyword));
}

bool TParser::ReadUntil(std::string_view delimiter, std::string& value) {
    Skip();
    std::size_t found = std::string::npos;
    std::size_t length = delimiter.size();
    if (!delimiter.empty())
        found = upper_.find(upperCase(delimiter), position_);
    if (delimiter == " ") {
        const std::size_t carriageReturn = upper_.find('\r', position_);
        if (carriageReturn < found)
            found = carriageReturn;
    }
    if (found == std::string::npos) {
        fail("Couldn't find \"" + std::string(delimiter) + "\"");
        return false;
    }
    value = text_.substr(position_, found - position_);
    position_ = found + length;
    return true;
}

std::string TParser::Rest() {
    Skip();
    std::string rest = text_.substr(position_);
    position_ = text_.size();
    return rest;
}

} // namespace qor
