// Typing fields on a page: answering, the results handed to the host, the
// help text, placing over gaps, scrolling, clearing and the celebration of
// a solved page.

#include "PageExercisesTesting.h"
#include "page/model/FontSize.h"
#include "platform/FileSystem.h"

#include <QTest>
#include <gtest/gtest.h>

namespace qor::test {
namespace {

const char* const CasaField =
    "<EDIT COORDS=100,100,200,24 LSG=\"la casa;casa\" REACTION=\"antwort\">";

TPageEdit& onlyField(ExercisePage& page) {
    const std::vector<TPageEdit*> fields = page.exercises.TypingFields().Fields();
    EXPECT_EQ(fields.size(), 1U);
    return *fields.front();
}

void answer(TPageEdit& field, const char* text) {
    field.setText({});
    QTest::keyClicks(&field, text);
    QTest::keyClick(&field, Qt::Key_Return);
}

TEST(TypingFieldTest, IsShownAtItsCoordinatesWithTheFocus) {
    ExercisePage page;
    page.show(CasaField);
    TPageEdit& field = onlyField(page);
    EXPECT_EQ(field.geometry(), QRect(100, 100, 200, 24));
    EXPECT_TRUE(field.isVisible());
    EXPECT_TRUE(field.hasFocus());
    EXPECT_EQ(field.Lsg(), (std::vector<std::string>{"la casa", "casa"}));

    // It writes in the page's text font at the tag, as the page around it.
    page.show("<FONT FACE=\"Liberation Sans\" SIZE=5>Antwort: " + std::string(CasaField));
    const QFont font = onlyField(page).font();
    EXPECT_EQ(font.family(), "Liberation Sans");
    EXPECT_EQ(font.pixelSize(), fontHeightOfSize(5).pixels);
}

TEST(TypingFieldTest, ARightAnswerHidesTheFieldAndSendsTheAttempts) {
    ExercisePage page;
    page.show(CasaField);
    TPageEdit& field = onlyField(page);
    int richtig = 0;
    field.OnRichtig = [&, handler = field.OnRichtig](QWidget* sender) {
        ++richtig;
        handler(sender);
    };
    answer(field, "perro");
    answer(field, "casa");
    EXPECT_TRUE(page.commands.empty()) << "handed over after the key event";
    ExercisePage::settle();
    EXPECT_EQ(page.commands, (std::vector<std::string>{"antwort#2+"}));
    EXPECT_EQ(richtig, 1);
    EXPECT_TRUE(field.isHidden());
    EXPECT_TRUE(page.page.hasFocus());
    EXPECT_TRUE(page.exercises.AllSolved());
}

TEST(TypingFieldTest, AnAlmostRightAnswerMarksTheWrongLetterAndStaysOpen) {
    ExercisePage page;
    page.show(CasaField);
    TPageEdit& field = onlyField(page);
    int beinahe = 0;
    field.OnBeinahe = [&](QWidget*) {
        ++beinahe;
    };
    answer(field, "la cosa");
    ExercisePage::settle();
    EXPECT_EQ(beinahe, 1);
    EXPECT_EQ(field.Text(), "la cosa");
    EXPECT_EQ(field.Farbe(), "0000100");
    EXPECT_EQ(field.CaretPosition(), 5);
    EXPECT_TRUE(field.isVisible());
    EXPECT_TRUE(page.commands.empty());
    // Correcting the letter in place answers right at the second attempt.
    QTest::keyClick(&field, Qt::Key_Delete);
    QTest::keyClicks(&field, "a");
    QTest::keyClick(&field, Qt::Key_Return);
    ExercisePage::settle();
    EXPECT_EQ(page.commands, (std::vector<std::string>{"antwort#2+"}));
}

TEST(TypingFieldTest, FiveWrongAnswersSendTheReactionWithMinus) {
    ExercisePage page;
    page.show(CasaField);
    TPageEdit& field = onlyField(page);
    for (int attempt = 1; attempt <= 4; ++attempt) {
        answer(field, "perro");
        EXPECT_EQ(field.Text(), "") << "cleared for the next try";
        EXPECT_TRUE(field.isVisible());
    }
    answer(field, "perro");
    ExercisePage::settle();
    EXPECT_TRUE(field.isHidden());
    EXPECT_EQ(page.commands, (std::vector<std::string>{"antwort-"}));
}

TEST(TypingFieldTest, AnEmptyAnswerFailsAtOnce) {
    ExercisePage page;
    page.show(CasaField);
    TPageEdit& field = onlyField(page);
    QTest::keyClick(&field, Qt::Key_Return);
    ExercisePage::settle();
    EXPECT_EQ(page.commands, (std::vector<std::string>{"antwort-"}));
    EXPECT_EQ(field.Attempts(), 5);
}

TEST(TypingFieldTest, AReactionWithAFileExtensionLoadsThatPage) {
    ExercisePage page;
    page.file("weiter.html", "<TITLE>Weiter</TITLE>Gut gemacht.");
    page.file("frage.html", "<EDIT COORDS=10,10,100,20 LSG=\"si\" REACTION=\"weiter.html\">");
    page.page.setXPath(page.folder.path());
    ASSERT_TRUE(page.page.setXFile("frage.html")) << testing::PrintToString(page.messages.texts());
    ExercisePage::settle();
    answer(onlyField(page), "si");
    ExercisePage::settle();
    EXPECT_EQ(page.page.XFile(), "weiter.html");
    EXPECT_EQ(page.page.model().title(), "Weiter");
    EXPECT_TRUE(page.commands.empty());
    EXPECT_TRUE(page.exercises.TypingFields().Fields().empty());
}

TEST(TypingFieldTest, GapsStandOverTheirPlaceholderInTheGapColour) {
    ExercisePage page;
    page.show("<BODY GAP=#FFFF00>Yo <A GAP lsg=\"tengo; tengo que\" help=\"*\">xxxxxx</A> un "
              "perro.");
    TPageEdit& field = onlyField(page);
    const PageLayoutResult& layout = page.page.layoutResult();
    ASSERT_EQ(layout.gaps.size(), 1U);
    const PixelRect& gap = layout.gaps.front().rect;
    EXPECT_EQ(field.geometry(), QRect(gap.left, gap.top, gap.width(), gap.height()));
    EXPECT_EQ(field.Color(), rgbColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(field.Lsg(), (std::vector<std::string>{"tengo", "tengo que"}));
    EXPECT_EQ(field.toolTip(), "Hilfe mit F12!");
    // F2 and F12 show the mask of the first solution, the caret on its first gap.
    EXPECT_EQ(field.Hilfe(), "t___o");
    QTest::keyClick(&field, Qt::Key_F12);
    EXPECT_EQ(field.Text(), "t___o");
    EXPECT_EQ(field.CaretPosition(), 2);
}

TEST(TypingFieldTest, SolvingTheLastFieldWithoutReactionCelebrates) {
    ExercisePage page;
    page.show("Uno <A GAP lsg=\"dos\" help=\"\">xxx</A> tres <A GAP lsg=\"cuatro\" "
              "help=\"\">xxx</A>");
    const std::vector<TPageEdit*> fields = page.exercises.TypingFields().Fields();
    ASSERT_EQ(fields.size(), 2U);
    EXPECT_TRUE(fields[0]->hasFocus());
    answer(*fields[0], "dos");
    ExercisePage::settle();
    EXPECT_TRUE(page.celebrations.empty());
    EXPECT_TRUE(fields[1]->hasFocus()) << "the learner goes on with the next field";
    answer(*fields[1], "cuatro");
    ExercisePage::settle();
    EXPECT_EQ(page.celebrations, (std::vector<Celebrated>{{"Unglaublich!", 2000}}));
    EXPECT_TRUE(page.commands.empty());
}

TEST(TypingFieldTest, NoCelebrationWhileADropTargetIsOpen) {
    ExercisePage page;
    page.show("Uno <A GAP lsg=\"dos\" help=\"\">xxx</A> y el <A DRAG>perro</A>.");
    answer(onlyField(page), "dos");
    ExercisePage::settle();
    EXPECT_TRUE(page.celebrations.empty());
    EXPECT_FALSE(page.exercises.AllSolved());
}

TEST(TypingFieldTest, FieldsMoveWithTheScrolledPage) {
    ExercisePage page;
    std::string text;
    for (int line = 0; line < 60; ++line)
        text += "Linea<BR>";
    text += "<A GAP lsg=\"fin\" help=\"\">xxx</A>";
    page.show(text);
    TPageEdit& field = onlyField(page);
    const QPoint before = field.pos();
    page.page.Scroll(120);
    EXPECT_EQ(field.pos(), before - QPoint(0, 120));
}

TEST(TypingFieldTest, ClearingThePageRemovesItsFields) {
    ExercisePage page;
    page.show(CasaField);
    QPointer<TPageEdit> field = &onlyField(page);
    page.page.Clear();
    ExercisePage::settle();
    EXPECT_TRUE(field.isNull());
    EXPECT_TRUE(page.exercises.TypingFields().Fields().empty());
    EXPECT_TRUE(page.exercises.AllSolved());
}

TEST(TypingFieldTest, SpecialCharactersOfThePageAreOffered) {
    ExercisePage page;
    page.page.setSonderzeichen("\xE1;\xF1"); // á;ñ
    page.show(CasaField);
    EXPECT_EQ(onlyField(page).SpecialChars(), "\xE1;\xF1");
}

} // namespace
} // namespace qor::test
