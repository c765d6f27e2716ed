// The editor's exchange with other trainers: a CSV or KVTML file becomes the
// library or is added to it, and the library is exported as either.

#include "editor/window/VocEditor.h"
#include "vocabulary/LibraryExchange.h"

namespace qor {

// The file replaces the library, so its changes are offered for saving first.
void TVocEditor::AustauschImportieren(bool replace) {
    if (replace && !askToSaveChanges(false))
        return;
    if (!AskAndImportExchangeFile(library_, config_, replace))
        return;
    settings_.Bis = -1;
    afterLoad();
}

void TVocEditor::AustauschExportieren(ExchangeFormat format) {
    AskAndExportExchangeFile(library_, config_, format);
}

} // namespace qor
