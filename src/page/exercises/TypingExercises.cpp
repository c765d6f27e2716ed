#include "page/exercises/TypingExercises.h"

#include "controls/ControlPainting.h"
#include "graphics/QtGraphics.h"
#include "page/exercises/HelpMask.h"
#include "page/layout/PageColorValues.h"
#include "page/view/PageSurface.h"
#include "platform/QtText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

namespace qor {

namespace {

const char* const CelebrationText = "Unglaublich!";

} // namespace

tTippAufgabenListe::~tTippAufgabenListe() {
    Clear();
}

void tTippAufgabenListe::Build(const std::string& specialChars) {
    Clear();
    const std::vector<TypingFieldSpec>& fields = page_.content().typingFields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        // A gap without placeholder text has no place on the page.
        if (fields[i].gap && !page_.gapPlacement(static_cast<int>(i)))
            continue;
        fields_.push_back({createField(i, specialChars), i, {}, 0, {}});
    }
    Relayout();
}

TPageEdit* tTippAufgabenListe::createField(std::size_t markup, const std::string& specialChars) {
    const TypingFieldSpec& field = page_.content().typingFields[markup];
    auto* edit = new TPageEdit(&page_.controlParent());
    edit->hide();
    edit->setLsg(field.solutions);
    if (field.help == "*")
        edit->setHilfe(field.solutions.empty()
                           ? std::string()
                           : HelpMask(field.solutions.front(), page_.randomSource()));
    else
        edit->setHilfe(field.help);
    edit->setCommand(field.reaction);
    edit->setSpecialChars(specialChars);
    edit->setBorder(field.border);
    if (!field.tip.empty())
        edit->setToolTip(toQString(field.tip));
    const PageColors& colors = page_.content().colors;
    if (field.gap)
        edit->setColor(
            ResolveColor(field.color == ColorValue::None ? colors.gap : field.color, colors));
    else if (field.color != ColorValue::None)
        edit->setColor(ResolveColor(field.color, colors));

    edit->OnRichtig = [this](QWidget* sender) {
        answeredRight(*static_cast<TPageEdit*>(sender));
    };
    edit->OnFalsch = [this](QWidget* sender) {
        answeredWrong(*static_cast<TPageEdit*>(sender));
    };
    return edit;
}

void tTippAufgabenListe::Relayout() {
    const PageContent& page = page_.content();
    for (Field& field : fields_) {
        if (!field.edit)
            continue;
        const TypingFieldSpec& markup = page.typingFields[field.markup];
        if (markup.gap) {
            // The field covers its placeholder in the placeholder's font.
            const GapPlacement* gap = page_.gapPlacement(static_cast<int>(field.markup));
            if (!gap)
                continue;
            field.pageRect = toQRect(gap->rect);
            const TextFormat& format = page.items[static_cast<std::size_t>(gap->item)].format;
            field.edit->setFont(page_.fontFor(format).font());
            field.textColor = ResolveColor(format.textColor, page.colors);
        } else {
            // Without a size the field keeps its own.
            const PageRect& rect = markup.rect;
            const int width = rect.w == PageRect::NotGiven ? field.edit->width() : rect.w;
            const int height = rect.h == PageRect::NotGiven ? field.edit->height() : rect.h;
            field.pageRect = QRect(rect.x, rect.y, width, height);
            field.edit->setFont(page_.fontFor(markup.format).font());
            field.textColor = ResolveColor(markup.format.textColor, page.colors);
        }
    }
    Place();
}

void tTippAufgabenListe::Draw(QImage& buffer) {
    for (const Field& field : fields_)
        if (!field.closedText.empty())
            drawClosed(buffer, field);
}

// The answer stands on the placeholder's baseline, in its font and colour.
void tTippAufgabenListe::drawClosed(QImage& buffer, const Field& field) const {
    if (!field.edit)
        return;
    QPainter painter(&buffer);
    painter.setFont(field.edit->font());
    painter.setPen(toQColor(field.textColor));
    const QFontMetrics metrics(field.edit->font());
    painter.drawText(field.pageRect.left(), field.pageRect.top() + metrics.ascent(),
                     toQString(field.closedText));
}

tTippAufgabenListe::Field* tTippAufgabenListe::fieldOf(const TPageEdit& edit) {
    for (Field& field : fields_)
        if (field.edit == &edit)
            return &field;
    return nullptr;
}

void tTippAufgabenListe::close(TPageEdit& edit, std::string text) {
    Field* field = fieldOf(edit);
    if (!field || text.empty())
        return;
    field->closedText = std::move(text);
    drawClosed(page_.buffer(), *field);
    page_.showBufferRect(field->pageRect);
}

void tTippAufgabenListe::Place() {
    for (const Field& field : fields_)
        if (field.edit)
            field.edit->setGeometry(field.pageRect.translated(0, -page_.scrollPosition()));
}

void tTippAufgabenListe::Show() {
    bool focused = false;
    for (const Field& field : fields_) {
        if (!field.edit || !field.edit->Open())
            continue;
        field.edit->show();
        if (!focused && page_.controlParent().isVisible()) {
            field.edit->setFocus(Qt::OtherFocusReason);
            focused = true;
        }
    }
}

void tTippAufgabenListe::Clear() {
    // Clearing may happen inside a field's own key handler: the fields go
    // once the event is over.
    for (const Field& field : fields_) {
        if (!field.edit)
            continue;
        field.edit->hide();
        field.edit->OnRichtig = nullptr;
        field.edit->OnFalsch = nullptr;
        field.edit->deleteLater();
    }
    fields_.clear();
}

bool tTippAufgabenListe::AnyOpen() const {
    for (const Field& field : fields_)
        if (field.edit && field.edit->Open())
            return true;
    return false;
}

std::vector<TPageEdit*> tTippAufgabenListe::Fields() const {
    std::vector<TPageEdit*> fields;
    for (const Field& field : fields_)
        if (field.edit)
            fields.push_back(field.edit);
    return fields;
}

void tTippAufgabenListe::answeredRight(TPageEdit& edit) {
    close(edit, edit.Text());
    const std::string& reaction = edit.Command();
    if (!reaction.empty()) {
        outlet_.SendReaction(reaction, reaction + "#" + std::to_string(edit.Attempts()) + "+");
        page_.controlParent().setFocus(Qt::OtherFocusReason);
        return;
    }
    if (outlet_.AllSolved())
        outlet_.Celebrate(CelebrationText, SolvedCelebrationMs);
    else
        focusNextOpen();
}

void tTippAufgabenListe::answeredWrong(TPageEdit& edit) {
    // What was typed last, for the page that answers the reaction.
    page_.setDefinition(WrongAnswerDefine, edit.Text());
    close(edit, edit.Lsg().empty() ? std::string() : edit.Lsg().front());
    const std::string& reaction = edit.Command();
    outlet_.SendReaction(reaction, reaction + "-");
    page_.controlParent().setFocus(Qt::OtherFocusReason);
}

// Without a reaction the learner goes on with the next field.
void tTippAufgabenListe::focusNextOpen() {
    if (!page_.controlParent().isVisible())
        return;
    for (const Field& field : fields_) {
        if (field.edit && field.edit->Open() && !field.edit->isHidden()) {
            field.edit->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    page_.controlParent().setFocus(Qt::OtherFocusReason);
}

} // namespace qor
