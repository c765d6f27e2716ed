#pragma once
// F1 in an edit field cycles the character before the caret through its
// accented forms (a -> á -> à -> ...), so Spanish and German letters can be
// typed on any keyboard.

#include <QObject>

class QWidget;

namespace qor {

// Handles key for control, a QLineEdit, QPlainTextEdit or QTextEdit; true
// when the key was F1 and the control is such an edit field.
bool AccentKey(QWidget* control, int key);

// Installs AccentKey as a key handler of edit; the filter belongs to edit.
void installAccentKey(QWidget* edit);

class AccentKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace qor
