// Any bytes as a user file, or as the content of one: it must read without
// harm; what it yields must write and read back the same; and the statistics
// and charts of its records must stay in their ranges. The file is then a
// user's "<name>_S.qob" in the users folder: logging in with the name and
// password it holds reads it, answers are recorded, and logging out saves
// it so that it reads back with what was recorded.

#include "FuzzCheck.h"
#include "FuzzFiles.h"
#include "platform/FileSystem.h"
#include "platform/ScriptedMessages.h"
#include "platform/Zlib.h"
#include "users/UserFile.h"
#include "users/UserStatistics.h"
#include "users/XUserBase.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace qor;

namespace {

bool sameRecords(const std::vector<PerformanceRecord>& a, const std::vector<PerformanceRecord>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].Key != b[i].Key || a[i].Verlauf != b[i].Verlauf || a[i].Modi != b[i].Modi)
            return false;
    return true;
}

// Checks that every bar stays inside the picture.
class CheckedCanvas : public ChartCanvas {
public:
    int width() const override { return 210; }
    int height() const override { return 60; }
    void fillRect(int left, int top, int right, int bottom, Color) override {
        QOR_FUZZ_CHECK(0 <= left && left <= right && right <= width());
        QOR_FUZZ_CHECK(0 <= top && top <= bottom && bottom <= height());
    }
    void drawLine(int, int, int, int, Color) override {}
};

std::string directory;

// Logs in as the user the file names (or "Ana" with a password that fails
// unless the file is blank), records, logs out and reads the file again.
// Names are kept short: one near the file system's limit of 255 bytes fits
// the user file but not the longer name of the learning log.
void logInAndOut(const std::string& fileBytes, const std::optional<UserFileContent>& content) {
    std::string name = "Ana";
    std::string password = "falsch";
    if (content) {
        const std::size_t colon = content->identity.find(':');
        const std::string user = content->identity.substr(0, colon);
        if (colon != std::string::npos && !user.empty() && user.size() <= 40 &&
            user.find_first_of(std::string("/\\\0", 3)) == std::string::npos && user != "." &&
            user != "..") {
            name = user;
            password = content->identity.substr(colon + 1);
        }
    }
    ScriptedMessages messages;
    TXUserBase users(directory, [] { return 46000.5; });
    const std::string path = users.UserFilePath(name);
    fuzz::writeFile(toNativePath(path), fileBytes);
    users.LogIn(name, password);
    QOR_FUZZ_CHECK(users.IsLoggedIn() ==
                   (content && (content->blank || content->identity == name + ":" + password)));
    if (users.IsLoggedIn()) {
        users.RecordAnswer("la casa", false, 'e', 8, 1);
        users.RecordAnswer("das Haus", true, 'm', -8, 1);
        (void)users.LookUpScore("la casa", false, 1);
        if (!users.Records().empty())
            (void)users.RecordScores(0);
        const std::vector<PerformanceRecord> records = users.Records();
        QOR_FUZZ_CHECK(users.LogOut());
        const std::optional<std::string> saved = readFile(path);
        QOR_FUZZ_CHECK(saved.has_value());
        const auto again = ReadUserFile(*saved);
        QOR_FUZZ_CHECK(again && again->identity == name + ":" + password);
        QOR_FUZZ_CHECK(sameRecords(again->records, records));
    }
    removeFile(users.LogFilePath(name));
    removeFile(path);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    directory = fuzz::makeDirectory("fuzz-user-file");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte picks a packed file as it is or its content, packed here.
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string fileBytes = data[0] % 2 ? std::string(bytes) : deflateZlib(bytes);
    const auto content = ReadUserFile(fileBytes);
    logInAndOut(fileBytes, content);
    if (!content)
        return 0;
    if (!content->blank) {
        const auto again = ReadUserFile(WriteUserFile(*content));
        QOR_FUZZ_CHECK(again && again->identity == content->identity);
        QOR_FUZZ_CHECK(sameRecords(again->records, content->records));
    }
    const UserStatistics statistics = ComputeStatistics(content->records);
    QOR_FUZZ_CHECK(statistics.nrd + statistics.nrf == statistics.records);
    QOR_FUZZ_CHECK(-100 <= statistics.perfa && statistics.perfa <= 100);
    QOR_FUZZ_CHECK(0 <= statistics.pe && statistics.pe <= 100);
    CheckedCanvas canvas;
    for (int chart = 0; chart < ChartCount; ++chart)
        DrawChart(canvas, statistics, chart);
    return 0;
}
