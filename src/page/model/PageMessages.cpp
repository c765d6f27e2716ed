#include "page/model/PageMessages.h"

#include "platform/AppMessage.h"

namespace qor {

const char* const PageCaption = "*qor";

void ShowPageError(const std::string& text) {
    ShowMessage(PageCaption, text, MessageStyle::Stop);
}

void ShowPageInformation(const std::string& text) {
    ShowMessage(PageCaption, text, MessageStyle::Information);
}

} // namespace qor
