#pragma once
// "qor spanisch - Vokabeleditor": the window in which the open vocabulary
// library is edited entry by entry, side by side with the dictionary. On the
// left the entry list with the file and entry commands (TFrListe), on the
// right the fields of the current entry with the dictionary panel at their
// foot (TVokabelFrame), below them the navigation bar (TFrNavigation). It
// looks entries up in the dictionary, takes dictionary entries over, checks
// the library against the dictionary and records spoken words.
//
// The editor stands in place of the main window, or, started with
// "editor", is the program on its own (Eigenstaendig). When it is left it
// tells OnLeave where the user wants to go and deletes itself.

#include "core/Configuration.h"
#include "dictionary/XDatabase.h"
#include "editor/model/EditorScheme.h"
#include "editor/model/LibrarySearch.h"
#include "platform/Registry.h"
#include "sound/MciSenders.h"
#include "vocabulary/Bibliothek.h"
#include "vocabulary/VocEinstellungen.h"

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QMenu;

namespace qor {

class RecentLibraryMenu;
enum class ExchangeFormat;
class TFrListe;
class TFrNavigation;
class TVokabelFrame;
class TXWaveBase;
class tWaveRec;

// Where the user goes from the editor.
enum class EditorExit {
    Home,          // the start page
    Settings,      // the training settings window
    Training,      // a training of the library ("vabfrage" in the main window)
    Superlearning, // superlearning with the library, in SuperlearningStyle()
    Quit,          // the end of the program (the editor on its own)
};

struct VocEditorContext {
    TBibliothek& library;
    TVocEinstellungen& settings;
    Configuration& config;
    Registry& registry;
    TXDatabase& dictionary;
    TXWaveBase* waveBase = nullptr; // null: no recordings
    // Whether a training can start with the library and the settings; tells
    // the user why not.
    std::function<bool()> trainingPreCheck;
    // Asks to be told whenever the dictionary window has shown a change of
    // the dictionary; an empty function ends that.
    std::function<void(std::function<void()>)> watchDictionary;
    std::function<std::string(const std::string&, bool)> sendMci = SendMci;
};

class TVocEditor : public QMainWindow {
    Q_OBJECT
public:
    explicit TVocEditor(VocEditorContext context, QWidget* parent = nullptr);
    // Writes a changed colour scheme as the default one.
    ~TVocEditor() override;
    TVocEditor(const TVocEditor&) = delete;
    TVocEditor& operator=(const TVocEditor&) = delete;

    // Told once, when the window is left; the window deletes itself afterwards.
    std::function<void(EditorExit)> OnLeave;

    bool Beschaeftigt() const { return beschaeftigt_; }
    // The superlearning style the window was left for: 0 "klassisch", 1
    // "abgedreht", 2 "techno", 3 "super dd".
    int SuperlearningStyle() const { return superlearningStyle_; }
    bool Eigenstaendig() const { return eigenstaendig_; }
    EditorScheme& Scheme() { return scheme_; }

    // The parts of the window.
    TFrListe* FrListe = nullptr;
    TVokabelFrame* VokabelFrame = nullptr;
    TFrNavigation* FrNavigation = nullptr;

    // Navigation and entries.
    // The user chose a line: refused while an empty entry in the middle is current.
    void ListeChange(int line);
    void ZurFolgenden();
    void ZurVorhergehenden();
    void EinfuegenVor();
    void EinfuegenNach();
    void VokabelLoeschen();
    // Makes entry the current one and shows it, whatever it holds.
    void ShowEntry(int entry);

    // File commands (VocEditorFiles.cpp).
    void Neu();
    void Oeffnen();
    void Hinzufuegen();
    void LoadRecent(const std::string& path);
    void Speichern();
    void SpeichernUnter();
    void Importieren();
    // VocEditorExchange.cpp: a CSV or KVTML file as the library or into it,
    // the library as either.
    void AustauschImportieren(bool replace);
    void AustauschExportieren(ExchangeFormat format);
    void ZufaelligErzeugen();
    void Info();
    void Sortieren();
    void Mischen();
    void DoppelteEntfernen();
    void Umkehren();

    // The dictionary (VocEditorDictionary.cpp).
    void Nachschlagen();
    void Uebernehmen();
    void Kontrollieren();
    void XPressKontrolle();
    void KontexteAbgleichen();
    // Shows the dictionary's current entry; the dictionary window calls it.
    void DictionaryShown();

    // Search and look.
    void Suchen();
    void Weitersuchen();
    void Anpassen();
    void ApplyScheme();
    // "Fenstergröße": the window takes the size and is centred.
    void SetWindowSize(int width, int height);

    // Leaving.
    void Home();
    void Einstellungen();
    void Abfragen();
    // Superlearning with the library in a style, when it has entries.
    void Superlearning(int style);
    void Beenden();

    // Recording (VocEditorRecording.cpp).
    void AufnahmeClick(bool on);
    void AbspielenClick(bool on);
    void AufnahmeSpeichern();
    void RecordingTimer();

    // The menu switches.
    QAction* mNachschlagen = nullptr;   // "Ständig nachschlagen"
    QAction* mMultipleChoice = nullptr; // "Mult. Choice kontrollieren"
    QAction* mAutomatischWB = nullptr;  // "Neue Vokabeln automatisch ins Wörterbuch"
    QAction* mOnlineHilfe = nullptr;
    QAction* mBeenden = nullptr;
    QAction* mHome = nullptr;
    QMenu* mFenstergroesse = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // VocEditor.cpp
    void createParts();
    void connectParts();
    void placeWindow();
    void Zeigen();
    void showCounts();
    void refreshList();
    void updateListLine();
    void wordChanged();
    void lookUpFieldChanged();
    void autoLookUp();
    bool mayLeave();
    void leave(EditorExit exit);
    void applyLayoutRules();

    // VocEditorMenus.cpp
    void createMenus();
    void createFileMenu();
    void createEditMenu();
    void createSpecialCharacterMenu();
    void createOptionsMenu();
    void createWindowSizeMenu();
    void installKeys();
    void Sonderzeichen(const QString& text);
    void clipboardCommand(int command);
    void setOnlineHelp(bool on);

    // VocEditorFiles.cpp
    // Offers unsaved changes for saving; leaving asks whether to save them "jetzt".
    bool askToSaveChanges(bool leaving);
    void afterLoad();
    bool libraryHasNoGap(const char* message);

    // VocEditorDictionary.cpp
    void checkEntries(int from, bool multipleChoice);
    bool checkEntry(bool multipleChoice);
    bool alignEntry();
    void fillRandomLibrary(int size, int percent, bool phrases);

    // VocEditorRecording.cpp
    void resetRecordingButtons();

    TBibliothek& library_;
    TVocEinstellungen& settings_;
    Configuration& config_;
    Registry& registry_;
    TXDatabase& dictionary_;
    TXWaveBase* waveBase_;
    std::function<bool()> trainingPreCheck_;
    std::function<void(std::function<void()>)> watchDictionary_;
    std::function<std::string(const std::string&, bool)> sendMci_;

    bool beschaeftigt_ = false;
    bool abbrechen_ = false;
    bool uebernahme_ = false;
    bool eigenstaendig_ = false;
    EditorSearchState search_;
    EditorScheme scheme_;
    std::unique_ptr<tWaveRec> recorder_;
    QTimer recordingTimer_;
    std::unique_ptr<RecentLibraryMenu> recentFiles_;
    EditorExit exit_ = EditorExit::Home;
    int superlearningStyle_ = 0;
    bool left_ = false;
};

} // namespace qor
