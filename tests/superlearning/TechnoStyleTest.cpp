// Techno over a stand-in main window on the offscreen platform: frames made
// from a few pictures written for the test, the progress bar, a frame with
// its picture, background and text, the frame rate line, the music and the
// end by Escape.

#include "superlearning/TechnoStyle.h"

#include "core/Configuration.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "sound/WaveBase.h"
#include "support/TempDir.h"
#include "vocabulary/Bibliothek.h"

#include <QTest>
#include <gtest/gtest.h>

namespace qor {
namespace {

void writePicture(const std::string& path, const QColor& colour) {
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(colour);
    ASSERT_TRUE(picture.save(QString::fromStdString(toNativePath(path)), "JPG"));
}

bool near(QRgb pixel, int red, int green, int blue) {
    return std::abs(qRed(pixel) - red) < 24 && std::abs(qGreen(pixel) - green) < 24 &&
           std::abs(qBlue(pixel) - blue) < 24;
}

int pixelsLike(const QImage& image, const QRect& area, int red, int green, int blue) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += near(image.pixel(x, y), red, green, blue);
    return count;
}

TEST(TechnoStyleTest, PicturesBecomeFramesBehindTheWordsUntilEscape) {
    test::TempDir dir;
    const std::string pictures = dir.dir("Bilder/");
    dir.file("Bilder/0-kaputt.jpg", "kein Bild");
    dir.file("Bilder/notiz.txt", "kein Bild");
    writePicture(pictures + "1-rot.jpg", Qt::red);
    writePicture(pictures + "2-gruen.JPG", Qt::green);
    writePicture(pictures + "3-blau.bmp", Qt::blue);
    writePicture(pictures + "Vorschau.jpg", Qt::white);
    EXPECT_EQ(TechnoPictureFiles(pictures).size(), 4u) << "the broken one too, no preview";
    dir.file("MP3/musik.mp3", "");

    MemoryRegistry registry;
    std::vector<std::string> sent;
    TSuperOptions options(registry,
                          {dir.path(), dir.path(), false,
                           [](std::string_view) {
                               return false;
                           }},
                          [&sent](const std::string& command, bool) {
                              sent.push_back(command);
                              return std::string();
                          });
    options.Set(&SuperSettings::TechnoPhotoDir, pictures);
    options.Set(&SuperSettings::TechnoTransparenz, 0);
    options.Set(&SuperSettings::TechnoFading, false);
    options.Set(&SuperSettings::TechnoFrameDelay, 100000);
    options.Set(&SuperSettings::TechnoBGRColor, 0x000080u);
    TBibliothek library(std::make_unique<TLastFiles>(registry));
    TVokabel padre;
    padre.Vokabel = "padre (m)";
    padre.Bedeutung[0] = "(der) Vater";
    TVocEinstellungen order;
    order.Von = order.Bis = library.Add(padre);
    Configuration config(registry, dir.path() + "qor", dir.path());
    TXWaveBase sounds(config);

    QWidget mainWindow;
    mainWindow.resize(800, 572);
    mainWindow.show();
    const auto first = [](int) {
        return 0;
    };
    TTechnoStyle empty(options, library, order, sounds, &mainWindow, first);
    options.Set(&SuperSettings::TechnoPhotoDir, dir.dir("leer/"));
    EXPECT_FALSE(empty.Prepare());
    options.Set(&SuperSettings::TechnoPhotoDir, pictures);

    TTechnoStyle techno(options, library, order, sounds, &mainWindow, first);
    ASSERT_TRUE(techno.Prepare());
    EXPECT_EQ(techno.geometry(), QRect(0, 0, 800, 572));
    EXPECT_TRUE(near(techno.grab().toImage().pixel(517, 240), 153, 153, 153)) << "all loaded";

    bool finished = false;
    QObject::connect(&techno, &TTechnoStyle::Finished, [&finished] { finished = true; });
    techno.Run();
    EXPECT_NE(std::find(sent.begin(), sent.end(), "play mp3"), sent.end());
    // The frame rate shows after 50 frames.
    const QRect frameRateLine(10, 544, 60, 10);
    QImage frame;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            frame = techno.grab().toImage();
            return pixelsLike(frame, frameRateLine, 102, 102, 102) > 10;
        },
        10000));
    // The area of 800 x 334 below a border of 100: the first picture (the
    // broken file is left out) centred on the background, the word over it.
    EXPECT_TRUE(near(frame.pixel(5, 5), 0, 0, 0));
    EXPECT_TRUE(near(frame.pixel(5, 125), 0, 0, 128));
    EXPECT_TRUE(near(frame.pixel(5, 447), 0, 0, 128));
    EXPECT_TRUE(near(frame.pixel(5, 460), 0, 0, 0));
    EXPECT_TRUE(near(frame.pixel(305, 240), 255, 0, 0));
    EXPECT_TRUE(near(frame.pixel(495, 330), 255, 0, 0));
    EXPECT_GT(pixelsLike(frame, QRect(0, 119, 800, 334), 255, 255, 255), 100) << "*padre (m)";
    EXPECT_NE(std::find(sent.begin(), sent.end(), "status mp3 mode"), sent.end());

    QTest::keyClick(&techno, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&finished] { return finished; }, 5000));
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent[sent.size() - 2], "stop mp3");
    EXPECT_EQ(sent.back(), "close mp3");
}

} // namespace
} // namespace qor
