// The page under the mouse and the keyboard, driven by QTest events on the
// offscreen platform: which button follows which target, notes, the click
// and Enter targets, check boxes, hover highlighting, the host's hover
// events, hints, child pages, and input while a command is handed over.

#include "PageInteractionTesting.h"
#include "controls/XLabel.h"
#include "page/view/PageCursors.h"
#include "page/view/PageExerciseHooks.h"
#include "page/view/PageHintWindow.h"
#include "platform/Shell.h"
#include "platform/Text.h"

#include <QScrollBar>
#include <gtest/gtest.h>
#include <stdexcept>

namespace qor {
namespace {

using namespace qor::literals;
using test::BrowsedPage;
using test::waitUntil;
using Events = std::vector<std::string>;

const std::string S = "\xA7";   // §
const std::string Deg = "\xB0"; // °

TEST(PageInteractionTest, ACommandWithARestIsHandedOverBeforeThePageLoads) {
    BrowsedPage b;
    b.write("next.htx", "<TITLE>Weiter</TITLE>Hier");
    b.write("start.htx", "<A HREF=\"" + S + "[stop]next.htx\">Los</A>");
    ASSERT_TRUE(b.load("start.htx"));
    b.take();

    b.click(S + "[stop]next.htx");
    EXPECT_EQ(b.take(),
              (Events{"command stop", "mci close welle (quiet)", "file next.htx", "badlink "}));
    EXPECT_EQ(b.page.model().title(), "Weiter");
    EXPECT_EQ(b.historyNames(), Events{"start.htx"});
}

TEST(PageInteractionTest, TheLeftButtonFollowsThePageAndTheRightOneTheCommand) {
    BrowsedPage b;
    b.write("verben.htx", "<TITLE>Verben</TITLE>");
    const std::string target = "verben.htx" + Deg + S + "[info]";
    b.write("start.htx", "<TITLE>Start</TITLE><A HREF=\"" + target + "\">Verben</A>");
    ASSERT_TRUE(b.load("start.htx"));
    b.take();

    b.click(target, Qt::RightButton);
    EXPECT_EQ(b.take(), Events{"command info"});
    EXPECT_EQ(b.page.model().title(), "Start");

    b.click(target);
    EXPECT_EQ(b.take(), (Events{"mci close welle (quiet)", "file verben.htx", "badlink "}));
}

TEST(PageInteractionTest, ANoteShowsOnTheFirstClickAndHidesOnTheSecond) {
    BrowsedPage b;
    b.page.ShowText("Ein Wort <A HREF=\"@Hallo\">mit Notiz</A> und <A HOT=\"Heiss\">hier</A>");
    b.take();
    const QRect spot = b.area("%@Hallo");
    TXLabel& note = b.page.noteLabel();

    QTest::mousePress(&b.page, Qt::LeftButton, {}, spot.center());
    // Notes show as the button goes down.
    EXPECT_TRUE(note.isVisible());
    EXPECT_EQ(note.Caption(), "Hallo");
    EXPECT_EQ(note.pos(), QPoint(spot.left() + 8, spot.bottom() + 1 + 8));
    QTest::mouseRelease(&b.page, Qt::LeftButton, {}, spot.center());
    EXPECT_TRUE(note.isVisible());

    b.click("%@Hallo");
    EXPECT_FALSE(note.isVisible());
    b.click("%@Hallo");
    EXPECT_TRUE(note.isVisible());

    // Another note replaces it; a click beside every area hides it.
    b.click("@Heiss");
    EXPECT_EQ(note.Caption(), "Heiss");
    EXPECT_TRUE(note.isVisible());
    b.clickAt(QPoint(390, 290));
    EXPECT_FALSE(note.isVisible());
    EXPECT_TRUE(b.take().empty());
}

TEST(PageInteractionTest, APageClickTargetComesBeforeTheLinkUnderTheMouse) {
    BrowsedPage b;
    b.page.OnClick = [&](QWidget*) {
        b.events.push_back("click");
    };
    b.page.ShowText("<ONCLICK HREF=\"" + S + "klick\"><A HREF=\"" + S + "link\">Link</A>");
    b.take();

    b.click(S + "link");
    EXPECT_EQ(b.take(), (Events{"click", "command klick", "command link"}));
    b.clickAt(QPoint(300, 250));
    EXPECT_EQ(b.take(), (Events{"click", "command klick"}));
    // The right button clicks nothing.
    b.clickAt(QPoint(300, 250), Qt::RightButton);
    EXPECT_TRUE(b.take().empty());
}

TEST(PageInteractionTest, EnterActivatesTheEnterTargetOnce) {
    BrowsedPage b;
    b.page.ShowText("<A HREF=\"" + S + "weiter\" RETURN>Weiter</A>");
    b.take();
    QTest::keyClick(&b.page, Qt::Key_Return);
    EXPECT_EQ(b.take(), Events{"command weiter"});
    QTest::keyClick(&b.page, Qt::Key_Return);
    EXPECT_TRUE(b.take().empty());

    // The host sees keys first and may swallow them.
    b.page.OnKeyDown = [&](QWidget*, int& key, Qt::KeyboardModifiers) {
        b.events.push_back("key " + std::to_string(key));
        key = 0;
    };
    b.page.ShowText("<A HREF=\"" + S + "weiter\" RETURN>Weiter</A>");
    b.take();
    QTest::keyClick(&b.page, Qt::Key_Enter);
    EXPECT_EQ(b.take(), Events{"key " + std::to_string(Qt::Key_Enter)});
}

TEST(PageInteractionTest, CheckBoxesToggleTheirConditionAndReportIt) {
    BrowsedPage b;
    b.page.ShowText("<CHECKBOX NAME=\"agb\" COORDS=16,4> gelesen");
    b.take();
    const QRect box = b.area("+agb");
    const auto centreColour = [&] {
        return b.page.buffer().pixelColor(box.center() + QPoint(0, b.page.scrollPosition()));
    };
    EXPECT_EQ(centreColour(), QColor(Qt::white));

    b.click("+agb");
    EXPECT_EQ(b.take(), Events{"command +agb"});
    EXPECT_TRUE(b.page.Bedingung().contains("agb"));
    EXPECT_TRUE(b.page.model().page().checkBoxes.at(0).checked);
    EXPECT_EQ(centreColour(), QColor(Qt::black));

    b.click("+agb");
    EXPECT_EQ(b.take(), Events{"command -agb"});
    EXPECT_FALSE(b.page.Bedingung().contains("agb"));
    EXPECT_EQ(centreColour(), QColor(Qt::white));

    // A name without a check box counts as off.
    b.page.SetCondition("nix", true);
    b.page.ActivateTarget("+nix");
    EXPECT_EQ(b.take(), Events{"command -nix"});
    EXPECT_FALSE(b.page.Bedingung().contains("nix"));
}

TEST(PageInteractionTest, HoveringSwapsTheImagesOfTheWholeLinkRun) {
    BrowsedPage b;
    b.write("ziel.htx", "Ziel");
    b.write("anders.htx", "Anders");
    b.write("start.htx", "<BODY BGCOLOR=#FFFFFF><A HREF=\"ziel.htx\" FLASH=#FF0000>zwei Worte</A>"
                         "<BR><BR><A HREF=\"anders.htx\" FLASH=#0000FF>drei</A> Text");
    ASSERT_TRUE(b.load("start.htx"));

    const tNamed_rectangle_list& areas = b.page.areas();
    const auto runShows = [&](const std::string& name, bool highlighted) {
        int checked = 0;
        for (const NamedRectangle& entry : areas.entries()) {
            if (areas.name(entry.nameIndex) != name || !entry.hasHoverImages())
                continue;
            const QRect rect(entry.rect.left, entry.rect.top, entry.rect.width(),
                             entry.rect.height());
            const QImage expected = highlighted ? entry.highlighted : entry.normal;
            if (b.page.buffer().copy(rect).convertToFormat(QImage::Format_RGB32) !=
                expected.convertToFormat(QImage::Format_RGB32))
                return false;
            ++checked;
        }
        return checked > 0;
    };
    // The prepared images differ, so the comparisons below tell them apart.
    const NamedRectangle& first = areas[0];
    ASSERT_TRUE(first.hasHoverImages());
    ASSERT_NE(first.normal.convertToFormat(QImage::Format_RGB32),
              first.highlighted.convertToFormat(QImage::Format_RGB32));
    ASSERT_GE(areas.RunOf(0).last - areas.RunOf(0).first, 2); // zwei, blank, Worte

    EXPECT_TRUE(runShows("ziel.htx", false));
    EXPECT_TRUE(runShows("anders.htx", false));

    b.moveTo(b.centre("ziel.htx"));
    EXPECT_TRUE(runShows("ziel.htx", true));
    EXPECT_TRUE(runShows("anders.htx", false));
    EXPECT_EQ(b.page.cursor().shape(), Qt::BitmapCursor);

    b.moveTo(b.centre("anders.htx"));
    EXPECT_TRUE(runShows("ziel.htx", false));
    EXPECT_TRUE(runShows("anders.htx", true));

    b.moveTo(QPoint(390, 290));
    EXPECT_TRUE(runShows("ziel.htx", false));
    EXPECT_TRUE(runShows("anders.htx", false));
    EXPECT_EQ(b.page.cursor().shape(), Qt::ArrowCursor);

    // Leaving the control takes the highlight away too.
    b.moveTo(b.centre("ziel.htx"));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&b.page, &leave);
    EXPECT_TRUE(runShows("ziel.htx", false));
}

TEST(PageInteractionTest, TheHostHearsOfLinksAndHintsWhenTheyChange) {
    BrowsedPage b;
    b.page.OnAnkerChange = [&](const std::string& anker) {
        b.events.push_back("anker " + anker);
    };
    b.page.OnHintChange = [&](const std::string& hint) {
        b.events.push_back("hint " + hint);
    };
    b.write("ziel.htx", "Ziel");
    b.write("klick.wav", "RIFF");
    b.page.ShowText("<A HREF=\"ziel.htx@Zum Ziel\">Ziel</A><BR><A HREF=\"EX\">Aufgabe</A><BR>"
                    "<A HREF=\"ziel.htx@" +
                    Deg + "klick\">Ton</A>");
    b.take();

    b.moveTo(b.centre("ziel.htx@Zum Ziel"));
    EXPECT_EQ(b.take(), (Events{"anker ziel.htx", "hint Zum Ziel"}));
    b.moveTo(b.centre("ziel.htx@Zum Ziel") + QPoint(1, 0));
    EXPECT_TRUE(b.take().empty());
    b.moveTo(QPoint(390, 290));
    EXPECT_EQ(b.take(), (Events{"anker ", "hint "}));
    // Exercise links are the page's own business.
    b.moveTo(b.centre("EX"));
    EXPECT_TRUE(b.take().empty());
    // A hint after "°" names a sound and is no hint.
    b.moveTo(b.centre("ziel.htx@" + Deg + "klick"));
    EXPECT_EQ(b.take(), (Events{"anker ziel.htx", "sound klick.wav"}));
}

TEST(PageInteractionTest, WithoutAHostThePageShowsHintsInItsOwnWindow) {
    BrowsedPage b;
    b.page.ShowText("<A HREF=\"ziel.htx@Zum Ziel\">Ziel</A> <A HREF=\"@Notiz\">Notiz</A>");
    PageHintWindow& hint = b.page.hintWindow();

    b.moveTo(b.centre("ziel.htx@Zum Ziel"));
    EXPECT_TRUE(hint.waiting());
    EXPECT_FALSE(hint.isVisible());
    EXPECT_EQ(hint.text(), "Zum Ziel");
    EXPECT_TRUE(waitUntil([&] { return hint.isVisible(); }));
    EXPECT_EQ(hint.pos(), b.page.mapToGlobal(b.centre("ziel.htx@Zum Ziel")) + QPoint(12, 16));
    EXPECT_LE(hint.width(), PageHintWindow::MaxWidth);

    // A note spot leads nowhere: its text shows on a click, not as a hint.
    b.moveTo(b.centre("%@Notiz"));
    EXPECT_FALSE(hint.isVisible());
    EXPECT_FALSE(hint.waiting());
}

TEST(PageInteractionTest, ARightClickOnAWordGivesTheWordAndWhereItStands) {
    BrowsedPage b;
    std::vector<std::pair<std::string, QRect>> words;
    b.page.OnRightClick = [&](TXPage& sender, const QRect& rect, const std::string& text) {
        EXPECT_EQ(&sender, &b.page);
        words.emplace_back(text, rect);
    };
    b.page.ShowText("Hola \"amigo\". <A HREF=\"?casa\">Haus</A>");
    b.take();
    const TWordList& list = b.page.words();
    ASSERT_GE(list.entries().size(), 2U);
    const PixelRect amigo = list.entries()[1].rect;
    QTest::mouseClick(&b.page, Qt::RightButton, {}, QPoint(amigo.left + 2, amigo.top + 2));
    ASSERT_EQ(words.size(), 1U);
    EXPECT_EQ(words[0].first, "amigo");
    EXPECT_EQ(words[0].second, QRect(amigo.left, amigo.top, amigo.width(), amigo.height()));

    // A "?" link hands its word over with an empty rectangle.
    b.click("?casa");
    ASSERT_EQ(words.size(), 2U);
    EXPECT_EQ(words[1].first, "casa");
    EXPECT_TRUE(words[1].second.isNull());
    EXPECT_TRUE(b.take().empty());
}

TEST(PageInteractionTest, AChildPageHidesOnAClickBesideItsLinksAndPassesWordsUp) {
    BrowsedPage b;
    std::vector<std::string> words;
    b.page.OnRightClick = [&](TXPage& sender, const QRect&, const std::string& text) {
        words.push_back(text + (&sender == &b.page ? " from parent" : " from child"));
    };
    auto* child = new TXPage(&b.page);
    child->setHTMLChild(true);
    child->setGeometry(50, 50, 200, 100);
    child->ShowText("<A HREF=\"?casa\">casa</A> und leer");
    child->show();
    b.page.setPopUpControl(child);

    const tNamed_rectangle_list& areas = child->areas();
    const PixelRect link = areas[0].rect;
    QTest::mouseClick(child, Qt::LeftButton, {}, QPoint(link.left + 2, link.top + 2));
    EXPECT_EQ(words, Events{"casa from child"});
    EXPECT_TRUE(child->isVisible());

    QTest::mouseClick(child, Qt::LeftButton, {}, QPoint(190, 90));
    EXPECT_FALSE(child->isVisible());

    // The parent hides its pop-up control on a left press.
    child->show();
    b.clickAt(QPoint(350, 250));
    EXPECT_FALSE(child->isVisible());
}

class RecordingShell : public ShellServices {
public:
    std::string shortcutFolder(int) const override { return {}; }
    bool openUrl(const std::string& url) override {
        opened.push_back(url);
        return works;
    }
    bool works = true;
    std::vector<std::string> opened;
};

TEST(PageInteractionTest, WebAddressesOpenInTheBrowser) {
    BrowsedPage b;
    RecordingShell shell;
    b.page.setShell(&shell);
    b.page.ShowText("<A HREF=\"http://www.example.org/\">Netz</A>");
    b.click("http://www.example.org/");
    EXPECT_EQ(shell.opened, Events{"http://www.example.org/"});
    EXPECT_TRUE(b.messages.shown().empty());

    shell.works = false;
    b.click("http://www.example.org/");
    ASSERT_EQ(b.messages.shown().size(), 1U);
    EXPECT_EQ(b.messages.shown()[0].caption, "*qor");
    EXPECT_EQ(b.messages.shown()[0].text, "Internet-Verbindung konnte nicht geöffnet werden!"_cp);
    EXPECT_EQ(b.messages.shown()[0].style, MessageStyle::Information);
}

TEST(PageInteractionTest, AFailingCommandHandlerIsSwallowed) {
    BrowsedPage b;
    b.write("next.htx", "<TITLE>Weiter</TITLE>");
    b.write("start.htx", "<A HREF=\"" + S + "[kaputt]next.htx\">Los</A>");
    ASSERT_TRUE(b.load("start.htx"));
    b.page.OnCommand = [](const std::string&) {
        throw std::runtime_error("kaputt");
    };
    b.click(S + "[kaputt]next.htx");
    EXPECT_EQ(b.page.model().title(), "Weiter");
    EXPECT_TRUE(b.page.mouseEnabled());
}

TEST(PageInteractionTest, ClicksWhileACommandIsHandedOverAreDiscarded) {
    BrowsedPage b;
    b.page.ShowText("<A HREF=\"" + S + "eins\">Eins</A><BR><A HREF=\"" + S + "zwei\">Zwei</A>");
    b.take();
    const QPoint second = b.centre(S + "zwei");
    b.page.OnCommand = [&](const std::string& command) {
        b.events.push_back("command " + command);
        b.events.push_back(b.page.mouseEnabled() ? "enabled" : "disabled");
        b.clickAt(second);
    };
    b.click(S + "eins");
    EXPECT_EQ(b.take(), (Events{"command eins", "disabled"}));
    EXPECT_TRUE(b.page.mouseEnabled());
    EXPECT_EQ(b.page.cursor().shape(), Qt::ArrowCursor);
}

TEST(PageInteractionTest, AWaitJumpHappensOnlyWithAutoJump) {
    BrowsedPage b;
    const std::string text = "<BODY WAIT=\"20," + S + "weiter\">Gleich geht es weiter";
    b.page.ShowText(text);
    b.take();
    EXPECT_TRUE(waitUntil([&] { return !b.events.empty(); }));
    EXPECT_EQ(b.take(), Events{"command weiter"});

    b.page.setAutoJump(false);
    b.page.ShowText(text);
    b.take();
    QTest::qWait(100);
    EXPECT_TRUE(b.take().empty());
}

TEST(PageInteractionTest, TheScrollBarScrollsTheLinksWithThePage) {
    BrowsedPage b(300, 200);
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "Zeile<BR>";
    text += "<A HREF=\"" + S + "unten\">Unten</A>";
    b.page.ShowText(text);
    b.take();

    QScrollBar& bar = b.page.scrollBar();
    ASSERT_TRUE(bar.isVisible());
    EXPECT_EQ(bar.geometry(), QRect(300 - 16, 0, 16, 200));
    EXPECT_EQ(bar.maximum(), b.page.scrollRange());
    EXPECT_EQ(bar.singleStep(), 5);
    EXPECT_EQ(bar.pageStep(), 200 - 16);

    bar.setValue(bar.maximum());
    EXPECT_EQ(b.page.scrollPosition(), b.page.scrollRange());
    const QRect link = b.area(S + "unten");
    ASSERT_TRUE(QRect(0, 0, 300, 200).contains(link.center()));
    b.clickAt(link.center());
    EXPECT_EQ(b.take(), Events{"command unten"});

    b.page.Scroll(0);
    EXPECT_EQ(bar.value(), 0);
}

// The exercise objects as the page sees them: where they take part in
// mouse handling, check boxes and the recorder.
class RecordingHooks : public PageExerciseHooks {
public:
    bool startDrag(QPoint at) override {
        calls.push_back("start " + point(at));
        dragging_ = grip.contains(at);
        return dragging_;
    }
    bool dragging() const override { return dragging_; }
    bool overDraggable(QPoint at) override { return grip.contains(at); }
    void moveDrag(QPoint at) override { calls.push_back("move " + point(at)); }
    void endDrag(QPoint at) override {
        calls.push_back("end " + point(at));
        dragging_ = false;
    }
    void checkBoxToggled(int index) override {
        calls.push_back("checkbox " + std::to_string(index));
    }
    bool recorderCommand(bool record) override {
        calls.push_back(record ? "record" : "play");
        return hasRecorder;
    }

