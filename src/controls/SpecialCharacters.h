#pragma once
// The special characters the program's editing windows (the dictionary
// window, the vocabulary editor) offer in their menus, and the keys that
// insert them: Ctrl+A for "â", Ctrl+Shift+A for "Â" and so on. The menu's
// keys win over the edit fields' own shortcuts (Ctrl+A would select all).

#include <QKeySequence>
#include <QString>
#include <functional>
#include <span>

class QEvent;
class QMenu;
class QWidget;

namespace qor {

struct SpecialCharacter {
    const char* item;     // the menu text (UTF-8); "ae" and "oe" insert ligatures
    const char* inserted; // UTF-8
    QKeySequence key;
};

// â ê î ô û, ae, oe, ï, ç, ñ and their capitals.
std::span<const SpecialCharacter> LowerCaseLetters();
std::span<const SpecialCharacter> UpperCaseLetters();

// One menu item per character; choosing it calls insert with its text.
void addSpecialCharacters(QMenu* menu, std::span<const SpecialCharacter> characters,
                          const std::function<void(const QString&)>& insert);

// Inserts text at the caret of the focused one-line field or memo, unless
// it is read-only.
void insertIntoFocusedField(const QString& text);

// For an event filter on window's fields: true for a ShortcutOverride of a
// key that one of window's enabled actions has, so that the action gets it.
bool IsWindowShortcut(const QWidget* window, const QEvent* event);

} // namespace qor
