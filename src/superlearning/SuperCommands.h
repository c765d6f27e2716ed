#pragma once
// Superlearning's page commands: "super" starts the presentation chosen by
// the training mode with the loaded library.

#include "core/CommandTable.h"

namespace qor {

class SuperlearningHost {
public:
    virtual ~SuperlearningHost() = default;
    virtual void goSuper() = 0;
};

CommandBlock superlearningCommands(SuperlearningHost& host);

} // namespace qor
