// qor-browse: opens a page file in a window with the program's page control
// and writes down everything the program's main window would receive. For
// page authors, and for anyone who wants to try the page engine by hand.
//
//   qor-browse [options] [steps] PAGE       (see BrowseOptions.cpp)

#include "BrowseHost.h"
#include "BrowseOptions.h"
#include "page/exercises/PageExercises.h"
#include "page/view/TXPage.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

#include <QApplication>
#include <QDir>
#include <iostream>

namespace {

using namespace qor::literals;

std::string currentDirectory() {
    return qor::includeTrailingSeparator(
        qor::fromNativePath(QDir::currentPath().toStdString()).value_or(""));
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::optional<qor::browse::BrowseOptions> options =
        qor::browse::ParseBrowseArguments(args);
    if (!options) {
        std::cerr << qor::browse::BrowseUsage;
        return 2;
    }
    const auto path = qor::fromNativePath(options->page);
    if (!path) {
        std::cerr << "qor-browse: the file name cannot be written in Windows-1252\n";
        return 2;
    }
    // Without a screen, or when asked to, the program ends after the steps
    // and nobody answers message boxes.
    const bool stays = QGuiApplication::platformName() != "offscreen" && !options->quit;

    qor::TXPage page;
    page.resize(options->width, options->height);
    qor::PageExercises exercises(page);
    qor::browse::BrowseHost host(page, *options, std::cout);
    qor::browse::ReportedMessages messages(host, stays);
    // The special characters the main window offers in typing fields.
    page.setSonderzeichen("á;é;í;ó;ú;ñ;¿;¡;-;Á;É;Í;Ó;Ú;Ñ"_cp);
    for (const auto& [name, value] : options->definitions)
        page.SetDefine(name, value);
    for (const std::string& condition : options->conditions)
        page.SetCondition(condition, true);

    page.show();
    const std::string fullPath = qor::isAbsolutePath(*path) ? *path : currentDirectory() + *path;
    if (!page.setXFile(fullPath))
        return 1;
    const bool played = host.play(options->steps);
    if (!options->screenshot.empty() &&
        !page.grab().save(QString::fromStdString(options->screenshot), "PNG")) {
        std::cerr << "qor-browse: cannot write " << options->screenshot << '\n';
        return 1;
    }
    if (!stays)
        return played ? 0 : 1;
    return application.exec();
}
