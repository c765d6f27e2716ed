#include "shell/ShellWindows.h"

#include "shell/Backdrop.h"
#include "shell/MainWindow.h"
#include "shell/StartUp.h"
#include "sound/RecSetup.h"
#include "sound/Recorder.h"
#include "sound/WaveDB.h"
#include "vocabulary/VocOptionen.h"

#include <QApplication>

namespace qor {

ShellWindows::ShellWindows(Program& program, UserDialogs* userDialogs)
    : program_(program), ownUserDialogs_(program.config.PageRoot + "hqor/"),
      userDialogs_(userDialogs ? *userDialogs : ownUserDialogs_) {
    program_.windows = this;
}

ShellWindows::~ShellWindows() {
    delete main_;
    delete backdrop_;
    program_.windows = nullptr;
}

void ShellWindows::OpenAtStart(bool showBackdrop) {
    accounts().LoginProcedure();
    createMainWindow();
    CreateBackdrop(showBackdrop);
    createDictionaryWindow();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [this] { ShowMainWindow(); }, Qt::QueuedConnection);
}

TMain* ShellWindows::createMainWindow() {
    auto* window = new TMain(*this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    main_ = window;
    return window;
}

TMain* ShellWindows::ShowMainWindow() {
    TMain* window = main_ ? main_.data() : createMainWindow();
    window->show();
    window->raise();
    window->activateWindow();
    if (!window->FormShow())
        return nullptr;
    return window;
}

TMain* ShellWindows::ShowMainWindowAt(QPoint position) {
    TMain* window = main_ ? main_.data() : createMainWindow();
    window->move(position);
    return ShowMainWindow();
}

void ShellWindows::OpenOptionsWindow(QPoint position) {
    Program& program = program_;
    VocOptionenContext context{
        *program.library,
        *program.settings,
        program.config,
        program.registry,
        [&program] { return program.userBase && program.userBase->IsLoggedIn(); },
        program.config.PageRoot + "hqor/",
        [&program](QWidget* parent) { TRecSetup(program.registry, parent).exec(); },
        [&program](QWidget* parent) {
            if (program.waveBase)
                TWaveDB(*program.waveBase, program.config, parent).exec();
        },
        [&program] {
            return program.training && program.training->PreCheck();
        }};
    auto* options = new TVocOptionen(context);
    options->move(position);
    options->OnHome = [this, options] {
        program_.mainState.PendingCommand = options->PendingCommand();
        ShowMainWindowAt(options->pos());
    };
    options->show();
    if (main_) {
        // The main window gives way; its page may still be handling the
        // click that brought the settings window.
        main_->hide();
        main_->deleteLater();
        main_ = nullptr;
    }
}

void ShellWindows::createDictionaryWindow() {
    if (program_.dictionary)
        dictionaryWindow_ =
            std::make_unique<TXWb>(*program_.dictionary, program_.config, program_.waveBase.get());
}

void ShellWindows::WBzeigen() {
    if (!dictionaryWindow_)
        createDictionaryWindow();
    if (!dictionaryWindow_)
        return;
    dictionaryWindow_->show();
    dictionaryWindow_->raise();
    dictionaryWindow_->activateWindow();
}

TBackdrop* ShellWindows::CreateBackdrop(bool showIt) {
    backdrop_ = new TBackdrop(program_.config.BackdropColor);
    backdrop_->ShowColor();
    if (showIt) {
        backdrop_->show();
        if (main_)
            main_->raise();
    }
    return backdrop_;
}

UserAccounts& ShellWindows::accounts() {
    if (!accounts_)
        accounts_ = std::make_unique<UserAccounts>(*program_.userBase, userDialogs_);
    return *accounts_;
}

void ShellWindows::setDialogParent(QWidget* parent) {
    ownUserDialogs_.setParent(parent);
}

bool ShellWindows::backdropVisible() const {
    return backdrop_ && backdrop_->isVisible();
}

bool ShellWindows::ScreenWantsBackdrop(int width, int height) {
    return width > 800 || height > 600;
}

void ShellWindows::setPresentationRunning(bool running) {
    program_.mainState.PresentationRunning = running;
    screenSaver_.setInhibited(running);
}

void ShellWindows::Beenden() {
    if (!terminating_)
        QCoreApplication::processEvents();
    ShutDown(program_);
}

std::optional<Color> ShellWindows::backdropColor() const {
    if (!backdrop_)
        return std::nullopt;
    return backdrop_->color();
}

void ShellWindows::freeRecorder() {
    FreeSharedRecorder();
}

void ShellWindows::freeBackdrop() {
    if (backdropVisible())
        delete backdrop_;
}

void ShellWindows::freeDictionaryWindow() {
    dictionaryWindow_.reset();
    program_.dictionary.reset();
}

void ShellWindows::terminate() {
    terminating_ = true;
    screenSaver_.setInhibited(false);
    // Quits once the running event is handled, also when the event loop has
    // not started yet.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
}

void ShellWindows::processPendingMessages() {
    QCoreApplication::processEvents();
}

} // namespace qor
