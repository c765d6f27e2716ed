#include "page/view/PageRenderer.h"

#include "graphics/QtGraphics.h"
#include "page/layout/DragTray.h"
#include "page/layout/PageColorValues.h"
#include "page/view/PageBitmap.h"
#include "page/view/TXBitmap.h"
#include "platform/FileSystem.h"
#include "platform/LargeBlocks.h"
#include "platform/QtText.h"

#include <QImageReader>
#include <QPainter>
#include <algorithm>

namespace qor {

namespace {

// The buffer holds at most this many rows (a page of about 300 KB of
// text); what lies below is not drawn.
constexpr int MaxBufferHeight = 60000;

// A word of this single character is an invisible spacer.
constexpr char SpacerCharacter = '\xFF';

// The page buffer lives in one large block (see LargeBlocks.h), freed
// with the last image that shares it.
QImage newPageBuffer(QSize pixels, qreal ratio) {
    const qsizetype bytesPerLine = qsizetype{pixels.width()} * 4;
    void* block = AllocateLargeBlock(static_cast<std::size_t>(bytesPerLine) *
                                     static_cast<std::size_t>(pixels.height()));
    QImage buffer = block ? QImage(static_cast<uchar*>(block), pixels.width(), pixels.height(),
                                   bytesPerLine, QImage::Format_RGB32, FreeLargeBlock, block)
                          : QImage(pixels, QImage::Format_RGB32);
    buffer.setDevicePixelRatio(ratio);
    return buffer;
}

bool isGapWord(const tFormatted_text& item) {
    return item.format->exerciseIndex >= 0 && item.format->exerciseIndex <= LastGapExerciseIndex;
}

} // namespace

// Draws words from their prepared pictures; the underlines of a run of
// items in one colour follow once the words are down.
struct PageRenderer::TextPainter {
    PageFonts& fonts;
    QColor colour;
    std::vector<QRect> underlines;

    void flush(QPainter& painter) {
        for (const QRect& line : underlines)
            painter.fillRect(line, colour);
        underlines.clear();
    }

