#pragma once
// The buttons at the foot of the program's dialogs: "OK" (the default
// button) and "Abbrechen", in the order the desktop puts them.

class QDialogButtonBox;
class QPushButton;
class QWidget;

namespace qor {

struct OkCancelButtons {
    QDialogButtonBox* box;
    QPushButton* ok;
    QPushButton* cancel;
};

OkCancelButtons createOkCancelButtons(QWidget* parent);

} // namespace qor
