#pragma once
// The buttons at the foot of the program's dialogs: "OK" (the default
// button) and "Abbrechen", in the order the desktop puts them. "Abbrechen"
// rejects the dialog; what "OK" does is the dialog's own.

class QDialog;
class QDialogButtonBox;
class QPushButton;

namespace qor {

struct OkCancelButtons {
    QDialogButtonBox* box;
    QPushButton* ok;
    QPushButton* cancel;
};

OkCancelButtons createOkCancelButtons(QDialog* dialog);

} // namespace qor
