#include "users/XUserBase.h"

#include "core/SharedRoutines.h"
#include "platform/AppMessage.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "users/UserFile.h"

#include <algorithm>
#include <cmath>

namespace qor {
using namespace literals;

namespace {

constexpr std::string_view UserFileSuffix = "_S.qob";
constexpr int PasswordPrompts = 3;

} // namespace

TXUserBase::TXUserBase(std::string directory, Clock clock)
    : directory_(std::move(directory)), clock_(std::move(clock)) {
    ListUsers();
}

std::string TXUserBase::UserFilePath(std::string_view name) const {
    return directory_ + std::string(name) + std::string(UserFileSuffix);
}

std::string TXUserBase::LogFilePath(std::string_view name) const {
    return directory_ + std::string(name) + "_S_LOG.txt";
}

std::string TXUserBase::HistoryFilePath(std::string_view name) const {
    return directory_ + std::string(name) + "_S_VERLAUF.txt";
}

void TXUserBase::ListUsers() {
    names_.clear();
    std::vector<std::string> files;
    CountFilesWithExtension(directory_, ".qob", {}, &files);
    for (const std::string& path : files) {
        const std::string file = extractFileName(path);
        if (file.size() > UserFileSuffix.size() && file.ends_with(UserFileSuffix))
            names_.push_back(file.substr(0, file.size() - UserFileSuffix.size()));
    }
}

void TXUserBase::LogIn(const std::string& name, const std::string& password) {
    if (IsLoggedIn()) {
        const std::string previous = user_;
        if (!LogOut())
            AppMessage(previous + " konnte nicht gespeichert werden!", MessageStyle::Default);
    }
    user_ = name;
    password_ = password;
    records_.clear();
    counts_ = {};
    learningTime_ = 0;

    const std::string path = UserFilePath(name);
    const Opening opening = fileExists(path) ? openUserFile(path) : createUserFile(path);
    if (opening == Opening::Opened) {
        loginTime_ = clock_();
        return;
    }
    clearUser();
    if (opening == Opening::Failed)
        AppMessage("Persönliche Daten für "_cp + name + " konnten nicht geöffnet werden!"_cp,
                   MessageStyle::Stop);
}

TXUserBase::Opening TXUserBase::openUserFile(const std::string& path) {
    // A file that cannot be read or unpacked fails the login and stays as it is.
    const std::optional<std::string> file = readFile(path);
    if (!file)
        return Opening::Failed;
    std::optional<UserFileContent> content = ReadUserFile(*file);
    if (!content)
        return Opening::Failed;
    if (content->blank)
        return Opening::Opened;
    for (int prompt = 0; content->identity != user_ + ":" + password_; ++prompt) {
        const std::optional<std::string> entered =
            prompt < PasswordPrompts && AskPassword ? AskPassword(user_) : std::nullopt;
        if (!entered)
            return Opening::Failed;
        password_ = *entered;
    }
    learningTime_ = content->learningTime;
    records_ = std::move(content->records);
    return Opening::Opened;
}

TXUserBase::Opening TXUserBase::createUserFile(const std::string& path) {
    if (!names_.empty() && AppMessage("Neuen Benutzer " + user_ + " anlegen?",
                                      MessageStyle::YesNo) != MessageResult::Yes)
        return Opening::Declined;
    // A missing users folder is made, so that the first user can be saved.
    if (!createDirectories(directory_) || !writeFileAtomic(path, {}, NewFileAccess::OwnerOnly)) {
        AppMessage("Die Datei " + path + " konnte nicht erzeugt werden!", MessageStyle::Stop);
        return Opening::Failed;
    }
    if (std::ranges::find(names_, user_) == names_.end())
        names_.push_back(user_);
    return Opening::Opened;
}

void TXUserBase::clearUser() {
    user_.clear();
    password_.clear();
    records_.clear();
}

bool TXUserBase::LogOut() {
    if (!IsLoggedIn())
        return true;
    const DateTime logout = clock_();
    // Full date-times: a login past midnight still lasts a positive time.
    learningTime_ += std::max(0.0, logout - loginTime_);
    const bool saved =
        writeFileAtomic(UserFilePath(user_),
                        WriteUserFile({false, user_ + ":" + password_, learningTime_, records_}),
                        NewFileAccess::OwnerOnly);
    ComputeStatistics();
    const bool logged =
        appendToFile(LogFilePath(user_), LogLine(loginTime_, logout, counts_, statistics_) + "\r\n",
                     NewFileAccess::OwnerOnly);
    // The right answers have no place in the log line; a login without
    // answers adds nothing to the history.
    if (counts_.all() > 0)
        appendToFile(HistoryFilePath(user_),
                     HistoryLine(loginTime_, counts_.all(), counts_.right) + "\r\n",
                     NewFileAccess::OwnerOnly);
    clearUser();
    return saved && logged;
}

void TXUserBase::RecordAnswer(std::string_view word, bool german, char mode, int value,
                              int wordClass) {
    if (mode == 'e')
        ++counts_.typed;
    else if (mode == 'm')
        ++counts_.multipleChoice;
    else if (mode == 'v')
        ++counts_.bingo;
    // The training and the bingo game give right answers positive values.
    if (value > 0)
        ++counts_.right;

    const std::string key = RecordKey(word, german, wordClass);
    const char answer = AnswerCharacter(value);
    const auto found = std::ranges::find_if(records_, [&key](const PerformanceRecord& record) {
        return equalsIgnoreCase(record.Key, key);
    });
    if (found == records_.end()) {
        PerformanceRecord record{std::string(TrimBlanks(key)), std::string(1, answer),
                                 std::string(1, mode)};
        if (german)
            records_.push_back(std::move(record));
        else
            records_.insert(records_.begin(), std::move(record));
        return;
    }
    const auto remember = [](std::string& answers, char newest) {
        if (answers.size() >= KeptAnswers)
            answers.resize(KeptAnswers - 1);
        answers.insert(answers.begin(), newest);
    };
    remember(found->Verlauf, answer);
    remember(found->Modi, mode);
}

std::optional<int> TXUserBase::LookUpScore(std::string_view word, bool german,
                                           int wordClass) const {
    const std::string key = RecordKey(word, german, wordClass);
    for (const PerformanceRecord& record : records_)
        if (record.Key.compare(0, 2, key, 0, 2) == 0 && equalsIgnoreCase(record.Key, key))
            return Score(record);
    return std::nullopt;
}

TXUserBase::Scores TXUserBase::RecordScores(int index) const {
    if (index < 0 || index >= static_cast<int>(records_.size()))
        return {};
    const PerformanceRecord& record = records_[static_cast<std::size_t>(index)];
    return {Score(record), RelativeScore(record)};
}

void TXUserBase::ComputeStatistics() {
    statistics_ = qor::ComputeStatistics(records_);
}

void TXUserBase::DrawChart(ChartCanvas& canvas, int chart) const {
    if (IsLoggedIn())
        qor::DrawChart(canvas, statistics_, chart);
}

void TXUserBase::LoadHistory() {
    history_ = {};
    if (!IsLoggedIn())
        return;
    history_.AddLog(readFile(LogFilePath(user_)).value_or(std::string()));
    history_.AddRightAnswers(readFile(HistoryFilePath(user_)).value_or(std::string()));
    history_.AddLogin(static_cast<int>(std::floor(loginTime_)), counts_.all(), counts_.right);
}

HistoryChart TXUserBase::HistoryChartFor(int width, int height) const {
    return LayOutHistoryChart(history_, static_cast<int>(std::floor(clock_())), width, height);
}

int TXUserBase::HistoryMostAnswers() const {
    return MostAnswers(history_, static_cast<int>(std::floor(clock_())));
}

std::string LogLine(DateTime login, DateTime logout, const AnswerCounts& counts,
                    const UserStatistics& statistics) {
    const std::string tab = "\t";
    return ShortDateText(login) + " " + LongTimeText(login) + " " + DurationText(logout - login) +
           " " + "Eintippen:" + tab + std::to_string(counts.typed) + tab + "Mult. Ch.:" + tab +
           std::to_string(counts.multipleChoice) + tab + "Las Vegas:" + tab +
           std::to_string(counts.bingo) + tab +
           "Performance Insgesamt: " + "abs: " + std::to_string(statistics.perfa) + "% " +
           "rel: " + std::to_string(statistics.perfr) + "% " + std::to_string(statistics.records) +
           " verschiedene Vokabeln";
}

} // namespace qor
