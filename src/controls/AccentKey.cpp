#include "controls/AccentKey.h"

#include "core/SharedRoutines.h"
#include "platform/Text.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextEdit>
#include <functional>
#include <optional>

namespace qor {
namespace {

// The accent cycle of one character, or nothing.
std::optional<QChar> cycled(QChar current) {
    const auto byte = codePointToCp1252(current.unicode());
    if (!byte)
        return std::nullopt;
    const char next = CycleAccent(static_cast<char>(*byte));
    if (next == 0)
        return std::nullopt;
    return QChar(static_cast<char16_t>(cp1252ToCodePoint(static_cast<unsigned char>(next))));
}

void cycleInLineEdit(QLineEdit* edit) {
    const int caret = edit->cursorPosition();
    if (caret < 1)
        return;
    QString text = edit->text();
    const auto next = cycled(text[caret - 1]);
    if (!next)
        return;
    text[caret - 1] = *next;
    edit->setText(text);
    edit->setCursorPosition(caret);
}

void cycleInDocument(QTextCursor cursor, const std::function<void(const QTextCursor&)>& setCursor) {
    const int caret = cursor.position();
    if (caret < 1)
        return;
    QTextCursor before(cursor);
    before.clearSelection();
    before.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor);
    const QString previous = before.selectedText();
    if (previous.size() != 1)
        return;
    const auto next = cycled(previous[0]);
    if (!next)
        return;
    before.insertText(QString(*next));
    cursor.setPosition(caret);
    setCursor(cursor);
}

} // namespace

bool AccentKey(QWidget* control, int key) {
    if (key != Qt::Key_F1)
        return false;
    if (auto* line = qobject_cast<QLineEdit*>(control)) {
        cycleInLineEdit(line);
        return true;
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) {
        cycleInDocument(plain->textCursor(),
                        [plain](const QTextCursor& c) { plain->setTextCursor(c); });
        return true;
    }
    if (auto* rich = qobject_cast<QTextEdit*>(control)) {
        cycleInDocument(rich->textCursor(),
                        [rich](const QTextCursor& c) { rich->setTextCursor(c); });
        return true;
    }
    return false;
}

void installAccentKey(QWidget* edit) {
    edit->installEventFilter(new AccentKeyFilter(edit));
}

bool AccentKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    return AccentKey(qobject_cast<QWidget*>(watched), key->key());
}

} // namespace qor
