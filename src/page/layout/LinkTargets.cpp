#include "page/layout/LinkTargets.h"

#include "page/model/Attributes.h"
#include "page/model/TagScanner.h"

namespace qor {

TargetAndHint SplitAreaName(std::string_view name) {
    const std::size_t at = name.find('@');
    if (at == std::string_view::npos)
        return {std::string(name), {}};
    return {std::string(name.substr(0, at)), std::string(name.substr(at + 1))};
}

std::string TargetForButton(std::string_view target, bool leftButton) {
    const std::size_t degree = target.find(DegreeSign);
    if (leftButton)
        return std::string(target.substr(0, degree));
    if (degree == std::string_view::npos)
        return {};
    return std::string(target.substr(degree + 1));
}

bool IsRealTarget(std::string_view target) {
    return !target.empty() && target != "%";
}

std::optional<SectionCommand> ParseSectionCommand(std::string_view target) {
    if (target.empty() || target.front() != SectionSign)
        return std::nullopt;
    target.remove_prefix(1);
    if (target.empty() || target.front() != '[')
        return SectionCommand{std::string(target), {}};
    target.remove_prefix(1);
    const std::size_t close = target.find(']');
    if (close == std::string_view::npos)
        return SectionCommand{std::string(target), {}};
    return SectionCommand{std::string(target.substr(0, close)),
                          std::string(target.substr(close + 1))};
}

namespace {

// The value up to the next blank, or the rest of the text when none follows.
std::string valueUpToBlank(TParser& parser) {
    std::string value;
    if (!parser.ReadUntil(" ", value))
        value = parser.Rest();
    return value;
}

} // namespace

ExerciseCommand ParseExerciseCommand(std::string_view target) {
    ExerciseCommand command;
    TParser parser(target);
    parser.setStrict(false);

    std::string skipped;
    if (!parser.ReadUntil("EX ", skipped))
        command.messages.emplace_back("EX nicht gefunden");

    parser.Expect("PICK=");
    std::string pick;
    if (parser.ReadUntil(" ", pick))
        command.pick = ParseInteger(pick).value_or(-1);

    parser.Expect("FILE=");
    command.file = valueUpToBlank(parser);
    if (command.file.empty())
        command.messages.emplace_back("FILE= nicht gefunden");

    if (parser.ReadUntil("WEITER=", skipped))
        command.continuation = valueUpToBlank(parser);
    return command;
}

bool ReportsAnkerChange(std::string_view target) {
    if (target.empty())
        return true;
    if (target.front() == '@' || target == "+" || target == "%" || target == "-" || target == "ex")
        return false;
    return target.substr(0, 2) != "EX";
}

std::string HoverSoundFile(std::string_view target, std::string_view hint) {
    const std::size_t degree = hint.find(DegreeSign);
    if (target.empty() || degree == std::string_view::npos)
        return {};
    return std::string(hint.substr(degree + 1)) + ".wav";
}

} // namespace qor
