#include "shell/MainWindow.h"

#include "page/exercises/PageExercises.h"
#include "page/view/TXPage.h"
#include "platform/AppMessage.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "shell/Backdrop.h"
#include "shell/BingoPlayer.h"
#include "shell/ShellWindows.h"
#include "shell/SpecialCodes.h"
#include "shell/XPaths.h"
#include "sound/RecSetup.h"
#include "sound/Recorder.h"
#include "sound/WaveDB.h"
#include "sound/WordSpeech.h"
#include "superlearning/Bingo.h"
#include "superlearning/Seventies.h"
#include "superlearning/TechnoStyle.h"
#include "users/ChartPicture.h"
#include "users/XUserBase.h"
#include "vocabulary/SaveQuestion.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace qor {
using namespace literals;

const std::string TMain::SpecialCharacters = "á;é;í;ó;ú;ñ;¿;¡;-;Á;É;Í;Ó;Ú;Ñ"_cp;

namespace {

// What the window shows while Techno prepares its pictures; a click stops it.
const char* const TechnoLoadingPage =
    "<body bgcolor=#0 text=#ffffff link=#ffffff><box coords=200,260,400 align=m>"
    "<font face=\"verdana, arial\" size=2><b>Loading...</b><onclick href=\"\xA7[stop]\" return>";

UserFigures figuresOf(const TXUserBase& users, const ExtraFeatures& extras) {
    const UserStatistics& statistics = users.Statistics();
    UserFigures figures;
    figures.name = users.User();
    figures.perfa = statistics.perfa;
    figures.perfr = statistics.perfr;
    figures.perfd = statistics.perfd;
    figures.perff = statistics.perff;
    figures.nr = static_cast<int>(users.Records().size());
    figures.nrd = statistics.nrd;
    figures.nrf = statistics.nrf;
    figures.pe = statistics.pe;
    figures.pm = statistics.pm;
    figures.pv = statistics.pv;
    figures.loginTime = users.LoginTime();
    figures.storedLearningTime = users.TotalLearningTime();
    figures.historyShown = extras.LearningHistory;
    figures.historyMost = users.HistoryMostAnswers();
    return figures;
}

// The picture requests of the statistics pages and the charts they draw.
constexpr std::pair<std::string_view, Chart> ChartRequests[] = {
    {"absolut", AbsoluteChart},
    {"relativ", RelativeChart},
    {"deutsch", GermanChart},
    {"fremd", SpanishChart},
};
// The learning history's chart.
constexpr std::string_view HistoryRequest = "verlauf";

} // namespace

TMain::TMain(ShellWindows& windows)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), windows_(windows),
      page_(new TXPage(this)), exercises_(std::make_unique<PageExercises>(*page_)),
      commands_(windows.program().mainState, {*this, *this, *this, *this, windows.accounts(), *this,
                                              *this, *this, *this, *this, *this}) {
    FormCreate();
}

TMain::~TMain() {
    // The training lives on and asks its questions in the next main window.
    Program& program = windows_.program();
    if (program.training && program.training->page() == static_cast<CommandPage*>(this))
        program.training->setPage(nullptr);
}

void TMain::FormCreate() {
    setWindowTitle("qor spanisch");
    setFixedSize(Width, Height);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, Qt::black);
    setPalette(colors);
    setAutoFillBackground(true);
    placeOnScreen();

    Program& program = windows_.program();
    page_->setGeometry(0, 0, Width, Height);
    page_->setShell(&program.shell);
    page_->setProgramDir(program.config.ProgramDir);
    page_->OnSpecialCode = [this](std::string& code) {
        XPageSpecialCode(code);
    };
    page_->OnPictureRequest = [this](const std::string& code, QImage& image) {
        XPagePictureRequest(code, image);
    };
    page_->setSonderzeichen(SpecialCharacters);
    // Pages with a recorder share the program's one recorder.
    exercises_->setRecorderSource(
        [&registry = program.registry] { return &SharedRecorder(registry); });
    page_->SetCondition("s", true);
    page_->SetCondition("cdrom", !program.config.WaveDir.empty());
    page_->SetCondition("login", users().IsLoggedIn());
    windows_.setDialogParent(this);
    page_->setFocus();

    windows_.ensureTrainingObjects();
    program.training->setPage(this);
    if (!program.verben) {
        program.verben = std::make_unique<TVerben>(program.registry);
        program.verben->AccentHints = [&program] {
            return program.config.Extras.AccentHints;
        };
    }

    MainWindowState& state = program.mainState;
    state.currentVerb = 0;
    state.PresentationRunning = false;
}

void TMain::placeOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    // On a screen just as wide as the window the window system places it.
    if (!screen || screen->geometry().width() == Width)
        return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - Width) / 2, area.y() + (area.height() - Height) / 2);
}

std::string TMain::pageFolder() const {
    return windows_.program().config.PageRoot + "hqor/";
}

