#pragma once
// The frames of the short full-page animation that praises (or mourns) an
// answer: white italic text jittering over a black field of grey specks.

#include "graphics/Color.h"
#include "platform/Random.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <string>

namespace qor {

class Celebration {
public:
    // Inset of the field that every frame clears.
    static constexpr int InsetX = 80;
    static constexpr int InsetY = 50;

    Celebration(QSize size, const std::string& text, RandomSource random);

    // A black picture of the page's size to draw the frames into.
    QImage blankFrame() const;
    // Clears the field, scatters 4 to 7 specks, draws the text and moves it
    // by -2 to 2 pixels each way.
    void DrawFrame(QImage& frame);

    QPoint textPosition() const { return position_; }
    const QFont& font() const { return font_; }

private:
    QSize size_;
    QString text_;
    QFont font_;
    QPoint position_; // top left of the text
    RandomSource random_;
};

} // namespace qor
