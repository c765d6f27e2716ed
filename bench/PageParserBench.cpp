// The page parser on a typical menu page and on a large generated page with
// many tags, and reading a large packed page file: time per page and MB/s.

#include "page/model/PageModel.h"
#include "page/model/PageStream.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "platform/Zlib.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

using namespace qor;
using namespace qor::literals;

// A menu page as the program's start page looks: styles, a few boxes,
// conditional sections, links with commands, substitutions.
const std::string& menuPage() {
    static const std::string page = R"(<!-- Startseite -->
<TITLE>*qor spanisch</TITLE>
<FONT SIZE=3 COLOR=#2B2622 FACE="Arial, Liberation Sans" FLASH=#E07B22 ID=NORMAL>
<I><FONT SIZE=2 COLOR=#7D7264 FACE="Arial, Liberation Sans" FLASH=#E07B22 ID=KOMMENTAR></I>
<B><FONT SIZE=4 COLOR=#A23B2A FACE="Arial, Liberation Sans" FLASH=#E07B22 ID=VOK></B>
<BODY BGCOLOR=#FBF6EA TEXT=#2B2622 LINK=#B0412E>
<BOX COORDS=40,22,720 ALIGN=M>
<FONT SIZE=6 COLOR=#B0412E FACE="Arial"><B>*qor spanisch</B></FONT><BR>
<+kommentar>Spanisch lernen – Wort für Wort, Satz für Satz<BR>
<BOX COORDS=40,112,720 ALIGN=L>
<+normal><B>¡Hola y bienvenidos!</B> Schön, dass Sie da sind. Hier lernen Sie
spanische Vokabeln, üben die Konjugation der Verben, hören im Sprachlabor
gesprochenes Spanisch und schlagen im Wörterbuch nach.<P>
<IF login>
Angemeldet als <B>$[user]</B>. <A HREF="§chusr">Benutzer wechseln</A><BR>
<ELSE>
<A HREF="§login">Bitte melden Sie sich an</A>.<BR>
</IF>
<BOX COORDS=40,236,720,262 COLOR=#FFFFFF BCOLOR=#E6D8BC BWIDTH=2 RADIUS=18>
<BOX COORDS=68,254,664 ALIGN=L>
<FONT LINESPACE=7>
<+vok><A HREF="§vabfrage">Vokabeln abfragen</A><X4><+normal>die geladene Bibliothek üben<BR>
<+vok><A HREF="§vocein">Abfrage einstellen</A><X4><+normal>Richtung und Umfang wählen<BR>
<+vok><A HREF="§editor">Vokabel-Editor</A><X4><+normal>Bibliotheken anlegen und ändern<BR>
<+vok><A HREF="§super">Superlearning</A><X4><+normal>Wörter mit Musik<BR>
<+vok><A HREF="§verb">Verbtrainer</A><X4><+normal>Konjugation üben<BR>
<+vok><A HREF="§lablist">Sprachlabor</A><X4><+normal>hören und nachsprechen<BR>
<+vok><A HREF="§wb">Wörterbuch</A><X4><+normal>nachschlagen<BR>
</FONT>
<BOX COORDS=40,530,720 ALIGN=R>
<+kommentar>Version $[version] &nbsp; <A HREF="§end">Beenden</A>
)"_cp;
    return page;
}

// About 200 KB of text with many tags of every common kind.
const std::string& largePage() {
    static const std::string page = [] {
        std::string text = "<TITLE>Großer Text</TITLE><BODY BGCOLOR=#FFFFFF TEXT=#000000>"
                           "<DEFINE $wort=\"palabra\"><COLORS rot=#C00000 blau=#0000C0>"
                           "<FONT SIZE=3 COLOR=rot ID=VOK>"_cp;
        for (int paragraph = 0; text.size() < 200 * 1024; ++paragraph) {
            const std::string n = std::to_string(paragraph);
            text += "<BOX COORDS=20," + std::to_string(paragraph * 40 % 5000) +
                    ",760 ALIGN=L><H3>Abschnitt " + n + "</H3>\r\n";
            text += "<FONT SIZE=+1 COLOR=blau>Die <B>spanische</B> Vokabel <I>$[wort]</I> "
                    "heißt &quot;Wort&quot; &ndash; <U>unterstrichen</U> und "
                    "<A HREF=\"seite"_cp +
                    n + ".htx\">ein Link " + n + "</A>.</FONT> ";
            text += "<IF login>Nur angemeldet sichtbar.<ELSE>Sonst dieser Text.</IF> "
                    "<+VOK>perro<+VOK> gato <TT>casa</TT> <X5>árbol <BR>\r\n"_cp;
            text += "Ein ganz gewöhnlicher Satz mit einigen Wörtern, Kommas und Punkten, "
                    "damit auch der reine Text seinen Anteil hat.<P>\r\n"_cp;
        }
        return text;
    }();
    return page;
}

void parse(benchmark::State& state, const std::string& text) {
    PageModel model;
    model.SetCondition("login", true);
    model.SetDefine("user", "Ana");
    model.SetDefine("version", "1.0");
    for (auto _ : state) {
        model.Clear();
        model.Parse(text, false);
        benchmark::DoNotOptimize(model.items().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
    state.counters["items"] = static_cast<double>(model.items().size());
}

void BM_ParseMenuPage(benchmark::State& state) {
    parse(state, menuPage());
}
BENCHMARK(BM_ParseMenuPage)->Unit(benchmark::kMicrosecond);

void BM_ParseLargePage(benchmark::State& state) {
    parse(state, largePage());
}
BENCHMARK(BM_ParseLargePage)->Unit(benchmark::kMillisecond);

// Reading the large page from a packed page file: the file, inflating and
// terminating, without parsing.
void BM_ReadPackedLargePage(benchmark::State& state) {
    const std::string dir =
        (std::filesystem::temp_directory_path() / ("qor-bench-" + std::to_string(::getpid())))
            .string() +
        "/";
    createDirectories(dir);
    const std::string file = dir + "gross.htx";
    writeFileAtomic(file, deflateZlib(largePage()));
    for (auto _ : state) {
        THTMLStream stream;
        if (!ReadPage(file, stream))
            state.SkipWithError("the page file could not be read");
        benchmark::DoNotOptimize(stream.bytes().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(largePage().size()));
    removeFile(file);
    std::filesystem::remove(dir);
}
BENCHMARK(BM_ReadPackedLargePage)->Unit(benchmark::kMillisecond);

} // namespace