    void add(QPainter& painter, const PageFont& font, const QColor& itemColour,
             const tFormatted_text& item, const LaidOutItem& laid, bool underline) {
        if (colour != itemColour)
            flush(painter);
        colour = itemColour;
        if (item.kind == ItemKind::Word) {
            const WordImage& word = fonts.wordImage(font, item.text, item.format->tracking,
                                                    itemColour.rgb() & 0xFFFFFF);
            painter.drawImage(laid.x + word.left, laid.baseline + word.top, word.image);
        }
        if (underline)
            underlines.emplace_back(laid.x, laid.baseline + font.underlinePosition(), laid.width,
                                    font.lineThickness());
    }
};

PageRenderer::PageRenderer(PageModel& model, PageFonts& fonts, ShapeImages& shapes,
                           const PageLayoutResult& layout)
    : model_(model), fonts_(fonts), shapes_(shapes), layout_(layout) {}

QColor PageRenderer::color(Color value) const {
    return toQColor(ResolveColor(value, model_.page().colors));
}

PageDrawing PageRenderer::Draw(QImage& buffer, int width, int clientHeight, TLomoBox* mosaic,
                               tNamed_rectangle_list& areas, TWordList& words) {
    PageDrawing drawing;
    const PageContent& page = model_.page();
    const int height =
        std::min(MaxBufferHeight, std::max(clientHeight, layout_.contentHeight + 16));
    // Logical pixels as everywhere; the buffer has more of its own on a
    // HiDPI screen.
    const qreal ratio = fonts_.pixelRatio();
    const QSize pixels(qRound(std::max(1, width) * ratio), qRound(std::max(1, height) * ratio));
    if (buffer.size() != pixels || buffer.devicePixelRatio() != ratio ||
        buffer.format() != QImage::Format_RGB32)
        buffer = newPageBuffer(pixels, ratio);

    const std::size_t count = model_.items().size();
    textHover_.assign(count, false);
    pictureHover_.assign(count, false);
    for (const AreaRegistration& area : layout_.areas) {
        if (!area.hoverImages || area.item < 0)
            continue;
        if (area.source == AreaSource::Text)
            textHover_[static_cast<std::size_t>(area.item)] = true;
        else if (area.source == AreaSource::Picture || area.source == AreaSource::MapArea)
            pictureHover_[static_cast<std::size_t>(area.item)] = true;
    }

    // Blended objects are blended into the buffer's own rows, so the page
    // needs no separate effect bitmap to copy over before the text.
    target_ = &buffer;
    fillBackground(color(page.colors.background));
    drawBackgroundPicture();
    drawBoxes(false);
    if (mosaic)
        mosaic->DrawAll(*target_);
    drawPictures(drawing);
    drawBoxes(true);

    drawItems(buffer, words);
    drawBoxHoverImages(buffer);
    for (const GapPlacement& gap : layout_.gaps)
        drawing.gapBackgrounds.push_back(copyLogical(buffer, toQRect(gap.rect)));
    fillAreas(buffer, areas);
    return drawing;
}

void PageRenderer::fillBackground(const QColor& colour) {
    target_->fill(colour);
}

// Drawn once when it is larger than the page both ways, else tiled from the
// top left. A picture that cannot be read is left out silently.
void PageRenderer::drawBackgroundPicture() {
    const std::string& file = model_.page().backgroundPicture;
    if (file.empty())
        return;
    QImageReader reader(QString::fromStdString(toNativePath(file)));
    const QImage picture = reader.read();
    if (picture.isNull())
        return;
    QPainter painter(target_);
    const QRect page = logicalRect(*target_);
    if (picture.width() > page.width() && picture.height() > page.height()) {
        painter.drawImage(0, 0, picture);
        return;
    }
    for (int y = 0; y < page.height(); y += picture.height()) {
        for (int x = 0; x < page.width(); x += picture.width())
            painter.drawImage(x, y, picture);
    }
}

void PageRenderer::drawBoxes(bool onTop) {
    for (const TBox& box : model_.page().boxes) {
        if (box.onTop == onTop)
            drawBox(box);
    }
}

// What a box is drawn with, whatever its shape. The outline is the box grown
// by its offset on every side, its right and bottom edge included; the border
// pen sits on it.
struct PageRenderer::BoxStyle {
    QRect outline;
    QPen pen;
    QBrush brush;
    int reach; // how far beyond a shape the pen may cover
    Color tint;