bool TMain::FormShow() {
    while (!fileExists(pageFolder() + "main.htx")) {
        if (AppMessage("Eine Datei konnte nicht gefunden werden!\nBitte überprüfen Sie, ob die "
                       "CD-ROM eingelegt ist!"_cp,
                       MessageStyle::RetryCancel) == MessageResult::Cancel) {
            close();
            return false;
        }
        QCoreApplication::processEvents();
    }
    page_->OnCommand = [this](const std::string& command) {
        XPageCommand(command);
    };

    MainWindowState& state = windows_.program().mainState;
    if (!state.PendingCommand.empty()) {
        if (windows_.backdropVisible())
            page_->setColorBGR(windows_.backdrop()->color());
        // Run once the window is on the screen, after the events of showing.
        QMetaObject::invokeMethod(this, &TMain::runPendingCommand, Qt::QueuedConnection);
    } else if (!state.ReturnPage.empty()) {
        const std::string page = state.ReturnPage;
        page_->setXFile(pageFolder() + page);
        state.ReturnPage.clear();
    } else {
        page_->setXFile(pageFolder() + "main.htx");
    }
    return true;
}

void TMain::runPendingCommand() {
    MainWindowState& state = windows_.program().mainState;
    page_->setXPath(pageFolder());
    const std::string command = state.PendingCommand;
    state.PendingCommand.clear();
    XPageCommand(command);
}

void TMain::XPageCommand(const std::string& commandList) {
    commands_.Run(commandList);
}

TXUserBase& TMain::users() {
    return *windows_.program().userBase;
}

void TMain::XPageSpecialCode(std::string& code) {
    SpecialCodeContext context;
    context.vocabularyRoot = windows_.program().config.VocabularyRoot;
    context.version = ThisProgramVersion();
    context.now = LocalNow();
    UserFigures figures;
    if (users().IsLoggedIn()) {
        figures = figuresOf(users(), windows_.program().config.Extras);
        context.user = &figures;
    }
    code = SpecialCodeValue(code, context);
}

void TMain::XPagePictureRequest(const std::string& code, QImage& image) {
    for (const auto& [request, chart] : ChartRequests) {
        if (code == request) {
            ChartPicture picture(image);
            users().DrawChart(picture, chart);
        }
    }
    if (code == HistoryRequest && users().IsLoggedIn() &&
        windows_.program().config.Extras.LearningHistory) {
        ChartPicture picture(image);
        DrawHistoryChart(picture, users().HistoryChartFor(image.width(), image.height()));
    }
}

void TMain::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program, in order.
    if (!windows_.terminating())
        windows_.Beenden();
    event->accept();
}

void TMain::processMessages() {
    QCoreApplication::processEvents();
}

void TMain::loadPage(const std::string& fileName) {
    page_->setXFile(fileName);
}

std::string TMain::currentPageFile() const {
    return page_->XFile();
}

void TMain::reloadPage() {
    if (!page_->XFile().empty())
        page_->setXFile(page_->XPath() + page_->XFile());
}

void TMain::setPageDefine(const std::string& name, const std::string& value) {
    page_->SetDefine(name, value);
}

std::string TMain::pageDefine(const std::string& name) const {
    return page_->GetDefine(name);
}

void TMain::setPageCondition(const std::string& name, bool on) {
    page_->SetCondition(name, on);
}

void TMain::openUrl(const std::string& url) {
    if (!windows_.program().shell.openUrl(url))
        AppMessage("Internet-Verbindung konnte nicht geöffnet werden!"_cp,
                   MessageStyle::Information);
}

void TMain::openHomePage() {
    const std::string address =
        windows_.program().config.iniFile().readString("qor spanisch", "Homepage");
    if (address.empty()) {
        AppMessage("Für *qor spanisch ist keine Homepage eingetragen.\r(qor.ini, Abschnitt "
                   "[qor spanisch], Eintrag Homepage)"_cp,
                   MessageStyle::Information);
        return;
    }
    openUrl(address);
}

bool TMain::searchMedium() {
    Configuration& config = windows_.program().config;
    config.SearchMediaDrive();
    return !config.WaveDir.empty();
}

void TMain::showRecordingSetup() {
    TRecSetup dialog(windows_.program().registry, this);
    dialog.exec();
}

void TMain::speak(const std::string& text) {
    if (windows_.program().config.Extras.Speech)
        SpeakQuiet(text, SpeechRate::Normal);
}

void TMain::showWaveBase() {
    Program& program = windows_.program();
    if (!program.waveBase)
        return;
    TWaveDB dialog(*program.waveBase, program.config, this);
    dialog.exec();
}

void TMain::showPaths() {
    TXPaths dialog(windows_.program(), this);
    dialog.exec();
}

