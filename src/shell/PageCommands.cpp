#include "shell/PageCommands.h"

#include "platform/Text.h"

#include <charconv>
#include <limits>

namespace qor {
using namespace literals;

namespace {

enum class Match {
    Exact,        // the part is the text
    Prefix,       // the part is longer than the text and starts with it
    StartsWith,   // the part starts with the text (or is it)
    PrefixAndPlus // a Prefix part whose last character is "+"
};

bool matches(std::string_view part, std::string_view text, Match match) {
    switch (match) {
    case Match::Exact:
        return part == text;
    case Match::Prefix:
        return part.size() > text.size() && part.starts_with(text);
    case Match::StartsWith:
        return part.starts_with(text);
    case Match::PrefixAndPlus:
        return part.size() > text.size() && part.starts_with(text) && part.ends_with('+');
    }
    return false;
}

} // namespace

struct TPageCommands::Row {
    std::string_view text;
    Match match;
    // Runs the row; argument is the part after text.
    void (*run)(TPageCommands& commands, std::string_view argument);
};

// Tried from the top; the first row that matches runs. Rows of functions the
// program does not have yet are listed in docs/ARCHITECTURE.md ("Page
// commands"); each joins this table at its place. One row per line, so the
// formatter leaves the table alone.
// clang-format off
const TPageCommands::Row TPageCommands::Rows[] = {
    {"lab", Match::PrefixAndPlus, [](auto& c, auto) { c.showLabResult("Sehr schön!"); }},
    {"lab-", Match::Exact, [](auto& c, auto) { c.showLabResult("Leider daneben!"); }},
    {"recsetup", Match::Exact, [](auto& c, auto) { c.host_.ShowRecordingSetup(); }},
    {"wavebase", Match::Exact, [](auto& c, auto) { c.host_.ShowWaveBase(); }},
    {"s1", Match::Exact, [](auto& c, auto) { c.state_.TrainingLevel = 0; }},
    {"s2", Match::Exact, [](auto& c, auto) { c.state_.TrainingLevel = 1; }},
    {"s3", Match::Exact, [](auto& c, auto) { c.state_.TrainingLevel = 2; }},
    {"s4", Match::Exact, [](auto& c, auto) { c.state_.TrainingLevel = 3; }},
    {"gws", Match::Exact, [](auto& c, auto) { c.setArea("Grundwortschatz/"); }},
    {"aws", Match::Exact, [](auto& c, auto) { c.setArea("Aufbauwortschatz/"); }},
    {"reise", Match::Exact, [](auto& c, auto) { c.setArea("Reisevokabular/"); }},
    {"oberstufe", Match::Exact, [](auto& c, auto) { c.setArea("Oberstufenwortschatz/"); }},
    {"recht", Match::Exact, [](auto& c, auto) { c.setArea("Recht/"); }},
    {"wirtschaft", Match::Exact, [](auto& c, auto) { c.setArea("Wirtschaft/"); }},
    {"pool", Match::Exact, [](auto& c, auto) { c.setArea("Pool/"); }},
    {"bereich_egal", Match::Exact, [](auto& c, auto) { c.setArea(""); }},
    {"sm", Match::StartsWith, [](auto& c, auto number) { c.setNumberedMode(number); }},
    {"klassisch", Match::Exact, [](auto& c, auto) { c.setTrainingMode(TrainingModes::Classic); }},
    {"abgedreht", Match::Exact, [](auto& c, auto) { c.setTrainingMode(TrainingModes::Abgedreht); }},
    {"abfrage", Match::Exact, [](auto& c, auto) { c.setTrainingMode(TrainingModes::Test); }},
    {"go", Match::Exact, [](auto& c, auto) { c.go(); }},
    {"www", Match::Exact, [](auto& c, auto) { c.host_.OpenHomePage(); }},
    {"www.", Match::StartsWith, [](auto& c, auto address) { c.openUrl("http://www.", address); }},
    {"http://", Match::StartsWith, [](auto& c, auto address) { c.openUrl("http://", address); }},
    {"seekcd", Match::Exact, [](auto& c, auto) { c.seekMedium(); }},
    {"paths", Match::Exact, [](auto& c, auto) { c.host_.ShowPaths(); }},
    {"end", Match::Exact, [](auto& c, auto) { c.host_.Beenden(); }},
};
// clang-format on

void TPageCommands::Run(std::string_view commandList) {
    host_.ProcessMessages();
    const std::string text = lowerCase(commandList);
    abandoned_ = false;
    std::string_view rest = text;
    while (!rest.empty() && !abandoned_) {
        const std::size_t comma = rest.find(',');
        const std::string_view part = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        if (!part.empty() && part.front() != '#')
            runPart(part);
    }
}

void TPageCommands::runPart(std::string_view part) {
    for (const Row& row : Rows) {
        if (matches(part, row.text, row.match)) {
            row.run(*this, part.substr(row.text.size()));
            return;
        }
    }
}

bool TPageCommands::readNumber(std::string_view text, int& number) {
    // A leading "+" is allowed as a sign; anything but digits after the
    // sign is no number.
    if (text.starts_with('+') && text.size() > 1 && text[1] != '-')
        text.remove_prefix(1);
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc() || stop != end) {
        abandonList();
        return false;
    }
    return true;
}

void TPageCommands::showLabResult(const char* text) {
    host_.SetPageDefine("LabErgebnis", utf8ToCp1252(text));
    host_.LoadPage("laborergebnis.htx");
}

void TPageCommands::setArea(const char* folder) {
    state_.TrainingArea = folder;
}

void TPageCommands::setTrainingMode(int mode) {
    state_.TrainingMode = mode;
    state_.ReturnTarget = "Main";
}

void TPageCommands::setNumberedMode(std::string_view number) {
    int mode = 0;
    if (readNumber(number, mode))
        setTrainingMode(mode);
}

void TPageCommands::openUrl(const char* scheme, std::string_view address) {
    host_.OpenUrl(scheme + std::string(address));
}

void TPageCommands::seekMedium() {
    host_.SetPageCondition("cdrom", host_.SearchMedium());
    host_.ReloadPage();
}

void TPageCommands::go() {
    // In query mode the area page leads on to the difficulty page first.
    if (host_.CurrentPageFile() == "v_bereich.htx" && state_.TrainingMode == TrainingModes::Test) {
        host_.LoadPage("v_schwer.htx");
        return;
    }
    if (!host_.StartAreaTraining())
        abandonList();
}

} // namespace qor
