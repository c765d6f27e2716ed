#pragma once
// The main window: borderless, 800 x 572, all of it one page control that
// shows the start page, the menus and their exercises. It is the pages' host: it runs the
// commands their links send, answers their special codes and keeps the
// conditions "s", "cdrom" and "login".

#include "shell/PageCommands.h"

#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>

namespace qor {

class PageExercises;
class TXUserBase;
class ShellWindows;
class BingoPlayer;
class TBingo;
class TSeventies;
class TTechnoStyle;
class TXPage;

class TMain : public QWidget,
              private CommandPage,
              private ShellCommandHost,
              private AreaTrainingHost,
              private SoundCommandHost,
              private OptionsWindowHost,
              private TrainingHost,
              private DictionaryHost,
              private VerbHost,
              private LabHost,
              private SuperlearningHost {
    Q_OBJECT

public:
    static constexpr int Width = 800;
    static constexpr int Height = 572;
    // The special characters the typing fields of pages offer.
    static const std::string SpecialCharacters;

    explicit TMain(ShellWindows& windows);
    ~TMain() override;

    TXPage& XPage() { return *page_; }
    PageExercises& Exercises() { return *exercises_; }

    // Showing: checks for the start page (asking to retry while it is
    // missing), connects the command handler and shows what the state asks
    // for. False when the user gave up; the window then closes.
    bool FormShow();

    // The command handler of the page control.
    void XPageCommand(const std::string& commandList);
    void XPageSpecialCode(std::string& code);
    // Draws the logged-in user's score charts.
    void XPagePictureRequest(const std::string& code, QImage& image);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // CommandPage
    void loadPage(const std::string& fileName) override;
    std::string currentPageFile() const override;
    void reloadPage() override;
    void setPageDefine(const std::string& name, const std::string& value) override;
    std::string pageDefine(const std::string& name) const override;
    void setPageCondition(const std::string& name, bool on) override;
    // ShellCommandHost
    void processMessages() override;
    void openUrl(const std::string& url) override;
    void openHomePage() override;
    bool searchMedium() override;
    void showPaths() override;
    void endProgram() override;
    // AreaTrainingHost
    bool startAreaTraining() override;
    // SoundCommandHost
    void showRecordingSetup() override;
    void showWaveBase() override;
    void speak(const std::string& text) override;
    // OptionsWindowHost
    void goEditor() override;
    void goVocEin() override;
    // TrainingHost
    VocabularyTraining& training() override;
    void goAbfrage() override;
    // DictionaryHost
    void WBzeigen() override;
    TXDatabase& dictionary() override;
    std::string searchText() const override;
    bool wholeWordsOnly() const override;
    // VerbHost
    TVerben* verben() override;
    void GoVerbEinstellungen() override;
    void setReturnPage(const std::string& page) override;
    // LabHost
    TThemenListe* themenListe() override;
    // SuperlearningHost
    void goSuper() override;
    void stopPresentation() override;
    void showSuperlearningSettings() override;
    void playBingo() override;

    void FormCreate();
    // Techno over the page, DD on it, until "stop"; then the page to
    // return to.
    void runTechno();
    void runSeventies();
    void presentationEnded(QWidget* presentation);
    void placeOnScreen();
    void runPendingCommand();
    std::string pageFolder() const;
    TXUserBase& users();

    ShellWindows& windows_;
    TXPage* page_;
    // The typing fields, choices, drag words and the recorder of the shown page.
    std::unique_ptr<PageExercises> exercises_;
    TPageCommands commands_;
    QPointer<TTechnoStyle> techno_;
    QPointer<TBingo> bingo_;
    std::unique_ptr<BingoPlayer> bingoPlayer_;
    QPointer<TSeventies> seventies_;
};

} // namespace qor
