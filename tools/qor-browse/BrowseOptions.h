#pragma once
// The command line of qor-browse: what to show, the page variables,
// conditions and special codes the host would give, and a script of user
// actions to play on the page.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qor::browse {

struct Step {
    enum class Kind { Move, Click, RightClick, Link, Key, Wait };
    Kind kind = Kind::Click;
    int x = 0;
    int y = 0;
    std::string text; // Link: the area's name (Windows-1252); Key: the key's name
    int milliseconds = 0;
};

struct BrowseOptions {
    int width = 800;
    int height = 572;
    std::vector<std::pair<std::string, std::string>> definitions; // Windows-1252
    std::vector<std::string> conditions;
    std::vector<std::pair<std::string, std::string>> codes; // special codes and their values
    std::vector<Step> steps;
    std::string screenshot; // a PNG written after the steps
    bool quit = false;      // end after the steps
    std::string page;       // as given (the file system's encoding)
};

// Nothing for a wrong call. Texts given in UTF-8 become program text.
std::optional<BrowseOptions> ParseBrowseArguments(const std::vector<std::string>& args);

extern const char* const BrowseUsage;

} // namespace qor::browse
