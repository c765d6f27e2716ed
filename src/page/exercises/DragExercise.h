#pragma once
// The drag exercise of a page (tDragAufgabenListe): every A DRAG word is a
// drop target, and its block, with the KLOTZ FALSCH distractors, waits in
// the tray that drawing lays out. A block dragged near a target jumps onto
// it; dropped on a target of its own word it stays there, otherwise it
// glides back into the tray. When nothing is left open on the page, the
// remaining blocks stay where they are and the page celebrates.

#include "page/exercises/DragSprite.h"
#include "page/exercises/ExerciseOutlet.h"
#include "page/exercises/StepAnimation.h"

#include <QImage>
#include <QPoint>
#include <string>
#include <vector>

namespace qor {

class PageSurface;

class tDragAufgabenListe {
public:
    // Interval of the glide back, per step.
    static constexpr int GlideIntervalMs = 2;

    tDragAufgabenListe(PageSurface& page, ExerciseOutlet& outlet) : page_(page), outlet_(outlet) {}

    // After the tray is drawn: takes over the targets and blocks; targets
    // solved before stay solved, with their blocks on them.
    void Draw(QImage& buffer);
    void Clear();

    // In page coordinates. Pick starts dragging the tray block under point.
    bool Pick(QPoint point);
    bool Dragging() const { return sprite_.active() && dragged_ >= 0; }
    void Move(QPoint point);
    void Drop(QPoint point);
    bool DraggableAt(QPoint point) const;

    bool animating() const { return glide_.running(); }
    // Drop targets still waiting for their word.
    int TargetsLeft() const { return static_cast<int>(targets_.size()); }
    // Blocks still in the tray (the page's picture of each), for tests.
    std::vector<PixelRect> TrayBlocks() const;
    std::vector<std::string> TrayWords() const;

private:
    struct Target {
        PixelRect rect;
        std::string word;
        int item = -1; // the drag word on the page
    };
    struct Block {
        std::string word;
        PixelRect trayRect;
        QImage picture;
        QImage trayBackground; // the page under its place in the tray
    };

    void show(const QRect& rect);
    int blockAt(QPoint point) const;
    void glideBack(int block);

    PageSurface& page_;
    ExerciseOutlet& outlet_;
    std::vector<Target> targets_;
    std::vector<Block> blocks_;
    std::vector<int> solvedItems_; // drag words answered on this page
    bool fixed_ = false;           // all solved: nothing moves any more

    DragSprite sprite_;
    int dragged_ = -1;
    QPoint grab_;
    StepAnimation glide_;
};

} // namespace qor
