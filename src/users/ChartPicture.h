#pragma once
// A score chart drawn into a picture that a page asked for.

#include "users/UserStatistics.h"

#include <QImage>

namespace qor {

class ChartPicture : public ChartCanvas {
public:
    explicit ChartPicture(QImage& image) : image_(image) {}
    int width() const override { return image_.width(); }
    int height() const override { return image_.height(); }
    void fillRect(int left, int top, int right, int bottom, Color color) override;
    void drawLine(int x1, int y1, int x2, int y2, Color color) override;

private:
    QImage& image_;
};

} // namespace qor
