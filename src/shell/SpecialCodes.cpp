#include "shell/SpecialCodes.h"

#include "core/SharedRoutines.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace qor {

namespace {

constexpr std::int64_t MillisecondsPerDay = 24 * 60 * 60 * 1000;

std::string plus(bool on) {
    return on ? "+" : "";
}

bool holdsLibraries(const std::string& dir) {
    return CountFilesWithExtension(dir, ".asc") > 0;
}

std::string userValue(std::string_view code, const UserFigures& user, double now) {
    if (code == "user")
        return user.name;
    if (code == "zeit") {
        // Full date-times: a session that began before midnight counts on.
        const double session = std::max(0.0, now - user.loginTime);
        return LearningTimeText(session + user.storedLearningTime);
    }
    if (code == "lernverlauf") // a condition: "+" shows the history chart
        return user.historyShown ? "+" : "";
    const std::pair<std::string_view, int> figures[] = {
        {"perfa", user.perfa},
        {"perfr", user.perfr},
        {"perfd", user.perfd},
        {"perff", user.perff},
        {"nr", user.nr},
        {"nrd", user.nrd},
        {"nrf", user.nrf},
        {"pe", user.pe},
        {"pm", user.pm},
        {"pv", user.pv},
        {"verlauf", user.historyMost},
    };
    for (const auto& [name, value] : figures)
        if (code == name)
            return std::to_string(value);
    return {};
}

} // namespace

ProgramVersion ThisProgramVersion() {
    return {QOR_VERSION_MAJOR, QOR_VERSION_MINOR, QOR_VERSION_PATCH, QOR_VERSION_TWEAK};
}

std::string VersionText(const ProgramVersion& version) {
    return std::to_string(version.major) + "." + std::to_string(version.minor) +
           std::to_string(version.release) + std::to_string(version.build);
}

std::string LearningTimeText(double days) {
    if (!(days > 0)) // also not a number
        days = 0;
    const double wholeDays = std::floor(days);
    // The time of day is counted in whole milliseconds, as clocks show it.
    const std::int64_t milliseconds =
        static_cast<std::int64_t>(wholeDays) * MillisecondsPerDay +
        std::llround((days - wholeDays) * static_cast<double>(MillisecondsPerDay));
    const std::int64_t hours = milliseconds / 3'600'000;
    const std::int64_t minutes = milliseconds / 60'000 % 60;
    return std::to_string(hours) + (hours == 1 ? " Stunde " : " Stunden ") +
           std::to_string(minutes) + (minutes == 1 ? " Minute" : " Minuten");
}

std::string SpecialCodeValue(std::string_view code, const SpecialCodeContext& context) {
    if (code.starts_with("program"))
        return "*qor spanisch";
    if (code.starts_with("version"))
        return VersionText(context.version);
    const std::string& root = context.vocabularyRoot;
    if (code == "recht")
        return plus(!root.empty() && directoryExists(root + "Recht"));
    if (code == "reise")
        return plus(!root.empty() && directoryExists(root + "Reisevokabular"));
    if (code == "oberstufe")
        return plus(!root.empty() && holdsLibraries(root + "Oberstufenwortschatz"));
    if (code == "pool")
        return plus(!root.empty() && holdsLibraries(root + "Pool"));
    if (code == "wirtschaft")
        return plus(!root.empty() && directoryExists(root + "Wirtschaft"));
    if (!context.user)
        return {};
    return userValue(code, *context.user, context.now);
}

} // namespace qor
