// The menus of the vocabulary editor, its special characters, the clipboard
// commands and the keys that reach the editor before its fields.

#include "controls/SpecialCharacters.h"
#include "editor/window/EditorRules.h"
#include "editor/window/VocEditor.h"
#include "editor/window/VokabelFrame.h"
#include "platform/QtText.h"
#include "platform/Text.h"
#include "vocabulary/LibraryExchange.h"
#include "vocabulary/LibraryPrinting.h"
#include "vocabulary/RecentLibraryMenu.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace qor {
using namespace literals;

namespace {

enum ClipboardCommand { Cut, Copy, Paste, Delete };

// "¿" has no key here: Ctrl+F is the search.
const SpecialCharacter Punctuation[] = {
    {"¿", "¿", {}},
    {"¡", "¡", QKeySequence(Qt::CTRL | Qt::Key_Z)},
};

template <typename Command>
QAction* command(QMenu* menu, const char* text, const QKeySequence& key, Command run) {
    QAction* action = menu->addAction(QString::fromUtf8(text));
    action->setShortcut(key);
    QObject::connect(action, &QAction::triggered, menu, [run] { run(); });
    return action;
}

QAction* toggle(QMenu* menu, const char* text, bool on) {
    QAction* action = menu->addAction(QString::fromUtf8(text));
    action->setCheckable(true);
    action->setChecked(on);
    return action;
}

} // namespace

void TVocEditor::createMenus() {
    createFileMenu();
    createEditMenu();
    createSpecialCharacterMenu();
    createWindowSizeMenu();
    createOptionsMenu();
    // Page Down and Page Up move through the library wherever the focus is.
    auto* next = new QAction(this);
    next->setShortcut(QKeySequence(Qt::Key_PageDown));
    connect(next, &QAction::triggered, this, [this] { ZurFolgenden(); });
    auto* previous = new QAction(this);
    previous->setShortcut(QKeySequence(Qt::Key_PageUp));
    connect(previous, &QAction::triggered, this, [this] { ZurVorhergehenden(); });
    addActions({next, previous});
}

void TVocEditor::createFileMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Datei"));
    command(file, "&Neu", {}, [this] { Neu(); });
    command(file, "Ö&ffnen...", {}, [this] { Oeffnen(); });
    command(file, "Hinzufügen...", {}, [this] { Hinzufuegen(); });
    command(file, "&Speichern", {}, [this] { Speichern(); });
    command(file, "Speichern &unter...", {}, [this] { SpeichernUnter(); });
    file->addSeparator();
    command(file, "Importieren...", {}, [this] { Importieren(); });
    QMenu* exchange = file->addMenu(QStringLiteral("Aus&tausch"));
    command(exchange, "CSV/KVTML &importieren...", {}, [this] { AustauschImportieren(true); });
    command(exchange, "CSV/KVTML &hinzufügen...", {}, [this] { AustauschImportieren(false); });
    command(exchange, "Als &CSV exportieren...", {},
            [this] { AustauschExportieren(ExchangeFormat::Csv); });
    command(exchange, "Als &KVTML exportieren...", {},
            [this] { AustauschExportieren(ExchangeFormat::Kvtml); });
    // The switch may change in the training settings window at any time.
    connect(file, &QMenu::aboutToShow, exchange,
            [this, exchange] { exchange->menuAction()->setVisible(config_.Extras.Exchange); });
    command(file, "Zufällig erzeugen...", {}, [this] { ZufaelligErzeugen(); });
    file->addSeparator();
    command(file, "Drucken...", {}, [this] { PrintList(library_, PrintTarget::Printer, this); });
    command(file, "Karteikarten drucken...", {},
            [this] { PrintCards(library_, PrintTarget::Printer, this); });
    command(file, "Als &PDF speichern...", {},
            [this] { PrintList(library_, PrintTarget::PdfFile, this); });
    command(file, "&Karteikarten als PDF speichern...", {},
            [this] { PrintCards(library_, PrintTarget::PdfFile, this); });
    command(file, "Drucker einrichten...", {}, [this] { PrinterSetup(this); });
    file->addSeparator();
    command(file, "&Info", QKeySequence(Qt::Key_F6), [this] { Info(); });
    file->addSeparator();
    QAction* recentEnd = file->addSeparator();
    recentFiles_ = std::make_unique<RecentLibraryMenu>(
        file, recentEnd, library_, [this](const std::string& path) { LoadRecent(path); });
    command(file, "&Einstellungen", {}, [this] { Einstellungen(); });
    command(file, "&Abfrage", {}, [this] { Abfragen(); });
    mHome = command(file, "&Home", QKeySequence(Qt::ALT | Qt::Key_X), [this] { Home(); });
    mBeenden = command(file, "Beenden", {}, [this] { Beenden(); });
}

