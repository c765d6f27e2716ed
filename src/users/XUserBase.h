#pragma once
// The user base: who is logged in, their password and the record of every
// vocabulary item they have answered, kept in one file per user, and a
// learning log with one line per login. One object serves the whole run.
//
//   TXUserBase users(config.UserDir.empty() ? config.ProgramDir + "Benutzer/" : config.UserDir);
//   users.AskPassword = [](const std::string& name) { ... };
//   users.LogIn("Ana", "");
//   users.RecordAnswer("Haus", true, 'e', 25, 1);
//   users.LogOut();                        // writes the file and the log line

#include "users/LearningClock.h"
#include "users/LearningHistory.h"
#include "users/PerformanceRecord.h"
#include "users/UserStatistics.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct AnswerCounts {
    int typed = 0;
    int multipleChoice = 0;
    int bingo = 0;
    int right = 0; // of all three kinds

    int all() const { return typed + multipleChoice + bingo; }
};

class TXUserBase {
public:
    // Lists the users found in the directory (a path ending in '/').
    explicit TXUserBase(std::string directory, Clock clock = LocalNow);

    // Asked for the password of a user whose file holds another one than
    // was given; nothing when the user cancels.
    std::function<std::optional<std::string>(const std::string& name)> AskPassword;

    bool IsLoggedIn() const { return !user_.empty(); }
    const std::string& User() const { return user_; }
    const std::string& Password() const { return password_; }
    // Takes effect in the user file when the user logs out.
    void setPassword(std::string password) { password_ = std::move(password); }

    const std::string& Directory() const { return directory_; }
    std::string UserFilePath(std::string_view name) const;
    std::string LogFilePath(std::string_view name) const;
    std::string HistoryFilePath(std::string_view name) const;

    // Finds the users: every "…_S.qob" below the directory.
    void ListUsers();
    const std::vector<std::string>& UserNames() const { return names_; }

    // Logs the current user out first. Reads the user's file, asking for the
    // password up to three times, or creates it for a new user; tells the
    // user what failed.
    void LogIn(const std::string& name, const std::string& password);
    // Writes the user file and appends the log line; false when either
    // failed. Nothing to do (true) while nobody is logged in.
    bool LogOut();

    void RecordAnswer(std::string_view word, bool german, char mode, int value, int wordClass);
    // The score of the item's record; nothing when it has none.
    std::optional<int> LookUpScore(std::string_view word, bool german, int wordClass) const;
    struct Scores {
        int score = 0;
        int relative = 0;
    };
    Scores RecordScores(int index) const;
    const std::vector<PerformanceRecord>& Records() const { return records_; }

    void ComputeStatistics();
    // As last computed.
    const UserStatistics& Statistics() const { return statistics_; }
    // Draws chart 0 ... 3 while a user is logged in.
    void DrawChart(ChartCanvas& canvas, int chart) const;

    // Reads the logged-in user's learning history, this login included.
    void LoadHistory();
    // As last loaded, laid out for a picture of width x height up to today.
    HistoryChart HistoryChartFor(int width, int height) const;
    int HistoryMostAnswers() const;

    const AnswerCounts& Counts() const { return counts_; }
    DateTime LoginTime() const { return loginTime_; }
    // Days learned in all earlier logins.
    double TotalLearningTime() const { return learningTime_; }

private:
    enum class Opening { Opened, Failed, Declined };
    Opening openUserFile(const std::string& path);
    Opening createUserFile(const std::string& path);
    void clearUser();

    std::string directory_;
    Clock clock_;
    std::vector<std::string> names_;
    std::string user_;
    std::string password_;
    std::vector<PerformanceRecord> records_;
    AnswerCounts counts_;
    UserStatistics statistics_;
    LearningHistory history_;
    DateTime loginTime_ = 0;
    double learningTime_ = 0;
};

// The learning log's line of one login (without its line end).
std::string LogLine(DateTime login, DateTime logout, const AnswerCounts& counts,
                    const UserStatistics& statistics);

} // namespace qor
