#include "controls/SpecialCharacters.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

namespace qor {

namespace {

const SpecialCharacter Lower[] = {
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
const SpecialCharacter Upper[] = {
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

} // namespace

std::span<const SpecialCharacter> LowerCaseLetters() {
    return Lower;
}

std::span<const SpecialCharacter> UpperCaseLetters() {
    return Upper;
}

void addSpecialCharacters(QMenu* menu, std::span<const SpecialCharacter> characters,
                          const std::function<void(const QString&)>& insert) {
    for (const SpecialCharacter& character : characters) {
        QAction* action = menu->addAction(QString::fromUtf8(character.item));
        action->setShortcut(character.key);
        action->setShortcutContext(Qt::WindowShortcut);
        const QString text = QString::fromUtf8(character.inserted);
        QObject::connect(action, &QAction::triggered, menu, [insert, text] { insert(text); });
    }
}

void insertIntoFocusedField(const QString& text) {
    QWidget* focused = QApplication::focusWidget();
    if (auto* edit = qobject_cast<QLineEdit*>(focused); edit && !edit->isReadOnly())
        edit->insert(text);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(focused); memo && !memo->isReadOnly())
        memo->insertPlainText(text);
}

bool IsWindowShortcut(const QWidget* window, const QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const QKeySequence pressed(static_cast<const QKeyEvent*>(event)->keyCombination());
    for (const QAction* action : window->findChildren<QAction*>())
        if (action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == pressed)
            return true;
    return false;
}

} // namespace qor
