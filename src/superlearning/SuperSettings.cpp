#include "superlearning/SuperSettings.h"

#include "platform/FileSystem.h"
#include "platform/Registry.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <optional>

namespace qor {

namespace {

struct IntegerValue {
    const char* name;
    int SuperSettings::*field;
    int minimum;
    int maximum;
};

// The integers in the order they are read, with their ranges.
constexpr std::array<IntegerValue, 15> Integers = {{
    {"Modus", &SuperSettings::Modus, 0, 1},
    {"KlassikFaktor", &SuperSettings::KlassikFaktor, 20, 180},
    {"Faktor", &SuperSettings::Faktor, 50, 400},
    {"TextDelay", &SuperSettings::TextDelay, 0, 100},
    {"Madness", &SuperSettings::Madness, 1, 10},
    {"TechnoTransparenz", &SuperSettings::TechnoTransparenz, 0, 100},
    {"TechnoMode", &SuperSettings::TechnoMode, 0, 8},
    {"TechnoRand", &SuperSettings::TechnoRand, 0, 200},
    {"TechnoTextDelay", &SuperSettings::TechnoTextDelay, 0, 100000},
    {"TechnoSpeed", &SuperSettings::TechnoSpeed, -25, 25},
    {"TechnoFrameDelay", &SuperSettings::TechnoFrameDelay, 0, 100000},
    {"DDTextDelay", &SuperSettings::DDTextDelay, 1000, 20000},
    {"DDCharDelay", &SuperSettings::DDCharDelay, 10, 1000},
    {"DDBGRDelay", &SuperSettings::DDBGRDelay, 0, 600},
    {"VegasFaktor", &SuperSettings::VegasFaktor, 20, 200},
}};

struct TextValue {
    const char* name;
    std::string SuperSettings::*field;
};

constexpr std::array<TextValue, 5> Texts = {{
    {"Schrift", &SuperSettings::Schrift},
    {"TechnoPhotoDir", &SuperSettings::TechnoPhotoDir},
    {"TechnoSchrift", &SuperSettings::TechnoSchrift},
    {"DD", &SuperSettings::DD},
    {"MP3", &SuperSettings::MP3},
}};

struct BooleanValue {
    const char* name;
    bool SuperSettings::*field;
};

constexpr std::array<BooleanValue, 5> Booleans = {{
    {"Schwarz-Wei\xDF", &SuperSettings::SchwarzWeiss}, // Windows-1252, as every name
    {"OhneHintergrund", &SuperSettings::OhneHintergrund},
    {"TechnoScrolling", &SuperSettings::TechnoScrolling},
    {"TechnoFading", &SuperSettings::TechnoFading},
    {"Sprachausgabe", &SuperSettings::Sprachausgabe},
}};

std::optional<std::uint32_t> readHex(const Registry& registry, const char* name) {
    const std::optional<std::string> text = registry.readString(SuperRegistryKey, name);
    if (!text || text->empty())
        return std::nullopt;
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value, 16);
    if (error != std::errc() || end != text->data() + text->size())
        return std::nullopt;
    return value;
}

void readColours(const Registry& registry, SuperSettings& settings) {
    const std::optional<std::uint32_t> background = readHex(registry, "CarsonBGRColor");
    const std::optional<std::uint32_t> text = readHex(registry, "CarsonTXTColor");
    if (background && text) {
        settings.CarsonBGRColor = static_cast<Color>(*background);
        settings.CarsonTXTColor = static_cast<Color>(*text);
    }
    const std::optional<std::uint32_t> technoBackground = readHex(registry, "TechnoBGRColor");
    const std::optional<std::uint32_t> technoText = readHex(registry, "TechnoTextColor");
    const std::optional<std::uint32_t> technoTint = readHex(registry, "TechnoBMPColor");
    if (technoBackground && technoText && technoTint) {
        settings.TechnoBGRColor = *technoBackground;
        settings.TechnoTextColor = *technoText;
        settings.TechnoBMPColor = *technoTint;
    }
}

} // namespace

SuperSettings DefaultSuperSettings(const SuperEnvironment& environment) {
    SuperSettings settings;
    const std::string pictures = includeTrailingSeparator(environment.dataDir) + "Techno/";
    settings.TechnoPhotoDir = directoryExists(pictures) ? pictures : std::string();
    const auto installed = [&environment](std::string_view font) {
        return environment.fontInstalled && environment.fontInstalled(font);
    };
    settings.TechnoSchrift = installed("Andale Mono") ? "Andale Mono"
                             : installed("Verdana")   ? "Verdana"
                                                      : "courier new";
    settings.MP3 = includeTrailingSeparator(environment.programDir) + "MP3/";
    settings.Sprachausgabe = environment.speechMedium;
    return settings;
}

SuperSettings ReadSuperSettings(const Registry& registry, const SuperSettings& defaults) {
    SuperSettings settings = defaults;
    if (!registry.keyExists(SuperRegistryKey))
        return settings;
    for (const IntegerValue& value : Integers)
        if (const std::optional<std::int32_t> read =
                registry.readInteger(SuperRegistryKey, value.name))
            settings.*value.field = std::clamp<int>(*read, value.minimum, value.maximum);
    if (const std::optional<std::int32_t> musik = registry.readInteger(SuperRegistryKey, "Musik"))
        settings.Musik = static_cast<MusicSource>(std::clamp<int>(*musik, 0, 2));
    for (const TextValue& value : Texts)
        if (std::optional<std::string> read = registry.readString(SuperRegistryKey, value.name))
            settings.*value.field = std::move(*read);
    for (const BooleanValue& value : Booleans)
        if (const std::optional<bool> read = registry.readBool(SuperRegistryKey, value.name))
            settings.*value.field = *read;
    readColours(registry, settings);
    return settings;
}

void WriteSuperSettings(Registry& registry, const SuperSettings& settings) {
    registry.createKey(SuperRegistryKey);
    for (const IntegerValue& value : Integers)
        registry.writeInteger(SuperRegistryKey, value.name, settings.*value.field);
    registry.writeInteger(SuperRegistryKey, "Musik", static_cast<int>(settings.Musik));
    for (const TextValue& value : Texts)
        registry.writeString(SuperRegistryKey, value.name, settings.*value.field);
    for (const BooleanValue& value : Booleans)
        registry.writeBool(SuperRegistryKey, value.name, settings.*value.field);
    registry.writeString(SuperRegistryKey, "CarsonBGRColor",
                         SixHexDigits(static_cast<std::uint32_t>(settings.CarsonBGRColor)));
    registry.writeString(SuperRegistryKey, "CarsonTXTColor",
                         SixHexDigits(static_cast<std::uint32_t>(settings.CarsonTXTColor)));
    registry.writeString(SuperRegistryKey, "TechnoBGRColor", SixHexDigits(settings.TechnoBGRColor));
    registry.writeString(SuperRegistryKey, "TechnoTextColor",
                         SixHexDigits(settings.TechnoTextColor));
    registry.writeString(SuperRegistryKey, "TechnoBMPColor", SixHexDigits(settings.TechnoBMPColor));
}

std::string SixHexDigits(std::uint32_t value) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%06X", value & 0xFFFFFFu);
    return digits;
}

} // namespace qor
