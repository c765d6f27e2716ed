#include "dictionary/XDatabase.h"
#include "dictionary/XWb.h"
#include "platform/AppMessage.h"
#include "platform/Text.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTableWidget>

namespace qor {
using namespace literals;

namespace {

struct SpecialCharacter {
    const char* item; // the menu text; ligatures are inserted as one letter
    const char* inserted;
    QKeySequence key;
};

const SpecialCharacter LowerCase[] = {
    {"â", "â", QKeySequence(Qt::CTRL | Qt::Key_A)},
    {"ê", "ê", QKeySequence(Qt::CTRL | Qt::Key_E)},
    {"î", "î", QKeySequence(Qt::CTRL | Qt::Key_I)},
    {"ô", "ô", QKeySequence(Qt::CTRL | Qt::Key_O)},
    {"û", "û", QKeySequence(Qt::CTRL | Qt::Key_U)},
    {"ae", "æ", {}},
    {"oe", "œ", {}},
    {"ï", "ï", {}},
    {"ç", "ç", QKeySequence(Qt::Key_F5)},
    {"ñ", "ñ", QKeySequence(Qt::CTRL | Qt::Key_N)},
};
const SpecialCharacter UpperCase[] = {
    {"Â", "Â", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A)},
    {"Ê", "Ê", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)},
    {"Î", "Î", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I)},
    {"Ô", "Ô", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)},
    {"Û", "Û", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_U)},
    {"AE", "Æ", {}},
    {"OE", "Œ", {}},
    {"Ï", "Ï", {}},
    {"Ç", "Ç", QKeySequence(Qt::SHIFT | Qt::Key_F5)},
    {"Ñ", "Ñ", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)},
};
const SpecialCharacter Punctuation[] = {
    {"¿", "¿", QKeySequence(Qt::CTRL | Qt::Key_F)},
    {"¡", "¡", QKeySequence(Qt::CTRL | Qt::Key_Z)},
};

template <std::size_t N>
void addCharacters(TXWb* window, QMenu* menu, const SpecialCharacter (&characters)[N],
                   const std::function<void(const QString&)>& insert) {
    for (const SpecialCharacter& character : characters) {
        QAction* action = menu->addAction(QString::fromUtf8(character.item));
        action->setShortcut(character.key);
        action->setShortcutContext(Qt::WindowShortcut);
        const QString text = QString::fromUtf8(character.inserted);
        QObject::connect(action, &QAction::triggered, window, [insert, text] { insert(text); });
    }
}

} // namespace

void TXWb::createMenu() {
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("&Datei"));
    file->addAction(QStringLiteral("Sortieren"), QKeySequence(Qt::CTRL | Qt::Key_S), this,
                    [this] { dictionary_.Sort(); });
    file->addAction(QStringLiteral("Kontrollieren"), QKeySequence(Qt::CTRL | Qt::Key_K), this,
                    [this] { dictionary_.CheckFormat(); });
    file->addAction(QStringLiteral("Doppelte Einträge suchen"), this,
                    [this] { dictionary_.RemoveDuplicates(); });
    file->addAction(QStringLiteral("Importieren..."), this,
                    [this] { dictionary_.ImportDictionary(); });
    file->addAction(QStringLiteral("Exportieren..."), this,
                    [this] { dictionary_.ExportDictionary(); });
    file->addAction(QStringLiteral("Alle Einträge löschen!"), this, [this] { mDeleteAllClick(); });
    file->addSeparator();
    file->addAction(QStringLiteral("&Schließen"), this, [this] { hide(); });
    addSpecialCharacters(bar->addMenu(QStringLiteral("&Sonderzeichen")));
    layout()->setMenuBar(bar);
}

void TXWb::addSpecialCharacters(QMenu* menu) {
    const auto insert = [this](const QString& text) {
        Sonderzeichen(text);
    };
    addCharacters(this, menu->addMenu(QStringLiteral("&Kleinbuchstaben")), LowerCase, insert);
    addCharacters(this, menu->addMenu(QStringLiteral("&Großbuchstaben")), UpperCase, insert);
    addCharacters(this, menu->addMenu(QStringLiteral("Satz&zeichen")), Punctuation, insert);
}

// Into the focused field at its selection, unless it is read-only.
void TXWb::Sonderzeichen(const QString& text) {
    QWidget* focused = QApplication::focusWidget();
    if (auto* edit = qobject_cast<QLineEdit*>(focused); edit && !edit->isReadOnly())
        edit->insert(text);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(focused); memo && !memo->isReadOnly())
        memo->insertPlainText(text);
}

void TXWb::mDeleteAllClick() {
    constexpr int exclamationYesNo = MessageStyle::Exclamation | 4;
    if (AppMessage("Wirklich alle Einträge löschen???"_cp, exclamationYesNo) == MessageResult::Yes)
        dictionary_.DeleteAll();
}

// The fields would keep Ctrl+A, Ctrl+Z and the like for themselves; here
// those keys insert special characters. A double click in the meanings
// plays the recording under the caret.
bool TXWb::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* action : findChildren<QAction*>())
            if (!action->shortcut().isEmpty() && action->shortcut() == pressed)
                return true;
    }
    if (watched == Grid && event->type() == QEvent::Resize)
        resizeGridColumns();
    if (watched == DBBedeutung->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        // Once the memo has selected the word under the mouse.
        QMetaObject::invokeMethod(
            this, [this] { DBBedeutungDblClick(); }, Qt::QueuedConnection);
        return false;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace qor
