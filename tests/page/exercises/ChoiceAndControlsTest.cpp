// The multiple choice, the one-line edit, buttons and the recorder on a page.

#include "FakeMci.h"
#include "PageExercisesTesting.h"
#include "controls/XColorButton.h"
#include "platform/Registry.h"
#include "sound/Recorder.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace qor::test {
namespace {

const char* const CountMessage = "Die Anzahl der Items stimmt nicht (Multiple Choice).";

// The cell of item index in a grid filled column by column.
QPoint cellCentre(const TXMultipleChoice& choice, int index) {
    const int column = index / choice.Zeilen();
    const int row = index % choice.Zeilen();
    return {column * choice.CellWidth() + choice.CellWidth() / 2,
            row * choice.CellHeight() + choice.CellHeight() / 2};
}

void choose(TXMultipleChoice& choice, int index) {
    QTest::mouseClick(&choice, Qt::LeftButton, {}, cellCentre(choice, index));
}

int itemIndex(const TXMultipleChoice& choice, const std::string& item) {
    const auto& items = choice.Items();
    return static_cast<int>(std::find(items.begin(), items.end(), item) - items.begin());
}

const char* const SixItems = "<MULTIPLE COORDS=50,60,150,30 DIM=2,3 "
                             "TXT=\"perro|gato|casa|mesa|libro|flor\" REACTION=mch>";

TEST(PageChoiceTest, SixItemsInTwoRowsAndThreeColumnsAreShownOverThePage) {
    ExercisePage page;
    page.show(SixItems);
    EXPECT_TRUE(page.messages.shown().empty());
    TXMultipleChoice* choice = page.exercises.Choice().Control();
    ASSERT_NE(choice, nullptr);
    EXPECT_TRUE(choice->isVisible());
    EXPECT_EQ(choice->geometry(), QRect(50, 60, 450, 60));
    EXPECT_EQ(choice->Items().size(), 6U);
    // The shuffle takes the right item along.
    EXPECT_EQ(choice->Items()[static_cast<std::size_t>(choice->Lsg())], "perro");
    EXPECT_EQ(choice->Bitmap().picture, &page.page.buffer());
}

TEST(PageChoiceTest, TheRightItemSendsPlus) {
    ExercisePage page;
    page.show(SixItems);
    TXMultipleChoice& choice = *page.exercises.Choice().Control();
    choose(choice, choice.Lsg());
    ExercisePage::settle();
    EXPECT_EQ(page.commands, (std::vector<std::string>{"mch+"}));
    EXPECT_TRUE(choice.isHidden());
    // Drawing the page again does not bring the answered control back.
    page.page.Render();
    EXPECT_TRUE(choice.isHidden());
}

TEST(PageChoiceTest, AWrongItemSendsItsText) {
    ExercisePage page;
    page.show(SixItems);
    TXMultipleChoice& choice = *page.exercises.Choice().Control();
    choose(choice, itemIndex(choice, "mesa"));
    ExercisePage::settle();
    EXPECT_EQ(page.commands, (std::vector<std::string>{"mch[mesa]-"}));
}

TEST(PageChoiceTest, OnlyALeftClickBegunOnTheControlChooses) {
    ExercisePage page;
    page.show(SixItems);
    TXMultipleChoice& choice = *page.exercises.Choice().Control();
    QTest::mouseClick(&choice, Qt::RightButton, {}, cellCentre(choice, 0));
    QTest::mouseRelease(&choice, Qt::LeftButton, {}, cellCentre(choice, 0));
    ExercisePage::settle();
    EXPECT_TRUE(page.commands.empty());
    EXPECT_TRUE(choice.isVisible());
}

TEST(PageChoiceTest, AGridThatDoesNotFitTheItemsIsReported) {
    ExercisePage page;
    page.show("<MULTIPLE COORDS=50,60,150,30 DIM=2,2 TXT=\"a|b|c|d|e|f\" REACTION=mch>");
    EXPECT_EQ(page.messages.texts(), (std::vector<std::string>{CountMessage}));
    // Unshuffled, the first item stays the right one.
    TXMultipleChoice& choice = *page.exercises.Choice().Control();
    EXPECT_EQ(choice.Lsg(), 0);
    EXPECT_EQ(choice.Items().front(), "a");
}

TEST(PageChoiceTest, ASingleItemIsTheRightAnswer) {
    ExercisePage page;
    page.show("<MULTIPLE COORDS=50,60,150,30 TXT=\"claro\" REACTION=mch>");
    EXPECT_TRUE(page.messages.shown().empty());
    TXMultipleChoice& choice = *page.exercises.Choice().Control();
    EXPECT_EQ(choice.Lsg(), 0);
    choose(choice, 0);
    ExercisePage::settle();
    EXPECT_EQ(page.commands, (std::vector<std::string>{"mch+"}));
}

TEST(PageChoiceTest, WithoutReactionThePageCelebratesAndShowsTheRightItemLocked) {
    for (const bool right : {true, false}) {
        ExercisePage page;
        page.show("<MULTIPLE COORDS=50,60,150,30 DIM=1,3 TXT=\"uno|dos|tres\">");
        TXMultipleChoice& choice = *page.exercises.Choice().Control();
        const int wrong = (choice.Lsg() + 1) % 3;
        choose(choice, right ? choice.Lsg() : wrong);
        EXPECT_TRUE(choice.isHidden());
        ExercisePage::settle();
        EXPECT_EQ(page.celebrations,
                  (std::vector<Celebrated>{{right ? "Unglaublich!" : "Oh nein!!!", 1500}}));
        EXPECT_TRUE(choice.isVisible());
        EXPECT_EQ(choice.Highlight(), choice.Lsg());
        // Locked: another choice does nothing.
        choose(choice, wrong);
        ExercisePage::settle();
        EXPECT_EQ(page.celebrations.size(), 1U);
        EXPECT_TRUE(page.commands.empty());
    }
}

TEST(PageInputTest, EveryChangeWritesTheDefinitionAndEnterSendsTheName) {
    ExercisePage page;
    page.page.SetDefine("nombre", "Ana");
    page.show("<A HREF=\"\xA7seite\" RETURN>weiter</A><INPUT COORDS=20,200,150 "
              "NAME=\"nombre\" VALUE=\"\">");
    PageInputEdit* edit = page.exercises.Input().Edit();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), "Ana");
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->geometry().topLeft(), QPoint(20, 200));
    EXPECT_EQ(edit->width(), 150);

    QTest::keyClicks(edit, "bel");
    EXPECT_EQ(page.page.GetDefine("nombre"), "Anabel");
    QTest::keyClick(edit, Qt::Key_Return);
    ExercisePage::settle();
    // The page's own Enter target does not see the key.
    EXPECT_EQ(page.commands, (std::vector<std::string>{"nombre"}));
}

