// Where links lead, driven by clicks on the offscreen platform: loading
// pages with the events of a load, missing and broken links, the history,
// links that lead nowhere, exercise files and sounds.

#include "PageInteractionTesting.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::BrowsedPage;
using Events = std::vector<std::string>;

const std::string S = "\xA7"; // §

TEST(PageNavigationTest, ALoadReportsTheFileThenDrawsThenReportsBrokenLinks) {
    BrowsedPage b;
    b.page.OnTitleChange = [&](const std::string& title) {
        b.events.push_back("title " + title);
    };
    b.write("start.htx", "<TITLE>Start</TITLE><A HREF=\"fehlt.htx\">Weg</A>");
    ASSERT_TRUE(b.load("start.htx"));
    EXPECT_EQ(b.take(), (Events{"mci close welle (quiet)", "file start.htx", "title Start",
                                "badlink fehlt.htx"}));
    EXPECT_EQ(b.page.XFile(), "start.htx");
    EXPECT_EQ(b.page.XPath(), b.folder.path());
    EXPECT_TRUE(b.page.mouseEnabled());
}

TEST(PageNavigationTest, AMissingPageIsReportedAndTheShownPageStays) {
    BrowsedPage b;
    b.write("start.htx", "<TITLE>Start</TITLE><A HREF=\"fehlt.htx\">Weg</A>");
    ASSERT_TRUE(b.load("start.htx"));
    b.take();

    b.click("fehlt.htx");
    ASSERT_EQ(b.messages.shown().size(), 1U);
    EXPECT_EQ(b.messages.shown()[0].caption, "*qor");
    EXPECT_EQ(b.messages.shown()[0].text,
              "Die Datei \"" + b.folder.path() + "fehlt.htx\" wurde nicht gefunden!");
    EXPECT_EQ(b.messages.shown()[0].style, MessageStyle::Stop);
    EXPECT_EQ(b.page.model().title(), "Start");
    EXPECT_TRUE(b.page.History().empty());
    EXPECT_TRUE(b.take().empty());
    EXPECT_TRUE(b.page.mouseEnabled());
}

TEST(PageNavigationTest, RelativeNamesWithoutAPageFolderAreFoundInTheProgramFolder) {
    BrowsedPage b;
    b.write("hqor/main.htx", "<TITLE>Haupt</TITLE><A HREF=\"unter/zwei.htx\">Zwei</A>");
    b.write("hqor/unter/zwei.htx", "<TITLE>Zwei</TITLE><A HREF=\"../main.htx\">Haupt</A>");
    b.page.setXPath("");
    ASSERT_TRUE(b.page.setXFile("hqor/main.htx"));
    EXPECT_EQ(b.page.XPath(), b.folder.path() + "hqor/");

    b.click("unter/zwei.htx");
    EXPECT_EQ(b.page.model().title(), "Zwei");
    EXPECT_EQ(b.page.XPath(), b.folder.path() + "hqor/unter/");
    b.click("../main.htx");
    EXPECT_EQ(b.page.model().title(), "Haupt");
}

TEST(PageNavigationTest, GoingBackWalksTheHistoryBackwards) {
    BrowsedPage b;
    b.write("a.htx", "<TITLE>A</TITLE><A HREF=\"b.htx\">B</A>");
    b.write("b.htx", "<TITLE>B</TITLE><A HREF=\"c.htx\">C</A> <A HREF=\"-\">Zurueck</A>");
    b.write("c.htx", "<TITLE>C</TITLE><A HREF=\"-\">Zurueck</A>");
    ASSERT_TRUE(b.load("a.htx"));

    b.click("b.htx");
    EXPECT_EQ(b.historyNames(), Events{"a.htx"});
    b.click("c.htx");
    EXPECT_EQ(b.historyNames(), (Events{"a.htx", "b.htx"}));
    b.click("-");
    EXPECT_EQ(b.page.model().title(), "B");
    EXPECT_EQ(b.historyNames(), Events{"a.htx"});
    b.click("-");
    EXPECT_EQ(b.page.model().title(), "A");
    EXPECT_TRUE(b.page.History().empty());
}

TEST(PageNavigationTest, GoingBackWithAnEmptyHistoryDoesNothing) {
    BrowsedPage b;
    b.page.ShowText("<TITLE>Hier</TITLE><A HREF=\"-\">Zurueck</A>");
    b.take();
    b.click("-");
    EXPECT_TRUE(b.take().empty());
    EXPECT_TRUE(b.messages.shown().empty());
    EXPECT_EQ(b.page.model().title(), "Hier");
}

TEST(PageNavigationTest, ACommandPutsThePageOnTheHistoryOnce) {
    BrowsedPage b;
    b.write("a.htx", "<TITLE>A</TITLE><A HREF=\"" + S + "eins\">1</A> <A HREF=\"" + S +
                         "[zwei]b.htx\">2</A>");
    b.write("b.htx", "<TITLE>B</TITLE><A HREF=\"-\">Zurueck</A>");
    ASSERT_TRUE(b.load("a.htx"));
    b.click(S + "eins");
    EXPECT_EQ(b.historyNames(), Events{"a.htx"});
    b.click(S + "[zwei]b.htx");
    EXPECT_EQ(b.historyNames(), Events{"a.htx"});
    // So one step back leaves the page.
    b.click("-");
    EXPECT_EQ(b.page.model().title(), "A");
}

