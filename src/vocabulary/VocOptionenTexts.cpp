#include "vocabulary/VocOptionenTexts.h"

#include "controls/XListBox.h"
#include "platform/Text.h"

namespace qor {

namespace {

template <typename Visit> void forEachNonEmpty(const TBibliothek& library, Visit visit) {
    for (int i = 0; i < library.Count(false); ++i)
        if (!library.IsEmpty(i))
            visit(i, *library.Entry(i));
}

} // namespace

std::string ScoreLimitExplanation(int maxScore) {
    if (maxScore <= -100)
        return "Es können nur Vokabeln abgefragt werden, die die letzten 5 Mal falsch gemacht "
               "wurden. Dies dürfte kaum sinnvoll sein."_cp;
    if (maxScore < 0)
        return "Es werden nur Vokabeln abgefragt, die schon mehr oder weniger oft falsch gemacht "
               "wurden, aber keine neuen Vokabeln."_cp;
    if (maxScore == 0)
        return "Es werden nur Vokabeln abgefragt, die entweder neu sind oder überwiegend falsch "
               "gemacht wurden."_cp;
    if (maxScore < 100)
        return "Es werden nur solche Vokabeln ausgeschlossen, die überwiegend richtig beantwortet "
               "wurden und deshalb über dem Grenzwert liegen."_cp;
    return "Es werden alle Vokabeln abgefragt. Der Grenzwert ist inaktiv.";
}

std::vector<std::string> EntryListItems(const TBibliothek& library, bool userLoggedIn) {
    std::vector<std::string> items;
    forEachNonEmpty(library, [&](int, const TVokabel& entry) {
        std::string item(1, entry.Deutsch ? OnMarker : OffMarker);
        item += entry.Vokabel;
        if (userLoggedIn)
            item += "&" + std::to_string(entry.Score) + "%";
        items.push_back(std::move(item));
    });
    return items;
}

std::vector<std::string> RangeItems(const TBibliothek& library) {
    std::vector<std::string> items;
    forEachNonEmpty(library, [&](int i, const TVokabel& entry) {
        items.push_back(std::to_string(i + 1) + "   " + entry.Vokabel);
    });
    return items;
}

std::string EntryCountText(const TBibliothek& library, bool userLoggedIn) {
    int count = 0;
    forEachNonEmpty(library, [&](int, const TVokabel&) { ++count; });
    std::string text = std::to_string(count) + " Vokabeln";
    if (userLoggedIn && count > 0)
        text += " - Durchschnittliche Performance: " + std::to_string(library.Durchschnitt()) + "%";
    return text;
}

bool SettingsUsable(int activeCount, const TVocEinstellungen& settings) {
    return activeCount > 0 && !(settings.Modus == 2 && activeCount < settings.ProRunde);
}

} // namespace qor
