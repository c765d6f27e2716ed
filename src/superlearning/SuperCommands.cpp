#include "superlearning/SuperCommands.h"

namespace qor {

CommandBlock superlearningCommands(SuperlearningHost& host) {
    return {
        {"super", CommandMatch::Exact,
         [&host](auto&, auto) {
             host.goSuper();
         }},
    };
}

} // namespace qor
