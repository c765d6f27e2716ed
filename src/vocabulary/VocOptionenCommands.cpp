// The menus of the training settings window and the library commands the
// menus and buttons share: open, add, save, new, recent files, order.

#include "platform/AppMessage.h"
#include "platform/QtText.h"
#include "platform/Text.h"
#include "vocabulary/BInfo.h"
#include "vocabulary/LibraryFileDialogs.h"
#include "vocabulary/RecentLibraryMenu.h"
#include "vocabulary/VocOptionen.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace qor {

namespace {

template <typename Command>
QAction* addCommand(QMenu* menu, const std::string& text, const QKeySequence& keys,
                    Command command) {
    QAction* action = menu->addAction(toQString(text));
    action->setShortcut(keys);
    QObject::connect(action, &QAction::triggered, menu, [command] { command(); });
    return action;
}

} // namespace

void TVocOptionen::buildMenus() {
    mDatei = menuBar()->addMenu(QStringLiteral("Datei"));
    addCommand(mDatei, "&Neu", {}, [this] { Neu(); });
    addCommand(mDatei, "Ö&ffnen..."_cp, {}, [this] { Oeffnen(); });
    addCommand(mDatei, "Hinzufügen..."_cp, {}, [this] { Hinzufuegen(); });
    addCommand(mDatei, "&Speichern", {}, [this] { Speichern(); });
    addCommand(mDatei, "Speichern &unter...", {}, [this] { SpeichernUnter(); });
    mDatei->addSeparator();
    buildExchangeMenu();
    mDatei->addSeparator();
    buildPrintMenu();
    mDatei->addSeparator();
    addCommand(mDatei, "&Info", QKeySequence(Qt::Key_F6), [this] { Info(); });
    mDatei->addSeparator();
    QAction* recentEnd = mDatei->addSeparator();
    recentMenu_ = std::make_unique<RecentLibraryMenu>(
        mDatei, recentEnd, library_, [this](const std::string& path) { LoadRecent(path); });
    addCommand(mDatei, "&Abfrage", QKeySequence(), [this] { Abfragen(); });
    addCommand(mDatei, "&Editor", QKeySequence(), [this] { Editor(); });
    addCommand(mDatei, "&Home", QKeySequence(Qt::ALT | Qt::Key_X), [this] { Home(); });
    updateRecentMenu();

    QMenu* edit = menuBar()->addMenu(QStringLiteral("Bearbeiten"));
    addCommand(edit, "Bibliothek sortieren", QKeySequence(Qt::CTRL | Qt::Key_S),
               [this] { Sortieren(); });
    addCommand(edit, "Bibliothek mischen", QKeySequence(Qt::CTRL | Qt::Key_M),
               [this] { Mischen(); });
    addCommand(edit, "Doppelte Vokabeln entfernen", QKeySequence(Qt::CTRL | Qt::Key_D),
               [this] { DoppelteEntfernen(); });

    QMenu* options = menuBar()->addMenu(QStringLiteral("Optionen"));
    addCommand(options, "Superlearning...", {}, [this] {
        if (showSuperlearningSettings_)
            showSuperlearningSettings_(this);
    });
    QMenu* recordings = options->addMenu(QStringLiteral("Sprachaufnahmen"));
    addCommand(recordings, "Einstellungen...", {}, [this] {
        if (showRecordingSetup_)
            showRecordingSetup_(this);
    });
    addCommand(recordings, "Verwaltung...", {}, [this] {
        if (showWaveBase_)
            showWaveBase_(this);
    });

    buildExtrasMenu(options->addMenu(QStringLiteral("Extras")));

    QMenu* help = menuBar()->addMenu(QStringLiteral("Hilfe"));
    onlineHelp_ = help->addAction(QStringLiteral("&Online-Hilfe"));
    onlineHelp_->setCheckable(true);
    connect(onlineHelp_, &QAction::toggled, this, [this](bool on) { setOnlineHelp(on); });
}

// The additions to the classic trainer, each on until switched off; they are
// stored with the general settings when the program ends.
void TVocOptionen::buildExtrasMenu(QMenu* extras) {
    const auto toggle = [this, extras](const char* text, bool ExtraFeatures::*flag) {
        QAction* action = extras->addAction(QString::fromUtf8(text));
        action->setCheckable(true);
        action->setChecked(config_.Extras.*flag);
        connect(action, &QAction::toggled, this,
                [this, flag](bool on) { config_.Extras.*flag = on; });
    };
    toggle("Fehlende Aufnahmen vorlesen (espeak-ng)", &ExtraFeatures::Speech);
    toggle("Akzentfehler beim Eintippen zeigen", &ExtraFeatures::AccentHints);
    toggle("Lernverlauf in der Statistik", &ExtraFeatures::LearningHistory);
    toggle("Bibliotheken mit CSV und KVTML austauschen", &ExtraFeatures::Exchange);
}

void TVocOptionen::updateRecentMenu() {
    recentMenu_->update();
}

void TVocOptionen::Oeffnen() {
    if (const auto path = AskLibraryToOpen(config_))
        LoadRecent(*path);
}

void TVocOptionen::LoadRecent(const std::string& path) {
    library_.Load(path, true);
    library_.AddRecent(path);
    updateRecentMenu();
    Zeigen();
}

void TVocOptionen::Hinzufuegen() {
    const auto path = AskLibraryToOpen(config_);
    if (!path)
        return;
    library_.Load(*path, false);
    settings_.Bis = -1;
    Zeigen();
}

void TVocOptionen::Speichern() {
    if (!SaveLibrary(library_, config_))
        return;
    lDatei->setText(toQString(library_.DisplayName()));
    library_.AddRecent("*");
    updateRecentMenu();
}

// The recent list follows even when the dialog was cancelled.
void TVocOptionen::SpeichernUnter() {
    if (SaveLibraryAs(library_, config_))
        lDatei->setText(toQString(library_.DisplayName()));
    library_.AddRecent("*");
    updateRecentMenu();
}

void TVocOptionen::Neu() {
    library_.Clear(true);
    Zeigen();
}

void TVocOptionen::Info() {
    TBInfo(library_.Eintraege(), this).exec();
}

void TVocOptionen::Sortieren() {
    library_.SortInTwoBlocks();
    Zeigen();
}

void TVocOptionen::Mischen() {
    library_.Shuffle();
    Zeigen();
}

void TVocOptionen::DoppelteEntfernen() {
    const int removed = library_.RemoveDuplicates(true);
    Zeigen();
    AppMessage(std::to_string(removed) + " doppelte Vokabeln wurden entfernt!");
}

} // namespace qor
