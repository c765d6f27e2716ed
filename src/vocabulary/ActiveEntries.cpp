#include "vocabulary/ActiveEntries.h"

namespace qor {

bool IsActive(const TVokabel& entry, const TVocEinstellungen& settings, bool userLoggedIn) {
    if (entry.IsEmpty())
        return false;
    if (entry.Wortart >= WordClass::RedewendungMitVerb && !settings.Redewendungen)
        return false;
    if ((settings.Richtung == 0 && !entry.Deutsch) || (settings.Richtung == 1 && entry.Deutsch))
        return false;
    if (entry.Schwierigkeit >= settings.NichtZuSchwer.size() ||
        !settings.NichtZuSchwer[entry.Schwierigkeit])
        return false;
    return !userLoggedIn || entry.Score <= settings.MaxScore;
}

int ActiveCount(const TBibliothek& library, TVocEinstellungen& settings, bool userLoggedIn) {
    const int count = library.Count(false);
    if (settings.Von == -1)
        settings.Von = 0;
    if (settings.Bis == -1)
        settings.Bis = count - 1;
    if (count == 0 || settings.Von >= count || settings.Bis >= count || settings.Bis < settings.Von)
        return 0;
    int active = 0;
    for (int i = settings.Von; i <= settings.Bis; ++i)
        active += IsActive(*library.Entry(i), settings, userLoggedIn);
    return active;
}

} // namespace qor
