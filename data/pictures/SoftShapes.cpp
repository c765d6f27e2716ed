#include "SoftShapes.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace qor::pictures {

namespace {

QColor withAlpha(QColor colour, double alpha) {
    colour.setAlphaF(static_cast<float>(alpha));
    return colour;
}

} // namespace

void softCircle(QPainter& painter, QPointF centre, double radius, const QColor& colour,
                double opacity) {
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0, withAlpha(colour, opacity));
    gradient.setColorAt(0.6, withAlpha(colour, opacity * 0.6));
    gradient.setColorAt(1, withAlpha(colour, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
}

void softStroke(QPainter& painter, const QPainterPath& path, double width, const QColor& colour,
                double opacity) {
    constexpr int layers = 8;
    painter.setBrush(Qt::NoBrush);
    for (int layer = 0; layer < layers; ++layer) {
        const double share = 1 - static_cast<double>(layer) / layers;
        painter.setPen(QPen(withAlpha(colour, opacity / layers), width * share, Qt::SolidLine,
                            Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path);
    }
}

void waveBand(QPainter& painter, QSizeF size, const Wave& wave, const QColor& colour,
              double opacity) {
    const auto crestAt = [&](double x) {
        const double angle = 2 * std::numbers::pi * x / wave.wavelength + wave.phase;
        // A second, slower wave keeps the crests from repeating evenly.
        return wave.baseline + wave.amplitude * std::sin(angle) +
               wave.amplitude / 2 * std::sin(angle * 0.37 + 1.3);
    };
    QPainterPath crest(QPointF(0, crestAt(0)));
    for (double x = 4; x <= size.width(); x += 4)
        crest.lineTo(x, crestAt(x));
    QPainterPath band = crest;
    band.lineTo(size.width(), size.height());
    band.lineTo(0, size.height());
    band.closeSubpath();

    QLinearGradient gradient(0, wave.baseline - wave.amplitude, 0, size.height());
    gradient.setColorAt(0, withAlpha(colour, opacity));
    gradient.setColorAt(1, withAlpha(colour, opacity * 0.2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawPath(band);
    // A light seam along the crest.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(withAlpha(colour.lighter(130), opacity * 0.8), 1.5));
    painter.drawPath(crest);
}

} // namespace qor::pictures
