#include "sound/MciSenders.h"

#include "platform/AppMessage.h"
#include "platform/mci/Mci.h"
#include "platform/mci/MciErrors.h"

namespace qor {

namespace {
const char* const PageCaption = "*qor";
} // namespace

std::string SendMci(const std::string& command, bool quiet) {
    const MciAnswer answer = mciSend(command);
    if (!answer.ok() && !quiet)
        AppMessage(mciErrorText(answer.error) + " - " + command, MessageStyle::Stop);
    return answer.result();
}

std::string SendPageMci(const std::string& command, bool quiet) {
    const MciAnswer answer = mciSend(command);
    if (!answer.ok() && !quiet)
        ShowMessage(PageCaption, mciErrorText(answer.error), MessageStyle::Information);
    return answer.result();
}

std::string SendRecorderMci(const std::string& command) {
    return mciSend(command).result();
}

bool IsMciError(std::string_view answer) {
    return answer.substr(0, 5) == "Error";
}

} // namespace qor
