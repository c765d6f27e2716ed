#include "BrowseOptions.h"

#include "platform/Text.h"

#include <charconv>

namespace qor::browse {

const char* const BrowseUsage =
    R"(Usage: qor-browse [--size 800x572] [--define NAME=VALUE]... [--condition NAME]...
                  [--code NAME=VALUE]... [STEP]... [--screenshot OUT.png] [--quit] PAGE

Opens PAGE (a page file as the program reads it) in a window with the
program's page control. Links work as in the program: pages load, notes
show, exercises run. Everything the program's main window would receive is
written to standard output, one line each: loaded files, titles, broken
links, commands, special codes, picture requests, the link and hint under
the mouse, right clicks on words, clicks, keys, messages and sounds.

--define      sets the page variable NAME ($[NAME] in the page)
--condition   sets the condition NAME (<IF NAME> in the page)
--code        answers the special code NAME with VALUE (others get nothing)

Steps, played in order once the page is shown:
--move X,Y          the mouse goes to X,Y of the page control
--click X,Y         a left click at X,Y of the page control
--right-click X,Y   a right click
--link NAME         a left click on the first link whose target is NAME
--key KEY           a key: Return, Escape, Tab, Backspace, F1 ... F12 or one character
--wait MS           lets the page work for MS milliseconds

--screenshot  writes the window as a PNG picture after the steps
--quit        ends after the steps (always on the offscreen platform)
)";

namespace {

std::optional<std::string> programText(const std::string& argument) {
    return utf8ToCp1252Exact(argument);
}

std::optional<int> number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool parsePair(const std::string& text, char separator, int& first, int& second) {
    const std::size_t at = text.find(separator);
    if (at == std::string::npos)
        return false;
    const auto a = number(std::string_view(text).substr(0, at));
    const auto b = number(std::string_view(text).substr(at + 1));
    if (!a || !b)
        return false;
    first = *a;
    second = *b;
    return true;
}

bool parseAssignment(const std::string& argument,
                     std::vector<std::pair<std::string, std::string>>& into) {
    const auto text = programText(argument);
    const std::size_t equals = text ? text->find('=') : std::string::npos;
    if (equals == std::string::npos || equals == 0)
        return false;
    into.emplace_back(text->substr(0, equals), text->substr(equals + 1));
    return true;
}

} // namespace

std::optional<BrowseOptions> ParseBrowseArguments(const std::vector<std::string>& args) {
    BrowseOptions options;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--quit") {
            options.quit = true;
        } else if (arg == "--size" && hasValue) {
            if (!parsePair(args[++i], 'x', options.width, options.height) || options.width <= 0 ||
                options.height <= 0 || options.width > 10000 || options.height > 10000)
                return std::nullopt;
        } else if (arg == "--define" && hasValue) {
            if (!parseAssignment(args[++i], options.definitions))
                return std::nullopt;
        } else if (arg == "--code" && hasValue) {
            if (!parseAssignment(args[++i], options.codes))
                return std::nullopt;
        } else if (arg == "--condition" && hasValue) {
            const auto text = programText(args[++i]);
            if (!text)
                return std::nullopt;
            options.conditions.push_back(*text);
        } else if ((arg == "--move" || arg == "--click" || arg == "--right-click") && hasValue) {
            Step step;
            step.kind = arg == "--move"    ? Step::Kind::Move
                        : arg == "--click" ? Step::Kind::Click
                                           : Step::Kind::RightClick;
            if (!parsePair(args[++i], ',', step.x, step.y))
                return std::nullopt;
            options.steps.push_back(step);
        } else if (arg == "--link" && hasValue) {
            const auto text = programText(args[++i]);
            if (!text)
                return std::nullopt;
            options.steps.push_back({Step::Kind::Link, 0, 0, *text, 0});
        } else if (arg == "--key" && hasValue) {
            options.steps.push_back({Step::Kind::Key, 0, 0, args[++i], 0});
        } else if (arg == "--wait" && hasValue) {
            const auto ms = number(args[++i]);
            if (!ms || *ms < 0)
                return std::nullopt;
            options.steps.push_back({Step::Kind::Wait, 0, 0, {}, *ms});
        } else if (arg == "--screenshot" && hasValue) {
            options.screenshot = args[++i];
        } else if (arg.rfind("--", 0) == 0) {
            return std::nullopt;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 1)
        return std::nullopt;
    options.page = positional[0];
    return options;
}

} // namespace qor::browse
