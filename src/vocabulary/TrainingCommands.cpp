#include "vocabulary/TrainingCommands.h"

#include <string>

namespace qor {

CommandBlock trainingEvaluationCommands(TrainingHost& host) {
    // clang-format off
    return {
        {"vocaus", CommandMatch::Exact, [&host](auto&, auto) { host.training().Evaluate(0); }},
    };
    // clang-format on
}

CommandBlock trainingRoundCommands(TrainingHost& host) {
    // clang-format off
    return {
        {"vokabelweiter", CommandMatch::Exact, [&host](auto&, auto) { host.training().Continue(); }},
        {"vcontinue", CommandMatch::Exact, [&host](auto&, auto) { host.training().NextRound(); }},
        {"vokabel", CommandMatch::Prefix, [&host](auto&, std::string_view text) { host.training().Answer(std::string(text)); }},
    };
    // clang-format on
}

CommandBlock trainingStartCommands(TrainingHost& host) {
    // clang-format off
    return {
        {"vabfrage", CommandMatch::Exact, [&host](auto&, auto) { host.goAbfrage(); }},
    };
    // clang-format on
}

} // namespace qor
