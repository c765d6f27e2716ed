#include "page/exercises/PageExercises.h"

#include "platform/FileSystem.h"

#include <QMetaObject>
#include <QPointer>

namespace qor {

PageExercises::PageExercises(PageSurface& page)
    : page_(page), typing_(page, *this), drag_(page, *this), sentences_(page), choice_(page, *this),
      input_(page, *this), buttons_(page, *this), recorder_(page) {
    page_.setExerciseHooks(this);
    Celebration = [this](const std::string& text, int milliseconds) {
        page_.celebrate(text, milliseconds);
    };
}

PageExercises::~PageExercises() {
    page_.setExerciseHooks(nullptr);
}

void PageExercises::setRecorderSource(PageRecorder::RecorderSource source) {
    recorder_.setSource(std::move(source));
}

bool PageExercises::AllSolved() const {
    return !typing_.AnyOpen() && drag_.TargetsLeft() == 0 && sentences_.Left() == 0;
}

bool PageExercises::animating() const {
    return drag_.animating() || sentences_.animating();
}

void PageExercises::build() {
    built_ = true;
    typing_.Build(page_.specialCharacters());
    choice_.Build();
    input_.Build();
    buttons_.Build();
}

void PageExercises::drawExercises(QImage& buffer) {
    // The first drawing of a page creates its controls; later ones (a new
    // width) move the gaps with their text.
    if (!built_)
        build();
    else
        typing_.Relayout();
    typing_.Draw(buffer);
    drag_.Draw(buffer);
    sentences_.Draw(buffer);
    recorder_.Draw();
}

void PageExercises::prepareRecorder() {
    recorder_.Prepare();
}

void PageExercises::showControls() {
    placeControls();
    typing_.Show();
    input_.Show();
    buttons_.Show();
    choice_.Show();
}

// The controls stand on the page: they move with it when it scrolls.
void PageExercises::placeControls() {
    typing_.Place();
    choice_.Place();
    input_.Place();
    buttons_.Place();
}

void PageExercises::scrolled(int) {
    placeControls();
}

void PageExercises::clear() {
    ++generation_;
    built_ = false;
    recorder_.Clear();
    typing_.Clear();
    drag_.Clear();
    sentences_.Clear();
    choice_.Clear();
    input_.Clear();
    buttons_.Clear();
}

bool PageExercises::startDrag(QPoint pagePoint) {
    if (animating())
        return false;
    return drag_.Pick(pagePoint) || sentences_.Pick(pagePoint);
}

bool PageExercises::dragging() const {
    return drag_.Dragging() || sentences_.Dragging();
}

void PageExercises::moveDrag(QPoint pagePoint) {
    drag_.Move(pagePoint);
    sentences_.Move(pagePoint);
}

void PageExercises::endDrag(QPoint pagePoint) {
    drag_.Drop(pagePoint);
    sentences_.Drop(pagePoint);
}

bool PageExercises::overDraggable(QPoint pagePoint) {
    return !animating() && (drag_.DraggableAt(pagePoint) || sentences_.DraggableAt(pagePoint));
}

bool PageExercises::recorderCommand(bool record) {
    return recorder_.Command(record);
}

void PageExercises::post(std::function<void()> action) {
    QMetaObject::invokeMethod(this, std::move(action), Qt::QueuedConnection);
}

void PageExercises::SendCommand(std::string command) {
    post([this, command = std::move(command)] { page_.sendCommand(command); });
}

void PageExercises::SendReaction(const std::string& reaction, std::string command) {
    if (extractFileExt(normalizeSeparators(reaction)).empty()) {
        SendCommand(std::move(command));
        return;
    }
    post([this, reaction] { page_.openPage(reaction); });
}

void PageExercises::ActivateTarget(std::string target, PixelRect rect) {
    post([this, target = std::move(target), rect] {
        page_.activateTarget(target, QRect(rect.left, rect.top, rect.width(), rect.height()));
    });
}

void PageExercises::Celebrate(std::string text, int milliseconds, std::function<void()> then) {
    const int generation = generation_;
    post([this, generation, text = std::move(text), milliseconds, then = std::move(then)] {
        if (generation != generation_)
            return;
        if (Celebration)
            Celebration(text, milliseconds);
        if (then && generation == generation_)
            then();
    });
}

} // namespace qor