void TVocEditor::createEditMenu() {
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    command(edit, "&Ausschneiden", QKeySequence(Qt::CTRL | Qt::Key_X),
            [this] { clipboardCommand(Cut); });
    command(edit, "&Kopieren", QKeySequence(Qt::CTRL | Qt::Key_C),
            [this] { clipboardCommand(Copy); });
    command(edit, "&Einfügen", QKeySequence(Qt::CTRL | Qt::Key_V),
            [this] { clipboardCommand(Paste); });
    command(edit, "L&öschen", QKeySequence(Qt::CTRL | Qt::Key_Delete),
            [this] { clipboardCommand(Delete); });
    edit->addSeparator();
    command(edit, "Suchen", QKeySequence(Qt::CTRL | Qt::Key_F), [this] { Suchen(); });
    command(edit, "Weitersuchen", QKeySequence(Qt::Key_F3), [this] { Weitersuchen(); });
    edit->addSeparator();
    command(edit, "Vokabel vor aktueller Position einfügen", QKeySequence(Qt::Key_F4),
            [this] { EinfuegenVor(); });
    command(edit, "Vokabel nach aktueller Position einfügen", QKeySequence(Qt::Key_F8),
            [this] { EinfuegenNach(); });
    command(edit, "Aktuelle Vokabel entfernen", {}, [this] { VokabelLoeschen(); });
    command(edit, "Vokabel aus Wörterbuch übernehmen", QKeySequence(Qt::CTRL | Qt::Key_Y),
            [this] { Uebernehmen(); });
    edit->addSeparator();
    command(edit, "Bibliothek sortieren", QKeySequence(Qt::CTRL | Qt::Key_S),
            [this] { Sortieren(); });
    command(edit, "Bibliothek mischen", QKeySequence(Qt::CTRL | Qt::Key_M), [this] { Mischen(); });
    command(edit, "Doppelte Vokabeln entfernen", QKeySequence(Qt::CTRL | Qt::Key_D),
            [this] { DoppelteEntfernen(); });
    command(edit, "Bibliothek umkehren", {}, [this] { Umkehren(); });
    edit->addSeparator();
    command(edit, "Bibliothek kontrollieren", QKeySequence(Qt::CTRL | Qt::Key_K),
            [this] { Kontrollieren(); });
    command(edit, "XPress-Kontrolle", {}, [this] { XPressKontrolle(); });
    command(edit, "Kontexte abgleichen", QKeySequence(Qt::Key_F2),
            [this] { KontexteAbgleichen(); });
}

void TVocEditor::createSpecialCharacterMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Sonderzeichen"));
    const auto insert = [this](const QString& text) {
        Sonderzeichen(text);
    };
    addSpecialCharacters(menu, LowerCaseLetters(), insert);
    menu->addSeparator();
    addSpecialCharacters(menu, UpperCaseLetters(), insert);
    menu->addSeparator();
    addSpecialCharacters(menu, Punctuation, insert);
}

void TVocEditor::createWindowSizeMenu() {
    mFenstergroesse = menuBar()->addMenu(QString::fromUtf8("Fenstergröße"));
    for (const QSize size : {QSize(640, 480), QSize(800, 600), QSize(1024, 768)}) {
        const QByteArray text =
            QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()).toUtf8();
        command(mFenstergroesse, text.constData(), {},
                [this, size] { SetWindowSize(size.width(), size.height()); });
    }
}

void TVocEditor::createOptionsMenu() {
    QMenu* options = menuBar()->addMenu(QStringLiteral("&Optionen"));
    mNachschlagen = toggle(options, "Ständig nachschlagen", true);
    connect(mNachschlagen, &QAction::toggled, this, [this](bool on) {
        if (on)
            Nachschlagen();
    });
    mMultipleChoice = toggle(options, "Mult. Choice kontrollieren", true);
    mAutomatischWB = toggle(options, "Neue Vokabeln automatisch ins Wörterbuch", false);
    options->addSeparator();
    command(options, "Anpassen...", {}, [this] { Anpassen(); });
    options->addSeparator();
    mOnlineHilfe = toggle(options, "&Online-Hilfe", config_.OnlineHelp);
    connect(mOnlineHilfe, &QAction::toggled, this, [this](bool on) { setOnlineHelp(on); });
}

// Hints show only while online help is on; each widget keeps its hint.
void TVocEditor::setOnlineHelp(bool on) {
    config_.OnlineHelp = on;
    for (QWidget* widget : findChildren<QWidget*>()) {
        const QVariant kept = widget->property("qorHint");
        if (!kept.isValid() && !widget->toolTip().isEmpty())
            widget->setProperty("qorHint", widget->toolTip());
        widget->setToolTip(on ? widget->property("qorHint").toString() : QString());
    }
}

void TVocEditor::installKeys() {
    for (QWidget* widget : findChildren<QWidget*>())
        if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget) ||
            qobject_cast<QComboBox*>(widget) || widget->focusPolicy() != Qt::NoFocus)
            widget->installEventFilter(this);
    setOnlineHelp(config_.OnlineHelp);
}

// The fields would keep Ctrl+A, Ctrl+Z, Page Down and the like for
// themselves; here the editor's commands have them. Enter moves to the
// next field.
bool TVocEditor::eventFilter(QObject* watched, QEvent* event) {
    if (IsWindowShortcut(this, event))
        return true;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool field = qobject_cast<QLineEdit*>(watched) ||
                           qobject_cast<QPlainTextEdit*>(watched) ||
                           qobject_cast<QComboBox*>(watched);
        if (field && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            focusNextChild();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TVocEditor::Sonderzeichen(const QString& text) {
    insertIntoFocusedField(text);
}

void TVocEditor::clipboardCommand(int which) {
    QWidget* focused = QApplication::focusWidget();
    if (auto* edit = qobject_cast<QLineEdit*>(focused)) {
        if (which == Cut)
            edit->cut();
        else if (which == Copy)
            edit->copy();
        else if (which == Paste)
            edit->paste();
        else
            edit->del();
        return;
    }
    auto* memo = qobject_cast<QPlainTextEdit*>(focused);
    if (!memo)
        return;
    if (which == Cut)
        memo->cut();
    else if (which == Copy)
        memo->copy();
    else if (which == Delete)
        memo->textCursor().removeSelectedText();
    if (which != Paste)
        return;
    memo->paste();
    const std::string whole = fromQString(memo->toPlainText());
    const std::string tidy = StripOuterSeparators(whole);
    if (tidy != whole) {
        memo->setPlainText(toQString(tidy));
        memo->moveCursor(QTextCursor::End);
    }
}

} // namespace qor
