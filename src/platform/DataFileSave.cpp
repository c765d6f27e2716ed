#include "platform/DataFileSave.h"

#include "platform/AppMessage.h"
#include "platform/FileSystem.h"

namespace qor {

bool isPackedDataFileName(std::string_view path) {
    return path.ends_with(".qor") || path.ends_with(".rqo");
}

std::string packedDataFileName(const std::string& name) {
    return isPackedDataFileName(name) ? name : name + ".qor";
}

std::optional<std::string> saveWithDialogue(std::string fileName,
                                            const std::function<bool(const std::string&)>& write,
                                            const SaveDialogue& dialogue) {
    for (;;) {
        if (!fileName.empty() && write(fileName))
            return fileName;
        if (AppMessage(dialogue.failedQuestion, MessageStyle::YesNo) != MessageResult::Yes)
            return std::nullopt;
        const std::optional<std::string> chosen =
            askSaveFileName({dialogue.dialogTitle, extractFileDir(fileName),
                             extractFileName(fileName), dialogue.dialogFilter});
        if (chosen)
            fileName = packedDataFileName(*chosen);
        else if (dialogue.cancelGivesUp)
            return std::nullopt;
    }
}

} // namespace qor
