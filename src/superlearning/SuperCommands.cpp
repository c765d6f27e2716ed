#include "superlearning/SuperCommands.h"

namespace qor {

// One row per line, so the formatter leaves the table alone.
// clang-format off
CommandBlock presentationStopCommands(SuperlearningHost& host) {
    return {
        {"stop", CommandMatch::Exact, [&host](auto&, auto) { host.stopPresentation(); }},
    };
}

CommandBlock bingoCommands(SuperlearningHost& host) {
    return {
        {"vegas", CommandMatch::Exact, [&host](auto&, auto) { host.playBingo(); }},
    };
}

CommandBlock superlearningCommands(SuperlearningHost& host) {
    return {
        {"super", CommandMatch::Exact, [&host](auto&, auto) { host.goSuper(); }},
        {"superopts", CommandMatch::Exact, [&host](auto&, auto) { host.showSuperlearningSettings(); }},
    };
}
// clang-format on

} // namespace qor
