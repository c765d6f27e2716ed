#include "page/model/ExpectedPages.h"

#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "platform/Zlib.h"
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
    EXPECT_EQ(missingPages(dir.path() + "hqor/"),
              (Strings{"vegas/again.htx", "wörterbuch.htx"_cp}));
}

TEST(ExpectedPages, PageFileNames) {
    for (const char* name : {"main.htx", "a.hqor", "a.rqol", "a.rqo", "aufgaben.qor", "hilfe.html"})
        EXPECT_TRUE(isPageFileName(name)) << name;
    for (const char* name : {"bild.jpg", "a.HTX", "klang.wav", "liesmich", "a.htx.alt"})
        EXPECT_FALSE(isPageFileName(name)) << name;
}

TEST(ExpectedPages, CheckParsesEveryPageOfATree) {
    test::TempDir dir;
    const std::string root = dir.dir("hqor");
    // The start page comes first: it defines the styles the others apply.
    dir.file("hqor/main.htx", deflateZlib("<INCLUDE HREF=\"stile.htx\"><+vok>Hallo"));
    dir.file("hqor/stile.htx", deflateZlib("<FONT SIZE=4 ID=VOK><FONT SIZE=3 ID=NORMAL>"));
    dir.file("hqor/a_vokabeln.htx", deflateZlib("<+vok>gut <+normal>auch"));
    dir.file("hqor/unter/bild.htx", deflateZlib("<IMG SRC=\"fehlt.jpg\"><IMG SRC=\"da.jpg\">"));
    dir.file("hqor/unter/da.jpg", "");
    dir.file("hqor/b_kaputt.htx", "nicht gepackt");
    dir.file("hqor/c_include.html", "<INCLUDE HREF=\"weg.htx\">");
    dir.file("hqor/d_stil.html", "<+fehlt>");
    dir.file("hqor/e_tag.html", "<MAP x>Text");
    dir.file("hqor/aufgaben.qor", "QOR!02<EX><+vok>eins<EX><+unbekannt>zwei</EX>");
    dir.file("hqor/falsch.qor", "QOX!02<EX>a");
    dir.file("hqor/leer.qor", "QOR!02 kein Marker");
    dir.file("hqor/notizen.txt", "<+fehlt> ist keine Seite");

    const PageTreeReport report = checkPageTree(root);
    EXPECT_EQ(report.pagesChecked, 11);
    // All expected pages but main.htx, and the SuperDD folder.
    EXPECT_EQ(report.missingPages.size(), expectedPageFiles().size());
    EXPECT_EQ(report.undefinedStyles, (Strings{"KOMMENTAR", "BED", "ZEIT", "IRR", "REG"}));
    EXPECT_EQ(report.missingPictures, Strings{"unter/bild.htx: " + root + "unter/fehlt.jpg"});

    std::vector<std::pair<std::string, std::size_t>> problems;
    for (const PageTreeReport::Problem& problem : report.problems)
        problems.emplace_back(problem.page, problem.messages.size());
    EXPECT_EQ(problems, (std::vector<std::pair<std::string, std::size_t>>{
                            {"aufgaben.qor", 1},
                            {"b_kaputt.htx", 1},
                            {"c_include.html", 1},
                            {"d_stil.html", 1},
                            {"e_tag.html", 1},
                            {"falsch.qor", 1},
                            {"leer.qor", 1},
                        }));
    EXPECT_EQ(report.problems[0].messages[0], "KEIN + gefunden! +UNBEKANNT");
    EXPECT_EQ(report.problems[4].messages[0], "<MAP>: Expected \"NAME\"");
    EXPECT_EQ(report.problems[5].messages[0], "Falsches Format (ID)");
    EXPECT_EQ(report.problems[6].messages[0], "0 Aufgaben stehen zur Verfügung!"_cp);
}

} // namespace
} // namespace qor