    QRect bounds(const QRect& shape) const {
        return shape.adjusted(-reach, -reach, reach + 1, reach + 1);
    }
};

void PageRenderer::drawBox(const TBox& box) {
    if (!box.filled && !box.hasBorder())
        return;
    const BoxStyle style{
        QRect(box.left - box.offset, box.top - box.offset, box.width + 2 * box.offset,
              box.height + 2 * box.offset),
        box.hasBorder() ? QPen(color(box.borderColor), box.borderWidth, Qt::SolidLine,
                               Qt::SquareCap, Qt::MiterJoin)
                        : QPen(Qt::NoPen),
        box.filled ? QBrush(color(box.fillColor)) : QBrush(Qt::NoBrush),
        box.borderWidth / 2 + 2,
        ResolveColor(box.fillColor, model_.page().colors),
    };
    switch (box.shape) {
    case BoxShape::RoundRect:
    case BoxShape::Ellipse:
        drawCurvedBox(box, style);
        break;
    case BoxShape::RandomStrips:
        drawRandomStrips(box, style);
        break;
    default:
        drawBoxRectangle(box, style, style.outline);
        break;
    }
}

// Rounded rectangles and ellipses: curved outlines are antialiased, and the
// half-pixel shift puts a thin pen on whole pixels.
void PageRenderer::drawCurvedBox(const TBox& box, const BoxStyle& style) {
    const QRectF shape =
        box.hasBorder() ? QRectF(style.outline).translated(0.5, 0.5) : QRectF(style.outline);
    const auto paint = [&](QPainter& painter) {
        const auto draw = [&] {
            if (box.shape == BoxShape::Ellipse)
                painter.drawEllipse(shape);
            else
                painter.drawRoundedRect(shape, box.radius, box.radius);
        };
        // A border covers the edge of the fill, whose antialiasing would
        // only cost time; without one the fill is antialiased itself.
        const bool smooth = painter.testRenderHint(QPainter::Antialiasing);
        if (box.hasBorder() && box.filled) {
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(Qt::NoPen);
            painter.setBrush(style.brush);
            draw();
            painter.setRenderHint(QPainter::Antialiasing, smooth);
            painter.setBrush(Qt::NoBrush);
        } else {
            painter.setBrush(style.brush);
        }
        painter.setPen(style.pen);
        draw();
    };
    if (box.alpha < 255 || box.mode != 0) {
        paintShape(style.bounds(style.outline), paint, true, box.alpha, box.mode, style.tint);
    } else {
        // Opaque boxes come from their picture; the whole-pixel shift keeps
        // the half-pixel placement of the outline.
        const QRect bounds = style.bounds(style.outline);
        const ShapeKey key{
            box.shape == BoxShape::Ellipse,
            bounds.width(),
            bounds.height(),
            box.radius,
            box.hasBorder() ? box.borderWidth : 0,
            box.hasBorder() ? style.pen.color().rgba() : 0u,
            box.filled ? style.brush.color().rgba() : 0u,
            target_->devicePixelRatio(),
        };
        const QImage& picture = shapes_.image(key, [&](QPainter& painter) {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.translate(-bounds.topLeft());
            paint(painter);
        });
        QPainter(target_).drawImage(bounds.topLeft(), picture);
    }
}

// Strips of random height with random gaps, from the top down. A radius
// below 2 would make no progress: every step moves a pixel.
void PageRenderer::drawRandomStrips(const TBox& box, const BoxStyle& style) {
    const QRect& outline = style.outline;
    const int bottom = outline.bottom() + 1;
    int y = outline.top();
    while (y < bottom) {
        const int strip = model_.random(box.radius);
        const int gap = model_.random(box.radius);
        const QRect piece(outline.left(), y, outline.width(), std::min(strip, bottom - y));
        if (piece.height() > 0)
            drawBoxRectangle(box, style, piece);
        y += std::max(1, strip + gap);
    }
}

// A plain rectangle, blended only when it is translucent.
void PageRenderer::drawBoxRectangle(const TBox& box, const BoxStyle& style, const QRect& rect) {
    const auto paint = [&](QPainter& painter) {
        painter.setPen(style.pen);
        painter.setBrush(style.brush);
        painter.drawRect(rect);
    };
    if (box.alpha < 255) {
        paintShape(style.bounds(rect), paint, false, box.alpha, box.mode, style.tint);
    } else {
        QPainter painter(target_);
        paint(painter);
    }
}

// Paints a shape on a copy of the target and blends that back where the
// shape covers (its coverage scales the alpha), in the given mode.
void PageRenderer::paintShape(const QRect& bounds, const std::function<void(QPainter&)>& paint,
                              bool antialiased, int alpha, int mode, Color tint) {
    const QRect area = bounds.intersected(logicalRect(*target_));
    if (area.isEmpty())
        return;
    TXBitmap source(copyLogical(*target_, area));
    QImage coverage = newImageAt(area.size(), QImage::Format_Alpha8, target_->devicePixelRatio());
    coverage.fill(Qt::transparent);
    for (QImage* image : {&source.image(), &coverage}) {
        QPainter painter(image);
        painter.setRenderHint(QPainter::Antialiasing, antialiased);
        painter.translate(-area.topLeft());
        paint(painter);
    }
    source.Alpha = alpha;
    source.Tint = tint;
    source.Draw(*target_, area.x(), area.y(), mode, &coverage);
}

void PageRenderer::drawPictures(PageDrawing& drawing) {
    const tFormatted_text_list& items = model_.items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].kind == ItemKind::Picture)
            drawPicture(i, drawing);
    }
}

