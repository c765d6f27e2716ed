#include "platform/FileSystem.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "platform/Zlib.h"
#include "support/TempDir.h"
#include "users/UserFile.h"
#include "users/XUserBase.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace qor {
namespace {
using namespace literals;

constexpr double Hour = 1.0 / 24;
// 9 December 2026, as the user base counts days.
constexpr DateTime December9 = 46365;

PerformanceRecord record(std::string answers, std::string modes, std::string key = "<1Haus") {
    return {std::move(key), std::move(answers), std::move(modes)};
}

std::string answers(std::initializer_list<int> values) {
    std::string text;
    for (int value : values)
        text += AnswerCharacter(value);
    return text;
}

TEST(PerformanceRecordTest, DerivedValues) {
    struct Case {
        const char* what;
        PerformanceRecord record;
        int score, weight, relative;
    };
    const Case cases[] = {
        {"no answers", record("", ""), 0, 100, 0},
        {"five typed answers of 25 are clamped", record(answers({25, 25, 25, 25, 25}), "eeeee"),
         100, 100, 100},
        {"weight 72 turns 36 into 50", record(answers({12, 12, 12}), "eemmv"), 36, 72, 50},
        {"low scores are clamped too", record(answers({-64, -64}), "ee"), -100, 40, -100},
        {"unknown modes weigh 10", record(answers({5}), "x"), 5, 10, 50},
        {"half rounds away from zero", record(answers({1}), "mmmmm"), 1, 60, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Score(c.record), c.score);
        EXPECT_EQ(Weight(c.record), c.weight);
        EXPECT_EQ(RelativeScore(c.record), c.relative);
    }
    const std::pair<int, int> bins[] = {{-100, 0}, {-1, 10},  {0, 10},
                                        {99, 20},  {100, 20}, {-91, 0}};
    for (const auto& [score, bin] : bins)
        EXPECT_EQ(ChartBin(score), bin) << score;
    // A character 0 would end the string in the user file.
    EXPECT_EQ(AnswerCharacter(-65), '\x01');
    EXPECT_EQ(static_cast<unsigned char>(AnswerCharacter(190)), 255);
}

class UserBaseTest : public ::testing::Test {
protected:
    DateTime now = December9 + 10 * Hour;
    test::TempDir temp;
    ScriptedMessages messages;
    TXUserBase users{temp.path(), [this] {
                         return now;
                     }};
};

TEST_F(UserBaseTest, AnswersKeepTheFiveNewestPerWordClassAndDirection) {
    users.LogIn("Ana", "");
    for (int value = 1; value <= 6; ++value)
        users.RecordAnswer("Haus", true, value % 2 ? 'e' : 'm', value, 1);
    users.RecordAnswer("haus", true, 'v', -12, 1); // the same word in other case
    users.RecordAnswer("Haus", true, 'e', 25, 2);  // another word class
    users.RecordAnswer("casa", false, 'm', 12, 1); // Spanish words go in front
    users.RecordAnswer("perro", false, 'v', 3, 1);

    const std::vector<PerformanceRecord>& records = users.Records();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].Key, ">1perro");
    EXPECT_EQ(records[1].Key, ">1casa");
    EXPECT_EQ(records[2].Key, "<1Haus");
    EXPECT_EQ(records[2].Verlauf, answers({-12, 6, 5, 4, 3}));
    EXPECT_EQ(records[2].Modi, "vmeme");
    EXPECT_EQ(records[3].Key, "<2Haus");
    EXPECT_EQ(users.Counts().typed, 4);
    EXPECT_EQ(users.Counts().multipleChoice, 4);
    EXPECT_EQ(users.Counts().bingo, 2);

    EXPECT_EQ(users.LookUpScore("HAUS", true, 1), 6);
    EXPECT_EQ(users.LookUpScore("Haus", false, 1), std::nullopt);
    EXPECT_EQ(users.LookUpScore("Haus", true, 3), std::nullopt);
    EXPECT_EQ(users.RecordScores(1).score, 12);
    EXPECT_EQ(users.RecordScores(1).relative, 100);
    EXPECT_EQ(users.RecordScores(4).score, 0);
}

