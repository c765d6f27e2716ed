#include "core/CommandTable.h"

#include "platform/Text.h"

#include <charconv>
#include <iterator>
#include <string>

namespace qor {

bool commandMatches(std::string_view part, std::string_view text, CommandMatch match) {
    switch (match) {
    case CommandMatch::Exact:
        return part == text;
    case CommandMatch::Prefix:
        return part.size() > text.size() && part.starts_with(text);
    case CommandMatch::StartsWith:
        return part.starts_with(text);
    case CommandMatch::PrefixAndPlus:
        return part.size() > text.size() && part.starts_with(text) && part.ends_with('+');
    }
    return false;
}

bool RunningCommandList::readNumber(std::string_view text, int& number) {
    // A leading "+" is allowed as a sign; anything but digits after the
    // sign is no number.
    if (text.starts_with('+') && text.size() > 1 && text[1] != '-')
        text.remove_prefix(1);
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc() || stop != end) {
        abandonRest();
        return false;
    }
    return true;
}

void CommandTable::addBlock(CommandBlock block) {
    rows_.insert(rows_.end(), std::make_move_iterator(block.begin()),
                 std::make_move_iterator(block.end()));
}

void CommandTable::run(std::string_view commandList) const {
    const std::string text = lowerCase(commandList);
    RunningCommandList list;
    std::string_view rest = text;
    while (!rest.empty() && !list.abandoned()) {
        const std::size_t comma = rest.find(',');
        const std::string_view part = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        if (part.empty() || part.front() == '#')
            continue;
        for (const CommandRow& row : rows_) {
            if (commandMatches(part, row.text, row.match)) {
                row.action(list, part.substr(row.text.size()));
                break;
            }
        }
    }
}

} // namespace qor
