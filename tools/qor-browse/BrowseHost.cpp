#include "BrowseHost.h"

#include "page/view/PageMci.h"
#include "page/view/TXPage.h"
#include "platform/QtMessagePresenter.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "platform/mci/Mci.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <map>

namespace qor::browse {

namespace {

std::string rectText(const QRect& rect) {
    return std::to_string(rect.x()) + "," + std::to_string(rect.y()) + " " +
           std::to_string(rect.width()) + "x" + std::to_string(rect.height());
}

// A picture the host would draw: grey, with the code written on it.
void drawPlaceholder(QImage& bitmap, const std::string& code) {
    bitmap.fill(QColor(0xE0, 0xE0, 0xE0));
    QPainter painter(&bitmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(bitmap.rect().adjusted(0, 0, -1, -1));
    painter.drawText(bitmap.rect(), Qt::AlignCenter | Qt::TextWordWrap,
                     QString::fromStdString(cp1252ToUtf8(code)));
}

} // namespace

BrowseHost::BrowseHost(TXPage& page, const BrowseOptions& options, std::ostream& out)
    : page_(page), out_(out) {
    std::map<std::string, std::string> codes;
    for (const auto& [name, value] : options.codes)
        codes[upperCase(name)] = value;

    page.OnFileChange = [this] {
        report("file " + page_.XPath() + page_.XFile());
    };
    page.OnTitleChange = [this](const std::string& title) {
        report("title " + title);
        page_.setWindowTitle(QString::fromStdString("qor-browse: " + cp1252ToUtf8(title)));
    };
    page.OnBadLink = [this](const std::string& link) {
        report("bad-link " + (link.empty() ? std::string("(none)") : link));
    };
    page.OnCommand = [this](const std::string& command) {
        report("command " + command);
    };
    page.OnSpecialCode = [this, codes](std::string& code) {
        const auto found = codes.find(upperCase(code));
        const std::string value = found == codes.end() ? std::string() : found->second;
        report("special-code " + code + " = \"" + value + "\"");
        code = value;
    };
    page.OnPictureRequest = [this](const std::string& code, QImage& bitmap) {
        report("picture-request " + code + " " + std::to_string(bitmap.width()) + "x" +
               std::to_string(bitmap.height()));
        drawPlaceholder(bitmap, code);
    };
    page.OnAnkerChange = [this](const std::string& anker) {
        report("anker " + anker);
    };
    page.OnHintChange = [this](const std::string& hint) {
        report("hint " + hint);
    };
    page.OnRightClick = [this](TXPage& sender, const QRect& rect, const std::string& text) {
        report("right-click \"" + text + "\" " + rectText(rect) +
               (&sender == &page_ ? "" : " (child page)"));
    };
    page.OnClick = [this](QWidget*) {
        report("click");
    };
    page.OnKeyDown = [this](QWidget*, int& key, Qt::KeyboardModifiers) {
        report("key " + std::to_string(key));
    };
    page.SendMciCommand = [this](const std::string& command, bool quiet) {
        report("mci " + command);
        return SendPageMci(command, quiet);
    };
    page.PlayHoverSound = [this](const std::string& path) {
        report("hover-sound " + path);
        return PlaySoundSync(path);
    };
}

void BrowseHost::report(const std::string& line) {
    out_ << cp1252ToUtf8(line) << std::endl;
}

bool BrowseHost::play(const std::vector<Step>& steps) {
    QCoreApplication::processEvents();
    for (const Step& step : steps) {
        switch (step.kind) {
        case Step::Kind::Move:
            report("> move " + std::to_string(step.x) + "," + std::to_string(step.y));
            move(QPoint(step.x, step.y));
            break;
        case Step::Kind::Click:
        case Step::Kind::RightClick:
            report("> " + std::string(step.kind == Step::Kind::Click ? "click " : "right-click ") +
                   std::to_string(step.x) + "," + std::to_string(step.y));
            press(QPoint(step.x, step.y),
                  step.kind == Step::Kind::Click ? Qt::LeftButton : Qt::RightButton);
            break;
        case Step::Kind::Link:
            report("> link " + step.text);
            if (!clickLink(step.text)) {
                report("no link " + step.text + " on the page");
                return false;
            }
            break;
        case Step::Kind::Key:
            report("> key " + step.text);
            if (!key(step.text)) {
                report("unknown key " + step.text);
                return false;
            }
            break;
        case Step::Kind::Wait:
            wait(step.milliseconds);
            break;
        }
        QCoreApplication::processEvents();
    }
    return true;
}

// Goes to the widget under the point, as a real click would: a typing
// field or button of the page gets it, else the page.
QWidget* BrowseHost::widgetAt(QPoint at) {
    QWidget* target = page_.childAt(at);
    return target && target->isVisible() ? target : &page_;
}

void BrowseHost::move(QPoint at) {
    QWidget* target = widgetAt(at);
    QMouseEvent event(QEvent::MouseMove, target->mapFrom(&page_, at), page_.mapToGlobal(at),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void BrowseHost::press(QPoint at, Qt::MouseButton button) {
    move(at);
    QWidget* target = widgetAt(at);
    const QPointF local = target->mapFrom(&page_, at);
    const QPointF global = page_.mapToGlobal(at);
    QMouseEvent down(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
    QApplication::sendEvent(target, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &up);
}

// The link by its target (or its whole area name); one outside the window
// is scrolled into view first.
bool BrowseHost::clickLink(const std::string& name) {
    const tNamed_rectangle_list& areas = page_.areas();
    for (const NamedRectangle& entry : areas.entries()) {
        const std::string& areaName = areas.name(entry.nameIndex);
        if (areaName != name && SplitAreaName(areaName).target != name)
            continue;
        const int middle = (entry.rect.top + entry.rect.bottom) / 2;
        if (middle < page_.scrollPosition() || middle >= page_.scrollPosition() + page_.height())
            page_.Scroll(middle - page_.height() / 2);
        press(QPoint((entry.rect.left + entry.rect.right) / 2, middle - page_.scrollPosition()),
              Qt::LeftButton);
        return true;
    }
    return false;
}

bool BrowseHost::key(const std::string& name) {
    static const std::map<std::string, Qt::Key> named = {
        {"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter},         {"Escape", Qt::Key_Escape},
        {"Tab", Qt::Key_Tab},       {"Backspace", Qt::Key_Backspace}, {"Delete", Qt::Key_Delete},
        {"Left", Qt::Key_Left},     {"Right", Qt::Key_Right},         {"Up", Qt::Key_Up},
        {"Down", Qt::Key_Down},     {"Home", Qt::Key_Home},           {"End", Qt::Key_End},
    };
    int code = 0;
    QString text;
    if (const auto found = named.find(name); found != named.end()) {
        code = found->second;
    } else if (name.size() >= 2 && name[0] == 'F' &&
               name.find_first_not_of("0123456789", 1) == std::string::npos) {
        const int number = std::stoi(name.substr(1));
        if (number < 1 || number > 12)
            return false;
        code = Qt::Key_F1 + number - 1;
    } else {
        text = QString::fromStdString(name);
        if (text.size() != 1)
            return false;
        code = text.at(0).toUpper().unicode();
    }
    QWidget* target = QApplication::focusWidget();
    if (!target || (target != &page_ && !page_.isAncestorOf(target)))
        target = &page_;
    QKeyEvent down(QEvent::KeyPress, code, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QApplication::sendEvent(target, &up);
    return true;
}

void BrowseHost::wait(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

ReportedMessages::ReportedMessages(BrowseHost& host, bool showThem)
    : host_(host), show_(showThem), previous_(messagePresenter()) {
    setMessagePresenter(this);
}

ReportedMessages::~ReportedMessages() {
    setMessagePresenter(previous_);
}

int ReportedMessages::present(const std::string& caption, const std::string& text, int style) {
    host_.report("message [" + caption + "] " + normalizeLineBreaks(text));
    if (!show_)
        return defaultAnswer(style);
    QtMessagePresenter screen;
    return screen.present(caption, text, style);
}

} // namespace qor::browse
