#include "PreviewPicture.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace qor::pictures {

QImage previewPicture(const QImage& picture, const QString& word, QSize size) {
    QImage preview = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&preview);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // As large as the word fits across nine tenths of the picture.
    QFont font;
    font.setFamilies({"Arial", "Liberation Sans", "DejaVu Sans"});
    font.setBold(true);
    for (int pixels = size.height() / 4; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(word) <= size.width() * 9 / 10)
            break;
    }
    painter.setFont(font);
    // A soft dark shadow keeps the white letters readable on light spots.
    const QRect area(QPoint(), size);
    painter.setPen(QColor(0, 0, 0, 150));
    painter.drawText(area.translated(2, 2), Qt::AlignCenter, word);
    painter.setPen(Qt::white);
    painter.drawText(area, Qt::AlignCenter, word);
    return preview;
}

} // namespace qor::pictures
