#include "platform/QtMessagePresenter.h"

#include "platform/QtText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <map>

namespace qor {

namespace {

QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::ButtonRole roleOf(int result) {
    switch (result) {
    case MessageResult::Ok:
        return QMessageBox::AcceptRole;
    case MessageResult::Cancel:
        return QMessageBox::RejectRole;
    case MessageResult::Abort:
        return QMessageBox::RejectRole;
    case MessageResult::Retry:
        return QMessageBox::AcceptRole;
    case MessageResult::Ignore:
        return QMessageBox::AcceptRole;
    case MessageResult::Yes:
        return QMessageBox::YesRole;
    default:
        return QMessageBox::NoRole;
    }
}

// A box that has to be answered ignores Escape and the window's close
// button, as the question boxes the program was written for did: an
// accidental Escape must not answer "no" to "save the changes?".
class AnsweredMessageBox : public QMessageBox {
public:
    explicit AnsweredMessageBox(bool mayEscape, QWidget* parent)
        : QMessageBox(parent), mayEscape_(mayEscape) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!mayEscape_ && event->key() == Qt::Key_Escape) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (!mayEscape_) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }

private:
    bool mayEscape_;
};

} // namespace

QString messageButtonText(int result) {
    switch (result) {
    case MessageResult::Ok:
        return QStringLiteral("OK");
    case MessageResult::Cancel:
        return QStringLiteral("Abbrechen");
    case MessageResult::Abort:
        return QStringLiteral("Abbrechen");
    case MessageResult::Retry:
        return QStringLiteral("Wiederholen");
    case MessageResult::Ignore:
        return QStringLiteral("Ignorieren");
    case MessageResult::Yes:
        return QStringLiteral("Ja");
    case MessageResult::No:
        return QStringLiteral("Nein");
    default:
        return {};
    }
}

int QtMessagePresenter::present(const std::string& caption, const std::string& text, int style) {
    const MessageBoxLayout layout = messageBoxLayout(style);
    AnsweredMessageBox box(layout.escapeButton != 0, QApplication::activeWindow());
    box.setWindowTitle(toQString(caption));
    box.setTextFormat(Qt::PlainText);
    box.setText(toQString(normalizeLineBreaks(text)));
    box.setIcon(iconOf(layout.icon));

    std::map<QAbstractButton*, int> results;
    for (const int result : layout.buttons) {
        QPushButton* button = box.addButton(messageButtonText(result), roleOf(result));
        results[button] = result;
        if (result == layout.defaultButton)
            box.setDefaultButton(button);
        if (result == layout.escapeButton)
            box.setEscapeButton(button);
    }
    box.exec();
    const auto it = results.find(box.clickedButton());
    return it != results.end() ? it->second
                               : (layout.escapeButton ? layout.escapeButton : layout.defaultButton);
}

} // namespace qor
