#pragma once
// Drawing a laid-out page into its buffer, in this order: the background
// colour and picture, boxes below the text, the picture mosaic, pictures,
// boxes on top (blended objects through 24-bit bitmaps), then the items (check boxes, words and
// blanks, link runs twice for their hover images, drag words as blocks,
// nothing over typing gaps), the hover images of boxes, and the drag tray.
// What drawing registers for interaction goes into the page's areas, word
// list and the pictures under typing gaps.

#include "page/layout/PageLayout.h"
#include "page/layout/WordList.h"
#include "page/view/LomoBox.h"
#include "page/view/NamedRectangles.h"
#include "page/view/PageFonts.h"
#include "page/view/ShapeImages.h"

#include <QImage>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QPainter;

namespace qor {

// A block of the drag exercise in its tray, with the page picture under it.
struct DragTrayBlock {
    std::string word;
    PixelRect rect;
    QImage background;
};

// An animated picture where it was drawn.
struct DrawnAnimation {
    int picture = -1;
    QRect rect;
};

// What drawing leaves besides the buffer.
struct PageDrawing {
    std::vector<QImage> gapBackgrounds; // one per typing gap placement
    std::vector<DragTrayBlock> trayBlocks;
    std::vector<DrawnAnimation> animations;
};

// A check box of the page at its place: a black frame two pixels wide
// around a square that is black when checked and white when not.
void DrawCheckBox(QPainter& painter, const TCheckBox& box);

class PageRenderer {
public:
    PageRenderer(PageModel& model, PageFonts& fonts, ShapeImages& shapes,
                 const PageLayoutResult& layout);

    // Sizes the buffer (width by the larger of clientHeight and the content
    // height + 16) and draws the page into it; mosaic may be null.
    PageDrawing Draw(QImage& buffer, int width, int clientHeight, TLomoBox* mosaic,
                     tNamed_rectangle_list& areas, TWordList& words);

    // The drag tray: the blocks of the drag words and distractors, shuffled,
    // each filled with the drag-block colour and showing its word.
    void DrawDragTray(QImage& buffer, PageDrawing& drawing);

private:
    struct TextPainter;
    struct BoxStyle;
    struct HoverImages {
        QImage normal;
        QImage highlighted;
    };

    QColor color(Color value) const;
    void fillBackground(const QColor& colour);
    void drawBackgroundPicture();
    void drawBoxes(bool onTop);
    void drawBox(const TBox& box);
    void drawCurvedBox(const TBox& box, const BoxStyle& style);
    void drawRandomStrips(const TBox& box, const BoxStyle& style);
    void drawBoxRectangle(const TBox& box, const BoxStyle& style, const QRect& rect);
    void paintShape(const QRect& bounds, const std::function<void(QPainter&)>& paint,
                    bool antialiased, int alpha, int mode, Color tint);
    void drawPictures(PageDrawing& drawing);
    void drawPicture(std::size_t index, PageDrawing& drawing);
    void drawPictureImage(QImage& onto, const QImage& image, int x, int y,
                          const PictureFields& fields, int mode, Color tint);
    void drawItems(QImage& buffer, TWordList& words);
    void drawTextItem(QPainter& painter, TextPainter& batch, QImage& buffer, std::size_t index,
                      TWordList& words);
    void drawCheckBox(QPainter& painter, std::size_t index);
    void drawBoxHoverImages(QImage& buffer);
    void fillAreas(QImage& buffer, tNamed_rectangle_list& areas);

    PageModel& model_;
    PageFonts& fonts_;
    ShapeImages& shapes_;
    const PageLayoutResult& layout_;
    QImage* target_ = nullptr;                      // the page buffer while drawing
    std::vector<bool> textHover_;                   // text items that get hover images
    std::vector<bool> pictureHover_;                // picture items that get hover images
    std::map<std::size_t, HoverImages> textImages_; // by item
    std::map<std::size_t, QImage> highlightedPictures_;
    std::map<std::size_t, HoverImages> boxImages_; // by area registration
};

} // namespace qor