TEST(PageInputTest, AGivenValueIsStoredAndF1CyclesAccents) {
    ExercisePage page;
    page.show("<INPUT COORDS=20,200 NAME=\"palabra\" VALUE=\"cafe\">");
    PageInputEdit& edit = *page.exercises.Input().Edit();
    EXPECT_EQ(page.page.GetDefine("palabra"), "cafe");
    EXPECT_EQ(edit.width(), PageInput::DefaultWidth);
    edit.end(false);
    QTest::keyClick(&edit, Qt::Key_F1);
    EXPECT_EQ(page.page.GetDefine("palabra"), "caf\xE9"); // café
}

TEST(PageButtonsTest, AClickFollowsTheLinkAndButtonsMoveWithThePage) {
    ExercisePage page;
    std::string text = "<BUTTON COORDS=300,40,120,30 CAPTION=\"Weiter\" "
                       "HREF=\"\xA7[weiter]\" COLOR=#FFCC00 3D>";
    for (int line = 0; line < 60; ++line)
        text += "Linea<BR>";
    page.show(text);
    const std::vector<tXColorButton*> buttons = page.exercises.Buttons().Buttons();
    ASSERT_EQ(buttons.size(), 1U);
    tXColorButton& button = *buttons.front();
    EXPECT_TRUE(button.isVisible());
    EXPECT_EQ(button.geometry(), QRect(300, 40, 120, 30));
    EXPECT_EQ(button.Caption(), "Weiter");
    EXPECT_TRUE(button.DDD());
    EXPECT_EQ(button.Color(), rgbColor(0xFF, 0xCC, 0x00));

    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    ExercisePage::settle();
    EXPECT_EQ(page.commands, (std::vector<std::string>{"weiter"}));

    page.page.Scroll(30);
    EXPECT_EQ(button.pos(), QPoint(300, 10));
}

