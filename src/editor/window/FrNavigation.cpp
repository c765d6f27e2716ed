#include "editor/window/FrNavigation.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPushButton>

namespace qor {

namespace {

// The colours of the program's pages: a red band with light text.
const QColor Band(0xB0, 0x41, 0x2E);
const QColor Light(0xFB, 0xF6, 0xEA);

QPushButton* navigationButton(const char* text, const char* hint, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setToolTip(QString::fromUtf8(hint));
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::TabFocus);
    button->setStyleSheet(QStringLiteral("QPushButton { color: #FBF6EA; border: none; padding: "
                                         "2px 12px; } QPushButton:hover { color: #E8B53A; }"));
    return button;
}

} // namespace

TFrNavigation::TFrNavigation(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, Band);
    colors.setColor(QPalette::WindowText, Light);
    setPalette(colors);
    if (QFontDatabase::families().contains(QStringLiteral("Verdana"))) {
        QFont verdana(QStringLiteral("Verdana"));
        verdana.setPointSize(font().pointSize());
        setFont(verdana);
    }
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 2, 8, 2);
    bHome = navigationButton("home", "Zur Startseite", this);
    bEinstellungen =
        navigationButton("einstellungen", "Einstellungen für den Vokabeltrainer", this);
    bAbfragen = navigationButton("abfragen", "Die Bibliothek abfragen", this);
    const char* const styles[] = {"klassisch", "abgedreht ", "techno", "super dd "};
    for (std::size_t style = 0; style < bSuper.size(); ++style)
        bSuper[style] = navigationButton(styles[style], "Superlearning mit der Bibliothek", this);
    layout->addWidget(bHome);
    layout->addStretch(1);
    for (QPushButton* superlearning : bSuper)
        layout->addWidget(superlearning);
    layout->addWidget(bEinstellungen);
    layout->addWidget(bAbfragen);
}

} // namespace qor
