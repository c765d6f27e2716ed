#include "page/layout/TargetActions.h"

#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace qor {

namespace {

using Kind = TargetActionKind;

TargetAction action(Kind kind, std::string text = {}) {
    TargetAction result;
    result.kind = kind;
    result.text = std::move(text);
    return result;
}

std::string resolveAlias(std::string_view target, const ActivationContext& context) {
    if (!target.empty() && target.front() == '#' && context.alias)
        return context.alias(target);
    return std::string(target);
}

bool isWholeExerciseLink(std::string_view target) {
    return equalsIgnoreCase(target, "EX");
}

// "EX PICK=..." in any case, but not the bare "EX".
bool isExerciseCommand(std::string_view target) {
    return target.size() >= 2 && equalsIgnoreCase(target.substr(0, 2), "EX") &&
           !isWholeExerciseLink(target);
}

// Only these extensions, exactly in this case, lead anywhere: "a.HTX" and
// ".rqol" pages are not followed.
TargetAction byExtension(std::string_view target) {
    const std::string extension = extractFileExt(normalizeSeparators(target));
    if (extension == ".htx" || extension == ".hqor" || extension == ".html" || extension == ".qor")
        return action(Kind::Navigate, std::string(target));
    if (extension == ".wav" || extension == ".mp3")
        return action(Kind::PlaySound, std::string(target));
    return action(Kind::None);
}

} // namespace

TargetAction DecideRestAction(std::string_view target, const ActivationContext& context) {
    if (!target.empty() && target.front() == '@')
        return action(Kind::Note, std::string(target.substr(1)));
    if (isWholeExerciseLink(target))
        return action(Kind::NextExercise);
    if (target == "END")
        return action(Kind::EndApplication);
    if (target == "-")
        return action(Kind::GoBack);
    if (target == "+" && context.continuationSet)
        return action(Kind::LoadContinuation);
    if (isExerciseCommand(target)) {
        TargetAction start = action(Kind::StartExercise);
        start.exercise = ParseExerciseCommand(target);
        start.exercise.continuation = resolveAlias(start.exercise.continuation, context);
        return start;
    }
    return byExtension(target);
}

TargetAction DecideTargetAction(std::string_view target, const ActivationContext& context) {
    if (target.empty())
        return action(Kind::None);
    if (target.size() > 1 && target.front() == '+')
        return action(Kind::ToggleCheckBox, std::string(target.substr(1)));
    if (target.size() > 1 && target.front() == '?' && context.rightClickHandler)
        return action(Kind::RightClickWord, std::string(target.substr(1)));

    const std::string resolved = resolveAlias(target, context);
    if (resolved.starts_with("http://"))
        return action(Kind::OpenUrl, resolved);

    const std::string section = std::string(1, SectionSign);
    if (resolved == section + "rec")
        return action(Kind::Recorder, "rec");
    if (resolved == section + "play")
        return action(Kind::Recorder, "play");
    if (const std::optional<SectionCommand> command = ParseSectionCommand(resolved)) {
        TargetAction handOver = action(Kind::HandOver, command->command);
        handOver.rest = command->rest;
        return handOver;
    }
    return DecideRestAction(resolved, context);
}

namespace {

// Whether following target (one button's part) would need a file that is
// not there.
bool needsMissingFile(std::string target, const ActivationContext& context,
                      const FileMissingTest& fileMissing) {
    target = SplitAreaName(resolveAlias(target, context)).target;
    if (target.starts_with(std::string(1, SectionSign) + "[")) {
        target = ParseSectionCommand(target)->rest;
    } else if (!target.empty() && target.front() == SectionSign) {
        return false;
    }
    if (!IsRealTarget(target) || target == "END" || isWholeExerciseLink(target) ||
        target.starts_with("http://"))
        return false;
    switch (target.front()) {
    case '-':
    case '+':
    case '?':
    case '@':
    case SectionSign:
        return false;
    default:
        break;
    }
    if (isExerciseCommand(target)) {
        const std::string file = ParseExerciseCommand(target).file;
        return !file.empty() && fileMissing(file, true);
    }
    return fileMissing(target, false);
}

} // namespace

std::string FindBrokenLink(const std::vector<std::string>& names, const ActivationContext& context,
                           const FileMissingTest& fileMissing) {
    for (const std::string& name : names) {
        if (name.empty())
            return "(leeres Ziel)";
        const std::string target = SplitAreaName(name).target;
        if (needsMissingFile(TargetForButton(target, true), context, fileMissing) ||
            needsMissingFile(TargetForButton(target, false), context, fileMissing))
            return name;
    }
    return {};
}

} // namespace qor
