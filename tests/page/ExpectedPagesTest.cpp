#include "page/ExpectedPages.h"

#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using namespace qor::literals;
using Strings = std::vector<std::string>;

TEST(ExpectedPages, MissingPagesOfATree) {
    test::TempDir dir;
    EXPECT_EQ(missingPages(dir.path()).size(), expectedPageFiles().size() + 1);

    for (const std::string& page : expectedPageFiles())
        dir.file("hqor/" + page, "<title>x</title>");
    dir.file("hqor/SuperDD/bild.jpg", "");
    dir.dir("hqor/SuperDD/nicht.htx");
    EXPECT_EQ(missingPages(dir.path() + "hqor"), Strings{"SuperDD/*.htx"});

    dir.file("hqor/SuperDD/hell.htx", "");
    EXPECT_EQ(missingPages(dir.path() + "hqor/"), Strings{});

    removeFile(dir.path() + "hqor/" + "wörterbuch.htx"_cp);
    removeFile(dir.path() + "hqor/vegas/again.htx");
    EXPECT_EQ(missingPages(dir.path() + "hqor/"), (Strings{"vegas/again.htx", "wörterbuch.htx"_cp}));
}

TEST(ExpectedPages, PageFileNames) {
    for (const char* name : {"main.htx", "a.hqor", "a.rqol", "a.rqo", "aufgaben.qor", "hilfe.html"})
        EXPECT_TRUE(isPageFileName(name)) << name;
    for (const char* name : {"bild.jpg", "a.HTX", "klang.wav", "liesmich", "a.htx.alt"})
        EXPECT_FALSE(isPageFileName(name)) << name;
}

} // namespace
} // namespace qor
