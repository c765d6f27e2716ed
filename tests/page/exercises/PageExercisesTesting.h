#pragma once
// A shown page control of 800 x 572 pixels with its exercise objects, the
// commands it hands to the host and the celebrations it would show
// recorded, and a folder for page files.

#include "page/exercises/PageExercises.h"
#include "page/view/TXPage.h"
#include "platform/ScriptedMessages.h"
#include "support/GraphicsPrinters.h"
#include "support/TempDir.h"

#include <QPoint>
#include <QRect>
#include <string>
#include <vector>

namespace qor::test {

struct Celebrated {
    std::string text;
    int milliseconds = 0;
    bool operator==(const Celebrated&) const = default;
};

class ExercisePage {
public:
    // Shuffles take the random numbers of random (a fixed value by default:
    // the same order every run).
    explicit ExercisePage(RandomSource random = [](int) { return 0; });

    // Shows page text as the page control does.
    void show(const std::string& text);
    // Writes a page file into the folder.
    std::string file(const std::string& name, const std::string& text);

    // Runs what was posted (results, celebrations, deletions).
    static void settle();
    // Waits until no block glides and no sentence closes up.
    bool waitForAnimations();

    // A point of the page as the control shows it (the scroll position taken off).
    QPoint onScreen(QPoint pagePoint) const;
    // Drags through the exercise hooks from one page point to another.
    void drag(QPoint from, QPoint to);

    TempDir folder;
    ScriptedMessages messages;
    TXPage page;
    PageExercises exercises{page};
    std::vector<std::string> commands;
    std::vector<Celebrated> celebrations;
};

QPoint centre(const QRect& rect);

} // namespace qor::test
