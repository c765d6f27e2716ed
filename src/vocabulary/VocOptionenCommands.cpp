// The menus of the training settings window and the library commands the
// menus and buttons share: open, add, save, new, recent files, order.

#include "platform/AppMessage.h"
#include "platform/FileDialogs.h"
#include "platform/QtText.h"
#include "platform/Text.h"
#include "vocabulary/BInfo.h"
#include "vocabulary/VocOptionen.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace qor {

namespace {

constexpr int RecentFiles = 4;

std::string directoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string fileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

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
    buildPrintMenu();
    mDatei->addSeparator();
    addCommand(mDatei, "&Info", QKeySequence(Qt::Key_F6), [this] { Info(); });
    mDatei->addSeparator();
    recentSeparator_ = mDatei->addSeparator();
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
    QMenu* recordings = options->addMenu(QStringLiteral("Sprachaufnahmen"));
    addCommand(recordings, "Einstellungen...", {}, [this] {
        if (showRecordingSetup_)
            showRecordingSetup_(this);
    });
    addCommand(recordings, "Verwaltung...", {}, [this] {
        if (showWaveBase_)
            showWaveBase_(this);
    });

    QMenu* help = menuBar()->addMenu(QStringLiteral("Hilfe"));
    onlineHelp_ = help->addAction(QStringLiteral("&Online-Hilfe"));
    onlineHelp_->setCheckable(true);
    connect(onlineHelp_, &QAction::toggled, this, [this](bool on) { setOnlineHelp(on); });
}

// The recent files stand between the separator above them and the one
// before "Home"; the list is rebuilt after every change.
void TVocOptionen::updateRecentMenu() {
    for (QAction* action : recentActions_)
        delete action;
    recentActions_.clear();
    for (int i = 0; i < RecentFiles; ++i) {
        const std::string path = library_.Recent(i);
        if (path.empty())
            continue;
        auto* action = new QAction(toQString("&" + std::to_string(i + 1) + " " + path), mDatei);
        connect(action, &QAction::triggered, this, [this, path] { LoadRecent(path); });
        mDatei->insertAction(recentSeparator_, action);
        recentActions_.push_back(action);
    }
}

std::optional<std::string> TVocOptionen::askLibrary() {
    FileDialogRequest request;
    request.directory = config_.VocabularyFileDir;
    request.filter = "QEB Bibliotheken (*.asc)";
    std::optional<std::string> path = askOpenFileName(request);
    if (path && directoryOf(*path) != config_.VocabularyFileDir) {
        config_.VocabularyFileDir = directoryOf(*path);
        config_.SaveDirectorySettings(SaveBits::VocabularyFileDir);
    }
    return path;
}

void TVocOptionen::Oeffnen() {
    if (const auto path = askLibrary())
        LoadRecent(*path);
}

void TVocOptionen::LoadRecent(const std::string& path) {
    library_.Load(path, true);
    library_.AddRecent(path);
    updateRecentMenu();
    Zeigen();
}

void TVocOptionen::Hinzufuegen() {
    const auto path = askLibrary();
    if (!path)
        return;
    library_.Load(*path, false);
    settings_.Bis = -1;
    Zeigen();
}

void TVocOptionen::Speichern() {
    std::string path = library_.Dateiname();
    if (path.empty()) {
        FileDialogRequest request;
        request.directory = config_.VocabularyFileDir;
        request.filter = "Vokabel-Bibliotheken (*.asc)";
        const auto chosen = askSaveFileName(request);
        if (!chosen)
            return;
        path = *chosen;
    }
    library_.Save(path);
    lDatei->setText(toQString(library_.DisplayName()));
    library_.AddRecent("*");
    updateRecentMenu();
}

void TVocOptionen::SpeichernUnter() {
    FileDialogRequest request;
    const std::string& current = library_.Dateiname();
    request.directory = current.empty() ? config_.VocabularyFileDir : directoryOf(current);
    request.fileName = fileNameOf(current);
    request.filter = "Vokabel-Bibliotheken (*.asc)";
    if (const auto chosen = askSaveFileName(request)) {
        library_.Save(*chosen);
        lDatei->setText(toQString(library_.DisplayName()));
    }
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
