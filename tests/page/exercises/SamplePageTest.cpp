// The exercise page of the sample page tree, solved from beginning to end.

#include "PageExercisesTesting.h"
#include "page/exercises/DragRules.h"

#include <QTest>
#include <gtest/gtest.h>

namespace qor::test {
namespace {

QPoint topLeft(const PixelRect& rect) {
    return {rect.left, rect.top};
}

class SamplePageTest : public testing::Test {
protected:
    SamplePageTest() {
        page.page.setXPath(QOR_SAMPLE_PAGES);
        loaded = page.page.setXFile("uebung.htx");
        ExercisePage::settle();
    }

    void dragWord(const DropTarget& target) {
        const tDragAufgabenListe& drag = page.exercises.DragExercise();
        const std::vector<std::string> words = drag.TrayWords();
        const auto at = std::find(words.begin(), words.end(), target.word);
        ASSERT_NE(at, words.end());
        const QPoint grip =
            topLeft(drag.TrayBlocks()[static_cast<std::size_t>(at - words.begin())]) + QPoint(4, 4);
        page.drag(grip, topLeft(target.rect) + QPoint(4, 4));
    }

    ExercisePage page;
    bool loaded = false;
};

TEST_F(SamplePageTest, OffersEveryKindOfExercise) {
    ASSERT_TRUE(loaded) << testing::PrintToString(page.messages.texts());
    EXPECT_TRUE(page.messages.shown().empty());
    EXPECT_EQ(page.exercises.TypingFields().Fields().size(), 2U);
    ASSERT_NE(page.exercises.Choice().Control(), nullptr);
    EXPECT_EQ(page.exercises.Choice().Control()->Items().size(), 4U);
    EXPECT_EQ(page.exercises.DragExercise().TargetsLeft(), 2);
    EXPECT_EQ(page.exercises.DragExercise().TrayWords().size(), 3U);
    EXPECT_EQ(page.exercises.Sentences().Count(), 1);
    EXPECT_EQ(page.page.model().page().checkBoxes.size(), 1U);
}

TEST_F(SamplePageTest, TheCheckBoxTellsTheHost) {
    ASSERT_TRUE(loaded);
    const TCheckBox& box = page.page.model().page().checkBoxes.front();
    const QPoint inside = page.onScreen({box.x + box.width / 2, box.y + box.height / 2});
    QTest::mouseClick(&page.page, Qt::LeftButton, {}, inside);
    ExercisePage::settle();
    EXPECT_TRUE(page.page.model().page().checkBoxes.front().checked);
    EXPECT_TRUE(page.page.model().HasCondition("uebung_cafe"));
    QTest::mouseClick(&page.page, Qt::LeftButton, {}, inside);
    ExercisePage::settle();
    EXPECT_EQ(page.commands, (std::vector<std::string>{"+uebung_cafe", "-uebung_cafe"}));
}

TEST_F(SamplePageTest, SolvingEverythingCelebratesOnce) {
    ASSERT_TRUE(loaded);
    const std::vector<TPageEdit*> fields = page.exercises.TypingFields().Fields();
    ASSERT_EQ(fields.size(), 2U);
    QTest::keyClicks(fields[0], "leche");
    QTest::keyClick(fields[0], Qt::Key_Return);

    for (const DropTarget& target : page.page.layoutResult().dropTargets)
        dragWord(target);

    // The sentence: each place in turn gets the part that belongs there.
    tSatzbauListe& sentences = page.exercises.Sentences();
    const std::vector<std::string> parts{"Quisiera", "un vaso", "de agua."};
    for (int place = 0; place < 3; ++place) {
        const std::vector<std::string> texts = sentences.PartTexts(0);
        const int from = static_cast<int>(
            std::find(texts.begin(), texts.end(), parts[static_cast<std::size_t>(place)]) -
            texts.begin());
        if (from == place)
            continue;
        const QRect part = sentences.PartRect(0, from);
        const QRect goal = sentences.PartRect(0, place);
        page.drag(part.topLeft() + QPoint(3, 3), goal.topLeft() + QPoint(3, 3));
        ASSERT_TRUE(page.waitForAnimations());
    }
    EXPECT_EQ(sentences.Left(), 0);
    EXPECT_TRUE(page.celebrations.empty()) << "one gap is still open";

    QTest::keyClicks(fields[1], "cuesta");
    QTest::keyClick(fields[1], Qt::Key_Return);
    ExercisePage::settle();
    EXPECT_EQ(page.celebrations, (std::vector<Celebrated>{{"Unglaublich!", 2000}}));
    EXPECT_TRUE(page.commands.empty());
}

} // namespace
} // namespace qor::test
