#pragma once
// How vocabulary is trained: the order of the questions, the direction, the
// share of multiple-choice questions, which entries take part (range,
// phrases, difficulties, score limit), the round size and whether context
// questions are asked. Kept in the settings store under
// "SOFTWARE\QOR\qor spanisch\Vokabeln"; range and round size live only
// while the program runs.

#include "platform/Registry.h"

#include <array>
#include <cstdint>

namespace qor {

class TVocEinstellungen {
public:
    static constexpr const char* Key = "SOFTWARE\\QOR\\qor spanisch\\Vokabeln";

    bool NichtGelesen = true; // the store has not been read yet
    std::uint8_t Modus = 0;   // 0 forwards, 1 backwards, 2 random
    int Von = 0;
    int Bis = -1; // -1: up to the last entry
    int ProRunde = 0;
    int MultipleChoice = 0;     // percent
    std::uint8_t Richtung = 0;  // 0 German-Spanish, 1 Spanish-German, 2 both
    bool Redewendungen = false; // word classes 4 and 5 take part
    bool Kontext = false;
    std::array<bool, 5> NichtZuSchwer{}; // difficulty 0 ... 4 takes part
    int MaxScore = 75;

    // Missing or mistyped values take their defaults.
    void ReadSettings(const Registry& registry);
    void WriteSettings(Registry& registry) const;
    // The settings of area training at level 0 ... 3.
    void Preset(int level);
};

} // namespace qor
