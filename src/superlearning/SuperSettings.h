#pragma once
// Every setting of superlearning, with its default, its range and its
// registry value: the presentation modes "klassisch", "abgedreht", Techno
// and DD, the bingo game's speed, the music and the speech output.

#include "graphics/Color.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace qor {

class Registry;

enum class MusicSource : int { None = 0, AudioCd = 1, Mp3 = 2 };

struct SuperSettings {
    int Modus = 0; // the full-screen window: 0 "klassisch", 1 "abgedreht"
    int KlassikFaktor = 100;
    std::string Schrift = "Arial";
    bool SchwarzWeiss = false;
    bool OhneHintergrund = false;
    int Faktor = 100;   // ms, the pause unit of "abgedreht"
    int TextDelay = 80; // hundreds of message-loop rounds after each letter
    int Madness = 9;
    Color CarsonBGRColor = 0xFFFFFF; // the platform's colour value
    Color CarsonTXTColor = 0x000000;
    std::string TechnoPhotoDir;
    int TechnoTransparenz = 40;
    int TechnoMode = 0;
    int TechnoRand = 100;
    std::uint32_t TechnoBGRColor = 0x000000; // red, green, blue
    std::uint32_t TechnoTextColor = 0xFFFFFF;
    std::uint32_t TechnoBMPColor = 0x990099;
    std::string TechnoSchrift;
    bool TechnoScrolling = false;
    int TechnoTextDelay = 3000;
    bool TechnoFading = true;
    int TechnoSpeed = 1;
    int TechnoFrameDelay = 4000;
    std::string DD; // a fixed background page of DD; empty: random
    int DDTextDelay = 2000;
    int DDCharDelay = 40;
    int DDBGRDelay = 60;
    int VegasFaktor = 100;
    MusicSource Musik = MusicSource::Mp3;
    std::string MP3;
    bool Sprachausgabe = false;

    bool operator==(const SuperSettings&) const = default;
};

// What the defaults depend on.
struct SuperEnvironment {
    std::string programDir;    // "MP3/" below it is the default music folder
    std::string dataDir;       // "Techno/" below it is the default picture folder
    bool speechMedium = false; // the sound directory holds "QOR_S"
    std::function<bool(std::string_view)> fontInstalled;
};

constexpr const char* SuperRegistryKey = "SOFTWARE\\QOR\\qor spanisch\\Super";

SuperSettings DefaultSuperSettings(const SuperEnvironment& environment);

// The stored values over the defaults: a value that is missing or cannot be
// read keeps its default, numbers are clamped into their ranges, and a colour
// group with one bad value takes the defaults of the whole group.
SuperSettings ReadSuperSettings(const Registry& registry, const SuperSettings& defaults);
void WriteSuperSettings(Registry& registry, const SuperSettings& settings);

// Colours as stored: six upper-case hex digits.
std::string SixHexDigits(std::uint32_t value);

} // namespace qor
