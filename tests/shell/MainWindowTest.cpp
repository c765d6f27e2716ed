#include "shell/MainWindow.h"

#include "page/exercises/PageExercises.h"
#include "page/view/TXPage.h"
#include "platform/AppMessage.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Shell.h"
#include "platform/Text.h"
#include "platform/Zlib.h"
#include "shell/Backdrop.h"
#include "shell/ShellWindows.h"
#include "shell/SpecialCodes.h"
#include "shell/StartUp.h"
#include "sound/Recorder.h"
#include "support/Installation.h"
#include "support/ScriptedUserDialogs.h"
#include "vocabulary/LibraryFile.h"
#include "vocabulary/VocOptionen.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace qor {
namespace {
using namespace literals;
using test::Installation;

class RecordingShell : public ShellServices {
public:
    std::string shortcutFolder(int) const override { return {}; }
    bool openUrl(const std::string& url) override {
        opened.push_back(url);
        return true;
    }
    std::vector<std::string> opened;
};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        // Pages are packed as the installation ships them.
        const auto page = [this](const char* name, const char* text) {
            install.dir.file(std::string("hqor/") + name, deflateZlib(text));
        };
        page("main.htx", "<TITLE>Start</TITLE><A HREF=\"\xA7[s2]\">Los</A>");
        page("v_bereich.htx", "<TITLE>Bereich</TITLE>");
        page("v_schwer.htx", "<TITLE>Schwierigkeit</TITLE>");
        page("vokabeln.htx", "<TITLE>Vokabeln</TITLE>");
        page("kommt_bald.htx", "<TITLE>Kommt bald</TITLE>");
        page("laborergebnis.htx", "<TITLE>Ergebnis</TITLE>");
        // The installation keeps its users beside the program.
        install.dir.dir("Benutzer");
        EXPECT_TRUE(
            StartUp(program, {}, {1024, 768, 24}, [] { return std::vector<std::string>(); }));
    }

    // The program's one recorder keeps the settings store of the test that made it.
    ~MainWindowTest() override { FreeSharedRecorder(); }

    MainWindowState& state() { return program.mainState; }
    TXPage& page() { return windows.mainWindow()->XPage(); }

    Installation install;
    MemoryRegistry registry;
    RecordingShell shell;
    ScriptedMessages messages;
    test::ScriptedUserDialogs dialogs;
    Program program{registry, shell, install.programPath(), install.programDir()};
    ShellWindows windows{program, &dialogs};
};

