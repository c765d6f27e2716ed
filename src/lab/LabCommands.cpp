#include "lab/LabCommands.h"

#include "lab/ThemenListe.h"
#include "platform/Text.h"

#include <string_view>

namespace qor {

namespace {

constexpr const char* SentencePage = "labor.htx";

// Every row that needs the topics does nothing without them.
template <typename Action> auto withTopics(LabHost& host, Action action) {
    return [&host, action](RunningCommandList& list, std::string_view argument) {
        if (TThemenListe* themen = host.themenListe())
            action(*themen, list, argument);
    };
}

void showResult(CommandPage& page, const char* text) {
    page.setPageDefine("LabErgebnis", utf8ToCp1252(text));
    page.loadPage("laborergebnis.htx");
}

void nextSentence(TThemenListe& themen, CommandPage& page) {
    themen.NextSentence();
    themen.ShowSentence(page);
    page.loadPage(SentencePage);
}

// The two characters after "thema"; the list page writes them with a
// leading blank.
void chooseTopic(TThemenListe& themen, CommandPage& page, RunningCommandList& list,
                 std::string_view argument) {
    std::string_view number = argument.substr(0, 2);
    while (!number.empty() && number.front() == ' ')
        number.remove_prefix(1);
    int thema = 0;
    if (!list.readNumber(number, thema))
        return;
    themen.ChooseTopic(thema);
    themen.ShowSentence(page);
    page.loadPage(SentencePage);
}

} // namespace

// One row per line, so the formatter leaves the table alone.
// clang-format off
CommandBlock labCommands(LabHost& host, CommandPage& page) {
    return {
        {"+deutsch", CommandMatch::Exact, withTopics(host, [](TThemenListe& t, auto&, auto) { t.SetDeutsch(true); })},
        {"-deutsch", CommandMatch::Exact, withTopics(host, [](TThemenListe& t, auto&, auto) { t.SetDeutsch(false); })},
        {"+diktat", CommandMatch::Exact, withTopics(host, [](TThemenListe& t, auto&, auto) { t.SetDiktat(true); })},
        {"-diktat", CommandMatch::Exact, withTopics(host, [](TThemenListe& t, auto&, auto) { t.SetDiktat(false); })},
        {"+autoread", CommandMatch::Exact, withTopics(host, [](TThemenListe& t, auto&, auto) { t.SetAutomatik(true); })},
        {"-autoread", CommandMatch::Exact, withTopics(host, [](TThemenListe& t, auto&, auto) { t.SetAutomatik(false); })},
        {"lab", CommandMatch::Exact, withTopics(host, [&page](TThemenListe& t, auto&, auto) { t.ShowSentence(page); })},
        {"labsprich", CommandMatch::Exact, withTopics(host, [](TThemenListe& t, auto&, auto) { t.SpeakSentence(false); })},
        {"labsprichlangsam", CommandMatch::Exact, withTopics(host, [](TThemenListe& t, auto&, auto) { t.SpeakSentence(true); })},
        {"lab", CommandMatch::PrefixAndPlus, [&page](auto&, auto) { showResult(page, "Sehr schön!"); }},
        {"lab-", CommandMatch::Exact, [&page](auto&, auto) { showResult(page, "Leider daneben!"); }},
        {"labnext", CommandMatch::Exact, withTopics(host, [&page](TThemenListe& t, auto&, auto) { nextSentence(t, page); })},
        {"lablist", CommandMatch::Exact, withTopics(host, [&page](TThemenListe& t, auto&, auto) { t.ShowTopicList(page); })},
        {"thema", CommandMatch::StartsWith, withTopics(host, [&page](TThemenListe& t, auto& list, auto n) { chooseTopic(t, page, list, n); })},
    };
}
// clang-format on

} // namespace qor
