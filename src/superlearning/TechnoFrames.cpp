#include "superlearning/TechnoFrames.h"

#include "graphics/Blend.h"
#include "graphics/QtGraphics.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "superlearning/SuperSettings.h"

#include <QImageReader>

namespace qor {

namespace {

// Only read here: the blend takes its source through a mutable view.
Bitmap24 bitmap24Of(const QImage& image) {
    return {const_cast<uchar*>(image.constBits()), image.width(), image.height(),
            image.bytesPerLine()};
}

} // namespace

Color ColorOfRedGreenBlue(std::uint32_t value) {
    return rgbColor(static_cast<int>(value >> 16), static_cast<int>(value >> 8),
                    static_cast<int>(value));
}

TechnoFrameLook TechnoFrameLook::Of(const SuperSettings& settings, int alpha) {
    TechnoFrameLook look;
    look.height = 534 - 2 * settings.TechnoRand;
    look.background = ColorOfRedGreenBlue(settings.TechnoBGRColor);
    look.alpha = alpha;
    look.tint = ColorOfRedGreenBlue(settings.TechnoBMPColor);
    look.mode = settings.TechnoMode;
    return look;
}

std::vector<std::string> TechnoPictureFiles(const std::string& folder) {
    std::vector<std::string> files;
    if (folder.empty())
        return files;
    const std::string dir = includeTrailingSeparator(folder);
    for (const DirectoryEntry& entry : listDirectory(dir)) {
        const std::string name = lowerCase(entry.name);
        const std::string extension = extractFileExt(name);
        if (!entry.isDirectory && (extension == ".jpg" || extension == ".bmp") &&
            name != "vorschau.jpg")
            files.push_back(dir + entry.name);
    }
    return files;
}

QImage MakeTechnoFrame(const std::string& file, const TechnoFrameLook& look) {
    QImageReader reader(QString::fromStdString(toNativePath(file)));
    const QImage picture = reader.read().convertToFormat(QImage::Format_RGB888);
    if (picture.isNull())
        return {};
    QImage frame(look.width, look.height, QImage::Format_RGB888);
    frame.fill(toQColor(look.background));
    Bitmap24 target{frame.bits(), frame.width(), frame.height(), frame.bytesPerLine()};
    BlendBitmap(bitmap24Of(picture), target, (look.width - picture.width()) / 2,
                (look.height - picture.height()) / 2, look.mode, look.alpha, look.tint);
    return frame;
}

void ComposeTechnoShow(const QImage& previous, const QImage& current, int alpha, QImage& target) {
    const Bitmap32 pixels{target.bits(), target.width(), target.height(), target.bytesPerLine()};
    BlendBitmap(bitmap24Of(previous), pixels, 0, 0, 0, 255, ColorValue::Black);
    if (alpha > 0 && &current != &previous)
        BlendBitmap(bitmap24Of(current), pixels, 0, 0, 0, alpha, ColorValue::Black);
}

} // namespace qor
