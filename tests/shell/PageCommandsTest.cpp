#include "shell/PageCommands.h"

#include "dictionary/XDatabase.h"
#include "platform/Registry.h"
#include "platform/Text.h"
#include "verbs/Verben.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qor {
namespace {
using namespace literals;

// Records what the rows ask of the main window, one line per call.
class RecordingHost : public CommandPage,
                      public ShellCommandHost,
                      public AreaTrainingHost,
                      public SoundCommandHost,
                      public UserCommandHost,
                      public OptionsWindowHost,
                      public TrainingHost,
                      public DictionaryHost,
                      public VerbHost,
                      public LabHost,
                      public SuperlearningHost {
public:
    void processMessages() override { ++messagesProcessed; }
    void loadPage(const std::string& fileName) override { calls.push_back("load " + fileName); }
    std::string currentPageFile() const override { return currentPage; }
    void reloadPage() override { calls.push_back("reload"); }
    void setPageDefine(const std::string& name, const std::string& value) override {
        calls.push_back("define " + name + "=" + value);
    }
    std::string pageDefine(const std::string&) const override { return {}; }
    void setPageCondition(const std::string& name, bool on) override {
        calls.push_back("condition " + name + (on ? " on" : " off"));
    }
    void openUrl(const std::string& url) override { calls.push_back("url " + url); }
    void openHomePage() override { calls.push_back("homepage"); }
    bool searchMedium() override {
        calls.push_back("search medium");
        return mediumFound;
    }
    void showRecordingSetup() override { calls.push_back("recsetup"); }
    void showWaveBase() override { calls.push_back("wavebase"); }
    void speak(const std::string& text) override { calls.push_back("speak " + text); }
    void showPaths() override { calls.push_back("paths"); }
    bool startAreaTraining() override {
        calls.push_back("train " + state->TrainingArea + " level " +
                        std::to_string(state->TrainingLevel) + " mode " +
                        std::to_string(state->TrainingMode));
        return !cancelTraining;
    }
    void endProgram() override { calls.push_back("end"); }
    bool isLoggedIn() const override { return loggedIn; }
    void computeStatistics() override { calls.push_back("stats"); }
    void LoginProcedure() override { calls.push_back("login"); }
    void NewUser() override { calls.push_back("new user"); }
    void ChangeUser() override { calls.push_back("change user"); }
    void ChangePassword() override { calls.push_back("change password"); }
    void goEditor() override { calls.push_back("editor"); }
    void goVocEin() override { calls.push_back("options window"); }
    VocabularyTraining& training() override { return *rounds; }
    void goAbfrage() override { calls.push_back("training"); }
    void WBzeigen() override { calls.push_back("dictionary window"); }
    TXDatabase& dictionary() override { return words; }
    std::string searchText() const override { return "casa"; }
    bool wholeWordsOnly() const override { return true; }
    TVerben* verben() override { return verbTrainer; }
    void GoVerbEinstellungen() override { calls.push_back("verb selection"); }
    void setReturnPage(const std::string& page) override { calls.push_back("return to " + page); }
    TThemenListe* themenListe() override { return nullptr; }
    void goSuper() override { calls.push_back("superlearning"); }
    void stopPresentation() override { calls.push_back("stop"); }
    void showSuperlearningSettings() override { calls.push_back("superlearning settings"); }
    void playBingo() override { calls.push_back("bingo"); }

    const MainWindowState* state = nullptr;
    std::vector<std::string> calls;
    std::string currentPage = "main.htx";
    int messagesProcessed = 0;
    bool mediumFound = true;
    bool cancelTraining = false;
    bool loggedIn = false;
    VocabularyTraining* rounds = nullptr;
    TXDatabase words;
    TVerben* verbTrainer = nullptr;
};

class PageCommandsTest : public ::testing::Test {
protected:
    PageCommandsTest() { host.state = &state; }
    std::vector<std::string> run(std::string_view commands) {
        host.calls.clear();
        handler.Run(commands);
        return host.calls;
    }

