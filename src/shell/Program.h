#pragma once
// The process-wide objects of one run of the program, created by StartUp and
// freed by ShutDown in their fixed order.

#include "platform/Registry.h"
#include "platform/Shell.h"
#include "shell/Configuration.h"
#include "sound/WaveBase.h"
#include "vocabulary/LastFiles.h"

#include <memory>
#include <string>
#include <utility>

namespace qor {

struct Program {
    Program(Registry& settingsStore, ShellServices& desktop, std::string programPath,
            std::string programDir)
        : registry(settingsStore), shell(desktop),
          config(settingsStore, std::move(programPath), std::move(programDir)) {}

    Registry& registry;
    ShellServices& shell;
    Configuration config;

    // The recently used libraries; the vocabulary library will own them.
    std::unique_ptr<TLastFiles> lastFiles;
    // The sound database, loaded at start and written back at the end.
    std::unique_ptr<TXWaveBase> waveBase;
};

} // namespace qor