class PageRecorderTest : public testing::Test {
protected:
    PageRecorderTest() {
        page.exercises.setRecorderSource([this] { return &recorder; });
    }

    InstalledFakeMci mci;
    MemoryRegistry registry;
    tWaveRec recorder{registry};
    ExercisePage page;
};

TEST_F(PageRecorderTest, ItsButtonsBecomeTheRecordAndPlayAreas) {
    page.show("<BODY BGCOLOR=#203040><RECORDER C-REC=100,300,40,40 C-PLAY=160,300,40,40 MAX=7>");
    EXPECT_TRUE(recorder.visible());
    EXPECT_EQ(recorder.lengthLimit(), 7);
    EXPECT_EQ(page.page.areas().HitTest(120, 320).target, "\xA7rec");
    EXPECT_EQ(page.page.areas().HitTest(180, 320).target, "\xA7play");
    // The buttons are drawn on the page's background colour.
    EXPECT_EQ(page.page.buffer().pixelColor(101, 301), QColor(0x20, 0x30, 0x40));
    EXPECT_NE(page.page.buffer().pixelColor(120, 320), QColor(0x20, 0x30, 0x40));
}

TEST_F(PageRecorderTest, RecAndPlayStartAndStopAndClearingStopsIt) {
    page.show("<RECORDER C-REC=100,300,40,40 C-PLAY=160,300,40,40>");
    EXPECT_TRUE(page.exercises.recorderCommand(true));
    EXPECT_EQ(recorder.state(), tWaveRec::Recording);
    EXPECT_TRUE(page.exercises.recorderCommand(true));
    EXPECT_EQ(recorder.state(), tWaveRec::Idle);
    EXPECT_TRUE(page.exercises.recorderCommand(false));
    EXPECT_EQ(recorder.state(), tWaveRec::Playing);
    page.page.Clear();
    EXPECT_EQ(recorder.state(), tWaveRec::Idle);
    EXPECT_FALSE(recorder.visible());
    EXPECT_FALSE(page.exercises.recorderCommand(true));
}

TEST_F(PageRecorderTest, APageWithoutRecorderLeavesItAlone) {
    page.show("Nada que grabar.");
    EXPECT_FALSE(recorder.visible());
    EXPECT_FALSE(page.exercises.recorderCommand(false));
}

// The program frees its recorder before its windows: a page that still
// shows it forgets it and no longer reaches it.
TEST(PageRecorderLifetimeTest, ARecorderFreedWhileShownIsForgotten) {
    InstalledFakeMci mci;
    MemoryRegistry registry;
    auto recorder = std::make_unique<tWaveRec>(registry);
    ExercisePage page;
    page.exercises.setRecorderSource([&] { return recorder.get(); });
    page.show("<RECORDER C-REC=100,300,40,40 C-PLAY=160,300,40,40>");
    ASSERT_EQ(page.exercises.Recorder().Recorder(), recorder.get());

    recorder.reset();
    EXPECT_EQ(page.exercises.Recorder().Recorder(), nullptr);
    EXPECT_FALSE(page.exercises.recorderCommand(true));
    page.page.Clear();
}

} // namespace
} // namespace qor::test
