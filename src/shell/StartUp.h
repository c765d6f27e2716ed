#pragma once
// Start and end of a run: the start mode, the display checks, the settings,
// the shared objects and the shortcuts; and the orderly shutdown.

#include "core/Configuration.h"
#include "shell/Program.h"

#include <string>
#include <vector>

namespace qor {

struct ScreenInfo {
    int width = 0;
    int height = 0;
    int depth = 0; // bits per pixel
};

// The start mode from the first command-line argument: "editor" in any case.
bool IsEditorArgument(const std::vector<std::string>& arguments);

// Runs every check and loads the shared objects; false means the program
// ends at once without a window (any message has been shown).
bool StartUp(Program& program, const std::vector<std::string>& arguments, const ScreenInfo& screen,
             const MediaVolumeList& volumes = mountedMediaVolumes);

// Frees the shared objects in their order, writing back what they keep.
void ShutDown(Program& program);

} // namespace qor
