#include "vocabulary/VocEinstellungen.h"

#include "platform/Text.h"

#include <algorithm>
#include <string>

namespace qor {
using namespace literals;

namespace {

const std::string& backwards() {
    static const std::string text = "zurück"_cp;
    return text;
}

std::string difficultyName(int level) {
    return "NichtZuSchwer" + std::to_string(level + 1);
}

} // namespace

void TVocEinstellungen::ReadSettings(const Registry& registry) {
    const std::string modus = registry.readString(Key, "Modus").value_or("");
    Modus = modus == "vor" ? 0 : modus == backwards() ? 1 : 2;
    const std::string richtung = registry.readString(Key, "Richtung").value_or("");
    Richtung = richtung == "D-E" ? 0 : richtung == "E-D" ? 1 : 2;
    MultipleChoice = registry.readInteger(Key, "Multiple Choice/Eintippen").value_or(50);
    Kontext = registry.readBool(Key, "Kontext").value_or(true);
    Redewendungen = registry.readBool(Key, "Redewendungen").value_or(true);
    // One switch that cannot be read switches all of them on.
    std::array<std::optional<bool>, 5> levels;
    for (int level = 0; level < 5; ++level)
        levels[static_cast<std::size_t>(level)] = registry.readBool(Key, difficultyName(level));
    const bool complete =
        std::ranges::all_of(levels, [](const auto& on) { return on.has_value(); });
    for (std::size_t level = 0; level < levels.size(); ++level)
        NichtZuSchwer[level] = !complete || *levels[level];
    MaxScore = registry.readInteger(Key, "MaxScore").value_or(75);
    NichtGelesen = false;
}

void TVocEinstellungen::WriteSettings(Registry& registry) const {
    registry.writeString(Key, "Modus",
                         Modus == 0   ? "vor"
                         : Modus == 1 ? backwards()
                                      : "kreuzundquer");
    registry.writeString(Key, "Richtung", Richtung == 0 ? "D-E" : Richtung == 1 ? "E-D" : "Beides");
    registry.writeBool(Key, "Kontext", Kontext);
    registry.writeBool(Key, "Redewendungen", Redewendungen);
    registry.writeInteger(Key, "Multiple Choice/Eintippen", MultipleChoice);
    for (int level = 0; level < 5; ++level)
        registry.writeBool(Key, difficultyName(level),
                           NichtZuSchwer[static_cast<std::size_t>(level)]);
    registry.writeInteger(Key, "MaxScore", MaxScore);
}

void TVocEinstellungen::Preset(int level) {
    Modus = 2;
    MultipleChoice = 60;
    Richtung = 2;
    Redewendungen = true;
    Von = 0;
    Bis = -1;
    ProRunde = 12;
    MaxScore = 75;
    static constexpr std::array<std::array<bool, 5>, 4> levels = {{
        {true, true, true, false, false},
        {false, true, true, true, false},
        {false, false, false, true, true},
        {true, true, true, true, true},
    }};
    if (level >= 0 && level < 4)
        NichtZuSchwer = levels[static_cast<std::size_t>(level)];
}

} // namespace qor