TEST_F(UserBaseTest, StatisticsAndCharts) {
    users.LogIn("Ana", "");
    users.ComputeStatistics();
    EXPECT_EQ(users.Statistics().perfa, 0);
    EXPECT_EQ(users.Statistics().pe, 0);
    EXPECT_EQ(users.Statistics().charts[AbsoluteChart][10], 0);

    users.RecordAnswer("Haus", true, 'e', 25, 1);
    users.RecordAnswer("Haus", true, 'e', 20, 1);
    users.RecordAnswer("Baum", true, 'm', -12, 1);
    users.RecordAnswer("casa", false, 'v', 3, 1);
    users.ComputeStatistics();
    const UserStatistics& statistics = users.Statistics();
    EXPECT_EQ(statistics.records, 3);
    EXPECT_EQ(statistics.perfa, (45 - 12 + 3) / 3);
    EXPECT_EQ(statistics.perfr, (100 + -100 + 38) / 3);
    EXPECT_EQ(statistics.perfd, (45 - 12) / 2);
    EXPECT_EQ(statistics.perff, 3);
    EXPECT_EQ(statistics.nrd, 2);
    EXPECT_EQ(statistics.nrf, 1);
    EXPECT_EQ(statistics.pe, 50);
    EXPECT_EQ(statistics.pm, 25);
    EXPECT_EQ(statistics.pv, 25);
    EXPECT_EQ(statistics.charts[AbsoluteChart][ChartBin(45)], 1);
    EXPECT_EQ(statistics.charts[GermanChart][ChartBin(-12)], 1);
    EXPECT_EQ(statistics.charts[SpanishChart][ChartBin(3)], 1);
    EXPECT_EQ(statistics.charts[RelativeChart][0], 1);

    // A 210 x 90 picture: the one Spanish record of three is a third high.
    struct Fill {
        int left, top, right, bottom;
        Color color;
    };
    struct Canvas : ChartCanvas {
        int width() const override { return 210; }
        int height() const override { return 90; }
        void fillRect(int l, int t, int r, int b, Color c) override {
            fills.push_back({l, t, r, b, c});
        }
        void drawLine(int, int, int, int, Color) override {}
        std::vector<Fill> fills;
    } canvas;
    users.DrawChart(canvas, SpanishChart);
    ASSERT_EQ(canvas.fills.size(), 3u);
    EXPECT_EQ(canvas.fills[0].right, 105);
    EXPECT_EQ(canvas.fills[0].color, 0x0000FF);
    EXPECT_EQ(canvas.fills[1].color, 0x333333);
    const Fill bar = canvas.fills[2];
    EXPECT_EQ(bar.left, ChartBin(3) * 10);
    EXPECT_EQ(bar.top, 90 - 30);
    EXPECT_EQ(bar.color, 0xFFFFFF);
}

TEST(UserFileTest, RoundTripsByteForByteAndReadsWhatOthersWrote) {
    UserFileContent content;
    content.identity = "Jürgen:geheim"_cp;
    content.learningTime = 1 + 3 * Hour + 4.0 / 1440 + 5.0 / 86400; // 27:04:05
    content.records = {record(answers({-40, 25}), "em", ">1año"_cp), record("", "", "<2x")};
    const std::string file = WriteUserFile(content);
    const auto read = ReadUserFile(file);
    ASSERT_TRUE(read);
    EXPECT_EQ(WriteUserFile(*read), file);
    EXPECT_EQ(inflateZlib(file).data,
              "Jürgen:geheim\0!27:04:05\0>1año\0"_cp.append(answers({-40, 25})) +
                  std::string("\0em\0<2x\0\0\0", 10));
    // Answers below the blank are values and survive; keys and modes are trimmed.
    EXPECT_EQ(read->records[0].Verlauf, answers({-40, 25}));

    const auto withoutTime = ReadUserFile(deflateZlib(std::string("A:\0 <1Haus \0AB\0 em\0", 19)));
    ASSERT_TRUE(withoutTime);
    EXPECT_EQ(withoutTime->learningTime, 0);
    ASSERT_EQ(withoutTime->records.size(), 1u);
    EXPECT_EQ(withoutTime->records[0].Key, "<1Haus");
    EXPECT_EQ(withoutTime->records[0].Modi, "em");
    const auto timeOfDay = ReadUserFile(deflateZlib(std::string("A:\0!0:45:10\0", 12)));
    ASSERT_TRUE(timeOfDay);
    EXPECT_NEAR(timeOfDay->learningTime, (45 * 60 + 10) / 86400.0, 1e-9);

    EXPECT_TRUE(ReadUserFile("")->blank);
    EXPECT_FALSE(ReadUserFile("no zlib stream"));
    EXPECT_FALSE(ReadUserFile(file.substr(0, file.size() - 3)));
}