bool TMain::startAreaTraining() {
    Program& program = windows_.program();
    if (!AskToSaveChanges(*program.library, program.config))
        return false;
    TBibliothek& library = *program.library;
    library.LoadRandomMix(program.config.VocabularyRoot + program.mainState.TrainingArea);
    program.settings->Preset(program.mainState.TrainingLevel);
    program.settings->Bis = library.Count(false) - 1;
    if (program.mainState.TrainingMode == 100) {
        goAbfrage();
        return true;
    }
    goSuper();
    return true;
}

VocabularyTraining& TMain::training() {
    return *windows_.program().training;
}

void TMain::goAbfrage() {
    Program& program = windows_.program();
    VocabularyTraining& rounds = *program.training;
    if (!rounds.PreCheck()) {
        goVocEin();
        return;
    }
    rounds.Start();
    if (program.userBase && program.userBase->IsLoggedIn())
        program.library->LoadScores();
    rounds.NextQuestion(true, program.settings->ProRunde);
}

void TMain::goEditor() {
    windows_.OpenEditor();
}

void TMain::goVocEin() {
    windows_.program().mainState.ReturnPage.clear();
    windows_.OpenOptionsWindow(pos());
}

void TMain::WBzeigen() {
    windows_.WBzeigen();
}

TXDatabase& TMain::dictionary() {
    return windows_.program().Dictionary();
}

// The search page's field and check box.
std::string TMain::searchText() const {
    return page_->GetDefine("Suchen");
}

bool TMain::wholeWordsOnly() const {
    return page_->model().HasCondition("ganze");
}

TVerben* TMain::verben() {
    return windows_.program().verben.get();
}

void TMain::GoVerbEinstellungen() {
    windows_.OpenVerbSelection(pos());
}

void TMain::setReturnPage(const std::string& page) {
    windows_.program().mainState.ReturnPage = page;
}

void TMain::goSuper() {
    switch (windows_.goSuper(pos())) {
    case ShellWindows::NoPresentation:
        return;
    case 2:
        runTechno();
        return;
    case 3:
        runSeventies();
        return;
    case 4:
        page_->setXFile(pageFolder() + "vegas/intro.htx");
        return;
    default:
        return;
    }
}

void TMain::runTechno() {
    Program& program = windows_.program();
    page_->ShowText(TechnoLoadingPage);
    techno_ = new TTechnoStyle(*program.superOptions, *program.library, *program.settings,
                               *program.waveBase, this);
    if (!techno_->Prepare()) {
        delete techno_;
        AppMessage("Keine Bilder für Techno gefunden!"_cp);
        page_->setXFile(pageFolder() + std::exchange(program.mainState.ReturnPage, {}));
        return;
    }
    connect(techno_, &TTechnoStyle::Finished, this, [this] { presentationEnded(techno_); });
    windows_.setPresentationRunning(true);
    techno_->Run();
}

void TMain::runSeventies() {
    Program& program = windows_.program();
    seventies_ = new TSeventies({*program.superOptions, *program.library, *program.settings,
                                 *program.waveBase, *page_, pageFolder()});
    connect(seventies_, &TSeventies::Finished, this, [this] { presentationEnded(seventies_); });
    windows_.setPresentationRunning(true);
    seventies_->Run();
}

// The screen saver may come back, and the page to return to is shown.
void TMain::presentationEnded(QWidget* presentation) {
    presentation->deleteLater();
    windows_.setPresentationRunning(false);
    MainWindowState& state = windows_.program().mainState;
    page_->setXFile(pageFolder() + std::exchange(state.ReturnPage, {}));
}

void TMain::stopPresentation() {
    if (techno_)
        techno_->Stop();
    else if (seventies_)
        seventies_->Stop();
    else if (bingo_)
        bingo_->Stop();
}

// The game plays on "vegas/start.htx" with the pairs of that folder; when it
// is over it names the page to go to from there.
void TMain::playBingo() {
    Program& program = windows_.program();
    windows_.ensureTrainingObjects();
    TSuperOptions& options = windows_.superOptions();
    const std::string folder = pageFolder() + "vegas/";
    page_->setXFile(folder + "start.htx");
    bingoPlayer_ = std::make_unique<BingoPlayer>(program, options);
    bingo_ =
        new TBingo(*bingoPlayer_, ReadBingoList(folder), options.Settings().VegasFaktor, page_);
    connect(bingo_, &TBingo::Finished, this, [this, folder] {
        const std::string end = bingo_->Game().EndPage();
        bingo_->deleteLater();
        windows_.setPresentationRunning(false);
        page_->setXFile(end.starts_with("../") ? pageFolder() + end.substr(3) : folder + end);
    });
    windows_.setPresentationRunning(true);
    bingo_->Run();
}

void TMain::showSuperlearningSettings() {
    windows_.showSuperlearningSettings(this);
}

TThemenListe* TMain::themenListe() {
    return windows_.program().themenListe.get();
}

void TMain::endProgram() {
    windows_.Beenden();
}

} // namespace qor
