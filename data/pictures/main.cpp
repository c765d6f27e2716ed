// qor-pictures: draws the picture set of the superlearning presentation's
// Techno mode and the preview picture that the settings dialog shows with its
// own words over it, as JPEG files for the sample installation.
//
//   qor-pictures --preview FILE PICTURE...
//
// The n-th PICTURE gets abstract picture number n, 800 x 534 as the
// presentation shows it; the preview is the first of them in the dialog's
// 160 x 100. Folders are made when missing; the pictures are the same in
// every build.

#include "AbstractPicture.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <iostream>

using namespace qor::pictures;

namespace {

constexpr int jpegQuality = 90;

bool saveJpeg(const QImage& image, const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (image.save(path, "JPG", jpegQuality))
        return true;
    std::cerr << "qor-pictures: cannot write " << path.toStdString() << " as JPEG\n";
    return false;
}

} // namespace

int main(int argc, char** argv) {
    // Words are drawn with the system's fonts, which need a GUI application,
    // but never a screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList args = QGuiApplication::arguments().mid(1);
    if (args.size() < 3 || args[0] != "--preview") {
        std::cerr << "usage: qor-pictures --preview FILE PICTURE...\n";
        return 2;
    }

    const QSize pictureSize(800, 534);
    for (int number = 1; number < args.size() - 1; ++number)
        if (!saveJpeg(abstractPicture(number, pictureSize), args[number + 1]))
            return 1;
    return saveJpeg(abstractPicture(1, {160, 100}), args[1]) ? 0 : 1;
}