TEST_F(MainWindowTest, ShowsTheStartPageWithTheEditionsConditions) {
    TMain* main = windows.ShowMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->size(), QSize(800, 572));
    EXPECT_TRUE(main->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(page().geometry(), QRect(0, 0, 800, 572));
    EXPECT_EQ(page().XPath(), install.programDir() + "hqor/");
    EXPECT_EQ(page().XFile(), "main.htx");
    EXPECT_TRUE(page().Bedingung().contains("s"));
    EXPECT_FALSE(page().Bedingung().contains("login"));
    // The installation has no sound directory.
    EXPECT_FALSE(page().Bedingung().contains("cdrom"));
    EXPECT_EQ(page().Sonderzeichen(), "á;é;í;ó;ú;ñ;¿;¡;-;Á;É;Í;Ó;Ú;Ñ"_cp);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(MainWindowTest, TheStartPageRunsOnceTheBackdropExistsAndTheEventLoopRuns) {
    // A start page that ends the program at once still ends it in order,
    // storing the backdrop's colour.
    install.dir.file("hqor/main.htx", deflateZlib("<BODY ONSHOW=\"end\"><TITLE>Start</TITLE>"));
    windows.OpenAtStart(false);
    ASSERT_NE(windows.backdrop(), nullptr);
    EXPECT_TRUE(page().XFile().empty());
    EXPECT_FALSE(windows.terminating());

    windows.backdrop()->setColor(0xC0C0C0);
    QCoreApplication::processEvents();
    EXPECT_EQ(page().XFile(), "main.htx");
    EXPECT_TRUE(windows.terminating());
    EXPECT_EQ(registry.readInteger("SOFTWARE\\QOR\\qor spanisch", "Hintergrund"), 0xC0C0C0);
}

TEST_F(MainWindowTest, PagesShowTheirExercisesAndGetTheProgramsRecorder) {
    install.dir.file("hqor/uebung.htx",
                     deflateZlib("<A GAP lsg=\"leche\">xxxxx</A> <MULTIPLE COORDS=10,40,100,20 "
                                 "DIM=1,2 TXT=\"a|b\"><RECORDER C-REC=10,80 C-PLAY=50,80 MAX=2>"));
    TMain* main = windows.ShowMainWindow();
    main->XPage().setXFile(install.programDir() + "hqor/uebung.htx");
    PageExercises& exercises = main->Exercises();
    const std::vector<TPageEdit*> fields = exercises.TypingFields().Fields();
    ASSERT_EQ(fields.size(), 1u);
    EXPECT_TRUE(fields[0]->isVisible());
    ASSERT_NE(exercises.Choice().Control(), nullptr);
    EXPECT_TRUE(exercises.Choice().Control()->isVisible());
    EXPECT_EQ(exercises.Recorder().Recorder(), ExistingSharedRecorder());
    EXPECT_NE(ExistingSharedRecorder(), nullptr);
}

TEST_F(MainWindowTest, ALinkOnThePageReachesTheCommandHandler) {
    windows.ShowMainWindow();
    page().ActivateTarget("\xA7[s2]");
    EXPECT_EQ(state().TrainingLevel, 1);
}

TEST_F(MainWindowTest, PendingCommandRunsOnceTheWindowIsShown) {
    state().PendingCommand = "s3,sm4";
    windows.ShowMainWindow();
    EXPECT_EQ(state().TrainingLevel, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(state().TrainingLevel, 2);
    EXPECT_EQ(state().TrainingMode, 4);
    EXPECT_TRUE(state().PendingCommand.empty());
    EXPECT_EQ(page().XPath(), install.programDir() + "hqor/");
}

TEST_F(MainWindowTest, ReturnPageIsShownInsteadOfTheStartPageOnce) {
    state().ReturnPage = "vokabeln.htx";
    windows.ShowMainWindow();
    EXPECT_EQ(page().XFile(), "vokabeln.htx");
    EXPECT_TRUE(state().ReturnPage.empty());
}

TEST_F(MainWindowTest, AMissingStartPageIsAskedForUntilTheUserGivesUp) {
    ASSERT_TRUE(removeFile(install.programDir() + "hqor/main.htx"));
    messages.answer(MessageResult::Retry);
    messages.answer(MessageResult::Cancel);
    EXPECT_EQ(windows.ShowMainWindow(), nullptr);
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].style, MessageStyle::RetryCancel);
    EXPECT_EQ(messages.texts()[0], "Eine Datei konnte nicht gefunden werden!\nBitte überprüfen "
                                   "Sie, ob die CD-ROM eingelegt ist!"_cp);
    // Giving up ends the program in order.
    EXPECT_TRUE(windows.terminating());
    EXPECT_EQ(program.waveBase, nullptr);
}

TEST_F(MainWindowTest, GoOnTheAreaPageInTestModeShowsTheDifficultyPage) {
    TMain* main = windows.ShowMainWindow();
    page().setXFile("v_bereich.htx");
    main->XPageCommand("abfrage,gws,go");
    EXPECT_EQ(page().XFile(), "v_schwer.htx");
    // An area without libraries gives nothing to ask: the settings window
    // takes the main window's place, and leaving it brings a new one back.
    main->XPageCommand("s1,go");
    EXPECT_EQ(messages.texts().back(),
              "Noch keine Bibliothek geladen! Was soll ich abfragen?\?\?!");
    EXPECT_EQ(windows.mainWindow(), nullptr);
    TVocOptionen* options = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<TVocOptionen*>(widget); found && found->isVisible())
            options = found;
    ASSERT_NE(options, nullptr);
    options->close();
    ASSERT_NE(windows.mainWindow(), nullptr);
    EXPECT_EQ(page().XFile(), "main.htx");
}