    MainWindowState state;
    RecordingHost host;
    TPageCommands handler{state,
                          {host, host, host, host, host, host, host, host, host, host, host}};
};

using Calls = std::vector<std::string>;

// The blocks compose one table; rows are tried in this order, so a longer
// command always stands before a row that would take it as a prefix.
TEST_F(PageCommandsTest, BlocksComposeTheTableInItsOrder) {
    using enum CommandMatch;
    const std::vector<std::pair<std::string_view, CommandMatch>> expected = {
        {"+deutsch", Exact},
        {"-deutsch", Exact},
        {"+diktat", Exact},
        {"-diktat", Exact},
        {"+autoread", Exact},
        {"-autoread", Exact},
        {"lab", Exact},
        {"labsprich", Exact},
        {"labsprichlangsam", Exact},
        {"lab", PrefixAndPlus},
        {"lab-", Exact},
        {"labnext", Exact},
        {"lablist", Exact},
        {"thema", StartsWith},
        {"stop", Exact},
        {"editor", Exact},
        {"vocein", Exact},
        {"wb", Exact},
        {"recsetup", Exact},
        {"wavebase", Exact},
        {"sprich ", Prefix},
        {"suchen", Exact},
        {"sr", Prefix},
        {"verblist", Exact},
        {"showverb", Prefix},
        {"vtafel", Exact},
        {"verbmanuell", Exact},
        {"verb", Exact},
        {"vocaus", Exact},
        {"verbweiter", Exact},
        {"verb", Prefix},
        {"vokabelweiter", Exact},
        {"vcontinue", Exact},
        {"vokabel", Prefix},
        {"vt0", Exact},
        {"vt1", Exact},
        {"vt2", Exact},
        {"vt3", Exact},
        {"vt4", Exact},
        {"s1", Exact},
        {"s2", Exact},
        {"s3", Exact},
        {"s4", Exact},
        {"gws", Exact},
        {"aws", Exact},
        {"reise", Exact},
        {"oberstufe", Exact},
        {"recht", Exact},
        {"wirtschaft", Exact},
        {"pool", Exact},
        {"bereich_egal", Exact},
        {"sm", StartsWith},
        {"klassisch", Exact},
        {"abgedreht", Exact},
        {"abfrage", Exact},
        {"go", Exact},
        {"vegas", Exact},
        {"vabfrage", Exact},
        {"super", Exact},
        {"superopts", Exact},
        {"www", Exact},
        {"www.", StartsWith},
        {"http://", StartsWith},
        {"seekcd", Exact},
        {"paths", Exact},
        {"chpw", Exact},
        {"stats", Exact},
        {"login", Exact},
        {"newusr", Exact},
        {"chusr", Exact},
        {"end", Exact},
    };
    std::vector<std::pair<std::string_view, CommandMatch>> composed;
    for (const CommandRow& row : handler.table().rows())
        composed.emplace_back(row.text, row.match);
    EXPECT_EQ(composed, expected);
}

TEST_F(PageCommandsTest, AreaAndLevelAreSetBeforeTheTrainingStarts) {
    EXPECT_EQ(run("gws,s2,go"), Calls{"train Grundwortschatz/ level 1 mode 0"});
    EXPECT_EQ(state.TrainingArea, "Grundwortschatz/");
    EXPECT_EQ(state.TrainingLevel, 1);
}

TEST_F(PageCommandsTest, EveryAreaAndLevelCommandSetsItsValue) {
    const std::pair<const char*, const char*> areas[] = {
        {"gws", "Grundwortschatz/"},
        {"aws", "Aufbauwortschatz/"},
        {"reise", "Reisevokabular/"},
        {"oberstufe", "Oberstufenwortschatz/"},
        {"recht", "Recht/"},
        {"wirtschaft", "Wirtschaft/"},
        {"pool", "Pool/"},
        {"bereich_egal", ""},
    };
    for (const auto& [command, area] : areas) {
        state.TrainingArea = "vorher/";
        run(command);
        EXPECT_EQ(state.TrainingArea, area) << command;
    }
    for (int level = 0; level < 4; ++level) {
        run("s" + std::to_string(level + 1));
        EXPECT_EQ(state.TrainingLevel, level);
    }
}

TEST_F(PageCommandsTest, CommandsIgnoreCaseAndSkipEmptyAndHashParts) {
    EXPECT_EQ(run("GWS,S3,Go"), Calls{"train Grundwortschatz/ level 2 mode 0"});
    EXPECT_EQ(run("#end,,paths,"), Calls{"paths"});
    EXPECT_EQ(run("#"), Calls{});
    // Unknown parts are passed over; the list goes on.
    EXPECT_EQ(run("unbekannt,wavebase"), Calls{"wavebase"});
    // An address is lower-cased with the rest of the list.
    EXPECT_EQ(run("HTTP://Example.ORG/Seite"), Calls{"url http://example.org/seite"});
}

TEST_F(PageCommandsTest, WindowSystemCatchesUpOnceBeforeEachList) {
    run("s1,s2,s3");
    EXPECT_EQ(host.messagesProcessed, 1);
}

TEST_F(PageCommandsTest, LabResultNeedsTextBetweenLabAndTheFinalPlus) {
    const Calls good{"define LabErgebnis=" + "Sehr schön!"_cp, "load laborergebnis.htx"};
    const Calls bad{"define LabErgebnis=Leider daneben!", "load laborergebnis.htx"};
    EXPECT_EQ(run("lab+"), good);
    EXPECT_EQ(run("lab3 der hund+"), good);
    EXPECT_EQ(run("LABxyz+"), good);
    EXPECT_EQ(run("lab-"), bad);
    EXPECT_EQ(run("lab"), Calls{});
    EXPECT_EQ(run("labnext"), Calls{});
    EXPECT_EQ(run("lab+x"), Calls{});
}

TEST_F(PageCommandsTest, GoOnTheAreaPageInTestModeAsksForTheDifficultyFirst) {
    host.currentPage = "v_bereich.htx";
    run("abfrage");
    EXPECT_EQ(run("reise,go"), Calls{"load v_schwer.htx"});

    // From the difficulty page the training starts.
    host.currentPage = "v_schwer.htx";
    EXPECT_EQ(run("s4,go"), Calls{"train Reisevokabular/ level 3 mode 100"});

    // In a superlearning mode the area page starts at once.
    host.currentPage = "v_bereich.htx";
    run("klassisch");
    EXPECT_EQ(run("go"), Calls{"train Reisevokabular/ level 3 mode 0"});
}

TEST_F(PageCommandsTest, CancelInGoAbandonsTheRestOfTheList) {
    host.cancelTraining = true;
    EXPECT_EQ(run("s2,go,s4,paths"), Calls{"train  level 1 mode 0"});
    EXPECT_EQ(state.TrainingLevel, 1);
    // The next list runs again.
    host.cancelTraining = false;
    EXPECT_EQ(run("paths"), Calls{"paths"});
}

TEST_F(PageCommandsTest, TrainingModesSetTheReturnTarget) {
    const std::pair<const char*, int> modes[] = {
        {"klassisch", 0}, {"abgedreht", 1}, {"abfrage", 100},
        {"sm7", 7},       {"sm+12", 12},    {"sm-3", -3},
    };
    for (const auto& [command, mode] : modes) {
        state.TrainingMode = 55;
        state.ReturnTarget.clear();
        run(command);
        EXPECT_EQ(state.TrainingMode, mode) << command;
        EXPECT_EQ(state.ReturnTarget, "Main") << command;
    }
}

TEST_F(PageCommandsTest, ANumberThatIsNoneEndsTheList) {
    for (const char* list :
         {"smx,s4", "sm,s4", "sm1x,s4", "sm 1,s4", "sm+,s4", "sm+-1,s4", "sm99999999999,s4"}) {
        state.TrainingMode = 55;
        state.ReturnTarget.clear();
        state.TrainingLevel = 0;
        run(list);
        EXPECT_EQ(state.TrainingMode, 55) << list;
        EXPECT_EQ(state.ReturnTarget, "") << list;
        EXPECT_EQ(state.TrainingLevel, 0) << list;
    }
}

TEST_F(PageCommandsTest, WebAddressesOpenInTheBrowser) {
    EXPECT_EQ(run("www"), Calls{"homepage"});
    EXPECT_EQ(run("www.qor-test.de/x"), Calls{"url http://www.qor-test.de/x"});
    EXPECT_EQ(run("http://beispiel.de"), Calls{"url http://beispiel.de"});
    EXPECT_EQ(run("wwwx"), Calls{});
}

TEST_F(PageCommandsTest, SeekcdSetsTheConditionFromTheSearchAndShowsThePageAgain) {
    EXPECT_EQ(run("seekcd"), (Calls{"search medium", "condition cdrom on", "reload"}));
    host.mediumFound = false;
    EXPECT_EQ(run("seekcd"), (Calls{"search medium", "condition cdrom off", "reload"}));
}

TEST_F(PageCommandsTest, WindowsAndTheEnd) {
    EXPECT_EQ(run("recsetup,wavebase,paths,end"), (Calls{"recsetup", "wavebase", "paths", "end"}));
    EXPECT_EQ(run("Editor,vocein"), (Calls{"editor", "options window"}));
    // Only whole words open them.
    EXPECT_EQ(run("recsetupx,pathsx,endx,ende,editorx"), Calls{});
    // A word without a recording is spoken from its link.
    EXPECT_EQ(run(SpeechLinkTarget("Qué tal, \"Ana\""_cp).substr(1)),
              Calls{"speak qué tal   ana "_cp});
}

// "suchen" searches both directions for the page's field, whole words as its
// check box says; "sr" + n shows block n, and a number that is none ends
// the list.
TEST_F(PageCommandsTest, DictionaryRowsSearchAndShowResultBlocks) {
    host.words.AddEntry("casa", "1", "Haus");
    host.words.AddEntry("casamiento", "1", "Heirat");
    EXPECT_EQ(run("wb"), Calls{"dictionary window"});
    const Calls shown = run("suchen");
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back(), "load wörterbuch.htx"_cp);
    EXPECT_NE(std::find(shown.begin(), shown.end(), "define ergebnis=1 Eintrag gefunden."),
              shown.end());
    EXPECT_EQ(run("sr1").back(), "load wörterbuch.htx"_cp);
    EXPECT_EQ(run("srx,wb"), Calls{});
}

// The verb rows act once the verb trainer exists: a level and "verb" start
// a drill; "verbmanuell" opens the selection with the verb menu to return to.
TEST_F(PageCommandsTest, VerbRowsStartADrillOnceTheTrainerExists) {
    EXPECT_EQ(run("vt1,verb,verblist"), Calls{});
    MemoryRegistry store;
    TVerben verbs(store, [](int) { return 0; });
    host.verbTrainer = &verbs;
    const Calls drill = run("vt1,verb");
    ASSERT_FALSE(drill.empty());
    EXPECT_EQ(drill.back(), "load verb_ein.htx"); // one tense: a typed question
    EXPECT_EQ(run("verbmanuell"), (Calls{"return to verben.htx", "verb selection"}));
    EXPECT_EQ(run("showverb 4").back(), "load verbtafel.htx");
    EXPECT_EQ(verbs.ShownVerb(), 4);
}

} // namespace
} // namespace qor
