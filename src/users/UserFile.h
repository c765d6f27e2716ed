#pragma once
// The user file ("Name_S.qob"): one zlib stream of zero-terminated
// Windows-1252 strings - "name:password", optionally "!" and the total
// learning time, then key, answers and modes of every record.

#include "users/PerformanceRecord.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct UserFileContent {
    // Nothing in the file yet: a user just created, with no password to check.
    bool blank = false;
    // "name:password".
    std::string identity;
    double learningTime = 0; // days
    std::vector<PerformanceRecord> records;
};

// No user's answers come near this; a file that would unpack to more is
// damaged, so that it cannot fill the memory.
constexpr std::size_t MaxUserFileContent = std::size_t{64} << 20;

// Nothing when the file is no complete zlib stream or unpacks to more than
// MaxUserFileContent. A file of length 0 is a user without a password check
// and without records.
std::optional<UserFileContent> ReadUserFile(std::string_view file);

// The packed file.
std::string WriteUserFile(const UserFileContent& content);

} // namespace qor
