#include "controls/FormControls.h"

#include "platform/QtText.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

namespace qor {

QToolButton* toolButton(const char* text, const char* hint, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(QString::fromUtf8(text));
    button->setToolTip(QString::fromUtf8(hint));
    button->setAutoRaise(false);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

void showText(QLineEdit* edit, const std::string& text) {
    const QString shown = toQString(text);
    if (edit->text() != shown)
        edit->setText(shown);
}

void showText(QPlainTextEdit* memo, const std::string& text) {
    const QString shown = toQString(text);
    if (memo->toPlainText() != shown)
        memo->setPlainText(shown);
}

} // namespace qor
