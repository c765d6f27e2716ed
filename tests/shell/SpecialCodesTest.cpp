#include "shell/SpecialCodes.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qor {
namespace {
using test::TempDir;

TEST(SpecialCodesTest, ProgramAndVersionCompareTheirFirstCharactersOnly) {
    SpecialCodeContext context;
    context.version = {1, 2, 0, 3};
    EXPECT_EQ(SpecialCodeValue("program", context), "*qor spanisch");
    EXPECT_EQ(SpecialCodeValue("programm", context), "*qor spanisch");
    EXPECT_EQ(SpecialCodeValue("version", context), "1.203");
    EXPECT_EQ(SpecialCodeValue("versionsnummer", context), "1.203");
    // Codes keep their case.
    EXPECT_EQ(SpecialCodeValue("Program", context), "");
    EXPECT_EQ(SpecialCodeValue("VERSION", context), "");
    EXPECT_EQ(SpecialCodeValue("prog", context), "");
}

TEST(SpecialCodesTest, VersionRunsMinorReleaseAndBuildTogether) {
    EXPECT_EQ(VersionText({0, 1, 0, 0}), "0.100");
    EXPECT_EQ(VersionText({2, 10, 3, 14}), "2.10314");
}

TEST(SpecialCodesTest, AreaCodesTellWhichOptionalAreasAreInstalled) {
    TempDir root;
    SpecialCodeContext context;
    context.vocabularyRoot = root.path();
    for (const char* code : {"recht", "reise", "oberstufe", "pool", "wirtschaft"})
        EXPECT_EQ(SpecialCodeValue(code, context), "") << code;

    // Law, travel and business count when their folder is there; the upper
    // level and the pool only with a library in them, however deep.
    root.dir("Recht");
    root.dir("Reisevokabular");
    root.dir("Wirtschaft");
    root.dir("Pool");
    root.file("Oberstufenwortschatz/Politik/Wahlen.ASC", "x");
    root.file("Pool/liesmich.txt", "x");
    EXPECT_EQ(SpecialCodeValue("recht", context), "+");
    EXPECT_EQ(SpecialCodeValue("reise", context), "+");
    EXPECT_EQ(SpecialCodeValue("wirtschaft", context), "+");
    EXPECT_EQ(SpecialCodeValue("oberstufe", context), "+");
    EXPECT_EQ(SpecialCodeValue("pool", context), "");
    EXPECT_EQ(SpecialCodeValue("Recht", context), "");

    // Without a vocabulary root nothing is installed.
    context.vocabularyRoot.clear();
    EXPECT_EQ(SpecialCodeValue("recht", context), "");
}

TEST(SpecialCodesTest, UserCodesNeedALoggedInUser) {
    SpecialCodeContext context;
    EXPECT_EQ(SpecialCodeValue("user", context), "");
    EXPECT_EQ(SpecialCodeValue("zeit", context), "");

    UserFigures user;
    user.name = "Ana";
    user.perfa = 71;
    user.nrf = 12;
    user.pv = 5;
    context.user = &user;
    EXPECT_EQ(SpecialCodeValue("user", context), "Ana");
    EXPECT_EQ(SpecialCodeValue("perfa", context), "71");
    EXPECT_EQ(SpecialCodeValue("nrf", context), "12");
    EXPECT_EQ(SpecialCodeValue("pv", context), "5");
    EXPECT_EQ(SpecialCodeValue("nr", context), "0");
    EXPECT_EQ(SpecialCodeValue("unbekannt", context), "");
    EXPECT_EQ(SpecialCodeValue("program", context), "*qor spanisch");
}

TEST(SpecialCodesTest, LearningTimeWordsFollowTheNumbers) {
    const double hour = 1.0 / 24;
    const double minute = hour / 60;
    EXPECT_EQ(LearningTimeText(0), "0 Stunden 0 Minuten");
    EXPECT_EQ(LearningTimeText(hour + minute), "1 Stunde 1 Minute");
    EXPECT_EQ(LearningTimeText(2 * hour + minute), "2 Stunden 1 Minute");
    EXPECT_EQ(LearningTimeText(59 * minute), "0 Stunden 59 Minuten");
    // Whole days count as 24 hours each.
    EXPECT_EQ(LearningTimeText(3 + 5 * hour + 30 * minute), "77 Stunden 30 Minuten");
    EXPECT_EQ(LearningTimeText(-1), "0 Stunden 0 Minuten");
}

TEST(SpecialCodesTest, ZeitAddsTheRunningSessionToTheStoredTime) {
    const double hour = 1.0 / 24;
    const double day = 46000; // a date-time
    UserFigures user;
    user.loginTime = day + 10 * hour;
    SpecialCodeContext context;
    context.user = &user;

    context.now = day + 10 * hour; // just logged in, nothing stored
    EXPECT_EQ(SpecialCodeValue("zeit", context), "0 Stunden 0 Minuten");

    user.storedLearningTime = 1 + 2 * hour;
    context.now = day + 11.5 * hour;
    EXPECT_EQ(SpecialCodeValue("zeit", context), "27 Stunden 30 Minuten");

    // A session that began before midnight, and a clock set back.
    user.storedLearningTime = 0;
    user.loginTime = day + 23 * hour;
    context.now = day + 1 + 1 * hour;
    EXPECT_EQ(SpecialCodeValue("zeit", context), "2 Stunden 0 Minuten");
    context.now = day;
    EXPECT_EQ(SpecialCodeValue("zeit", context), "0 Stunden 0 Minuten");
}

} // namespace
} // namespace qor