void PageRenderer::drawPicture(std::size_t index, PageDrawing& drawing) {
    const tFormatted_text& item = model_.items()[index];
    const LaidOutItem& laid = layout_.items[index];
    const PictureFields& fields = item.format->picture;
    tPicture_list& pictures = model_.pictures();
    if (fields.index < 0 || static_cast<std::size_t>(fields.index) >= pictures.size() ||
        laid.width <= 0 || laid.height <= 0)
        return;
    TXPicture& picture = pictures[static_cast<std::size_t>(fields.index)];
    PageBitmap* bitmap = pageBitmap(picture);
    if (!bitmap || bitmap->image().isNull())
        return;

    const int left = pictureLeft(item, laid, layout_.availableWidth);
    const int top = laid.top();
    const QRect rect(left, top, laid.width, laid.height);
    QImage background;
    if (pictureHover_[index])
        background = target_->copy(rect).convertToFormat(QImage::Format_RGB888);

    const QImage& image = bitmap->scaled(laid.width, laid.height);
    drawPictureImage(*target_, image, left, top, fields, fields.mode, fields.effectColor);
    picture.lastX = left;
    picture.lastY = top;
    if (bitmap->animated())
        drawing.animations.push_back({fields.index, rect});

    if (!pictureHover_[index])
        return;
    // The highlighted image: the hover picture, or the picture tinted with
    // the frame colour, over what lay under the picture.
    QImage highlighted = background;
    if (fields.hasHoverPicture() && static_cast<std::size_t>(fields.second) < pictures.size()) {
        if (PageBitmap* hover = pageBitmap(pictures[static_cast<std::size_t>(fields.second)]);
            hover && !hover->image().isNull())
            drawPictureImage(highlighted, hover->scaled(laid.width, laid.height), 0, 0, fields,
                             fields.mode, fields.effectColor);
    } else if (fields.hasFrameColor()) {
        drawPictureImage(highlighted, image, 0, 0, fields,
                         static_cast<int>(TTransitionMode::Colour),
                         ResolveColor(fields.frameColor(), model_.page().colors));
    }
    highlightedPictures_[index] = std::move(highlighted);
}

// Plain pictures are copied; one with rounded corners, an alpha below 255
// or a transition mode is blended (its corners antialiased).
void PageRenderer::drawPictureImage(QImage& onto, const QImage& image, int x, int y,
                                    const PictureFields& fields, int mode, Color tint) {
    if (fields.radius <= 0 && fields.alpha >= 255 && mode == 0) {
        QPainter painter(&onto);
        painter.drawImage(x, y, image);
        return;
    }
    const QRect area = QRect(x, y, image.width(), image.height()).intersected(logicalRect(onto));
    if (area.isEmpty())
        return;
    TXBitmap source(copyLogical(onto, area));
    {
        QPainter painter(&source.image());
        painter.drawImage(x - area.x(), y - area.y(), image);
    }
    source.Alpha = fields.alpha;
    source.Tint = ResolveColor(tint, model_.page().colors);
    if (fields.radius <= 0) {
        source.Draw(onto, area.x(), area.y(), mode);
        return;
    }
    QImage coverage = newImageAt(area.size(), QImage::Format_Alpha8, onto.devicePixelRatio());
    coverage.fill(Qt::transparent);
    {
        QPainter painter(&coverage);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawRoundedRect(QRectF(x - area.x(), y - area.y(), image.width(), image.height()),
                                fields.radius, fields.radius);
    }
    source.Draw(onto, area.x(), area.y(), mode, &coverage);
}

void PageRenderer::drawItems(QImage& buffer, TWordList& words) {
    const tFormatted_text_list& items = model_.items();
    QPainter painter(&buffer);
    TextPainter batch{fonts_, {}, {}};
    for (std::size_t i = 0; i < items.size(); ++i) {
        const tFormatted_text& item = items[i];
        switch (item.kind) {
        case ItemKind::CheckBox:
            batch.flush(painter);
            drawCheckBox(painter, i);
            break;
        case ItemKind::Picture:
            if (!item.format->picture.alt.empty()) {
                const LaidOutItem& laid = layout_.items[i];
                words.Add(item.format->picture.alt,
                          PixelRect::fromSize(pictureLeft(item, laid, layout_.availableWidth),
                                              laid.top(), laid.width, laid.height));
            }
            break;
        case ItemKind::Word:
        case ItemKind::Space:
            drawTextItem(painter, batch, buffer, i, words);
            break;
        default:
            break;
        }
    }
    batch.flush(painter);
}

