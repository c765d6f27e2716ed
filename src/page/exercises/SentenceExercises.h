#pragma once
// Sentence building (tSatzbauListe): the parts of each SATZ stand shuffled
// in a row; a part dragged along its row snaps into another part's place,
// and the two swap. A part let go where it snapped stays, otherwise it
// glides back to its place. When the parts read the sentence (equal parts
// may stand either way round), the row closes up and the exercise is done.

#include "page/exercises/DragSprite.h"
#include "page/exercises/StepAnimation.h"
#include "page/view/PageFonts.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <string>
#include <vector>

namespace qor {

class PageSurface;

class tSatzbauListe {
public:
    // Parts have this much room left and right of their text.
    static constexpr int PartPadding = 10;
    // Height of parts when SATZ gives none: the font's height and this much.
    static constexpr int PartExtraHeight = 8;
    static constexpr int GlideIntervalMs = 2;
    static constexpr int SlideIntervalMs = 40;

    explicit tSatzbauListe(PageSurface& page) : page_(page) {}

    // Draws every exercise of the page; the parts of open ones are shuffled
    // anew, solved ones stand closed up.
    void Draw(QImage& buffer);
    void Clear();

    bool Pick(QPoint point);
    bool Dragging() const { return sprite_.active() && sentence_ >= 0; }
    void Move(QPoint point);
    void Drop(QPoint point);
    bool DraggableAt(QPoint point) const;

    bool animating() const { return animation_.running(); }
    int Left() const;

    // The texts of the parts of exercise index in their present order.
    std::vector<std::string> PartTexts(int index) const;
    // Where part slot of exercise index stands (page coordinates).
    QRect PartRect(int index, int slot) const;
    int Count() const { return static_cast<int>(sentences_.size()); }

private:
    struct Part {
        std::string text;
        QImage picture;
        int left = 0;
        int width() const { return picture.width(); }
    };
    struct Sentence {
        std::vector<Part> parts; // in the order they stand
        std::string solution;
        int left = 0;
        int top = 0;
        int height = 0;
        QImage background; // the page under the row
        bool solved = false;
    };

    void build();
    QImage partPicture(const std::string& text, const PageFont& font, int height) const;
    void lineUp(Sentence& sentence);
    QRect rowRect(const Sentence& sentence) const;
    void drawRow(QImage& buffer, const Sentence& sentence, int emptySlot, int slide);
    void redrawWithSprite(Sentence& sentence, int emptySlot);
    void settle(int sentence);
    void closeUp(int sentence);
    int partAt(const Sentence& sentence, QPoint point) const;
    void show(const QRect& rect);

    PageSurface& page_;
    std::vector<Sentence> sentences_;
    bool built_ = false;

    DragSprite sprite_;
    int sentence_ = -1; // the one whose part is dragged
    int slot_ = -1;     // where the dragged part belongs now
    QPoint grab_;
    StepAnimation animation_; // a part gliding back, or a row closing up
    int closing_ = -1;        // the sentence that closes up
};

} // namespace qor
