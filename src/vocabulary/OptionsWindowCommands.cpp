#include "vocabulary/OptionsWindowCommands.h"

namespace qor {

CommandBlock optionsWindowCommands(OptionsWindowHost& host) {
    // clang-format off
    return {
        {"editor", CommandMatch::Exact, [&host](auto&, auto) { host.goEditor(); }},
        {"vocein", CommandMatch::Exact, [&host](auto&, auto) { host.goVocEin(); }},
    };
    // clang-format on
}

} // namespace qor
