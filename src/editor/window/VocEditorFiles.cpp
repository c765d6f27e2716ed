// The editor's library commands: new, open, add, save, import, a random
// library from the dictionary, information and the order of the entries.
// They work as in the training settings window; before the library is
// replaced, unsaved changes are offered for saving.

#include "editor/dialogs/ImportDialog.h"
#include "editor/dialogs/Zufall.h"
#include "editor/model/ImportSettings.h"
#include "editor/window/FrListe.h"
#include "editor/window/VocEditor.h"
#include "platform/AppMessage.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/QtText.h"
#include "platform/Text.h"
#include "vocabulary/BInfo.h"
#include "vocabulary/LibraryFileDialogs.h"
#include "vocabulary/RecentLibraryMenu.h"

#include <QAction>
#include <QApplication>
#include <QLabel>

namespace qor {
using namespace literals;

// False when the user cancelled, or chose to save and the save did not
// happen: the library must then not be replaced, the editor not left.
bool TVocEditor::askToSaveChanges(bool leaving) {
    if (!library_.Geaendert())
        return true;
    const std::string question = leaving ? "Sollen die Veränderungen jetzt gespeichert werden?"
                                         : "Sollen die Veränderungen gespeichert werden?";
    const int answer =
        AppMessage(utf8ToCp1252("Die aktuelle Bibliothek wurde verändert.\n" + question),
                   MessageStyle::YesNoCancel);
    if (answer == MessageResult::Cancel)
        return false;
    if (answer == MessageResult::Yes)
        SpeichernUnter();
    return answer != MessageResult::Yes || !library_.Geaendert();
}

void TVocEditor::afterLoad() {
    library_.setAktuell(0);
    Zeigen();
    recentFiles_->update();
}

void TVocEditor::Neu() {
    if (!askToSaveChanges(false))
        return;
    library_.Clear(true);
    afterLoad();
}

void TVocEditor::Oeffnen() {
    if (!askToSaveChanges(false))
        return;
    if (const auto path = AskLibraryToOpen(config_)) {
        library_.Load(*path, true);
        library_.AddRecent(*path);
        afterLoad();
    }
}

// A recent file replaces the library too, so its changes are offered for
// saving first.
void TVocEditor::LoadRecent(const std::string& path) {
    if (!askToSaveChanges(false))
        return;
    library_.Load(path, true);
    library_.AddRecent(path);
    afterLoad();
}

void TVocEditor::Hinzufuegen() {
    const auto path = AskLibraryToOpen(config_);
    if (!path)
        return;
    library_.Load(*path, false);
    settings_.Bis = -1;
    afterLoad();
}

void TVocEditor::Speichern() {
    if (!libraryHasNoGap("Die Bibliothek enthält eine unvollständige Vokabel!\nBitte "
                         "vervollständigen oder löschen Sie diese Vokabel\nund speichern Sie dann "
                         "die Bibliothek erneut."))
        return;
    SaveLibrary(library_, config_);
    FrListe->lDatei->setText(toQString(library_.DisplayName()));
    recentFiles_->update();
}

void TVocEditor::SpeichernUnter() {
    SaveLibraryAs(library_, config_);
    FrListe->lDatei->setText(toQString(library_.DisplayName()));
    recentFiles_->update();
}

// An empty entry in the middle is selected and the user told to complete it.
bool TVocEditor::libraryHasNoGap(const char* message) {
    const int gap = library_.FirstGap();
    if (gap < 0)
        return true;
    ShowEntry(gap);
    AppMessage(utf8ToCp1252(message));
    return false;
}

void TVocEditor::Importieren() {
    if (!askToSaveChanges(false))
        return;
    TImport dialog(registry_, config_.PageRoot + "hqor/", this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    FileDialogRequest request;
    request.directory = ImportStartDirectory(registry_, config_.VocabularyFileDir);
    request.filter = "Text-Dateien (*.txt)";
    const std::optional<std::string> path = askOpenFileName(request);
    if (!path)
        return;
    library_.Import(*path, dialog.structureText(), ImportSeparator(dialog.separatorText()));
    WriteImportSettings(registry_,
                        {dialog.separatorText(), dialog.structureText(), extractFileDir(*path)});
    afterLoad();
}

void TVocEditor::ZufaelligErzeugen() {
    TZufall dialog(this);
    if (dialog.exec() != QDialog::Accepted || !askToSaveChanges(false))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    library_.Clear(true);
    afterLoad();
    const bool lookUp = mNachschlagen->isChecked();
    mNachschlagen->setChecked(false);
    fillRandomLibrary(dialog.size(), dialog.percent(), dialog.phrases());
    if (dialog.sortAlphabetically())
        Sortieren();
    library_.setAktuell(0);
    Zeigen();
    mNachschlagen->setChecked(lookUp);
    QApplication::restoreOverrideCursor();
}

void TVocEditor::Info() {
    TBInfo(library_.Eintraege(), this).exec();
}

void TVocEditor::Sortieren() {
    if (!libraryHasNoGap("Die Bibliothek enthält eine unvollständige Vokabel!\nBitte "
                         "vervollständigen oder löschen Sie diese Vokabel."))
        return;
    library_.SortInTwoBlocks();
    Zeigen();
}

void TVocEditor::Mischen() {
    library_.Shuffle();
    afterLoad();
}

void TVocEditor::DoppelteEntfernen() {
    const int removed = library_.RemoveDuplicates(true);
    afterLoad();
    AppMessage(std::to_string(removed) + " doppelte Vokabeln wurden entfernt!");
}

void TVocEditor::Umkehren() {
    library_.Reverse();
    afterLoad();
}

} // namespace qor
