#include "page/exercises/DragExercise.h"

#include "graphics/QtGraphics.h"
#include "page/exercises/DragRules.h"
#include "page/view/PageSurface.h"

#include <QPainter>
#include <algorithm>

namespace qor {

namespace {

const char* const CelebrationText = "Unglaublich!";

QPoint topLeft(const PixelRect& rect) {
    return {rect.left, rect.top};
}

void paint(QImage& buffer, const QPoint& at, const QImage& picture) {
    QPainter painter(&buffer);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(at, picture);
}

} // namespace

void tDragAufgabenListe::Draw(QImage& buffer) {
    // A new drawing: whatever was on the move is drawn afresh.
    glide_.Stop();
    sprite_.Drop();
    dragged_ = -1;

    targets_.clear();
    for (const DropTarget& target : page_.dropTargets())
        if (std::find(solvedItems_.begin(), solvedItems_.end(), target.item) == solvedItems_.end())
            targets_.push_back({target.rect, target.word, target.item});
    blocks_.clear();
    for (const DragTrayBlock& block : page_.trayBlocks())
        blocks_.push_back(
            {block.word, block.rect, copyLogical(buffer, toQRect(block.rect)), block.background});

    // Words answered before sit on their targets again, and not in the tray.
    for (const DropTarget& target : page_.dropTargets()) {
        if (std::find(solvedItems_.begin(), solvedItems_.end(), target.item) == solvedItems_.end())
            continue;
        const auto block = std::find_if(blocks_.begin(), blocks_.end(),
                                        [&](const Block& b) { return b.word == target.word; });
        if (block == blocks_.end())
            continue;
        paint(buffer, topLeft(block->trayRect), block->trayBackground);
        paint(buffer, topLeft(target.rect), block->picture);
        blocks_.erase(block);
    }
}

void tDragAufgabenListe::Clear() {
    glide_.Stop();
    sprite_.Drop();
    dragged_ = -1;
    targets_.clear();
    blocks_.clear();
    solvedItems_.clear();
    fixed_ = false;
}

int tDragAufgabenListe::blockAt(QPoint point) const {
    if (fixed_)
        return -1;
    for (std::size_t i = 0; i < blocks_.size(); ++i)
        if (blocks_[i].trayRect.contains(point.x(), point.y()))
            return static_cast<int>(i);
    return -1;
}

bool tDragAufgabenListe::DraggableAt(QPoint point) const {
    return !glide_.running() && blockAt(point) >= 0;
}

bool tDragAufgabenListe::Pick(QPoint point) {
    if (glide_.running() || sprite_.active())
        return false;
    const int index = blockAt(point);
    if (index < 0)
        return false;
    const Block& block = blocks_[static_cast<std::size_t>(index)];
    dragged_ = index;
    grab_ = point - topLeft(block.trayRect);
    // The tray shows the page again where the block stood.
    QImage& buffer = page_.buffer();
    paint(buffer, topLeft(block.trayRect), block.trayBackground);
    sprite_.Begin(buffer, block.picture, topLeft(block.trayRect));
    show(toQRect(block.trayRect));
    return true;
}

void tDragAufgabenListe::Move(QPoint point) {
    if (!Dragging())
        return;
    QPoint position = point - grab_;
    std::vector<PixelRect> rects;
    for (const Target& target : targets_)
        rects.push_back(target.rect);
    if (const int snapped = SnapToDropTarget({position.x(), position.y()}, rects); snapped >= 0)
        position = topLeft(targets_[static_cast<std::size_t>(snapped)].rect);
    show(sprite_.MoveTo(page_.buffer(), position));
}

void tDragAufgabenListe::Drop(QPoint point) {
    if (!Dragging())
        return;
    Move(point);
    const int index = dragged_;
    dragged_ = -1;
    const Block& block = blocks_[static_cast<std::size_t>(index)];
    const auto target = std::find_if(targets_.begin(), targets_.end(), [&](const Target& t) {
        return topLeft(t.rect) == sprite_.position() && t.word == block.word;
    });
    if (target == targets_.end()) {
        glideBack(index);
        return;
    }
    sprite_.Drop();
    solvedItems_.push_back(target->item);
    targets_.erase(target);
    blocks_.erase(blocks_.begin() + index);
    if (outlet_.AllSolved()) {
        fixed_ = true;
        outlet_.Celebrate(CelebrationText, SolvedCelebrationMs);
    }
}

void tDragAufgabenListe::glideBack(int block) {
    const QPoint from = sprite_.position();
    const QPoint to = topLeft(blocks_[static_cast<std::size_t>(block)].trayRect);
    glide_.Start(
        GlideSteps, GlideIntervalMs,
        [this, from, to](int step) {
            const PixelPoint at = GlidePosition({from.x(), from.y()}, {to.x(), to.y()}, step);
            show(sprite_.MoveTo(page_.buffer(), {at.x, at.y}));
        },
        // Back in the tray, the block is drawn on the tray's own background.
        [this] { sprite_.Drop(); });
}

std::vector<PixelRect> tDragAufgabenListe::TrayBlocks() const {
    std::vector<PixelRect> rects;
    for (const Block& block : blocks_)
        rects.push_back(block.trayRect);
    return rects;
}

std::vector<std::string> tDragAufgabenListe::TrayWords() const {
    std::vector<std::string> words;
    for (const Block& block : blocks_)
        words.push_back(block.word);
    return words;
}

void tDragAufgabenListe::show(const QRect& rect) {
    if (!rect.isEmpty())
        page_.showBufferRect(rect);
}

} // namespace qor