TEST(PageNavigationTest, UpperCaseExtensionsAndRqolPagesAreNotFollowed) {
    BrowsedPage b;
    b.write("a.HTX", "<TITLE>Gross</TITLE>");
    b.write("b.rqol", "<TITLE>Lektion</TITLE>");
    b.write("start.htx", "<TITLE>Start</TITLE><A HREF=\"a.HTX\">A</A> <A HREF=\"b.rqol\">B</A>");
    ASSERT_TRUE(b.load("start.htx"));
    b.take();
    b.click("a.HTX");
    b.click("b.rqol");
    EXPECT_TRUE(b.take().empty());
    EXPECT_TRUE(b.messages.shown().empty());
    EXPECT_EQ(b.page.model().title(), "Start");
}

TEST(PageNavigationTest, AnEmptyFileNameClearsThePage) {
    BrowsedPage b;
    b.page.ShowText("<TITLE>Voll</TITLE>Text");
    EXPECT_TRUE(b.page.setXFile(""));
    EXPECT_EQ(b.page.model().title(), "ohne Titel");
    EXPECT_TRUE(b.page.model().items().empty());
    EXPECT_TRUE(b.page.mouseEnabled());
}

TEST(PageNavigationTest, TheMouseOnALinkOfTheNewPageCountsAtOnce) {
    BrowsedPage b;
    std::vector<std::string> ankers;
    b.page.OnAnkerChange = [&](const std::string& anker) {
        ankers.push_back(anker);
    };
    b.write("a.htx", "<A HREF=\"b.htx\">Weiter</A>");
    b.write("b.htx", "<A HREF=\"c.htx\">Noch weiter</A>");
    ASSERT_TRUE(b.load("a.htx"));
    const QPoint link = b.centre("b.htx");
    b.moveTo(link);
    QTest::mouseClick(&b.page, Qt::LeftButton, {}, link);
    EXPECT_EQ(ankers, (Events{"b.htx", "c.htx"}));
}

TEST(PageNavigationTest, SoundLinksPlayThroughThePagesMultimediaSender) {
    BrowsedPage b;
    const std::string sound = b.write("ton.wav", "RIFF");
    b.page.ShowText("<A HREF=\"ton.wav\">Ton</A> <A HREF=\"weg.mp3\">Weg</A>");
    b.take();
    b.click("ton.wav");
    EXPECT_EQ(b.take(), (Events{"mci close welle (quiet)", "mci open \"" + sound + "\" alias welle",
                                "mci play welle from 0"}));
    b.click("weg.mp3");
    EXPECT_TRUE(b.take().empty());

    // A device that cannot be opened plays nothing.
    b.page.SendMciCommand = [&](const std::string& command, bool) {
        b.events.push_back(command);
        return std::string(command.starts_with("open") ? "Error 275" : "0");
    };
    b.click("ton.wav");
    EXPECT_EQ(b.take(), (Events{"close welle", "open \"" + sound + "\" alias welle"}));
}

// An exercise file of five exercises; every page shows the "#next" link and
// the "+" link of the run.
std::string exerciseFile() {
    std::string text = "QOR!03\r\n<A HREF=\"#next\">weiter</A> <A HREF=\"+\">fertig</A> ";
    for (int i = 1; i <= 5; ++i)
        text += "<EX><TITLE>A" + std::to_string(i) + "</TITLE>";
    return text + "</EX>";
}

TEST(PageNavigationTest, AnExerciseCommandRunsTheFileAndPlusContinues) {
    BrowsedPage b;
    b.write("a.qor", exerciseFile());
    b.write("ende.htx", "<TITLE>Ende</TITLE>");
    b.write("start.htx",
            "<TITLE>Start</TITLE><A HREF=\"EX PICK=2 FILE=a.qor WEITER=ende.htx\">Los</A>");
    ASSERT_TRUE(b.load("start.htx"));

    b.click("EX PICK=2 FILE=a.qor WEITER=ende.htx");
    const std::string first = b.page.model().title();
    EXPECT_EQ(first.substr(0, 1), "A");
    EXPECT_EQ(b.page.model().aliases().get("#next"), "ex");
    EXPECT_EQ(b.page.continuationTarget(), "ende.htx");
    EXPECT_EQ(b.historyNames(), Events{"start.htx"});

    b.click("#next");
    const std::string second = b.page.model().title();
    EXPECT_EQ(second.substr(0, 1), "A");
    EXPECT_NE(second, first);
    EXPECT_EQ(b.page.model().aliases().get("#next"), "");

    // After the last one "#next" leads nowhere; "+" goes on.
    b.click("#next");
    EXPECT_EQ(b.page.model().title(), second);
    b.click("+");
    EXPECT_EQ(b.page.model().title(), "Ende");
    EXPECT_TRUE(b.messages.shown().empty());
}

TEST(PageNavigationTest, AnExerciseFileOpenedAsAPageUsesItsOwnCount) {
    BrowsedPage b;
    b.write("a.qor", exerciseFile());
    b.write("start.htx", "<A HREF=\"a.qor\">Aufgaben</A>");
    ASSERT_TRUE(b.load("start.htx"));
    b.take();
    b.click("a.qor");
    EXPECT_EQ(b.take(), (Events{"mci close welle (quiet)", "file a.qor", "badlink "}));
    EXPECT_EQ(b.page.exerciseRun().remaining(), 2);
    EXPECT_EQ(b.page.model().aliases().get("#next"), "ex");
}

TEST(PageNavigationTest, AnExerciseCommandWithoutAFileSaysSo) {
    BrowsedPage b;
    b.page.ShowText("<A HREF=\"EX PICK=2 FILE=\">Los</A>");
    b.click("EX PICK=2 FILE=");
    EXPECT_EQ(b.messages.texts(), Events{"FILE= nicht gefunden"});
}

} // namespace
} // namespace qor
