#pragma once
// Saving a data file of the program (dictionary, sound database): the file is
// written packed; when writing fails the user may choose another place in a
// loop, and "Nein" gives up the changes.

#include "platform/FileDialogs.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qor {

// ".qor" and ".rqo", compared exactly, name the packed format.
bool isPackedDataFileName(std::string_view path);

// A name that would be read back as plain text gets ".qor", so that the file
// saved packed under it loads again.
std::string packedDataFileName(const std::string& name);

// What the loop asks and offers after a failed write.
struct SaveDialogue {
    std::string failedQuestion; // yes/no: save somewhere else? "Nein" gives up
    std::string dialogTitle;
    std::string dialogFilter;
    bool cancelGivesUp = true; // else a cancelled dialog tries the same name again
};

// Writes with write(fileName) until it succeeds, asking for another place
// after each failure (an empty name counts as failed). The name written to,
// or nothing when the user gave up.
std::optional<std::string> saveWithDialogue(std::string fileName,
                                            const std::function<bool(const std::string&)>& write,
                                            const SaveDialogue& dialogue);

} // namespace qor
