#pragma once
// tXColorEdit: the typing field. It draws its text character by character so
// that single characters can be marked red (Farbe), keeps its own blinking
// caret, offers special characters in a context menu and cycles accents with
// F1. The page's typing exercise derives from it and checks answers on Enter.

#include "controls/ControlEvents.h"
#include "graphics/Color.h"

#include <QFontMetrics>
#include <QTimer>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// Whether Farbe marks character index (0-based) red: its flag is "1".
bool IsMarkedWrong(std::string_view farbe, std::size_t index);

// The x of every character of text drawn from x = 4, each followed by its
// width plus spacing; one more entry gives the x after the last character.
std::vector<int> CharacterPositions(const QFontMetrics& metrics, std::string_view text,
                                    int spacing);

// The caret position (1-based) whose x is nearest to x; the first on ties.
int CaretAt(const std::vector<int>& positions, int x);

// One entry of the special-characters menu: what it shows and what it types.
struct SpecialCharEntry {
    std::string label;
    std::string text;
};
// The entries of SpecialChars (separated by ";", empty ones left out); œ and
// Œ show as "oe" and "OE".
std::vector<SpecialCharEntry> SpecialCharsMenu(std::string_view specialChars);

class tXColorEdit : public QWidget {
    Q_OBJECT
public:
    static constexpr int TextLeft = 4;
    static constexpr int BlinkMilliseconds = 500;

    explicit tXColorEdit(QWidget* parent = nullptr);

    // Setting the text clears Farbe (its flags belong to the old characters)
    // and keeps the caret inside the text.
    const std::string& Text() const { return text_; }
    void setText(std::string text);

    const std::vector<std::string>& Lsg() const { return lsg_; }
    void setLsg(std::vector<std::string> solutions) { lsg_ = std::move(solutions); }
    const std::string& Hilfe() const { return hilfe_; }
    void setHilfe(std::string help) { hilfe_ = std::move(help); }
    const std::string& Command() const { return command_; }
    void setCommand(std::string command) { command_ = std::move(command); }

    // One flag per character: "1" draws it red, anything else black. Typing
    // and deleting keep the flags with their characters.
    const std::string& Farbe() const { return farbe_; }
    void setFarbe(std::string farbe);

    const std::string& SpecialChars() const { return specialChars_; }
    void setSpecialChars(std::string chars) { specialChars_ = std::move(chars); }

    bool Border() const { return border_; }
    void setBorder(bool border);
    qor::Color Color() const { return color_; }
    void setColor(qor::Color color);
    int Zeichenabstand() const { return zeichenabstand_; }
    void setZeichenabstand(int pixels);
    bool ReadOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly);

    // The caret, 1-based: 1 before the first character, length + 1 after the last.
    int CaretPosition() const { return caret_; }
    void setCaretPosition(int position);
    // The x of character index (0-based); index == length gives the x after the text.
    int CharacterX(std::size_t index) const { return positions_.at(index); }
    // Whether the caret is drawn at the moment (it blinks while the field has the focus).
    bool CaretShown() const { return caretShown_; }

    // Types text at the caret, as keys or the special-characters menu do.
    void TypeText(std::string_view chars);
    // Shows Hilfe in the field, all characters unmarked, with the caret on its
    // first "_" or "."; nothing happens without help text.
    void ShowHilfe();

    // Raised by fields that check answers (the page's typing exercise).
    TNotifyEvent OnRichtig;
    TNotifyEvent OnFalsch;
    TNotifyEvent OnBeinahe;
    TNotifyEvent OnReturn;

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    // Enter in an editable field. A plain field has no answer to check.
    virtual void ReturnPressed() {}

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Handles an editing key; false when the key is not one of them.
    bool editKey(int key);
    void deleteCharacter(std::size_t index);
    void cycleAccentBeforeCaret();
    void layoutCharacters();
    void restartBlinking();
    void updateBlinking();

    std::string text_;
    std::vector<std::string> lsg_;
    std::string hilfe_;
    std::string command_;
    std::string farbe_;
    std::string specialChars_;
    bool border_ = true;
    qor::Color color_ = ColorValue::White;
    int zeichenabstand_ = 0;
    bool readOnly_ = false;

    int caret_ = 1;
    std::vector<int> positions_{TextLeft};
    bool caretShown_ = false;
    QTimer blinkTimer_;
};

} // namespace qor
