#include "page/view/PageMci.h"

#include "page/model/PageMessages.h"
#include "platform/mci/Mci.h"
#include "platform/mci/MciErrors.h"

namespace qor {

std::string SendPageMci(const std::string& command, bool quiet) {
    const MciAnswer answer = mciSend(command);
    if (!answer.ok() && !quiet)
        ShowPageInformation(mciErrorText(answer.error));
    return answer.result();
}

} // namespace qor
