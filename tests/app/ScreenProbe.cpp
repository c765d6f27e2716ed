// qor-screen: looks at a window on the X display as a user's eyes would, so
// that the end-to-end tests find and check what the program shows without
// asking the program's own code where it drew it.
//
//   qor-screen shot  WINDOW FILE.png          the window as a picture
//   qor-screen hash  WINDOW [X Y W H]         a fingerprint of the window or an area
//   qor-screen count WINDOW RRGGBB X Y W H    how many pixels of that colour the area has
//   qor-screen find  WINDOW RRGGBB X Y W H    the connected patches of that colour
//                                             in the area, one "x y w h" a line,
//                                             top to bottom, left to right
//   qor-screen differ WINDOW FILE.png X Y W H how many pixels of the area differ
//                                             from the same area of the picture
//   qor-screen fine  WINDOW X Y W H           how many 2x2 blocks of the area (from
//                                             even coordinates) are not of one colour:
//                                             none when a picture was only enlarged
//
// WINDOW is the X window id (decimal, as xdotool prints it); coordinates are
// the window's.

#include <QCryptographicHash>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QScreen>
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

namespace {

// Patches smaller than this are noise: antialiased letters, single dots.
constexpr int MinimumPatchPixels = 40;

int usage() {
    std::cerr << "usage: qor-screen shot|hash|count|find|differ WINDOW [RRGGBB|FILE] [X Y W H]\n";
    return 2;
}

QImage grab(const char* window) {
    bool ok = false;
    const WId id = QString(window).toULongLong(&ok);
    if (!ok || !QGuiApplication::primaryScreen())
        return {};
    return QGuiApplication::primaryScreen()->grabWindow(id).toImage().convertToFormat(
        QImage::Format_RGB32);
}

bool readArea(char** argv, const QImage& image, QRect& area) {
    bool ok[4] = {};
    area = QRect(QString(argv[0]).toInt(&ok[0]), QString(argv[1]).toInt(&ok[1]),
                 QString(argv[2]).toInt(&ok[2]), QString(argv[3]).toInt(&ok[3]));
    area &= image.rect();
    return ok[0] && ok[1] && ok[2] && ok[3];
}

bool readColor(const char* text, QRgb& color) {
    bool ok = false;
    color = QString(text).toUInt(&ok, 16) | 0xFF000000u;
    return ok;
}

std::vector<QRect> patches(const QImage& image, QRgb color, const QRect& area) {
    std::vector<QRect> found;
    std::vector<bool> seen(static_cast<std::size_t>(image.width()) * image.height());
    const auto index = [&](int x, int y) {
        return static_cast<std::size_t>(y) * image.width() + x;
    };
    std::vector<QPoint> pending;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (seen[index(x, y)] || image.pixel(x, y) != color)
                continue;
            QRect bounds(x, y, 1, 1);
            int pixels = 0;
            pending = {QPoint(x, y)};
            seen[index(x, y)] = true;
            while (!pending.empty()) {
                const QPoint p = pending.back();
                pending.pop_back();
                ++pixels;
                bounds |= QRect(p, QSize(1, 1));
                for (const QPoint next :
                     {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)}) {
                    if (area.contains(next) && !seen[index(next.x(), next.y())] &&
                        image.pixel(next) == color) {
                        seen[index(next.x(), next.y())] = true;
                        pending.push_back(next);
                    }
                }
            }
            if (pixels >= MinimumPatchPixels)
                found.push_back(bounds);
        }
    }
    std::sort(found.begin(), found.end(), [](const QRect& a, const QRect& b) {
        return a.top() != b.top() ? a.top() < b.top() : a.left() < b.left();
    });
    return found;
}

int countPixels(const QImage& image, QRgb color, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == color;
    return count;
}

int differingPixels(const QImage& image, const QImage& expected, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += !expected.valid(x, y) || image.pixel(x, y) != expected.pixel(x, y);
    return count;
}

int mixedBlocks(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top() & ~1; y + 1 <= area.bottom(); y += 2)
        for (int x = area.left() & ~1; x + 1 <= area.right(); x += 2) {
            const QRgb first = image.pixel(x, y);
            count += image.pixel(x + 1, y) != first || image.pixel(x, y + 1) != first ||
                     image.pixel(x + 1, y + 1) != first;
        }
    return count;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc < 3)
        return usage();
    const std::string command = argv[1];
    const QImage image = grab(argv[2]);
    if (image.isNull()) {
        std::cerr << "qor-screen: cannot grab window " << argv[2] << '\n';
        return 1;
    }
    if (command == "shot" && argc == 4)
        return image.save(argv[3], "PNG") ? 0 : 1;
    if (command == "hash" && (argc == 3 || argc == 7)) {
        QRect area = image.rect();
        if (argc == 7 && !readArea(argv + 3, image, area))
            return usage();
        const QImage part = image.copy(area);
        QCryptographicHash hash(QCryptographicHash::Md5);
        hash.addData(QByteArrayView(part.constBits(), part.sizeInBytes()));
        std::cout << hash.result().toHex().toStdString() << '\n';
        return 0;
    }
    QRect area;
    if (command == "differ" && argc == 8 && readArea(argv + 4, image, area)) {
        const QImage expected = QImage(argv[3]).convertToFormat(QImage::Format_RGB32);
        if (expected.isNull()) {
            std::cerr << "qor-screen: cannot read " << argv[3] << '\n';
            return 1;
        }
        std::cout << differingPixels(image, expected, area) << '\n';
        return 0;
    }
    if (command == "fine" && argc == 7 && readArea(argv + 3, image, area)) {
        std::cout << mixedBlocks(image, area) << '\n';
        return 0;
    }
    QRgb color = 0;
    if ((command != "count" && command != "find") || argc != 8 || !readColor(argv[3], color) ||
        !readArea(argv + 4, image, area))
        return usage();
    if (command == "count") {
        std::cout << countPixels(image, color, area) << '\n';
        return 0;
    }
    for (const QRect& patch : patches(image, color, area))
        std::cout << patch.x() << ' ' << patch.y() << ' ' << patch.width() << ' ' << patch.height()
                  << '\n';
    return 0;
}