    static std::string point(QPoint at) {
        return std::to_string(at.x()) + "," + std::to_string(at.y());
    }

    QRect grip{300, 200, 50, 30}; // page coordinates
    bool hasRecorder = false;
    std::vector<std::string> calls;

private:
    bool dragging_ = false;
};

TEST(PageExerciseHookTest, APressBesideTheLinksMayStartADragThatTheMouseThenMoves) {
    BrowsedPage b;
    RecordingHooks hooks;
    b.page.setExerciseHooks(&hooks);
    b.page.ShowText("<A HREF=\"" + S + "link\">Link</A>");
    b.take();

    b.moveTo(QPoint(310, 210));
    EXPECT_EQ(b.page.cursor().pixmap().toImage(), DragCursor().pixmap().toImage());
    QTest::mousePress(&b.page, Qt::LeftButton, {}, QPoint(310, 210));
    QTest::mouseMove(&b.page, QPoint(320, 215));
    QTest::mouseRelease(&b.page, Qt::LeftButton, {}, QPoint(320, 215));
    EXPECT_EQ(hooks.calls, (Events{"start 310,210", "move 320,215", "end 320,215"}));
    // The release ended the drag and activated nothing.
    EXPECT_TRUE(b.take().empty());

    // A press on a link starts no drag.
    hooks.calls.clear();
    b.click(S + "link");
    EXPECT_TRUE(hooks.calls.empty());
    EXPECT_EQ(b.take(), Events{"command link"});
    b.page.setExerciseHooks(nullptr);
}

TEST(PageExerciseHookTest, CheckBoxesAndTheRecorderGoThroughTheExerciseObjects) {
    BrowsedPage b;
    RecordingHooks hooks;
    b.page.setExerciseHooks(&hooks);
    b.page.ShowText("<CHECKBOX NAME=\"a\"> a <CHECKBOX NAME=\"b\"> b");
    b.take();

    b.click("+b");
    EXPECT_EQ(hooks.calls, Events{"checkbox 1"});
    EXPECT_EQ(b.take(), Events{"command +b"});

    // Without a recorder "§rec" is a command like any other, "§play" nothing.
    hooks.calls.clear();
    b.page.ActivateTarget(S + "rec");
    b.page.ActivateTarget(S + "play");
    EXPECT_EQ(hooks.calls, (Events{"record", "play"}));
    EXPECT_EQ(b.take(), Events{"command rec"});

    hooks.hasRecorder = true;
    b.page.ActivateTarget(S + "rec");
    EXPECT_TRUE(b.take().empty());
    b.page.setExerciseHooks(nullptr);
}

TEST(PageInteractionTest, TheUsualControlEventsReachTheHost) {
    BrowsedPage b;
    b.page.OnMouseDown = [&](QWidget*, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                             int y) {
        b.events.push_back("down " + std::to_string(button) + " " + std::to_string(shift.toInt()) +
                           " " + std::to_string(x) + "," + std::to_string(y));
    };
    b.page.OnDblClick = [&](QWidget*) {
        b.events.push_back("double");
    };
    b.page.OnEnter = [&](QWidget*) {
        b.events.push_back("enter");
    };
    b.page.OnExit = [&](QWidget*) {
        b.events.push_back("exit");
    };
    b.page.ShowText("Text");
    b.take();

    QTest::mousePress(&b.page, Qt::RightButton, Qt::ShiftModifier, QPoint(30, 40));
    QTest::mouseRelease(&b.page, Qt::RightButton, Qt::ShiftModifier, QPoint(30, 40));
    QTest::mouseDClick(&b.page, Qt::LeftButton, {}, QPoint(5, 6));
    QFocusEvent in(QEvent::FocusIn);
    QCoreApplication::sendEvent(&b.page, &in);
    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(&b.page, &out);
    EXPECT_EQ(b.take(), (Events{"down 2 " + std::to_string(Qt::ShiftModifier) + " 30,40",
                                "down 1 0 5,6", "double", "enter", "exit"}));
}

TEST(NamedRectanglesTest, ARunEndsWhereTheNameOrTheItemNumbersChange) {
    PageModel model;
    tNamed_rectangle_list areas(model);
    const int a = areas.AddName("a.htx");
    const int b = areas.AddName("b.htx");
    const int again = areas.AddName("a.htx"); // the same target written twice
    areas.Add(a, 4, {0, 0, 10, 10});
    areas.Add(a, 5, {10, 0, 20, 10});
    areas.Add(again, 6, {0, 20, 10, 30});
    areas.Add(b, 7, {10, 20, 20, 30});
    areas.Add(b, 9, {20, 20, 30, 30});
    using Run = tNamed_rectangle_list::Run;
    EXPECT_EQ(areas.RunOf(1), (Run{0, 2}));
    EXPECT_EQ(areas.RunOf(3), (Run{3, 3}));
    EXPECT_EQ(areas.RunOf(4), (Run{4, 4}));
    EXPECT_EQ(areas.RunOf(-1), Run{});
    EXPECT_EQ(areas.RunOf(5), Run{});
}

} // namespace
} // namespace qor
