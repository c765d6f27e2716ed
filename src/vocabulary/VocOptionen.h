#pragma once
// "Einstellungen für den Vokabeltrainer": the window in which the user opens,
// combines, orders and saves the vocabulary library and chooses what a
// training asks - order, direction, range, round size, share of multiple
// choice, difficulties, phrases, context and (for a logged-in user) the
// score limit. The status line tells at every change how many entries the
// settings leave active and whether that is enough to train.
//
// The window stands in place of the main window: when it is left ("home",
// or closed by the window manager) it writes the settings to the store,
// calls OnHome and deletes itself.

#include "core/Configuration.h"
#include "platform/Registry.h"
#include "vocabulary/Bibliothek.h"
#include "vocabulary/VocEinstellungen.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QSlider;
class QStackedWidget;

namespace qor {

class RecentLibraryMenu;
enum class ExchangeFormat;
class TXListBox;
class TXPage;
class tXRadioGroup;

struct VocOptionenContext {
    TBibliothek& library;
    TVocEinstellungen& settings;
    Configuration& config;
    Registry& registry;               // the settings store
    std::function<bool()> isLoggedIn; // a user is logged in
    std::string pageFolder;           // the program's page folder, holding "voc_opt1.htx"
    std::function<void(QWidget* parent)> showRecordingSetup;
    std::function<void(QWidget* parent)> showWaveBase;
    std::function<void(QWidget* parent)> showSuperlearningSettings;
    // Whether a training can start with the library and the settings; tells
    // the user why not.
    std::function<bool()> trainingPreCheck;
};

class TVocOptionen : public QMainWindow {
    Q_OBJECT
public:
    explicit TVocOptionen(VocOptionenContext context, QWidget* parent = nullptr);
    ~TVocOptionen() override;

    // Called when the window is left, after the settings were written; the
    // window deletes itself afterwards.
    std::function<void()> OnHome;

    // Shows the library and every setting.
    void Zeigen();
    // Takes the range from its lists and shows how many entries are active.
    void ShowAktiv();

    // The controls, named as the window has always named them.
    tXRadioGroup* cModus = nullptr;
    tXRadioGroup* cRichtung = nullptr;
    QComboBox* cVon = nullptr;
    QComboBox* cBis = nullptr;
    QSlider* TrackProRunde = nullptr;
    QLabel* LProRunde = nullptr;
    QSlider* TrackMultiple = nullptr;
    QLabel* lMultiple = nullptr;
    QLabel* lEintippen = nullptr;
    std::array<QCheckBox*, 5> Schwer{};
    QCheckBox* cRedewendungen = nullptr;
    QCheckBox* cKontext = nullptr;
    QSlider* TrackScore = nullptr;
    QLabel* lMaxScore = nullptr;
    QLabel* lScoreExpl = nullptr;
    TXListBox* lbVokabeln = nullptr;
    QLabel* lDatei = nullptr;
    QLabel* lAnzahl = nullptr;
    QLabel* lMeldung = nullptr;
    QLabel* iStatus = nullptr;
    QStackedWidget* Seiten = nullptr;
    TXPage* pHilfe = nullptr;
    QPushButton* bBenutzer = nullptr;
    QPushButton* bAllgemein = nullptr;
    QPushButton* bLaden = nullptr;
    QPushButton* bDazuladen = nullptr;
    QPushButton* bSpeichern = nullptr;
    QPushButton* bNeu = nullptr;
    QPushButton* bInfo = nullptr;
    QPushButton* bDrucken = nullptr;
    QPushButton* bHome = nullptr;
    QPushButton* bAbfragen = nullptr;
    QPushButton* bEditor = nullptr;
    std::array<QPushButton*, 4> bSuper{}; // "klassisch", "abgedreht ", "techno", "super dd "
    QMenu* mDatei = nullptr;

    // The commands of the buttons and menus.
    void Oeffnen();
    void Hinzufuegen();
    void Speichern();
    void SpeichernUnter();
    void Neu();
    void LoadRecent(const std::string& path);
    void Info();
    // The word list and the flash cards, on the printer or into a PDF file.
    void Drucken();
    void KarteikartenDrucken();
    void WortlisteAlsPdf();
    void KarteikartenAlsPdf();
    void DruckerEinrichten();
    // A CSV or KVTML file as the library or into it, the library as either
    // (VocOptionenExchange.cpp).
    void AustauschImportieren(bool replace);
    void AustauschExportieren(ExchangeFormat format);
    void Sortieren();
    void Mischen();
    void DoppelteEntfernen();
    void BenutzerFilter();
    void setOnlineHelp(bool on);
    void Home();
    // Leaves the window for a training, when one can start.
    void Abfragen();
    // Leaves the window for the vocabulary editor.
    void Editor();
    // Leaves the window for superlearning with the library, in a style: 0
    // "klassisch", 1 "abgedreht", 2 "techno", 3 "super dd".
    void Superlearning(int style);
    // The style the window was left for, or NoSuperlearning.
    static constexpr int NoSuperlearning = -1;
    int SuperlearningStyle() const { return superlearningStyle_; }
    // What the main window is to run when it comes back ("vabfrage" after
    // "abfragen"; empty after "home").
    const std::string& PendingCommand() const { return pendingCommand_; }
    // The window was left for the editor, not for the main window.
    bool EditorRequested() const { return editorRequested_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildContent(QWidget* central);
    QWidget* buildLibraryColumn(QWidget* parent);
    QWidget* buildGeneralPanel(QWidget* parent);
    QWidget* buildOrderRow(QWidget* parent);
    QWidget* buildSliderRows(QWidget* parent);
    QWidget* buildFilterRows(QWidget* parent);
    QWidget* buildUserPanel(QWidget* parent);
    QWidget* buildStatusLine(QWidget* parent);
    void buildMenus();
    void buildPrintMenu();
    void buildExchangeMenu();
    void buildExtrasMenu(QMenu* extras);
    void connectSettings();
    void applyLook();
    // Sets a control's tool tip, shown while online help is on.
    void tip(QWidget* widget, const std::string& text);

    void showRoundSize();
    void showRange();
    void showSettings();
    void rangeChosen();
    void showMultipleChoice(int value);
    void showScoreLimit(int value);
    void updateRecentMenu();
    // An .asc file from the open dialog; a new folder becomes the library folder.
    bool loggedIn() const;

    TBibliothek& library_;
    TVocEinstellungen& settings_;
    Configuration& config_;
    Registry& registry_;
    std::function<bool()> isLoggedIn_;
    std::string pageFolder_;
    std::function<void(QWidget*)> showRecordingSetup_;
    std::function<void(QWidget*)> showWaveBase_;
    std::function<void(QWidget*)> showSuperlearningSettings_;
    std::function<bool()> trainingPreCheck_;

    // Set while the controls are filled, so that their signals change nothing.
    bool showing_ = false;
    bool left_ = false;
    std::string pendingCommand_;
    bool editorRequested_ = false;
    int superlearningStyle_ = NoSuperlearning;
    QAction* onlineHelp_ = nullptr;
    std::unique_ptr<RecentLibraryMenu> recentMenu_;
    std::vector<std::pair<QWidget*, QString>> tips_;
};

} // namespace qor
