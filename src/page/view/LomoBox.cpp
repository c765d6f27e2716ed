#include "page/view/LomoBox.h"

#include "platform/FileSystem.h"

#include <QImageReader>
#include <QPainter>

namespace qor {

namespace {

// Quartering stops when tiles get this small.
constexpr int MaxQuarterDepth = 8;

PixelRect zoneOf(const PageRect& rect) {
    if (rect.x == PageRect::NotGiven || rect.y == PageRect::NotGiven ||
        rect.w == PageRect::NotGiven || rect.h == PageRect::NotGiven)
        return {};
    return PixelRect::fromSize(rect.x, rect.y, rect.w, rect.h);
}

} // namespace

TLomoBox::TLomoBox(const MosaicSpec& markup, const TBox& box, RandomSource random)
    : speed_(markup.speed), random_(std::move(random)) {
    for (const std::string& file : markup.files) {
        QImageReader reader(QString::fromStdString(toNativePath(file)));
        QImage image = reader.read();
        if (!image.isNull())
            pictures_.push_back(image.convertToFormat(QImage::Format_RGB32));
    }
    std::vector<PixelRect> zones = {PixelRect::fromSize(box.left, box.top, box.width, box.height)};
    const PixelRect second = zoneOf(markup.zone2);
    if (second.width() > 0 && second.height() > 0)
        zones.push_back(second);
    cut(zones);
}

TLomoBox::TLomoBox(std::vector<QImage> pictures, std::vector<PixelRect> zones, int speed,
                   RandomSource random)
    : pictures_(std::move(pictures)), speed_(speed), random_(std::move(random)) {
    cut(zones);
}

void TLomoBox::cut(const std::vector<PixelRect>& zones) {
    std::vector<PixelSize> sizes;
    for (const QImage& picture : pictures_)
        sizes.push_back({picture.width(), picture.height()});
    tileSize_ = mosaicTileSize(sizes);
    for (const PixelRect& zone : zones) {
        const std::vector<PixelRect> cut = mosaicTiles(zone, tileSize_);
        tiles_.insert(tiles_.end(), cut.begin(), cut.end());
    }
}

void TLomoBox::DrawAll(QImage& target) {
    for (const PixelRect& tile : tiles_)
        drawTile(target, tile, 0);
}

PixelRect TLomoBox::DrawRandomTile(QImage& target) {
    if (tiles_.empty())
        return {};
    const PixelRect& tile =
        tiles_[static_cast<std::size_t>(randomBelow(random_, static_cast<int>(tiles_.size())))];
    drawTile(target, tile, 0);
    return tile;
}

// A random picture no wider than the tile: one as wide fills it from its
// top left; a narrower one makes the tile fall into four quarters drawn the
// same way. Without such a picture the tile takes a random colour.
void TLomoBox::drawTile(QImage& target, const PixelRect& tile, int depth) {
    if (tile.width() <= 0 || tile.height() <= 0)
        return;
    std::vector<const QImage*> fitting;
    for (const QImage& picture : pictures_) {
        if (picture.width() <= tile.width())
            fitting.push_back(&picture);
    }
    QPainter painter(&target);
    if (fitting.empty() || depth >= MaxQuarterDepth) {
        const int red = randomBelow(random_, 256);
        const int green = randomBelow(random_, 256);
        const int blue = randomBelow(random_, 256);
        painter.fillRect(tile.left, tile.top, tile.width(), tile.height(),
                         QColor(red, green, blue));
        return;
    }
    const QImage& picture =
        *fitting[static_cast<std::size_t>(randomBelow(random_, static_cast<int>(fitting.size())))];
    if (picture.width() == tile.width()) {
        painter.drawImage(QPoint(tile.left, tile.top), picture,
                          QRect(0, 0, tile.width(), std::min(tile.height(), picture.height())));
        return;
    }
    painter.end();
    const int halfWidth = tile.width() / 2;
    const int halfHeight = tile.height() / 2;
    const int middleX = tile.left + halfWidth;
    const int middleY = tile.top + halfHeight;
    drawTile(target, {tile.left, tile.top, middleX, middleY}, depth + 1);
    drawTile(target, {middleX, tile.top, tile.right, middleY}, depth + 1);
    drawTile(target, {tile.left, middleY, middleX, tile.bottom}, depth + 1);
    drawTile(target, {middleX, middleY, tile.right, tile.bottom}, depth + 1);
}

} // namespace qor
