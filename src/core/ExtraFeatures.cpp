#include "core/ExtraFeatures.h"

namespace qor {

namespace {

struct Switch {
    const char* name;
    bool ExtraFeatures::*flag;
};

constexpr Switch Switches[] = {
    {"Sprachausgabe", &ExtraFeatures::Speech},
    {"Akzenthinweise", &ExtraFeatures::AccentHints},
    {"Lernverlauf", &ExtraFeatures::LearningHistory},
    {"Austausch", &ExtraFeatures::Exchange},
};

} // namespace

void ExtraFeatures::Read(const Registry& registry) {
    for (const Switch& s : Switches)
        this->*s.flag = registry.readBool(RegistryKey::Extras, s.name).value_or(true);
}

void ExtraFeatures::Write(Registry& registry) const {
    for (const Switch& s : Switches)
        registry.writeBool(RegistryKey::Extras, s.name, this->*s.flag);
}

} // namespace qor
