#pragma once
// Command lists ("gws,s2,go") and the table that runs them. Each subsystem
// contributes an ordered block of rows that acts through its own small host
// interface; the window that receives the lists appends the blocks in order
// and runs each part through the rows from the top: the first row that
// matches runs.

#include <functional>
#include <string_view>
#include <vector>

namespace qor {

enum class CommandMatch {
    Exact,        // the part is the text
    Prefix,       // the part is longer than the text and starts with it
    StartsWith,   // the part starts with the text (or is it)
    PrefixAndPlus // a Prefix part whose last character is "+"
};

bool commandMatches(std::string_view part, std::string_view text, CommandMatch match);

// The list being run, as a row's action sees it.
class RunningCommandList {
public:
    // Leaves the parts after the running one undone.
    void abandonRest() { abandoned_ = true; }
    bool abandoned() const { return abandoned_; }
    // Reads text as a decimal integer; when it is none the rest of the list
    // is abandoned and the answer is false.
    bool readNumber(std::string_view text, int& number);

private:
    bool abandoned_ = false;
};

struct CommandRow {
    std::string_view text;
    CommandMatch match;
    // Runs the row; argument is the part after text.
    std::function<void(RunningCommandList& list, std::string_view argument)> action;
};

// A subsystem's rows, in the order they are tried.
using CommandBlock = std::vector<CommandRow>;

class CommandTable {
public:
    // Appends block after the rows added before it.
    void addBlock(CommandBlock block);
    const std::vector<CommandRow>& rows() const { return rows_; }

    // Runs a command list: lower-cased, split at commas, empty parts and
    // parts starting with "#" skipped, parts no row matches ignored. A row
    // may abandon the rest of the list.
    void run(std::string_view commandList) const;

private:
    std::vector<CommandRow> rows_;
};

} // namespace qor