TEST_F(UserBaseTest, LogOutWritesAPrivateFileAndTheLogLine) {
    users.LogIn("Ana", "pw");
    const std::string path = temp.path() + "Ana_S.qob";
    EXPECT_EQ(readFile(path), "");
    users.RecordAnswer("Haus", true, 'e', 25, 1);
    users.RecordAnswer("casa", false, 'm', -12, 1);
    now = December9 + 1 + 0.5 * Hour; // past midnight
    ASSERT_TRUE(users.LogOut());
    EXPECT_FALSE(users.IsLoggedIn());

    struct stat info {};
    ASSERT_EQ(::stat(toNativePath(path).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    const auto content = ReadUserFile(*readFile(path));
    ASSERT_TRUE(content);
    EXPECT_EQ(content->identity, "Ana:pw");
    EXPECT_NEAR(content->learningTime, 14.5 * Hour, 1e-6);
    EXPECT_EQ(content->records.size(), 2u);
    EXPECT_EQ(readFile(temp.path() + "Ana_S_LOG.txt"),
              "09.12.2026 10:00:00 14:30:00 Eintippen:\t1\tMult. Ch.:\t1\tLas Vegas:\t0\t"
              "Performance Insgesamt: abs: 6% rel: 0% 2 verschiedene Vokabeln\r\n");
    // The right answers go beside the log, for the learning history.
    EXPECT_EQ(readFile(temp.path() + "Ana_S_VERLAUF.txt"), "09.12.2026\t2\t1\r\n");

    // The next login reads it all back and adds to the time.
    users.LogIn("Ana", "pw");
    EXPECT_EQ(users.Records().size(), 2u);
    now += 10 * Hour;
    ASSERT_TRUE(users.LogOut());
    EXPECT_EQ(DurationText(ReadUserFile(*readFile(path))->learningTime), "24:30:00");
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(UserBaseTest, PasswordsAreAskedThreeTimes) {
    users.LogIn("Ana", "pw");
    users.LogOut();
    std::vector<std::string> prompts;
    std::deque<std::optional<std::string>> entered;
    users.AskPassword = [&](const std::string& name) {
        prompts.push_back(name);
        auto next = entered.front();
        entered.pop_front();
        return next;
    };

    entered = {"a", "b", "c"};
    users.LogIn("Ana", "");
    EXPECT_FALSE(users.IsLoggedIn());
    EXPECT_EQ(prompts.size(), 3u);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{
                                    "Persönliche Daten für Ana konnten nicht geöffnet werden!"_cp});

    entered = {std::nullopt};
    users.LogIn("Ana", "x");
    EXPECT_FALSE(users.IsLoggedIn());
    EXPECT_EQ(prompts.size(), 4u);

    entered = {"a", "pw"};
    users.LogIn("Ana", "");
    EXPECT_TRUE(users.IsLoggedIn());
    EXPECT_EQ(users.Password(), "pw");
}

TEST_F(UserBaseTest, DamagedFilesFailTheLoginAndStayAsTheyAre) {
    const std::string garbage = deflateZlib(std::string("\xFF\xFE garbage\0\x01\x02", 13));
    const std::pair<const char*, std::string> files[] = {
        {"NoZlib", "not a zlib stream"},
        {"Truncated", garbage.substr(0, garbage.size() / 2)},
        {"Garbage", garbage},
        // Right name and password, but more than the 64 MB a user file may unpack to.
        {"Huge", deflateZlib("Huge:" + std::string(1, '\0') + std::string(64 << 20, 'a'))},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        const std::string path = temp.file(std::string(name) + "_S.qob", bytes);
        messages.clear();
        users.LogIn(name, "");
        EXPECT_FALSE(users.IsLoggedIn());
        EXPECT_EQ(messages.texts(), std::vector<std::string>{"Persönliche Daten für "_cp + name +
                                                             " konnten nicht geöffnet werden!"_cp});
        EXPECT_TRUE(users.LogOut());
        EXPECT_EQ(readFile(path), bytes);
    }
    // A file that cannot be read at all.
    const std::string unreadable = temp.unreadableFile("Lost_S.qob");
    users.LogIn("Lost", "");
    EXPECT_FALSE(users.IsLoggedIn());
    EXPECT_FALSE(fileExists(temp.path() + "Lost_S_LOG.txt"));
}

TEST_F(UserBaseTest, NewUsersAndTheUserList) {
    temp.file("Ana_S.qob", "");
    temp.file("Klasse 5/Ben_S.qob", "");
    temp.file("Carl_s.qob", "");
    temp.file("Dora.qob", "");
    temp.file("_S.qob", "");
    users.ListUsers();
    EXPECT_EQ(users.UserNames(), (std::vector<std::string>{"Ana", "Ben"}));

    // Others exist, so a new user is asked for; declining says nothing more.
    messages.answer(MessageResult::No);
    users.LogIn("Eva", "");
    EXPECT_FALSE(users.IsLoggedIn());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Neuen Benutzer Eva anlegen?"});
    EXPECT_FALSE(fileExists(temp.path() + "Eva_S.qob"));

    // A missing users folder is made for the first user.
    TXUserBase fresh(temp.path() + "Benutzer/", [] { return December9; });
    fresh.LogIn("Ana", "");
    EXPECT_TRUE(fresh.IsLoggedIn());
    EXPECT_TRUE(fileExists(temp.path() + "Benutzer/Ana_S.qob"));

    // Switching users logs the first one out.
    fresh.LogIn("Ben", "");
    EXPECT_EQ(fresh.User(), "Ben");
    EXPECT_TRUE(fileExists(temp.path() + "Benutzer/Ana_S_LOG.txt"));
}

} // namespace
} // namespace qor