void PageRenderer::drawTextItem(QPainter& painter, TextPainter& batch, QImage& buffer,
                                std::size_t index, TWordList& words) {
    const tFormatted_text& item = model_.items()[index];
    const LaidOutItem& laid = layout_.items[index];
    const TextFormat& format = item.format;
    const QRect rect(laid.x, laid.top(), laid.width, laid.ascent + laid.descent);

    // A typing gap's field will stand here; the page under it stays.
    if (item.kind == ItemKind::Word && isGapWord(item))
        return;
    if (item.kind == ItemKind::Word && format.exerciseIndex == DragExerciseIndex) {
        batch.flush(painter);
        painter.fillRect(rect, color(model_.page().colors.dragBlock));
        return;
    }
    if (item.kind == ItemKind::Word && item.text.size() == 1 && item.text[0] == SpacerCharacter)
        return;

    const PageFont& font = fonts_.fontFor(format);
    const QColor colour = color(format.textColor);
    const bool underline = (format.styleBits & TextStyle::Underline) || format.hot;
    if (!format.transparent) {
        batch.flush(painter);
        painter.fillRect(rect, color(format.backgroundColor));
    }

    if (textHover_[index] && rect.width() > 0 && rect.height() > 0) {
        // Drawn twice: normally into the page, and in the flash colour over
        // what lay under it; the two are the area's hover images.
        batch.flush(painter);
        QImage highlighted = copyLogical(buffer, rect);
        batch.add(painter, font, colour, item, laid, underline);
        batch.flush(painter);
        QImage normal = copyLogical(buffer, rect);
        {
            QPainter over(&highlighted);
            over.translate(-rect.topLeft());
            TextPainter flash{fonts_, {}, {}};
            flash.add(over, font, color(format.flashColor), item, laid, underline);
            flash.flush(over);
        }
        textImages_[index] = {std::move(normal), std::move(highlighted)};
    } else {
        batch.add(painter, font, colour, item, laid, underline);
    }

    const PixelRect wordRect = PixelRect::fromSize(rect.x(), rect.y(), rect.width(), rect.height());
    words.Add(item.kind == ItemKind::Word ? item.text : std::string(" "), wordRect,
              format.randomOffset);
}

// A black frame two pixels wide; inside it, apart by two white pixels, a
// square that is black when the box is checked.
void PageRenderer::drawCheckBox(QPainter& painter, std::size_t index) {
    const TextFormat& format = model_.items()[index].format;
    const TCheckBoxList& boxes = model_.page().checkBoxes;
    if (format.checkBoxIndex < 0 || static_cast<std::size_t>(format.checkBoxIndex) >= boxes.size())
        return;
    DrawCheckBox(painter, boxes[static_cast<std::size_t>(format.checkBoxIndex)]);
}

void DrawCheckBox(QPainter& painter, const TCheckBox& box) {
    const QRect square(box.x, box.y, box.width, box.height);
    painter.fillRect(square, Qt::black);
    painter.fillRect(square.adjusted(2, 2, -2, -2), Qt::white);
    painter.fillRect(square.adjusted(4, 4, -4, -4), box.checked ? Qt::black : Qt::white);
}

// Boxes with ONCOLOR: what is drawn in the box, tinted (mode 7) with ONCOLOR
// over ONCOL2 under the mouse and with OFFCOLOR over OFFCOL2 otherwise; the
// normal image replaces the box's picture on the page.
void PageRenderer::drawBoxHoverImages(QImage& buffer) {
    const TBoxList& boxes = model_.page().boxes;
    const PageColors& colors = model_.page().colors;
    for (std::size_t i = 0; i < layout_.areas.size(); ++i) {
        const AreaRegistration& area = layout_.areas[i];
        if (area.source != AreaSource::Box || !area.hoverImages)
            continue;
        const TBox& box = boxes[static_cast<std::size_t>(area.box)];
        const QRect rect = toQRect(area.rect).intersected(logicalRect(buffer));
        if (rect.isEmpty())
            continue;
        TXBitmap drawn(copyLogical(buffer, rect));
        const auto tinted = [&](Color tint, Color ground) {
            QImage image =
                newImageAt(rect.size(), QImage::Format_RGB888, buffer.devicePixelRatio());
            image.fill(color(ground));
            drawn.Alpha = 255;
            drawn.Tint = ResolveColor(tint, colors);
            drawn.Draw(image, 0, 0, TTransitionMode::Colour);
            return image.convertToFormat(QImage::Format_RGB32);
        };
        HoverImages images;
        images.highlighted = tinted(box.onColor, box.onColor2);
        images.normal = box.offColor == ColorValue::None ? copyLogical(buffer, rect)
                                                         : tinted(box.offColor, box.offColor2);
        QPainter painter(&buffer);
        painter.drawImage(rect.topLeft(), images.normal);
        boxImages_[i] = std::move(images);
    }
}

