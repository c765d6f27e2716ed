// The conjugation table of one verb and the list of all verbs.

#include "core/CommandPage.h"
#include "platform/Text.h"
#include "verbs/Verben.h"

#include <cstdio>

namespace qor {
using namespace literals;

namespace {

constexpr int VerbsPerColumn = 15;
constexpr int ListColumns = 6;

std::string tenseBlock(const VerbRecord& verb, int slot) {
    std::string block = "<+zeit>" + std::string(TenseNames[static_cast<std::size_t>(slot)]) + "<p>";
    for (const VerbForm& form : verb.tenses[static_cast<std::size_t>(slot)]) {
        // A missing form counts as irregular, so its gap keeps the style.
        block += form.regular && !form.text.empty() ? "<+reg>" : "<+irr>";
        if (form.text.empty())
            block += "&nbsp; <br>";
        else if (slot == ImperativeSlot)
            block += "¡"_cp + form.text + "!<br>";
        else
            block += form.text + "<br>";
    }
    return block;
}

} // namespace

void TVerben::ShowVerbTable(CommandPage& page, int verb) {
    shownVerb_ = verb;
    const VerbRecord& record = Verb(verb);
    page.setPageDefine("Infinitiv", record.Infinitiv);
    page.setPageDefine("Bedeutung", record.Bedeutung);
    for (int slot = 0; slot < TenseSlots; ++slot)
        page.setPageDefine("zeit" + std::to_string(slot), tenseBlock(record, slot));
    std::string pronouns = "<+zeit>&nil;<p>";
    for (int person = 0; person < Persons; ++person)
        pronouns += "<+reg>" + Pronoun(person) + "<br>";
    page.setPageDefine("pron", pronouns);
    page.loadPage("verbtafel.htx");
}

void TVerben::ShowVerbList(CommandPage& page) const {
    for (int column = 0; column < ListColumns; ++column) {
        std::string links;
        for (int row = 0; row < VerbsPerColumn; ++row) {
            const int verb = column * VerbsPerColumn + row;
            char number[8];
            std::snprintf(number, sizeof number, "%2d", verb);
            links += "<a href=\"§showverb"_cp + number + "\" flash=flashcol>" +
                     Verb(verb).Infinitiv + "</a><br>";
        }
        page.setPageDefine("VerbListe" + std::to_string(column + 1), links);
    }
    page.loadPage("verbliste.htx");
    // The page holds its text now; the long lists need not stay around.
    for (int column = 0; column < ListColumns - 1; ++column)
        page.setPageDefine("VerbListe" + std::to_string(column + 1), "");
}

} // namespace qor
