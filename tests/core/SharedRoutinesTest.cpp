#include "core/SharedRoutines.h"

#include "core/ProgramLocation.h"
#include "platform/Random.h"
#include "platform/Text.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qor {
namespace {
using namespace literals;

TEST(CycleAccent, WalksEachRowAndWrapsAround) {
    const std::string a = "aáàâäæ"_cp;
    for (std::size_t i = 0; i < a.size(); ++i)
        EXPECT_EQ(CycleAccent(a[i]), a[(i + 1) % a.size()]);
    EXPECT_EQ(CycleAccent('N'), "Ñ"_cp[0]);
    EXPECT_EQ(CycleAccent("Ñ"_cp[0]), 'N');
    EXPECT_EQ(CycleAccent("Œ"_cp[0]), 'O');
    EXPECT_EQ(CycleAccent('?'), "¿"_cp[0]);
    EXPECT_EQ(CycleAccent("¡"_cp[0]), '?');
    EXPECT_EQ(CycleAccent('x'), 0);
    EXPECT_EQ(CycleAccent("ß"_cp[0]), 0);
}

TEST(HasInvalidFileNameChar, FindsEachOfTheNine) {
    for (char c : std::string("/\\*:<>|?\""))
        EXPECT_TRUE(HasInvalidFileNameChar(std::string("Fa") + c + "milie")) << c;
    EXPECT_FALSE(HasInvalidFileNameChar("Essen und Trinken (2).asc"));
    EXPECT_FALSE(HasInvalidFileNameChar(""));
}

TEST(MaskWithDots, ShortTexts) {
    EXPECT_EQ(MaskWithDots(""), "");
    EXPECT_EQ(MaskWithDots("y"), ".");
    EXPECT_EQ(MaskWithDots("yo"), "..");
    EXPECT_EQ(MaskWithDots("abc"), "a..");
    EXPECT_EQ(MaskWithDots("abcd"), "a..d");
    EXPECT_EQ(MaskWithDots("casa"), "c..a");
}

TEST(MaskWithDots, PunctuationAndBlanksStay) {
    EXPECT_EQ(MaskWithDots("¿qué?"_cp), "¿...?"_cp);
    EXPECT_EQ(MaskWithDots("a b"), "a .");
    EXPECT_EQ(MaskWithDots("ab-cd"), "a.-.d");
    EXPECT_EQ(MaskWithDots("o'a,!"), "o'.,!");
}

TEST(MaskWithDots, FromTheFifthCharacterAboutOneLetterInFiveStays) {
    RandSeed(7);
    const std::string word(10000, 'x');
    const std::string hint = MaskWithDots(word);
    EXPECT_EQ(hint.substr(0, 4), "x...");
    EXPECT_EQ(hint.back(), 'x');
    const auto visible = std::count(hint.begin() + 4, hint.end() - 1, 'x');
    EXPECT_GT(visible, 1700);
    EXPECT_LT(visible, 2300);
}

TEST(CountFilesWithExtension, CountsTheWholeTreeCaseInsensitively) {
    test::TempDir dir;
    dir.file("a.asc", "");
    dir.file("B.ASC", "");
    dir.file("sub/deeper/c.asc", "");
    dir.file("sub/d.txt", "");
    dir.file("sub/e.voc", "");
    dir.file("ascii", "");
    std::vector<std::string> found;
    EXPECT_EQ(CountFilesWithExtension(dir.path(), ".asc", "", &found), 3);
    EXPECT_EQ(found.size(), 3u);
    EXPECT_NE(std::find(found.begin(), found.end(), dir.path() + "sub/deeper/c.asc"), found.end());
    EXPECT_EQ(CountFilesWithExtension(dir.path() + "sub", ".txt", ".voc"), 2)
        << "without a trailing separator";
    EXPECT_EQ(CountFilesWithExtension(dir.path() + "fehlt/", ".asc"), 0);
}

TEST(SwapRedBlue, SwapsBytesZeroAndTwoAndClearsThree) {
    EXPECT_EQ(SwapRedBlue(0x00112233), 0x00332211);
    EXPECT_EQ(SwapRedBlue(static_cast<Color>(0xFF0000FFu)), 0x00FF0000);
}

TEST(ResolveProgramDir, PrefersQorHomeThenTheInstalledDataThenTheExecutable) {
    test::TempDir installed;
    EXPECT_EQ(ResolveProgramDir("/opt/qor", installed.path(), "/build/qor-spanisch"), "/opt/qor/");
    EXPECT_EQ(ResolveProgramDir("", installed.path(), "/build/qor-spanisch"), installed.path());
    EXPECT_EQ(ResolveProgramDir("", installed.path() + "fehlt/", "/build/qor-spanisch"), "/build/");
}

TEST(InstalledDataDirFor, FollowsThePathFromTheBinariesWhereverTheInstallationLies) {
    struct Case {
        const char* executable;
        const char* dataFromBinaries;
        const char* expected;
    };
    const Case cases[] = {
        {"/usr/bin/qor-spanisch", "../share/qor-spanisch/", "/usr/share/qor-spanisch/"},
        {"/tmp/paket/usr/bin/qor-spanisch", "../share/qor-spanisch",
         "/tmp/paket/usr/share/qor-spanisch/"},
        {"/opt/qor/qor-spanisch", "share/qor-spanisch/", "/opt/qor/share/qor-spanisch/"},
        {"/opt/qor/lib/x/bin/qor-spanisch", "../../../share/./qor-spanisch/",
         "/opt/qor/share/qor-spanisch/"},
        {"/bin/qor-spanisch", "../../share/qor-spanisch/", "/share/qor-spanisch/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(InstalledDataDirFor(c.executable, c.dataFromBinaries), c.expected)
            << c.executable;
}

} // namespace
} // namespace qor
