#include "qor-page/PageDump.h"

#include "platform/Text.h"
#include "platform/Zlib.h"
#include "qor-page/PageCheck.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sstream>

namespace qor::pagetool {
namespace {

using namespace qor::literals;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(PageDump, ShowsItemsTablesAndWhatThePageAsked) {
    test::TempDir dir;
    const std::string page = dir.file(
        "seite.htx",
        deflateZlib("<TITLE>Menü</TITLE><DEFINE $wort=\"perro\"><ALIAS #weiter=\"b.htx\">"
                    "<FONT SIZE=5 COLOR=#FF0000 ID=VOK><B>Grüße</B> <A HREF=\"§vabfrage\">los</A>"
                    "<IF ?quiz>Quiz</IF><IF extra>Extra</IF>$[wort] $[user]"
                    "<BOX COORDS=10,20,300,40 COLOR=#00FF00><+VOK>x<+FEHLT>"_cp));
    DumpOptions options;
    options.conditions = {"extra"};
    std::string out;
    ASSERT_TRUE(dumpPageFile(page, options, out));

    for (const char* line : {
             "title: \"Menü\"\n",
             "  0 word \"Grüße\" bold\n",
             "  1 space \" \"\n",
             "  2 word \"los\" underline color=page-link area=0\n",
             "word \"Extra\"",
             "word \"perro\"",
             "word \"[undefined]\"",
             "  0 \"§vabfrage\"\n",
             "  0 at 10,20 size 300x40 fill=#00FF00\n",
             "  7 block box=0 margin=10 top=20 column=300\n",
             "word \"x\" margin=10 column=300 size=5 color=#FF0000",
             "  \"WORT\" = \"perro\"\n",
             "  \"#WEITER\" = \"b.htx\"\n",
             "  \"VOK\" size=5 color=#FF0000\n",
             "conditions: \"extra\"\n",
             "special codes asked: \"quiz\" \"user\"\n",
             "message: \"KEIN + gefunden! +FEHLT\"\n",
         })
        EXPECT_TRUE(contains(out, line)) << line << "\n---\n" << out;
    EXPECT_FALSE(contains(out, "\"Quiz\"")) << out;
}

TEST(PageDump, ExerciseFilesAndUnreadableFiles) {
    test::TempDir dir;
    std::string out;
    ASSERT_TRUE(dumpPageFile(dir.file("a.qor", "QOR!02K<EX><IF #ex>eins</IF><EX>zwei"), {}, out));
    EXPECT_TRUE(contains(out, "exercise file: count 2, 2 exercises\n")) << out;
    EXPECT_TRUE(contains(out, "== exercise 1\n")) << out;
    EXPECT_TRUE(contains(out, "word \"eins\"")) << out;
    EXPECT_TRUE(contains(out, "== exercise 2\n")) << out;
    EXPECT_TRUE(contains(out, "  \"#NEXT\" = \"ex\"\n")) << out;

    out.clear();
    EXPECT_FALSE(dumpPageFile(dir.path() + "fehlt.htx", {}, out));
    EXPECT_TRUE(contains(out, "message: \"Die Datei")) << out;
}

TEST(PageCheck, FailsOnlyForPagesThatDoNotParse) {
    test::TempDir dir;
    dir.file("hqor/main.htx", deflateZlib("<FONT ID=NORMAL>Start"));
    std::ostringstream out;
    EXPECT_EQ(checkTree(dir.path() + "hqor", out), 0);
    EXPECT_TRUE(contains(out.str(), "missing page: vokabeln.htx\n")) << out.str();
    EXPECT_TRUE(contains(out.str(), "missing page: wörterbuch.htx\n")) << out.str();
    EXPECT_TRUE(contains(out.str(), "style defined by no page: VOK\n")) << out.str();
    EXPECT_FALSE(contains(out.str(), "style defined by no page: NORMAL")) << out.str();

    dir.file("hqor/kaputt.html", "<INCLUDE HREF=\"fehlt.htx\">");
    out.str("");
    EXPECT_EQ(checkTree(dir.path() + "hqor", out), 1);
    EXPECT_TRUE(contains(out.str(), "page does not parse cleanly: kaputt.html: INCLUDE-Datei"))
        << out.str();
}

} // namespace
} // namespace qor::pagetool
