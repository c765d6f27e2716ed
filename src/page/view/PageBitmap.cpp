#include "page/view/PageBitmap.h"

#include "page/model/PageMessages.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

#include <QImageReader>

namespace qor {

namespace {

QImage readPicture(QImageReader& reader) {
    const QByteArray format = reader.format();
    QImage image = reader.read();
    if (image.isNull())
        return image;
    if (format == "jpeg" || format == "jpg")
        return image.convertToFormat(QImage::Format_RGB888);
    // Pictures with transparency keep it; all others draw fastest as RGB32.
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

} // namespace

const QImage& PageBitmap::scaled(int width, int height) {
    if (image_.width() == width && image_.height() == height)
        return image_;
    if (scaled_.width() != width || scaled_.height() != height)
        scaled_ = image_.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return scaled_;
}

QString PictureResourcePath(const std::string& name) {
    std::string resource = upperCase(name.substr(name.empty() || name.front() != '$' ? 0 : 1));
    for (char& c : resource) {
        if (c == '-' || c == '.')
            c = '_';
    }
    return QStringLiteral(":/pictures/") + QString::fromLatin1(resource.c_str());
}

std::shared_ptr<PictureImage> LoadPageBitmap(const TXPicture& picture) {
    if (picture.origin == TXPicture::Origin::Blank) {
        if (picture.width <= 0 || picture.height <= 0)
            return std::make_shared<PageBitmap>();
        QImage blank(picture.width, picture.height, QImage::Format_RGB32);
        blank.fill(Qt::white);
        return std::make_shared<PageBitmap>(std::move(blank));
    }

    const QString file = picture.origin == TXPicture::Origin::Resource
                             ? PictureResourcePath(picture.name)
                             : QString::fromStdString(toNativePath(picture.name));
    QImageReader reader(file);
    const bool animated = reader.supportsAnimation() && reader.imageCount() > 1;
    QImage image = readPicture(reader);
    if (image.isNull()) {
        ShowPageError("Das Bild " + picture.name + " konnte nicht geladen werden!");
        return nullptr;
    }
    auto bitmap = std::make_shared<PageBitmap>(std::move(image));
    if (animated)
        bitmap->setAnimationFile(file);
    return bitmap;
}

PageBitmap* pageBitmap(const TXPicture& picture) {
    return dynamic_cast<PageBitmap*>(picture.image.get());
}

} // namespace qor
