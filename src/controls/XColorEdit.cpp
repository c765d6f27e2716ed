#include "controls/XColorEdit.h"

#include "controls/ControlPainting.h"
#include "core/SharedRoutines.h"
#include "platform/QtText.h"
#include "platform/Text.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <cstdlib>

namespace qor {
namespace {

constexpr char SmallOe = '\x9C';
constexpr char CapitalOe = '\x8C';

QChar toQChar(char c) {
    return QChar(static_cast<char16_t>(cp1252ToCodePoint(static_cast<unsigned char>(c))));
}

// Menu fonts may lack the ligatures, so the menu spells them out.
std::string menuLabel(std::string_view text) {
    std::string label;
    for (const char c : text) {
        if (c == SmallOe)
            label += "oe";
        else if (c == CapitalOe)
            label += "OE";
        else
            label += c;
    }
    return label;
}

} // namespace

bool IsMarkedWrong(std::string_view farbe, std::size_t index) {
    return index < farbe.size() && farbe[index] == '1';
}

std::vector<int> CharacterPositions(const QFontMetrics& metrics, std::string_view text,
                                    int spacing) {
    std::vector<int> positions{tXColorEdit::TextLeft};
    positions.reserve(text.size() + 1);
    for (const char c : text)
        positions.push_back(positions.back() + metrics.horizontalAdvance(toQChar(c)) + spacing);
    return positions;
}

int CaretAt(const std::vector<int>& positions, int x) {
    int best = 0;
    for (std::size_t i = 1; i < positions.size(); ++i)
        if (std::abs(positions[i] - x) < std::abs(positions[static_cast<std::size_t>(best)] - x))
            best = static_cast<int>(i);
    return best + 1;
}

std::vector<SpecialCharEntry> SpecialCharsMenu(std::string_view specialChars) {
    std::vector<SpecialCharEntry> entries;
    std::size_t start = 0;
    while (start <= specialChars.size()) {
        const std::size_t end = std::min(specialChars.find(';', start), specialChars.size());
        const std::string text(specialChars.substr(start, end - start));
        if (!text.empty())
            entries.push_back({menuLabel(text), text});
        start = end + 1;
    }
    return entries;
}

tXColorEdit::tXColorEdit(QWidget* parent) : QWidget(parent) {
    resize(121, 21);
    setCursor(Qt::IBeamCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    blinkTimer_.setInterval(BlinkMilliseconds);
    connect(&blinkTimer_, &QTimer::timeout, this, [this] {
        caretShown_ = !caretShown_;
        update();
    });
    layoutCharacters();
}

void tXColorEdit::setText(std::string text) {
    text_ = std::move(text);
    farbe_.clear();
    caret_ = std::clamp(caret_, 1, static_cast<int>(text_.size()) + 1);
    layoutCharacters();
    update();
}

void tXColorEdit::setFarbe(std::string farbe) {
    farbe_ = std::move(farbe);
    update();
}

void tXColorEdit::setBorder(bool border) {
    border_ = border;
    update();
}

void tXColorEdit::setColor(qor::Color color) {
    color_ = color;
    update();
}

void tXColorEdit::setZeichenabstand(int pixels) {
    zeichenabstand_ = pixels;
    layoutCharacters();
    update();
}

void tXColorEdit::setReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    updateBlinking();
}

void tXColorEdit::setCaretPosition(int position) {
    caret_ = std::clamp(position, 1, static_cast<int>(text_.size()) + 1);
    restartBlinking();
}

void tXColorEdit::TypeText(std::string_view chars) {
    for (const char c : chars) {
        const auto index = static_cast<std::size_t>(caret_ - 1);
        text_.insert(index, 1, c);
        if (index < farbe_.size())
            farbe_.insert(index, 1, '0');
        ++caret_;
    }
    layoutCharacters();
    restartBlinking();
}

void tXColorEdit::ShowHilfe() {
    if (hilfe_.empty())
        return;
    text_ = hilfe_;
    farbe_.assign(text_.size(), '0');
    const auto gap = text_.find_first_of("_.");
    caret_ =
        gap == std::string::npos ? static_cast<int>(text_.size()) + 1 : static_cast<int>(gap) + 1;
    layoutCharacters();
    restartBlinking();
}

void tXColorEdit::deleteCharacter(std::size_t index) {
    if (index >= text_.size())
        return;
    text_.erase(index, 1);
    if (index < farbe_.size())
        farbe_.erase(index, 1);
}

void tXColorEdit::cycleAccentBeforeCaret() {
    if (caret_ < 2)
        return;
    char& before = text_[static_cast<std::size_t>(caret_ - 2)];
    if (const char next = CycleAccent(before); next != 0)
        before = next;
}

bool tXColorEdit::editKey(int key) {
    const int end = static_cast<int>(text_.size()) + 1;
    switch (key) {
    case Qt::Key_Backspace:
        if (caret_ > 1) {
            deleteCharacter(static_cast<std::size_t>(caret_ - 2));
            --caret_;
        }
        break;
    case Qt::Key_Delete:
        deleteCharacter(static_cast<std::size_t>(caret_ - 1));
        break;
    case Qt::Key_Home:
        caret_ = 1;
        break;
    case Qt::Key_End:
        caret_ = end;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        caret_ = std::max(1, caret_ - 1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        caret_ = std::min(end, caret_ + 1);
        break;
    case Qt::Key_F1:
        cycleAccentBeforeCaret();
        break;
    case Qt::Key_F2:
    case Qt::Key_F12:
        ShowHilfe();
        return true;
    default:
        return false;
    }
    layoutCharacters();
    restartBlinking();
    return true;
}

void tXColorEdit::keyPressEvent(QKeyEvent* event) {
    // Characters composed by an input method come without a key code.
    const int pressed = event->key();
    int key = pressed;
    QPointer<tXColorEdit> alive(this);
    fire(OnKeyDown, this, key, event->modifiers());
    if (!alive || (key == 0 && pressed != 0))
        return;
    // Keys with Ctrl alone held do nothing; Ctrl+Alt types characters on some keyboards.
    if ((event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == Qt::ControlModifier)
        return;
    if (readOnly_)
        return;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        ReturnPressed();
        return;
    }
    if (editKey(key))
        return;
    std::string typed;
    bool offered = false;
    for (const QChar c : event->text()) {
        const auto byte = codePointToCp1252(c.unicode());
        if (!byte || *byte < 0x20 || *byte == 0x7F)
            continue;
        offered = true;
        char character = static_cast<char>(*byte);
        fire(OnKeyPress, this, character);
        if (!alive)
            return;
        if (character != 0)
            typed += character;
    }
    if (!offered)
        event->ignore(); // not a key of the field: the window may use it
    else if (!typed.empty())
        TypeText(typed);
}

void tXColorEdit::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        setCaretPosition(CaretAt(positions_, at.x()));
    }
    fire(OnMouseDown, this, event->button(), event->modifiers(), at.x(), at.y());
}

void tXColorEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        fire(OnClick, this);
}

void tXColorEdit::contextMenuEvent(QContextMenuEvent* event) {
    const auto entries = SpecialCharsMenu(specialChars_);
    if (entries.empty() || readOnly_) {
        event->ignore();
        return;
    }
    QMenu menu(this);
    for (const auto& entry : entries) {
        // A "&" would mark a shortcut letter in the menu.
        QAction* action = menu.addAction(toQString(entry.label).replace('&', "&&"));
        connect(action, &QAction::triggered, this, [this, text = entry.text] { TypeText(text); });
    }
    menu.exec(event->globalPos());
}

void tXColorEdit::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    updateBlinking();
    fire(OnEnter, this);
}

void tXColorEdit::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    updateBlinking();
    fire(OnExit, this);
}

void tXColorEdit::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        layoutCharacters();
        update();
    }
}

void tXColorEdit::layoutCharacters() {
    positions_ = CharacterPositions(QFontMetrics(font(), this), text_, zeichenabstand_);
}

void tXColorEdit::restartBlinking() {
    blinkTimer_.stop();
    updateBlinking();
    update();
}

void tXColorEdit::updateBlinking() {
    const bool blinking = hasFocus() && !readOnly_;
    if (!blinking) {
        blinkTimer_.stop();
        caretShown_ = false;
    } else if (!blinkTimer_.isActive()) {
        caretShown_ = true;
        blinkTimer_.start();
    }
    update();
}

void tXColorEdit::paintEvent(QPaintEvent*) {
    QImage image = controlImage(*this);
    QPainter painter(&image);
    if (border_) {
        painter.setPen(Qt::black);
        painter.setBrush(toQColor(color_));
        painter.drawRect(0, 0, width() - 1, height() - 1);
    } else {
        painter.fillRect(image.rect(), toQColor(color_));
    }
    painter.setFont(font());
    const QFontMetrics metrics = painter.fontMetrics();
    const int top = centredTextTop(0, height(), metrics);
    for (std::size_t i = 0; i < text_.size(); ++i) {
        painter.setPen(IsMarkedWrong(farbe_, i) ? Qt::red : Qt::black);
        painter.drawText(QPoint(positions_[i], top + metrics.ascent()), QString(toQChar(text_[i])));
    }
    if (caretShown_) {
        // An inverted line stays visible on any background colour.
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(Qt::white);
        const int x = positions_[static_cast<std::size_t>(caret_ - 1)];
        painter.drawLine(x, top, x, top + metrics.height() - 1);
    }
    painter.end();
    QPainter(this).drawImage(0, 0, image);
}

} // namespace qor