void PageRenderer::fillAreas(QImage& buffer, tNamed_rectangle_list& areas) {
    for (std::size_t i = 0; i < layout_.areas.size(); ++i) {
        const AreaRegistration& area = layout_.areas[i];
        const QRect rect = toQRect(area.rect);
        if (!area.hoverImages || rect.isEmpty()) {
            areas.Add(area.nameIndex, area.group, area.rect);
            continue;
        }
        const auto item = static_cast<std::size_t>(area.item);
        QImage normal;
        QImage highlighted;
        switch (area.source) {
        case AreaSource::Text:
            if (const auto found = textImages_.find(item); found != textImages_.end()) {
                normal = found->second.normal;
                highlighted = found->second.highlighted;
            }
            break;
        case AreaSource::Picture:
        case AreaSource::MapArea:
            if (const auto found = highlightedPictures_.find(item);
                found != highlightedPictures_.end()) {
                const LaidOutItem& laid = layout_.items[item];
                const tFormatted_text& picture = model_.items()[item];
                const QPoint origin(pictureLeft(picture, laid, layout_.availableWidth), laid.top());
                normal = copyLogical(buffer, rect);
                highlighted = found->second.copy(rect.translated(-origin))
                                  .convertToFormat(QImage::Format_RGB32);
            }
            break;
        case AreaSource::Box:
            if (const auto found = boxImages_.find(i); found != boxImages_.end()) {
                normal = found->second.normal;
                highlighted = found->second.highlighted;
            }
            break;
        case AreaSource::CheckBox:
            break;
        }
        if (normal.isNull() || highlighted.isNull())
            areas.Add(area.nameIndex, area.group, area.rect);
        else
            areas.AddWithImages(area.nameIndex, area.group, area.rect, std::move(normal),
                                std::move(highlighted));
    }
}

void PageRenderer::DrawDragTray(QImage& buffer, PageDrawing& drawing) {
    const PageContent& page = model_.page();
    std::vector<std::string> words;
    for (const DropTarget& target : layout_.dropTargets)
        words.push_back(target.word);
    words.insert(words.end(), page.drag.distractors.begin(), page.drag.distractors.end());
    if (words.empty())
        return;
    for (std::size_t i = 0; i < words.size(); ++i)
        std::swap(words[i],
                  words[static_cast<std::size_t>(model_.random(static_cast<int>(words.size())))]);

    // Blocks are as high as the first drop target, in its font.
    TextFormat format;
    int blockHeight = 20;
    if (!layout_.dropTargets.empty()) {
        const DropTarget& first = layout_.dropTargets.front();
        format = model_.items()[static_cast<std::size_t>(first.item)].format;
        blockHeight = first.rect.height();
    }
    const PageFont& font = fonts_.fontFor(format);
    QPainter painter(&buffer);
    painter.setFont(font.font());
    painter.setPen(color(page.colors.text));
    for (std::size_t i = 0; i < words.size(); ++i) {
        const PixelRect rect =
            dragTrayBlock(static_cast<int>(i), page.drag, logicalRect(buffer).width(), blockHeight);
        const QRect block = toQRect(rect);
        QImage background = copyLogical(buffer, block);
        painter.fillRect(block, color(page.colors.dragBlock));
        painter.drawText(block, Qt::AlignCenter, toQString(words[i]));
        drawing.trayBlocks.push_back({words[i], rect, std::move(background)});
    }
}

} // namespace qor
