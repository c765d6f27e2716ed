#include "verbs/VerbCommands.h"

#include "verbs/Verben.h"

#include <string_view>

namespace qor {

namespace {

// Every row does nothing before the verb trainer exists.
template <typename Action> auto withVerbs(VerbHost& host, Action action) {
    return [&host, action](RunningCommandList& list, std::string_view argument) {
        if (TVerben* verben = host.verben())
            action(*verben, list, argument);
    };
}

void showVerb(TVerben& verben, CommandPage& page, RunningCommandList& list,
              std::string_view number) {
    // The list page writes the numbers with leading blanks.
    while (!number.empty() && number.front() == ' ')
        number.remove_prefix(1);
    int verb = 0;
    if (list.readNumber(number, verb))
        verben.ShowVerbTable(page, verb);
}

void startDrill(TVerben& verben, VerbHost& host, CommandPage& page) {
    if (verben.BuildActiveLists())
        verben.NextQuestion(page, true);
    else
        host.GoVerbEinstellungen();
}

void preset(TVerben& verben, const char* verbs, const char* tenses) {
    verben.SetVerbSelection(verbs);
    verben.SetTenseSelection(tenses);
}

} // namespace

// One row per line, so the formatter leaves the table alone.
// clang-format off
CommandBlock verbListCommands(VerbHost& host, CommandPage& page) {
    return {
        {"verblist", CommandMatch::Exact, withVerbs(host, [&page](TVerben& v, auto&, auto) { v.ShowVerbList(page); })},
        {"showverb", CommandMatch::Prefix, withVerbs(host, [&page](TVerben& v, auto& list, auto n) { showVerb(v, page, list, n); })},
        {"vtafel", CommandMatch::Exact, withVerbs(host, [&page](TVerben& v, auto&, auto) { v.ShowVerbTable(page, v.ShownVerb()); })},
        {"verbmanuell", CommandMatch::Exact, withVerbs(host, [&host](TVerben&, auto&, auto) { host.setReturnPage("verben.htx"); host.GoVerbEinstellungen(); })},
        {"verb", CommandMatch::Exact, withVerbs(host, [&host, &page](TVerben& v, auto&, auto) { startDrill(v, host, page); })},
    };
}

CommandBlock verbAnswerCommands(VerbHost& host, CommandPage& page) {
    return {
        {"verbweiter", CommandMatch::Exact, withVerbs(host, [&page](TVerben& v, auto&, auto) { v.NextQuestion(page, false); })},
        {"verb", CommandMatch::Prefix, withVerbs(host, [&page](TVerben& v, auto&, auto outcome) { v.Evaluate(page, outcome); })},
    };
}

CommandBlock verbPresetCommands(VerbHost& host) {
    return {
        {"vt0", CommandMatch::Exact, withVerbs(host, [](TVerben& v, auto&, auto) { v.LoadSelection(); })},
        {"vt1", CommandMatch::Exact, withVerbs(host, [](TVerben& v, auto&, auto) { preset(v, "+++-------+-------------+-------+---------+-------+-------", "+---------------"); })},
        {"vt2", CommandMatch::Exact, withVerbs(host, [](TVerben& v, auto&, auto) { preset(v, "+++++-----+--+++--+---+++-+--+-++---------+---+---+--+--+-", "+--+----+-------"); })},
        {"vt3", CommandMatch::Exact, withVerbs(host, [](TVerben& v, auto&, auto) { preset(v, "+++++---+-+--++++-++-++++-+-+++++--+-+---++---+---+--+-+++", "+++++-+++-----+-"); })},
        {"vt4", CommandMatch::Exact, withVerbs(host, [](TVerben& v, auto&, auto) { preset(v, "", ""); /* every verb, every tense */ })},
    };
}
// clang-format on

} // namespace qor
