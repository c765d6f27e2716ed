#pragma once
// Small pieces the program's management windows (sound database, dictionary)
// build their forms from.

#include <QString>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QToolButton;
class QWidget;

namespace qor {

// A tool button with a caption and a hint (both UTF-8), reached with Tab.
QToolButton* toolButton(const char* text, const char* hint, QWidget* parent);

// Sets program text only when it differs, so that the caret of a field being
// typed in stays where it is.
void showText(QLineEdit* edit, const std::string& text);
void showText(QPlainTextEdit* memo, const std::string& text);

} // namespace qor
