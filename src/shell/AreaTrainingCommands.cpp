#include "shell/AreaTrainingCommands.h"

#include <string_view>

namespace qor {

namespace {

void setTrainingMode(MainWindowState& state, int mode) {
    state.TrainingMode = mode;
    state.ReturnTarget = "Main";
}

void setNumberedMode(RunningCommandList& list, MainWindowState& state, std::string_view number) {
    int mode = 0;
    if (list.readNumber(number, mode))
        setTrainingMode(state, mode);
}

void go(RunningCommandList& list, MainWindowState& state, CommandPage& page,
        AreaTrainingHost& host) {
    // In query mode the area page leads on to the difficulty page first.
    if (page.currentPageFile() == "v_bereich.htx" && state.TrainingMode == TrainingModes::Test) {
        page.loadPage("v_schwer.htx");
        return;
    }
    if (!host.startAreaTraining())
        list.abandonRest();
}

} // namespace

CommandBlock areaTrainingCommands(MainWindowState& state, CommandPage& page,
                                  AreaTrainingHost& host) {
    const auto setsLevel = [&state](int level) {
        return [&state, level](auto&, auto) {
            state.TrainingLevel = level;
        };
    };
    const auto setsArea = [&state](const char* folder) {
        return [&state, folder](auto&, auto) {
            state.TrainingArea = folder;
        };
    };
    const auto setsMode = [&state](int mode) {
        return [&state, mode](auto&, auto) {
            setTrainingMode(state, mode);
        };
    };
    // One row per line, so the formatter leaves the table alone.
    // clang-format off
    return {
        {"s1", CommandMatch::Exact, setsLevel(0)},
        {"s2", CommandMatch::Exact, setsLevel(1)},
        {"s3", CommandMatch::Exact, setsLevel(2)},
        {"s4", CommandMatch::Exact, setsLevel(3)},
        {"gws", CommandMatch::Exact, setsArea("Grundwortschatz/")},
        {"aws", CommandMatch::Exact, setsArea("Aufbauwortschatz/")},
        {"reise", CommandMatch::Exact, setsArea("Reisevokabular/")},
        {"oberstufe", CommandMatch::Exact, setsArea("Oberstufenwortschatz/")},
        {"recht", CommandMatch::Exact, setsArea("Recht/")},
        {"wirtschaft", CommandMatch::Exact, setsArea("Wirtschaft/")},
        {"pool", CommandMatch::Exact, setsArea("Pool/")},
        {"bereich_egal", CommandMatch::Exact, setsArea("")},
        {"sm", CommandMatch::StartsWith, [&state](auto& list, auto number) { setNumberedMode(list, state, number); }},
        {"klassisch", CommandMatch::Exact, setsMode(TrainingModes::Classic)},
        {"abgedreht", CommandMatch::Exact, setsMode(TrainingModes::Abgedreht)},
        {"abfrage", CommandMatch::Exact, setsMode(TrainingModes::Test)},
        {"go", CommandMatch::Exact, [&state, &page, &host](auto& list, auto) { go(list, state, page, host); }},
    };
    // clang-format on
}

} // namespace qor
