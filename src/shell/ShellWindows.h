#pragma once
// The program's windows for one run: the main window (created again each
// time it returns from another full window), the full windows that take its
// place (the vocabulary editor, the training settings), the backdrop behind
// all of them, the screen saver while a presentation runs, and what the
// start and the end of the run ask of them.
//
//   ShellWindows windows(program);      // program.windows points here
//   windows.OpenAtStart(showBackdrop);  // or OpenEditorAtStart() in editor mode
//   return application.exec();          // "end" runs ShutDown, which quits

#include "dictionary/XWb.h"
#include "editor/window/VocEditor.h"
#include "shell/Backdrop.h"
#include "shell/MainWindow.h"
#include "shell/Program.h"
#include "shell/ScreenSaver.h"
#include "superlearning/SuperFade.h"
#include "users/LoginProcedures.h"
#include "users/QtUserDialogs.h"

#include <QPointer>
#include <memory>

namespace qor {

class ShellWindows : public ProgramWindows {
public:
    // The login dialogs are the program's own unless others are given.
    explicit ShellWindows(Program& program, UserDialogs* userDialogs = nullptr);
    ~ShellWindows() override;
    ShellWindows(const ShellWindows&) = delete;
    ShellWindows& operator=(const ShellWindows&) = delete;

    Program& program() { return program_; }

    // The windows of a normal start: first the login, then the main window
    // and the backdrop are created; the main window shows itself, and with
    // it the start page and the start page's commands, once the event loop
    // runs.
    void OpenAtStart(bool showBackdrop);
    // Editor mode: the vocabulary editor is the program; the backdrop and the
    // dictionary window are made hidden. Closing the editor ends the run.
    void OpenEditorAtStart();

    // Logging in, creating and switching users, for the whole run.
    // Made on first use: the user base exists once the start has run.
    UserAccounts& accounts();
    // The login dialogs open over the main window while there is one.
    void setDialogParent(QWidget* parent);

    // Shows the main window, creating one when there is none; it runs
    // PendingCommand or shows ReturnPage or the start page. Null when the
    // start page is missing and the user gave up (the program then ends).
    TMain* ShowMainWindow();
    // The same at a place on the screen, for a full window that gives way
    // to the main window again.
    TMain* ShowMainWindowAt(QPoint position);

    // The training settings window in place of the main window, at the
    // given place; the main window is released and comes back when the
    // settings window is left.
    void OpenOptionsWindow(QPoint position);
    // The verb trainer's selection window in place of the main window; the
    // main window comes back with the drill, or with the page set before.
    void OpenVerbSelection(QPoint position);
    TMain* mainWindow() const { return main_; }

    // The vocabulary editor in place of the main window ("editor"), covering
    // the screen: the dictionary window is hidden, the main window released.
    // It comes back where the editor leads ("home", "abfragen") or gives way
    // to the training settings window ("einstellungen"). An open editor is
    // only brought to the front.
    void OpenEditor();
    TVocEditor* editor() const { return editor_; }

    // Superlearning in the mode TrainingMode names: the settings are made if
    // needed; "klassisch" and "abgedreht" take the main window's place (it
    // stood at position) until they end and bring back the window
    // ReturnTarget names. The mode for the main window to run (Techno, DD,
    // Vegas), or NoPresentation when there is none to run there.
    static constexpr int NoPresentation = -1;
    int goSuper(QPoint position);
    // Superlearning started from a full window other than the main window
    // ("Opts", "Editor"), in a style: the full-screen styles come back to
    // that window, the others run in the main window.
    void startSuperlearning(const std::string& returnTarget, int style, QPoint position);
    // The superlearning settings dialog, modal over parent; the settings are
    // written when they changed and freed when it closes.
    void showSuperlearningSettings(QWidget* parent);
    // Superlearning's settings, made on first use.
    TSuperOptions& superOptions();

    // The training settings, the reserve of wrong choices and the training,
    // made on first use by the main window and the editor.
    void ensureTrainingObjects();

    // The dictionary window, made hidden at the start and shown on request.
    void WBzeigen();

    // The backdrop in the configured colour, shown when the screen is larger
    // than the main window's 800 x 600.
    TBackdrop* CreateBackdrop(bool showIt);
    TBackdrop* backdrop() const { return backdrop_; }
    bool backdropVisible() const;

    // Whether the backdrop is shown on a screen of this size.
    static bool ScreenWantsBackdrop(int width, int height);

    // A presentation or game runs in the main window: the screen saver is
    // kept away meanwhile.
    void setPresentationRunning(bool running);

    // The orderly end ("end"): lets pending events through, then ShutDown.
    void Beenden();

    // ProgramWindows
    std::optional<Color> backdropColor() const override;
    void freeRecorder() override;
    void freeBackdrop() override;
    void freeDictionaryWindow() override;
    void terminate() override;
    bool terminating() const override { return terminating_; }
    void processPendingMessages() override;

private:
    TMain* createMainWindow();
    void releaseMainWindow();
    void createDictionaryWindow();
    TVocEditor* createEditor();
    // Where the user went from the editor, which stood at position.
    void editorLeft(EditorExit exit, QPoint position);
    void superFadeFinished();
    // The editor's dictionary panel follows every change the dictionary
    // window shows; an empty function ends that.
    void watchDictionary(std::function<void()> shown);

    Program& program_;
    QtUserDialogs ownUserDialogs_;
    UserDialogs& userDialogs_;
    std::unique_ptr<UserAccounts> accounts_;
    QPointer<TMain> main_;
    QPointer<TBackdrop> backdrop_;
    QPointer<TVocEditor> editor_;
    QPointer<TSuperFade> superFade_;
    std::unique_ptr<TXWb> dictionaryWindow_;
    ScreenSaverInhibitor screenSaver_;
    bool terminating_ = false;
};

} // namespace qor
