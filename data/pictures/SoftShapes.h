#pragma once
// The shapes of the abstract pictures, all with soft edges so that the
// pictures stay calm behind the words of the presentation.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QSizeF>

namespace qor::pictures {

// A disc that fades from the colour at its centre to nothing at its rim.
void softCircle(QPainter& painter, QPointF centre, double radius, const QColor& colour,
                double opacity);

// A line of some width that is densest along its middle and fades towards
// both edges (layered strokes of falling width).
void softStroke(QPainter& painter, const QPainterPath& path, double width, const QColor& colour,
                double opacity);

// The area below a gentle wave across the picture, filled to the bottom and
// fading downwards from its crest.
struct Wave {
    double baseline = 0;   // mean height of the crest, pixels from the top
    double amplitude = 20; // pixels
    double wavelength = 400;
    double phase = 0; // radians
};
void waveBand(QPainter& painter, QSizeF size, const Wave& wave, const QColor& colour,
              double opacity);

} // namespace qor::pictures
