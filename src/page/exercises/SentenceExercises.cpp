#include "page/exercises/SentenceExercises.h"

#include "controls/ControlPainting.h"
#include "graphics/QtGraphics.h"
#include "page/exercises/DragRules.h"
#include "page/layout/PageColorValues.h"
#include "page/view/PageSurface.h"
#include "platform/QtText.h"

#include <QPainter>

namespace qor {

namespace {

// The dragged-block background that stands for the page itself.
constexpr Color PageBackgroundMarker = rgbColor(0x00, 0xFF, 0x00);

} // namespace

void tSatzbauListe::build() {
    built_ = true;
    for (const SentenceExerciseSpec& markup : page_.content().sentences) {
        const PageFont& font = page_.fontFor(markup.format);
        Sentence sentence;
        sentence.solution = markup.solution;
        sentence.left = markup.rect.x;
        sentence.top = markup.rect.y;
        sentence.height = markup.rect.h != PageRect::NotGiven && markup.rect.h > 0
                              ? markup.rect.h
                              : font.ascent() + font.descent() + PartExtraHeight;
        for (const std::string& text : markup.parts)
            sentence.parts.push_back({text, partPicture(text, font, sentence.height), 0});
        sentences_.push_back(std::move(sentence));
    }
}

// A block in the drag-block colour with the part's text in the middle.
QImage tSatzbauListe::partPicture(const std::string& text, const PageFont& font, int height) const {
    const PageColors& colors = page_.content().colors;
    QImage picture(font.textWidth(text, 0) + 2 * PartPadding, height, QImage::Format_RGB32);
    picture.fill(toQColor(ResolveColor(colors.dragBlock, colors)));
    QPainter painter(&picture);
    painter.setFont(font.font());
    painter.setPen(toQColor(ResolveColor(colors.text, colors)));
    painter.drawText(picture.rect(), Qt::AlignCenter, toQString(text));
    return picture;
}

void tSatzbauListe::lineUp(Sentence& sentence) {
    std::vector<int> widths;
    for (const Part& part : sentence.parts)
        widths.push_back(part.width());
    const std::vector<int> lefts = LineUpParts(sentence.left, widths);
    for (std::size_t i = 0; i < lefts.size(); ++i)
        sentence.parts[i].left = lefts[i];
}

QRect tSatzbauListe::rowRect(const Sentence& sentence) const {
    const Part& last = sentence.parts.back();
    return {sentence.left, sentence.top, last.left + last.width() - sentence.left, sentence.height};
}

void tSatzbauListe::Draw(QImage& buffer) {
    // A new drawing: whatever was on the move is drawn afresh, and a row
    // that was closing up is done.
    animation_.Stop();
    sprite_.Drop();
    sentence_ = -1;
    if (closing_ >= 0)
        sentences_[static_cast<std::size_t>(closing_)].solved = true;
    closing_ = -1;

    if (!built_)
        build();
    for (Sentence& sentence : sentences_) {
        if (!sentence.solved)
            ShuffleEachPosition(sentence.parts, page_.randomSource());
        lineUp(sentence);
        sentence.background = copyLogical(buffer, rowRect(sentence));
        drawRow(buffer, sentence, -1, sentence.solved ? SentenceSlideFrames : 0);
    }
}

void tSatzbauListe::Clear() {
    animation_.Stop();
    sprite_.Drop();
    sentence_ = -1;
    closing_ = -1;
    sentences_.clear();
    built_ = false;
}

// The row on the page under it; the part in emptySlot leaves its place in the
// dragged-block background, and part k stands k x slide pixels left.
void tSatzbauListe::drawRow(QImage& buffer, const Sentence& sentence, int emptySlot, int slide) {
    const PageColors& colors = page_.content().colors;
    QPainter painter(&buffer);
    painter.drawImage(sentence.left, sentence.top, sentence.background);
    for (std::size_t k = 0; k < sentence.parts.size(); ++k) {
        const Part& part = sentence.parts[k];
        if (static_cast<int>(k) == emptySlot) {
            if (colors.draggedBackground != PageBackgroundMarker)
                painter.fillRect(part.left, sentence.top, part.width(), sentence.height,
                                 toQColor(ResolveColor(colors.draggedBackground, colors)));
            continue;
        }
        painter.drawImage(part.left - static_cast<int>(k) * slide, sentence.top, part.picture);
    }
}

int tSatzbauListe::partAt(const Sentence& sentence, QPoint point) const {
    if (sentence.solved || point.y() < sentence.top || point.y() > sentence.top + sentence.height)
        return -1;
    for (std::size_t k = 0; k < sentence.parts.size(); ++k) {
        const Part& part = sentence.parts[k];
        if (point.x() >= part.left && point.x() <= part.left + part.width())
            return static_cast<int>(k);
    }
    return -1;
}

bool tSatzbauListe::DraggableAt(QPoint point) const {
    if (animation_.running())
        return false;
    for (const Sentence& sentence : sentences_)
        if (partAt(sentence, point) >= 0)
            return true;
    return false;
}

bool tSatzbauListe::Pick(QPoint point) {
    if (animation_.running() || sprite_.active())
        return false;
    for (std::size_t s = 0; s < sentences_.size(); ++s) {
        Sentence& sentence = sentences_[s];
        const int slot = partAt(sentence, point);
        if (slot < 0)
            continue;
        const Part& part = sentence.parts[static_cast<std::size_t>(slot)];
        sentence_ = static_cast<int>(s);
        slot_ = slot;
        grab_ = point - QPoint(part.left, sentence.top);
        QImage& buffer = page_.buffer();
        drawRow(buffer, sentence, slot, 0);
        sprite_.Begin(buffer, part.picture, {part.left, sentence.top});
        show(rowRect(sentence));
        return true;
    }
    return false;
}

void tSatzbauListe::Move(QPoint point) {
    if (!Dragging())
        return;
    Sentence& sentence = sentences_[static_cast<std::size_t>(sentence_)];
    QPoint position = point - grab_;
    // Along its own row the part snaps into places.
    if (point.y() >= sentence.top && point.y() <= sentence.top + sentence.height) {
        std::vector<PartSlot> places;
        for (const Part& part : sentence.parts)
            places.push_back({part.left, part.width()});
        if (const auto snap = SnapSentencePart(places, slot_, position.x())) {
            if (snap->slot != slot_) {
                std::swap(sentence.parts[static_cast<std::size_t>(slot_)],
                          sentence.parts[static_cast<std::size_t>(snap->slot)]);
                slot_ = snap->slot;
                lineUp(sentence);
                redrawWithSprite(sentence, slot_);
            }
            position = {sentence.parts[static_cast<std::size_t>(slot_)].left, sentence.top};
        }
    }
    show(sprite_.MoveTo(page_.buffer(), position));
}

// The row drawn anew under the dragged part.
void tSatzbauListe::redrawWithSprite(Sentence& sentence, int emptySlot) {
    QImage& buffer = page_.buffer();
    const QPoint at = sprite_.position();
    const QImage picture = sprite_.picture();
    const QRect lifted = sprite_.Lift(buffer);
    drawRow(buffer, sentence, emptySlot, 0);
    sprite_.Begin(buffer, picture, at);
    show(lifted.united(rowRect(sentence)));
}

void tSatzbauListe::Drop(QPoint point) {
    if (!Dragging())
        return;
    Move(point);
    const int index = sentence_;
    sentence_ = -1;
    const Sentence& sentence = sentences_[static_cast<std::size_t>(index)];
    const QPoint home(sentence.parts[static_cast<std::size_t>(slot_)].left, sentence.top);
    if (sprite_.position() == home) {
        sprite_.Drop();
        settle(index);
        return;
    }
    const QPoint from = sprite_.position();
    animation_.Start(
        GlideSteps, GlideIntervalMs,
        [this, from, home](int step) {
            const PixelPoint at = GlidePosition({from.x(), from.y()}, {home.x(), home.y()}, step);
            show(sprite_.MoveTo(page_.buffer(), {at.x, at.y}));
        },
        [this, index] {
            sprite_.Drop();
            settle(index);
        });
}

// A part has come to rest: a row that reads the sentence closes up.
void tSatzbauListe::settle(int index) {
    const Sentence& sentence = sentences_[static_cast<std::size_t>(index)];
    std::string joined;
    for (const Part& part : sentence.parts)
        joined += part.text;
    if (joined == sentence.solution)
        closeUp(index);
}

void tSatzbauListe::closeUp(int index) {
    closing_ = index;
    animation_.Start(
        SentenceSlideFrames, SlideIntervalMs,
        [this, index](int frame) {
            Sentence& sentence = sentences_[static_cast<std::size_t>(index)];
            drawRow(page_.buffer(), sentence, -1, frame);
            show(rowRect(sentence));
        },
        [this, index] {
            sentences_[static_cast<std::size_t>(index)].solved = true;
            closing_ = -1;
        });
}

int tSatzbauListe::Left() const {
    int left = 0;
    for (const Sentence& sentence : sentences_)
        if (!sentence.solved)
            ++left;
    return left;
}

std::vector<std::string> tSatzbauListe::PartTexts(int index) const {
    std::vector<std::string> texts;
    for (const Part& part : sentences_.at(static_cast<std::size_t>(index)).parts)
        texts.push_back(part.text);
    return texts;
}

QRect tSatzbauListe::PartRect(int index, int slot) const {
    const Sentence& sentence = sentences_.at(static_cast<std::size_t>(index));
    const Part& part = sentence.parts.at(static_cast<std::size_t>(slot));
    return {part.left, sentence.top, part.width(), sentence.height};
}

void tSatzbauListe::show(const QRect& rect) {
    if (!rect.isEmpty())
        page_.showBufferRect(rect);
}

} // namespace qor
