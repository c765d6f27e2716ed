#include "platform/mci/MciCommand.h"

#include "platform/mci/MciErrors.h"

namespace qor {

namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
} // namespace

MciWords splitMciCommand(std::string_view command) {
    MciWords result;
    std::size_t i = 0;
    while (i < command.size()) {
        if (isBlank(command[i])) {
            ++i;
            continue;
        }
        if (command[i] == '"') {
            const std::size_t close = command.find('"', i + 1);
            if (close == std::string_view::npos) {
                result.error = MciError::NoClosingQuote;
                return result;
            }
            result.words.push_back({std::string(command.substr(i + 1, close - i - 1)), true});
            i = close + 1;
            continue;
        }
        std::size_t end = i;
        while (end < command.size() && !isBlank(command[end]))
            ++end;
        result.words.push_back({std::string(command.substr(i, end - i)), false});
        i = end;
    }
    return result;
}

} // namespace qor
