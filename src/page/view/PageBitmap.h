#pragma once
// The bitmap of a page picture and how pictures are loaded: files through
// Qt's image readers (BMP, JPEG, PNG, GIF, ...), "$" pictures from the
// program's resources, blank bitmaps for the host to draw into.

#include "page/model/Pictures.h"

#include <QImage>
#include <memory>
#include <string>

namespace qor {

class PageBitmap : public PictureImage {
public:
    explicit PageBitmap(QImage image = {}) : image_(std::move(image)) {}

    // Null for an empty entry ("%..." without a host to draw it).
    QImage& image() { return image_; }
    const QImage& image() const { return image_; }

    // The picture stretched to a size; the last size asked for is kept.
    const QImage& scaled(int width, int height);

    // An animated picture (a GIF of several frames) is played from its file
    // while its page is shown; image() is its first frame.
    bool animated() const { return !animationFile_.isEmpty(); }
    const QString& animationFile() const { return animationFile_; }
    void setAnimationFile(QString file) { animationFile_ = std::move(file); }

private:
    QImage image_;
    QImage scaled_;
    QString animationFile_;
};

// The bitmap of a picture entry, or nullptr after the message "Das Bild " +
// name + " konnte nicht geladen werden!". JPEG pictures become 24-bit
// bitmaps; blank ones are white.
std::shared_ptr<PictureImage> LoadPageBitmap(const TXPicture& picture);

// The Qt resource that holds the picture "$name": the name without "$",
// each "-" and "." replaced by "_", upper-cased, below ":/pictures/".
QString PictureResourcePath(const std::string& name);

PageBitmap* pageBitmap(const TXPicture& picture);

} // namespace qor
