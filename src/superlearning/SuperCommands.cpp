#include "superlearning/SuperCommands.h"

namespace qor {

CommandBlock presentationStopCommands(SuperlearningHost& host) {
    return {
        {"stop", CommandMatch::Exact,
         [&host](auto&, auto) {
             host.stopPresentation();
         }},
    };
}

CommandBlock superlearningCommands(SuperlearningHost& host) {
    return {
        {"super", CommandMatch::Exact,
         [&host](auto&, auto) {
             host.goSuper();
         }},
    };
}

} // namespace qor
