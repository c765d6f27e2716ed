#include "PageExercisesTesting.h"

#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

namespace qor::test {

ExercisePage::ExercisePage(RandomSource random) {
    page.resize(800, 572);
    page.model().setRandomSource(std::move(random));
    page.model().setCurrentPage(folder.path(), "");
    page.OnCommand = [this](const std::string& command) {
        commands.push_back(command);
    };
    exercises.Celebration = [this](const std::string& text, int milliseconds) {
        celebrations.push_back({text, milliseconds});
    };
    page.show();
}

void ExercisePage::show(const std::string& text) {
    page.ShowText(text);
    settle();
}

std::string ExercisePage::file(const std::string& name, const std::string& text) {
    return folder.file(name, text);
}

void ExercisePage::settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

bool ExercisePage::waitForAnimations() {
    QElapsedTimer clock;
    clock.start();
    while (exercises.animating() && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    settle();
    return !exercises.animating();
}

QPoint ExercisePage::onScreen(QPoint pagePoint) const {
    return pagePoint - QPoint(0, page.scrollPosition());
}

void ExercisePage::drag(QPoint from, QPoint to) {
    ASSERT_TRUE(exercises.startDrag(from));
    exercises.moveDrag((from + to) / 2);
    exercises.moveDrag(to);
    exercises.endDrag(to);
}

QPoint centre(const QRect& rect) {
    return rect.center();
}

} // namespace qor::test
