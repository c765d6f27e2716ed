// The drag exercise and sentence building on a page, driven through the
// page's exercise hooks and with the mouse.

#include "PageExercisesTesting.h"
#include "page/exercises/DragRules.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace qor::test {
namespace {

QPoint topLeft(const PixelRect& rect) {
    return {rect.left, rect.top};
}

const char* const DogPage = "<BODY KLOTZ=#C0E0FF>El <A DRAG>perro</A> ladra al <A DRAG>gato</A>."
                            "<KLOTZ FALSCH=\"pez\" Y=300>";

// The tray block of word, picked up at its top left corner plus (5, 5).
QPoint blockGrip(ExercisePage& page, const std::string& word) {
    const tDragAufgabenListe& drag = page.exercises.DragExercise();
    const std::vector<std::string> words = drag.TrayWords();
    const auto at = std::find(words.begin(), words.end(), word);
    EXPECT_NE(at, words.end()) << word;
    return topLeft(drag.TrayBlocks()[static_cast<std::size_t>(at - words.begin())]) + QPoint(5, 5);
}

const DropTarget& target(ExercisePage& page, const std::string& word) {
    for (const DropTarget& t : page.page.layoutResult().dropTargets)
        if (t.word == word)
            return t;
    throw std::runtime_error("no target " + word);
}

TEST(DragExerciseTest, TheTrayHoldsTheWordsAndTheDistractors) {
    ExercisePage page;
    page.show(DogPage);
    tDragAufgabenListe& drag = page.exercises.DragExercise();
    std::vector<std::string> words = drag.TrayWords();
    std::sort(words.begin(), words.end());
    EXPECT_EQ(words, (std::vector<std::string>{"gato", "perro", "pez"}));
    EXPECT_EQ(drag.TargetsLeft(), 2);
    for (const PixelRect& block : drag.TrayBlocks())
        EXPECT_EQ(block.top, 300);
    EXPECT_TRUE(page.exercises.overDraggable(blockGrip(page, "pez")));
    EXPECT_FALSE(page.exercises.overDraggable(QPoint(5, 5)));
}

TEST(DragExerciseTest, ABlockDroppedThreePixelsBesideItsTargetSnapsAndStays) {
    ExercisePage page;
    page.show(DogPage);
    const PixelRect goal = target(page, "perro").rect;
    page.drag(blockGrip(page, "perro"), topLeft(goal) + QPoint(3, -2) + QPoint(5, 5));
    EXPECT_FALSE(page.exercises.animating());
    EXPECT_EQ(page.exercises.DragExercise().TargetsLeft(), 1);
    // The block stands on its target, in the drag-block colour.
    EXPECT_EQ(page.page.buffer().pixelColor(goal.left + 1, goal.top + 1), QColor(0xC0, 0xE0, 0xFF));
    EXPECT_TRUE(page.celebrations.empty());
}

TEST(DragExerciseTest, TheLastWordPlacedFixesTheRestAndCelebrates) {
    ExercisePage page;
    page.show(DogPage);
    for (const char* word : {"perro", "gato"})
        page.drag(blockGrip(page, word), topLeft(target(page, word).rect) + QPoint(5, 5));
    ExercisePage::settle();
    EXPECT_TRUE(page.exercises.AllSolved());
    EXPECT_EQ(page.celebrations, (std::vector<Celebrated>{{"Unglaublich!", 2000}}));
    // The distractor stays where it is.
    EXPECT_FALSE(page.exercises.startDrag(blockGrip(page, "pez")));
}

TEST(DragExerciseTest, AWrongWordGlidesBackIntoTheTray) {
    ExercisePage page;
    page.show(DogPage);
    const QPoint grip = blockGrip(page, "pez");
    const QRect tray(grip - QPoint(5, 5),
                     QSize(page.exercises.DragExercise().TrayBlocks()[0].width(),
                           page.exercises.DragExercise().TrayBlocks()[0].height()));
    const QImage trayBefore = page.page.buffer().copy(tray);
    page.drag(grip, topLeft(target(page, "perro").rect) + QPoint(5, 5));
    EXPECT_TRUE(page.exercises.animating());
    EXPECT_FALSE(page.exercises.startDrag(blockGrip(page, "gato")))
        << "nothing moves while a block glides";
    ASSERT_TRUE(page.waitForAnimations());
    EXPECT_EQ(page.exercises.DragExercise().TargetsLeft(), 2);
    EXPECT_EQ(page.page.buffer().copy(tray), trayBefore);
    // Its target shows the empty block again.
    const PixelRect goal = target(page, "perro").rect;
    EXPECT_EQ(page.page.buffer().pixelColor(goal.left + 1, goal.top + 1), QColor(0xC0, 0xE0, 0xFF));
}

TEST(DragExerciseTest, DrawingAgainKeepsPlacedWordsOnTheirTargets) {
    ExercisePage page;
    page.show(DogPage);
    page.drag(blockGrip(page, "perro"), topLeft(target(page, "perro").rect) + QPoint(5, 5));
    page.page.resize(780, 572); // a new width lays the page out and draws it again
    ExercisePage::settle();
    tDragAufgabenListe& drag = page.exercises.DragExercise();
    EXPECT_EQ(drag.TargetsLeft(), 1);
    std::vector<std::string> words = drag.TrayWords();
    std::sort(words.begin(), words.end());
    EXPECT_EQ(words, (std::vector<std::string>{"gato", "pez"}));
}

TEST(DragExerciseTest, TheMouseDragsBlocksOnThePage) {
    ExercisePage page;
    page.show(DogPage);
    const QPoint grip = blockGrip(page, "gato");
    const QPoint goal = topLeft(target(page, "gato").rect) + QPoint(5, 5);
    QTest::mousePress(&page.page, Qt::LeftButton, {}, page.onScreen(grip));
    ASSERT_TRUE(page.exercises.dragging());
    QMouseEvent move(QEvent::MouseMove, page.onScreen(goal), page.page.mapToGlobal(goal),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&page.page, &move);
    QTest::mouseRelease(&page.page, Qt::LeftButton, {}, page.onScreen(goal));
    EXPECT_FALSE(page.exercises.dragging());
    EXPECT_EQ(page.exercises.DragExercise().TargetsLeft(), 1);
}

// Parts "uno", "dos", "uno": with every shuffle draw 0 they stand as
// [uno (the second), uno, dos].
const char* const SentencePage = "<SATZ TEILE=\"uno/dos/uno\" COORDS=40,200>";

TEST(SentenceTest, PartsStandShuffledInARowFromTheLeftEdge) {
    ExercisePage page;
    page.show(SentencePage);
    tSatzbauListe& sentences = page.exercises.Sentences();
    ASSERT_EQ(sentences.Count(), 1);
    EXPECT_EQ(sentences.PartTexts(0), (std::vector<std::string>{"uno", "uno", "dos"}));
    EXPECT_EQ(sentences.PartRect(0, 0).topLeft(), QPoint(40, 200));
    EXPECT_EQ(sentences.PartRect(0, 1).left(),
              40 + sentences.PartRect(0, 0).width() + SentencePartGap);
    EXPECT_TRUE(page.exercises.overDraggable(centre(sentences.PartRect(0, 2))));
    EXPECT_FALSE(page.exercises.AllSolved());
}

TEST(SentenceTest, EqualPartsMayStandEitherWayRound) {
    ExercisePage page;
    page.show(SentencePage);
    tSatzbauListe& sentences = page.exercises.Sentences();
    const QRect dos = sentences.PartRect(0, 2);
    const QRect second = sentences.PartRect(0, 1);
    // "dos" dragged left onto the second place: it snaps there and the two swap.
    page.drag(dos.topLeft() + QPoint(5, 5), second.topLeft() + QPoint(8, 5));
    EXPECT_EQ(sentences.PartTexts(0), (std::vector<std::string>{"uno", "dos", "uno"}));
    EXPECT_EQ(sentences.Left(), 1) << "closing up";
    ASSERT_TRUE(page.waitForAnimations());
    EXPECT_EQ(sentences.Left(), 0);
    EXPECT_TRUE(page.exercises.AllSolved());
    EXPECT_FALSE(page.exercises.overDraggable(centre(sentences.PartRect(0, 0))));
}

TEST(SentenceTest, APartLetGoAwayFromItsRowGlidesBack) {
    ExercisePage page;
    page.show(SentencePage);
    tSatzbauListe& sentences = page.exercises.Sentences();
    const QRect dos = sentences.PartRect(0, 2);
    const QImage rowBefore = page.page.buffer().copy(QRect(40, 200, 400, dos.height()));
    page.drag(dos.topLeft() + QPoint(5, 5), QPoint(400, 450));
    EXPECT_TRUE(page.exercises.animating());
    ASSERT_TRUE(page.waitForAnimations());
    EXPECT_EQ(sentences.PartTexts(0), (std::vector<std::string>{"uno", "uno", "dos"}));
    EXPECT_EQ(sentences.Left(), 1);
    EXPECT_EQ(page.page.buffer().copy(QRect(40, 200, 400, dos.height())), rowBefore);
}

TEST(SentenceTest, AnotherDrawingShufflesOpenSentencesAnew) {
    int draw = 0;
    ExercisePage page([&draw](int range) { return draw % range; });
    page.show("<SATZ TEILE=\"a/b/c\" COORDS=40,200>");
    tSatzbauListe& sentences = page.exercises.Sentences();
    const std::vector<std::string> first = sentences.PartTexts(0);
    draw = 1;
    page.page.Render();
    EXPECT_NE(sentences.PartTexts(0), first);
}

} // namespace
} // namespace qor::test