TEST_F(MainWindowTest, ATrainingAsksTheMixAndHandsTheAnswersToTheUser) {
    TVokabel hotel;
    hotel.Vokabel = "habitación (f)"_cp;
    hotel.Bedeutung[0] = "(das) Zimmer";
    hotel.Schwierigkeit = 3;
    std::vector<TVokabel> entries(12, hotel);
    for (std::size_t i = 0; i < entries.size(); ++i)
        entries[i].Bedeutung[0] += " " + std::to_string(i);
    install.dir.file("Vokabeln (S)/Reisevokabular/Hotel.asc", WriteLibraryText(entries));
    install.dir.file("hqor/va_ein.htx", deflateZlib("<TITLE>Eintippen</TITLE>$[Aufgabe]"));
    install.dir.file("hqor/va_mch.htx", deflateZlib("<TITLE>Auswahl</TITLE>$[MCH0]"));
    install.dir.file("hqor/va_richtig.htx", deflateZlib("<TITLE>Richtig</TITLE>$[Richtig]"));
    install.dir.file("hqor/va_falsch1.htx", deflateZlib("<TITLE>Falsch</TITLE>$[Richtig]"));
    install.dir.file("hqor/va_falsch2.htx", deflateZlib("<TITLE>Falsch</TITLE>$[Richtig]"));
    dialogs.wizard = {Credentials{"Ana", ""}};
    windows.OpenAtStart(false);
    QCoreApplication::processEvents();
    TMain* main = windows.mainWindow();
    main->XPageCommand("abfrage,reise,s3,go");
    const std::string shown = page().XFile();
    EXPECT_TRUE(shown == "va_ein.htx" || shown == "va_mch.htx") << shown;
    main->XPageCommand("vokabel#1+");
    EXPECT_EQ(page().XFile(), "va_richtig.htx");
    EXPECT_EQ(program.userBase->Records().size(), 1u);
    main->XPageCommand("vokabelweiter");
    EXPECT_NE(page().XFile(), "va_richtig.htx");
}

TEST_F(MainWindowTest, LabResultsSetTheirTextAndShowTheResultPage) {
    TMain* main = windows.ShowMainWindow();
    main->XPageCommand("lab7 el perro+");
    EXPECT_EQ(page().XFile(), "laborergebnis.htx");
    EXPECT_EQ(page().GetDefine("LabErgebnis"), "Sehr schön!"_cp);
    main->XPageCommand("lab-");
    EXPECT_EQ(page().GetDefine("LabErgebnis"), "Leider daneben!");
}

TEST_F(MainWindowTest, TheStartLogsInAndTheWindowShowsTheUsersFiguresAndCharts) {
    dialogs.wizard = {Credentials{"Ana", ""}};
    windows.OpenAtStart(false);
    QCoreApplication::processEvents();
    EXPECT_TRUE(page().Bedingung().contains("login"));
    TMain* main = windows.mainWindow();
    program.userBase->RecordAnswer("Haus", true, 'e', 25, 1);
    main->XPageCommand("stats");
    const std::pair<const char*, const char*> codes[] = {{"user", "Ana"},
                                                         {"perfa", "25"},
                                                         {"nr", "1"},
                                                         {"pe", "100"},
                                                         {"zeit", "0 Stunden 0 Minuten"}};
    for (const auto& [name, value] : codes) {
        std::string code = name;
        main->XPageSpecialCode(code);
        EXPECT_EQ(code, value);
    }
    // The one record's score of 25 fills column 13 of 21 to the top.
    QImage chart(210, 50, QImage::Format_RGB32);
    main->XPagePictureRequest("absolut", chart);
    EXPECT_EQ(chart.pixelColor(5, 5), QColor(0xFF, 0, 0));
    EXPECT_EQ(chart.pixelColor(200, 5), QColor(0x33, 0x33, 0x33));
    EXPECT_EQ(chart.pixelColor(135, 0), QColor(0xFF, 0xFF, 0xFF));

    // The end logs the user out, writing the user file.
    main->XPageCommand("end");
    EXPECT_EQ(program.userBase, nullptr);
    EXPECT_NE(readFile(install.programDir() + "Benutzer/Ana_S.qob").value_or(""), "");
}

