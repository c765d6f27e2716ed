#include "page/view/ShapeImages.h"

#include <QPainter>
#include <functional>

namespace qor {

std::size_t ShapeImages::KeyHash::operator()(const ShapeKey& key) const {
    std::size_t hash = (key.ellipse ? 1 : 0) ^ std::hash<qreal>()(key.pixelRatio);
    for (const std::uint32_t value :
         {static_cast<std::uint32_t>(key.width), static_cast<std::uint32_t>(key.height),
          static_cast<std::uint32_t>(key.radius), static_cast<std::uint32_t>(key.borderWidth),
          key.borderColour, key.fillColour})
        hash = hash * 1000003u ^ value;
    return hash;
}

const QImage& ShapeImages::image(const ShapeKey& key, const std::function<void(QPainter&)>& paint) {
    if (const auto found = images_.find(key); found != images_.end())
        return found->second;
    if (bytes_ > MaxBytes) {
        images_.clear();
        bytes_ = 0;
    }
    QImage picture(qRound(std::max(1, key.width) * key.pixelRatio),
                   qRound(std::max(1, key.height) * key.pixelRatio),
                   QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(key.pixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    paint(painter);
    painter.end();
    bytes_ += picture.sizeInBytes();
    return images_.emplace(key, std::move(picture)).first->second;
}

} // namespace qor
