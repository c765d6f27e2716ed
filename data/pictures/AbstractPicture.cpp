#include "AbstractPicture.h"

#include "Palette.h"
#include "SeededRandom.h"
#include "SoftShapes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace qor::pictures {

namespace {

const QColor& anyAccent(const Palette& palette, SeededRandom& random) {
    return palette
        .accents[static_cast<std::size_t>(random.below(static_cast<int>(palette.accents.size())))];
}

void background(QPainter& painter, QSizeF size, const Palette& palette, SeededRandom& random) {
    const double angle = random.between(0, 2 * std::numbers::pi);
    const QPointF middle(size.width() / 2, size.height() / 2);
    const QPointF reach(std::cos(angle) * size.width() / 2, std::sin(angle) * size.height() / 2);
    QLinearGradient gradient(middle - reach, middle + reach);
    gradient.setColorAt(0, palette.deep);
    gradient.setColorAt(1, palette.light);
    painter.fillRect(QRectF(QPointF(), size), gradient);
}

void bubbles(QPainter& painter, QSizeF size, const Palette& palette, SeededRandom& random) {
    const int count = 14 + random.below(9);
    for (int i = 0; i < count; ++i) {
        // Large, faint bubbles first, small and clearer ones over them.
        const double share = 1 - static_cast<double>(i) / count;
        const QPointF centre(random.between(-0.1, 1.1) * size.width(),
                             random.between(-0.1, 1.1) * size.height());
        softCircle(painter, centre, 25 + share * random.between(60, 160),
                   anyAccent(palette, random), random.between(0.2, 0.35) + (1 - share) * 0.3);
    }
}

void waves(QPainter& painter, QSizeF size, const Palette& palette, SeededRandom& random) {
    const int count = 5 + random.below(3);
    for (int i = 0; i < count; ++i) {
        const Wave wave{.baseline = size.height() * (0.3 + 0.6 * i / count),
                        .amplitude = random.between(10, 35),
                        .wavelength = random.between(250, 700),
                        .phase = random.between(0, 2 * std::numbers::pi)};
        waveBand(painter, size, wave, anyAccent(palette, random), random.between(0.2, 0.35));
    }
}

void rings(QPainter& painter, QSizeF size, const Palette& palette, SeededRandom& random) {
    const QPointF centre(random.between(0.2, 0.8) * size.width(),
                         random.between(0.25, 0.75) * size.height());
    softCircle(painter, centre, random.between(80, 140), palette.accents.front(), 0.5);
    for (double radius = random.between(40, 70); radius < size.width();
         radius += random.between(25, 60)) {
        QPainterPath ring;
        ring.addEllipse(centre, radius, radius);
        softStroke(painter, ring, random.between(4, 18), anyAccent(palette, random),
                   random.between(0.15, 0.4));
    }
}

void ribbons(QPainter& painter, QSizeF size, const Palette& palette, SeededRandom& random) {
    const int count = 4 + random.below(3);
    const double height = size.height();
    for (int i = 0; i < count; ++i) {
        QPainterPath ribbon(QPointF(-50, random.between(0.1, 0.9) * height));
        ribbon.cubicTo(QPointF(size.width() * 0.35, random.between(-0.2, 1.2) * height),
                       QPointF(size.width() * 0.65, random.between(-0.2, 1.2) * height),
                       QPointF(size.width() + 50, random.between(0.1, 0.9) * height));
        softStroke(painter, ribbon, random.between(30, 90), anyAccent(palette, random),
                   random.between(0.3, 0.5));
    }
}

// Darker corners draw the eye to the middle, where the words stand.
void vignette(QPainter& painter, QSizeF size) {
    const QPointF middle(size.width() / 2, size.height() / 2);
    QRadialGradient gradient(middle, std::hypot(middle.x(), middle.y()));
    gradient.setColorAt(0.5, QColor(0, 0, 0, 0));
    gradient.setColorAt(1, QColor(0, 0, 0, 110));
    painter.fillRect(QRectF(QPointF(), size), gradient);
}

} // namespace

QImage abstractPicture(int number, QSize size) {
    using Motif = void (*)(QPainter&, QSizeF, const Palette&, SeededRandom&);
    constexpr Motif motifs[] = {bubbles, waves, rings, ribbons};

    SeededRandom random(static_cast<std::uint32_t>(number));
    const Palette palette = harmoniousPalette(random);
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    background(painter, size, palette, random);
    motifs[static_cast<std::size_t>(number - 1) % std::size(motifs)](painter, size, palette,
                                                                     random);
    vignette(painter, size);
    return picture;
}

} // namespace qor::pictures
