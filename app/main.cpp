// Program entry: start mode, start-up checks and settings, the windows and
// the event loop. The page command "end", or closing the editor in editor
// mode, ends the run through ShutDown.

#include "CommandLine.h"
#include "StartupProbe.h"
#include "core/ProgramLocation.h"
#include "page/view/TXPage.h"
#include "platform/QtCollation.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtMessagePresenter.h"
#include "platform/QtText.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "shell/MainWindow.h"
#include "shell/ShellWindows.h"
#include "shell/StartUp.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <string>
#include <vector>

namespace {

qor::ScreenInfo primaryScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QSize size = screen->size();
    return {size.width(), size.height(), screen->depth()};
}

// The arguments as given, Qt's options among them.
std::vector<std::string> givenArguments(int argc, char* argv[]) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    return arguments;
}

// The arguments without Qt's options, as program text.
std::vector<std::string> programArguments() {
    std::vector<std::string> arguments;
    const QStringList all = QCoreApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i)
        arguments.push_back(qor::fromQString(all[i]));
    return arguments;
}

} // namespace

int main(int argc, char* argv[]) {
    const auto mainEntered = std::chrono::steady_clock::now();
    if (const auto status = qor::AnswerInformationRequest(givenArguments(argc, argv)))
        return *status;
    QApplication application(argc, argv);
    const std::vector<std::string> arguments = programArguments();
    if (const auto status = qor::RefuseUnknownOption(arguments))
        return *status;
    StartupProbe probe(mainEntered);
    // The application name is the X11 window class (StartupWMClass of the
    // menu entry), the desktop file name the menu entry itself.
    QApplication::setApplicationName("qor-spanisch");
    QGuiApplication::setDesktopFileName("io.github.qor_spanisch");
    QApplication::setWindowIcon(QIcon(":/icons/qor-spanisch.png"));

    qor::QtMessagePresenter messages;
    qor::setMessagePresenter(&messages);
    qor::QtFileDialogs fileDialogs;
    qor::setFileDialogs(&fileDialogs);
    qor::FileRegistry registry(qor::FileRegistry::defaultDirectory() + "registry.ini");
    qor::DesktopShell shell;

    const std::string programPath = qor::fromQString(QCoreApplication::applicationFilePath());
    qor::Program program(registry, shell, programPath, qor::ProgramDirFor(programPath));
    const qor::ScreenInfo screen = primaryScreen();
    if (!qor::StartUp(program, arguments, screen))
        return 1;
    program.library->setCollation(qor::compareGerman);
    program.dictionaryCollation = qor::compareGerman;
    program.mainState.PendingCommand.clear();
    program.mainState.ReturnPage.clear();

    qor::ShellWindows windows(program);
    if (program.config.EditorMode)
        windows.OpenEditorAtStart();
    else
        windows.OpenAtStart(qor::ShellWindows::ScreenWantsBackdrop(screen.width, screen.height));
    if (qor::TMain* main = windows.mainWindow())
        probe.watch(&main->XPage());
    // Ends with "end" (or closing the editor in editor mode), or when the
    // user gives up looking for the start page.
    return QApplication::exec();
}
