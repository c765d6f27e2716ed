// Superlearning's windows: the settings made on demand, the full-screen
// presentation in place of the main window, and the way back.

#include "platform/AppMessage.h"
#include "platform/FileSystem.h"
#include "shell/ShellWindows.h"
#include "sound/MciSenders.h"
#include "superlearning/SuperSettingsDialog.h"

#include <QCoreApplication>
#include <QFontDatabase>

namespace qor {

TSuperOptions& ShellWindows::superOptions() {
    Program& program = program_;
    if (!program.superOptions) {
        const Configuration& config = program.config;
        SuperEnvironment environment{
            config.ProgramDir, config.PageRoot,
            !config.WaveDir.empty() && fileExists(config.WaveDir + "QOR_S"),
            [](std::string_view font) {
                return QFontDatabase::families().contains(
                    QString::fromLatin1(font.data(), static_cast<qsizetype>(font.size())),
                    Qt::CaseInsensitive);
            }};
        program.superOptions =
            std::make_unique<TSuperOptions>(program.registry, environment, SendMci);
        program.superOptions->ListDDPages(config.PageRoot + "hqor/");
    }
    return *program.superOptions;
}

void ShellWindows::showSuperlearningSettings(QWidget* parent) {
    {
        TSuperSettingsDialog dialog(superOptions(), program_.config.ProgramDir, parent);
        dialog.exec();
    }
    program_.superOptions.reset();
}

int ShellWindows::goSuper(QPoint position) {
    QCoreApplication::processEvents();
    Program& program = program_;
    if (program.library->Count(false) == 0) {
        AppMessage("Noch keine Bibliothek geladen! Was wollen Sie denn lernen?\?\?!");
        return NoPresentation;
    }
    ensureTrainingObjects();
    TSuperOptions& options = superOptions();
    MainWindowState& state = program.mainState;
    state.ReturnPage = "vokabeln.htx";
    options.SetStyle(state.TrainingMode);
    if (options.Style() >= 2)
        return options.Style();
    state.returnLeft = position.x();
    state.returnTop = position.y();
    superFade_ = new TSuperFade({options, *program.library, *program.settings, *program.waveBase});
    QObject::connect(superFade_, &TSuperFade::Finished, superFade_,
                     [this] { superFadeFinished(); });
    releaseMainWindow();
    setPresentationRunning(true);
    superFade_->Start();
    QCoreApplication::processEvents();
    return NoPresentation;
}

void ShellWindows::startSuperlearning(const std::string& returnTarget, int style, QPoint position) {
    MainWindowState& state = program_.mainState;
    state.TrainingMode = style;
    if (style >= 2) {
        state.PendingCommand = "super";
        ShowMainWindowAt(position);
        return;
    }
    state.ReturnTarget = returnTarget;
    goSuper(position);
    // The program never stands without a window.
    if (!superFade_)
        ShowMainWindowAt(position);
}

// The presentation is over: its settings are written if they changed, and
// the window the presentation came from comes back where it stood. Without
// a known window to return to, the main window comes back, so that the
// program never stands without a window.
void ShellWindows::superFadeFinished() {
    if (superFade_) {
        superFade_->hide();
        superFade_->deleteLater();
    }
    setPresentationRunning(false);
    Program& program = program_;
    program.superOptions.reset();
    const MainWindowState& state = program.mainState;
    const QPoint position(state.returnLeft, state.returnTop);
    if (state.ReturnTarget == "Opts")
        OpenOptionsWindow(position);
    else if (state.ReturnTarget == "Editor")
        OpenEditor();
    else
        ShowMainWindowAt(position);
}

} // namespace qor