TEST_F(MainWindowTest, GoMixesTheAreaOnceTheChangedLibraryIsTakenCareOf) {
    TVokabel hotel;
    hotel.Vokabel = "habitación (f)"_cp;
    hotel.Bedeutung[0] = "(das) Zimmer";
    install.dir.file("Vokabeln (S)/Reisevokabular/Hotel.asc", WriteLibraryText({hotel, hotel}));
    TMain* main = windows.ShowMainWindow();
    TBibliothek& library = *program.library;
    library.Add(hotel);

    // Cancel keeps the library and ends the command list.
    messages.answer(MessageResult::Cancel);
    main->XPageCommand("reise,go,s3");
    EXPECT_EQ(state().TrainingLevel, 0);
    EXPECT_TRUE(library.Geaendert());
    EXPECT_EQ(messages.shown().back().style, MessageStyle::YesNoCancel);

    messages.answer(MessageResult::No);
    main->XPageCommand("reise,s3,go");
    EXPECT_EQ(state().TrainingLevel, 2);
    EXPECT_EQ(library.Count(false), 2);
    EXPECT_EQ(library.Zufallsordner(), install.programDir() + "Vokabeln (S)/Reisevokabular/");
    EXPECT_FALSE(library.Geaendert());
    // The level's preset, over the whole mix.
    EXPECT_EQ(program.settings->ProRunde, 12);
    EXPECT_EQ(program.settings->NichtZuSchwer,
              (std::array<bool, 5>{false, false, false, true, true}));
    EXPECT_EQ(program.settings->Bis, 1);

    // Superlearning takes the main window's place until a key ends it; then
    // the vocabulary menu is back.
    EXPECT_EQ(windows.mainWindow(), nullptr);
    TSuperFade* presentation = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* fade = qobject_cast<TSuperFade*>(window); fade && fade->isVisible())
            presentation = fade;
    ASSERT_NE(presentation, nullptr);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 300)
        QCoreApplication::processEvents();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(presentation, &escape);
    while (!windows.mainWindow() && clock.elapsed() < 5000)
        QCoreApplication::processEvents();
    ASSERT_NE(windows.mainWindow(), nullptr);
    EXPECT_EQ(page().XFile(), "vokabeln.htx");
    EXPECT_EQ(program.superOptions, nullptr) << "freed with its window";
}

TEST_F(MainWindowTest, EndShutsDownAndStoresTheBackdropColour) {
    TMain* main = windows.ShowMainWindow();
    windows.CreateBackdrop(false)->setColor(0xFFFFFF);
    main->XPageCommand("end");
    EXPECT_TRUE(windows.terminating());
    EXPECT_EQ(program.waveBase, nullptr);
    EXPECT_EQ(registry.readInteger("SOFTWARE\\QOR\\qor spanisch", "Hintergrund"), 0xFFFFFF);
}

TEST_F(MainWindowTest, WebCommandsOpenTheBrowser) {
    TMain* main = windows.ShowMainWindow();
    main->XPageCommand("www.beispiel.de,http://example.org");
    EXPECT_EQ(shell.opened,
              (std::vector<std::string>{"http://www.beispiel.de", "http://example.org"}));

    // The home page comes from qor.ini.
    main->XPageCommand("www");
    ASSERT_EQ(messages.shown().size(), 1u);
    program.config.iniFile().writeString("qor spanisch", "Homepage", "https://qor.example/");
    main->XPageCommand("www");
    EXPECT_EQ(shell.opened.back(), "https://qor.example/");
}

TEST_F(MainWindowTest, APresentationKeepsTheScreenSaverAwayWhileItRuns) {
    windows.ShowMainWindow();
    windows.setPresentationRunning(true);
    EXPECT_TRUE(state().PresentationRunning);
    windows.setPresentationRunning(false);
    EXPECT_FALSE(state().PresentationRunning);
    // A new main window starts without a presentation.
    state().PresentationRunning = true;
    delete windows.mainWindow();
    windows.ShowMainWindow();
    EXPECT_FALSE(state().PresentationRunning);
}

TEST_F(MainWindowTest, SpecialCodesAnswerTitleVersionAndAreas) {
    TMain* main = windows.ShowMainWindow();
    std::string code = "programm";
    main->XPageSpecialCode(code);
    EXPECT_EQ(code, "*qor spanisch");
    code = "version";
    main->XPageSpecialCode(code);
    EXPECT_EQ(code, VersionText(ThisProgramVersion()));
    install.dir.dir("Vokabeln (S)/Recht");
    code = "recht";
    main->XPageSpecialCode(code);
    EXPECT_EQ(code, "+");
    code = "user";
    main->XPageSpecialCode(code);
    EXPECT_EQ(code, "");
}

} // namespace
} // namespace qor
