#include "shell/Backdrop.h"

#include "graphics/QtGraphics.h"
#include "platform/QtText.h"
#include "platform/Text.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScreen>

namespace qor {
using namespace literals;

const Color TBackdrop::Colors[ColorCount] = {0xFFFFFF, 0xC0C0C0, 0x808080, 0x000000};

namespace {

const char* const ColorNames[TBackdrop::ColorCount] = {"Weiß", "Hellgrau", "Dunkelgrau", "Schwarz"};

// The program's window the user was working in, or any shown one.
QWidget* frontWindow(const QWidget* backdrop) {
    QWidget* active = QApplication::activeWindow();
    if (active && active != backdrop)
        return active;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != backdrop && window->isVisible() && !window->isMinimized())
            return window;
    return nullptr;
}

} // namespace

TBackdrop::TBackdrop(Color color, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                          Qt::WindowStaysOnBottomHint),
      color_(color), menu_(new QMenu(this)) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle("qor spanisch");
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());

    minimize_ = menu_->addAction(toQString("Minimieren"));
    connect(minimize_, &QAction::triggered, this, [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible())
                window->showMinimized();
    });
    menu_->addSeparator();
    for (int i = 0; i < ColorCount; ++i) {
        colorItems_[i] = menu_->addAction(toQString(utf8ToCp1252(ColorNames[i])));
        colorItems_[i]->setCheckable(true);
        connect(colorItems_[i], &QAction::triggered, this, [this, i] { chooseColor(i); });
    }
    applyColor();
}

void TBackdrop::setColor(Color color) {
    color_ = color;
    applyColor();
}

void TBackdrop::ShowColor() {
    for (int i = 0; i < ColorCount; ++i)
        colorItems_[i]->setChecked(Colors[i] == color_);
}

void TBackdrop::chooseColor(int index) {
    setColor(Colors[index]);
    for (int i = 0; i < ColorCount; ++i)
        colorItems_[i]->setChecked(i == index);
}

void TBackdrop::applyColor() {
    QPalette colors = palette();
    colors.setColor(QPalette::Window, toQColor(color_));
    setPalette(colors);
    setAutoFillBackground(true);
    update();
}

void TBackdrop::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    lower();
}

void TBackdrop::mousePressEvent(QMouseEvent* event) {
    if (QWidget* window = frontWindow(this)) {
        window->raise();
        window->activateWindow();
    }
    event->accept();
}

void TBackdrop::contextMenuEvent(QContextMenuEvent* event) {
    menu_->popup(event->globalPos());
}

} // namespace qor
