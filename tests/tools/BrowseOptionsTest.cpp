// The command line of qor-browse: options, the script of steps in order,
// and wrong calls.

#include "BrowseOptions.h"

#include <gtest/gtest.h>

namespace qor::browse {
namespace {

TEST(BrowseOptionsTest, StepsKeepTheirOrderAndTextsBecomeProgramText) {
    const auto options = ParseBrowseArguments(
        {"--size",       "640x480",   "--define",    "user=Ana",      "--condition",
         "login",        "--code",    "version=1.0", "--move",        "5,6",
         "--link",       "§vabfrage", "--click",     "10,20",         "--key",
         "Return",       "--wait",    "50",          "--right-click", "1,2",
         "--screenshot", "out.png",   "--quit",      "hqor/main.htx"});
    ASSERT_TRUE(options);
    EXPECT_EQ(options->width, 640);
    EXPECT_EQ(options->height, 480);
    EXPECT_EQ(options->definitions.at(0), (std::pair<std::string, std::string>{"user", "Ana"}));
    EXPECT_EQ(options->conditions, std::vector<std::string>{"login"});
    EXPECT_EQ(options->codes.at(0).second, "1.0");
    EXPECT_EQ(options->screenshot, "out.png");
    EXPECT_TRUE(options->quit);
    EXPECT_EQ(options->page, "hqor/main.htx");

    using Kind = Step::Kind;
    ASSERT_EQ(options->steps.size(), 6U);
    const Kind kinds[] = {Kind::Move, Kind::Link, Kind::Click,
                          Kind::Key,  Kind::Wait, Kind::RightClick};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(options->steps[i].kind, kinds[i]) << i;
    EXPECT_EQ(options->steps[1].text, "\xA7vabfrage");
    EXPECT_EQ(options->steps[2].x, 10);
    EXPECT_EQ(options->steps[2].y, 20);
    EXPECT_EQ(options->steps[4].milliseconds, 50);
}

TEST(BrowseOptionsTest, WrongCallsAreRefused) {
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"a.htx", "b.htx"},
        {"--size", "0x10", "a.htx"},
        {"--size", "800", "a.htx"},
        {"--click", "10", "a.htx"},
        {"--click", "x,y", "a.htx"},
        {"--wait", "-1", "a.htx"},
        {"--define", "=wert", "a.htx"},
        {"--unbekannt", "a.htx"},
        {"a.htx", "--click"},
    };
    for (const auto& args : wrong)
        EXPECT_FALSE(ParseBrowseArguments(args)) << testing::PrintToString(args);
}

} // namespace
} // namespace qor::browse
