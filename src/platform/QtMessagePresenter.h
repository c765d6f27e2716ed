#pragma once
// The message presenter of the running program: a modal QMessageBox with the
// icon and buttons of the style, the buttons labelled in German.

#include "platform/AppMessage.h"

#include <QString>

namespace qor {

class QtMessagePresenter : public MessagePresenter {
public:
    int present(const std::string& caption, const std::string& text, int style) override;
};

// The label of a button, by its MessageResult number.
QString messageButtonText(int result);

} // namespace qor
