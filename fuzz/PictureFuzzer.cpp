// Any bytes as a picture file of a page, loaded as pages load pictures
// (Qt's image readers: BMP, JPEG, PNG, GIF, ...), stretched and blended onto
// a page buffer as boxes and pictures are. The first byte chooses the file's
// extension, the transition mode and the size it is stretched to.

#include "FuzzFiles.h"
#include "QtFuzzing.h"
#include "page/view/PageBitmap.h"
#include "page/view/TXBitmap.h"
#include "platform/ScriptedMessages.h"

#include <QGuiApplication>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace qor;

namespace {

std::string directory;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::startQt<QGuiApplication>(argc, argv);
    directory = fuzz::makeDirectory("fuzz-picture");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const unsigned setup = data[0];
    static constexpr std::array<const char*, 8> extensions{".bmp",  ".jpg", ".png", ".gif",
                                                           ".jpeg", ".ico", "",     ".BMP"};
    const std::string path = directory + "bild" + extensions[setup % extensions.size()];
    fuzz::writeFile(path, std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));

    ScriptedMessages messages;
    TXPicture picture;
    picture.name = path;
    const std::shared_ptr<PictureImage> image = LoadPageBitmap(picture);
    std::remove(path.c_str());
    auto* bitmap = dynamic_cast<PageBitmap*>(image.get());
    if (!bitmap)
        return 0;

    const int width = 1 + static_cast<int>(setup / 8 % 4) * 20;
    const int height = 1 + static_cast<int>(setup / 32) * 10;
    TXBitmap stretched(bitmap->scaled(width, height));
    stretched.Alpha = static_cast<int>(setup * 37 % 256);
    stretched.Tint = 0x00336699;
    QImage page(80, 60, QImage::Format_RGB32);
    page.fill(Qt::white);
    stretched.Draw(page, static_cast<int>(setup % 50) - 20, -5, static_cast<int>(setup % 9));
    return 0;
}
