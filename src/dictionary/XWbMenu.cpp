#include "controls/SpecialCharacters.h"
#include "dictionary/XDatabase.h"
#include "dictionary/XWb.h"
#include "platform/AppMessage.h"
#include "platform/Text.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTableWidget>

namespace qor {
using namespace literals;

namespace {

const SpecialCharacter Punctuation[] = {
    {"¿", "¿", QKeySequence(Qt::CTRL | Qt::Key_F)},
    {"¡", "¡", QKeySequence(Qt::CTRL | Qt::Key_Z)},
};

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
    qor::addSpecialCharacters(menu->addMenu(QStringLiteral("&Kleinbuchstaben")), LowerCaseLetters(),
                              insert);
    qor::addSpecialCharacters(menu->addMenu(QStringLiteral("&Großbuchstaben")), UpperCaseLetters(),
                              insert);
    qor::addSpecialCharacters(menu->addMenu(QStringLiteral("Satz&zeichen")), Punctuation, insert);
}

// Into the focused field at its selection, unless it is read-only.
void TXWb::Sonderzeichen(const QString& text) {
    insertIntoFocusedField(text);
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
    if (IsWindowShortcut(this, event))
        return true;
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
