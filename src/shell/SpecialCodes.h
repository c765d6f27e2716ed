#pragma once
// The live values pages ask the main window for: "$[program]", "$[version]",
// whether an optional library area is installed ("<IF ?recht>") and the
// logged-in user's figures. Codes compare exactly, case included.

#include <string>
#include <string_view>

namespace qor {

struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int release = 0;
    int build = 0;
};

// This program's version.
ProgramVersion ThisProgramVersion();

// Major "." then minor, release and build run together: 1.203 for 1.2.0.3.
std::string VersionText(const ProgramVersion& version);

// What the user base knows of the logged-in user, as the pages show it.
// Times are in days; date-times count days since 30 December 1899.
struct UserFigures {
    std::string name;
    int perfa = 0; // average absolute score of all item records
    int perfr = 0; // average relative score
    int perfd = 0; // average absolute score, direction "deutsch"
    int perff = 0; // average absolute score, direction "fremd"
    int nr = 0;    // item records
    int nrd = 0;
    int nrf = 0;
    int pe = 0;                    // percentage of answers typed
    int pm = 0;                    // ... by multiple choice
    int pv = 0;                    // ... in the bingo game
    bool historyShown = false;     // the statistics page charts the learning history
    int historyMost = 0;           // most answers on a day of that chart
    double loginTime = 0;          // date-time
    double storedLearningTime = 0; // of the earlier logins
};

// "2 Stunden 1 Minute" for a time given in days: hours count whole days.
std::string LearningTimeText(double days);

struct SpecialCodeContext {
    std::string vocabularyRoot; // ends in '/', or empty
    ProgramVersion version;
    const UserFigures* user = nullptr; // null while nobody is logged in
    double now = 0;                    // date-time, for "zeit"
};

// The value of a code, empty when it is unknown or has no value now.
std::string SpecialCodeValue(std::string_view code, const SpecialCodeContext& context);

} // namespace qor
