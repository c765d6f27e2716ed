#include "vocabulary/LearningPreCheck.h"

#include "platform/AppMessage.h"
#include "vocabulary/Bibliothek.h"

namespace qor {

bool LearningPreCheck(const TBibliothek& library, TVocEinstellungen& settings) {
    const int last = library.Count(false) - 1;
    if (last < 0) {
        AppMessage("Noch keine Bibliothek geladen! Was wollen Sie denn lernen?\?\?!");
        return false;
    }
    if (settings.Von < 0 || settings.Von >= last)
        settings.Von = 0;
    if (settings.Bis < 0 || settings.Bis >= last)
        settings.Bis = last;
    return true;
}

} // namespace qor
