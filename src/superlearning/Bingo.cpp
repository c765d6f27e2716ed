#include "superlearning/Bingo.h"

#include "graphics/QtGraphics.h"
#include "platform/QtText.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QRegion>

namespace qor {

const QRect TBingo::UpperArea(0, 30, 800, 207);
const QRect TBingo::LowerArea(0, 297, 800, 207);

namespace {

constexpr int FrameMs = 20;
const QRect ScoreBox(20, 544, 180, 17);
const QRect EnergyBox(640, 544, 160, 17);

QFont gameFont(const QString& family, int points) {
    QFont font(family);
    font.setPointSize(points);
    font.setBold(family == QLatin1String("Arial") || family == QLatin1String("Courier new"));
    return font;
}

// White mixed with the colour by alpha / 256.
QColor swatchColour(Color colour, int alpha) {
    const QColor full = toQColor(colour);
    const auto part = [alpha](int value) {
        return 255 + (value - 255) * alpha / 256;
    };
    return {part(full.red()), part(full.green()), part(full.blue())};
}

} // namespace

QStringList BingoFonts() {
    const QStringList liked = {"Arial",          "times new roman", "Courier new", "Verdana",
                               "Impact",         "Georgia",         "Arial Black", "Andale Mono",
                               "Lucida Console", "Garamond"};
    const QStringList installed = QFontDatabase::families();
    QStringList fonts;
    for (const QString& font : liked)
        if (installed.contains(font, Qt::CaseInsensitive))
            fonts.append(font);
    // Where none of them is installed the default font plays alone.
    if (fonts.isEmpty())
        fonts.append(QFont().family());
    return fonts;
}

TBingo::TBingo(BingoHost& host, TBingoList phrases, int vegasFaktor, QWidget* page,
               RandomSource random)
    : QWidget(page), fonts_(BingoFonts()),
      game_(std::make_unique<BingoGame>(host, std::move(phrases), vegasFaktor,
                                        static_cast<int>(fonts_.size()), std::move(random))) {
    setGeometry(page->rect());
    // The page shows between the areas, with its links.
    setMask(QRegion(UpperArea) + QRegion(LowerArea) + QRegion(ScoreBox) + QRegion(EnergyBox));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    connect(&clock_, &QTimer::timeout, this, &TBingo::frame);
}

TBingo::~TBingo() = default;

void TBingo::Run() {
    show();
    raise();
    setFocus();
    time_.start();
    clock_.start(FrameMs);
    frame();
}

void TBingo::frame() {
    if (!game_->Tick(time_.elapsed())) {
        clock_.stop();
        emit Finished();
        return;
    }
    update();
}

void TBingo::mousePressEvent(QMouseEvent*) {
    game_->Click();
}

void TBingo::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space)
        game_->Click();
    else if (event->key() == Qt::Key_Escape)
        game_->Stop();
    else
        QWidget::keyPressEvent(event);
}

void TBingo::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawText(painter, UpperArea, game_->Upper(), false);
    drawText(painter, LowerArea, game_->Lower(), game_->Swatch());
    drawStatus(painter);
}

// Centred in its area, as large as size 36 or, for a long text, smaller.
void TBingo::drawText(QPainter& painter, const QRect& area, const std::string& text, bool swatch) {
    painter.fillRect(area, Qt::white);
    if (swatch) {
        painter.fillRect(area.adjusted(120, 40, -120, -40),
                         swatchColour(game_->SwatchColour(), game_->SwatchAlpha()));
        return;
    }
    const QString family =
        fonts_[std::clamp(game_->Font(), 0, static_cast<int>(fonts_.size()) - 1)];
    const QString shown = toQString(text);
    QFont font = gameFont(family, 36);
    for (int points = 36; points > 2; points -= 2) {
        font = gameFont(family, points);
        if (QFontMetrics(font).horizontalAdvance(shown) <= area.width() - 40)
            break;
    }
    painter.setFont(font);
    painter.setPen(toQColor(game_->TextColour()));
    painter.drawText(area, Qt::AlignCenter, shown);
}

void TBingo::drawStatus(QPainter& painter) {
    painter.fillRect(ScoreBox, Qt::black);
    painter.fillRect(EnergyBox, Qt::black);
    QFont courier(QStringLiteral("courier new"));
    courier.setPointSize(10);
    painter.setFont(courier);
    painter.setPen(Qt::white);
    const int energy = game_->Energy();
    painter.drawText(ScoreBox, Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Score: %1").arg(game_->Score()));
    painter.drawText(QRect(750, 544, 50, 17), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("%1%").arg(energy, 3));
    painter.fillRect(QRect(740 - energy, 544, energy, 17),
                     QColor((100 - energy) * 255 / 100, energy * 255 / 100, 0));
}

} // namespace qor
