#pragma once
// The program's additions beyond the classic trainer, each of which the user
// may switch off in the training settings window's "Extras" menu: speech for
// words without a recording, accent hints on wrong typed answers, the
// learning history chart and the exchange of libraries with other trainers.

#include "platform/Registry.h"

namespace qor {

namespace RegistryKey {
inline constexpr const char* Extras = "SOFTWARE\\QOR\\qor spanisch\\Extras";
} // namespace RegistryKey

struct ExtraFeatures {
    bool Speech = true;          // espeak-ng speaks words that have no recording
    bool AccentHints = true;     // a wrong typed answer names accent and case slips
    bool LearningHistory = true; // the statistics page charts the learning log
    bool Exchange = true;        // libraries import from and export to CSV and KVTML

    // Missing values keep their defaults (all on).
    void Read(const Registry& registry);
    void Write(Registry& registry) const;
};

} // namespace qor
