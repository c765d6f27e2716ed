#include "platform/QtDialogButtons.h"

#include <QDialogButtonBox>
#include <QPushButton>

namespace qor {

OkCancelButtons createOkCancelButtons(QWidget* parent) {
    auto* box = new QDialogButtonBox(parent);
    QPushButton* ok = box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = box->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    return {box, ok, cancel};
}

} // namespace qor
