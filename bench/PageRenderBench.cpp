// The page control against Qt's rich-text engine, side by side: a menu page
// (the program's start page) and a long text page of about 200 KB, each
// parsed, laid out and drawn into an 800-pixel-wide buffer by TXPage, and
// the same content as HTML through QTextDocument (setHtml, layout at the
// same width, drawContents into an image of the same size). Prints both
// times and the ratio of each pair.

#include "page/TXPage.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

#include <QApplication>
#include <QPainter>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

namespace {

using namespace qor;
using namespace qor::literals;

constexpr int PageWidth = 800;
constexpr int PageHeight = 572;

// Page sources in the repository are UTF-8; the program reads Windows-1252.
std::optional<std::string> sourcePage(const std::string& path) {
    const auto text = readFile(path);
    if (!text)
        return std::nullopt;
    return utf8ToCp1252(*text) + "\r";
}

const std::string& pageDirectory() {
    static const std::string dir = std::string(QOR_SOURCE_DIR) + "/data/hqor/";
    return dir;
}

const std::string& menuPage() {
    static const std::string page = sourcePage(pageDirectory() + "main.htx").value_or("");
    return page;
}

// The start page as HTML: the same texts, colours and font sizes; the
// two-column menu as a table.
const QString& menuHtml() {
    static const QString html = [] {
        QString text = QStringLiteral(
            "<html><body style=\"background-color:#FBF6EA; color:#2B2622; "
            "font-family:'Liberation Sans'; font-size:16px\">"
            "<p align=center style=\"font-size:32px; color:#B0412E\"><b>*qor spanisch</b></p>"
            "<p align=center style=\"font-size:13px; color:#7D7264\"><i>Spanisch lernen – Wort "
            "für Wort, Satz für Satz</i></p>"
            "<p><b>¡Hola y bienvenidos!</b> Schön, dass Sie da sind. Hier lernen Sie spanische "
            "Vokabeln, üben die Konjugation der Verben, hören im Sprachlabor gesprochenes "
            "Spanisch und schlagen im Wörterbuch nach. Wählen Sie einfach aus, womit Sie "
            "beginnen möchten.</p>"
            "<p>Angemeldet als <b>Ana</b>. <a href=\"chusr\" style=\"color:#B0412E; "
            "text-decoration:none\">Benutzer wechseln</a></p>"
            "<table width=664 style=\"background-color:#FFFFFF\">");
        const char* rows[][2] = {
            {"Vokabeln abfragen", "die geladene Bibliothek Runde für Runde üben"},
            {"Abfrage einstellen", "Bibliothek öffnen, Richtung und Umfang wählen"},
            {"Vokabel-Editor", "eigene Bibliotheken anlegen und bearbeiten"},
            {"Superlearning", "Vokabeln entspannt mit Musik lernen"},
            {"Verbtrainer", "spanische Verben konjugieren"},
            {"Sprachlabor", "Sätze hören, nachsprechen und aufnehmen"},
            {"Wörterbuch", "Deutsch-Spanisch und Spanisch-Deutsch nachschlagen"},
            {"Beenden", "*qor spanisch schließen"},
        };
        for (const auto& row : rows)
            text += QStringLiteral("<tr><td width=265><a href=\"x\" style=\"font-size:19px; "
                                   "color:#A23B2A; text-decoration:none\"><b>%1</b></a></td>"
                                   "<td>%2</td></tr>")
                        .arg(QString::fromUtf8(row[0]), QString::fromUtf8(row[1]));
        text += QStringLiteral("</table><p align=right style=\"font-size:13px; "
                               "color:#7D7264\"><i>*qor spanisch, Version 0.1</i></p>"
                               "</body></html>");
        return text;
    }();
    return html;
}

// About 200 KB of running text in paragraphs with bold, italic, links,
// font changes and line breaks, once as page markup and once as HTML.
struct LongText {
    std::string page;
    QString html;
};

const LongText& longText() {
    static const LongText text = [] {
        LongText result;
        result.page = "<TITLE>Langer Text</TITLE><BODY BGCOLOR=#FFFFFF TEXT=#000000>"
                      "<FONT FACE=\"Liberation Serif\">";
        result.html = QStringLiteral("<html><body style=\"font-family:'Liberation Serif'; "
                                     "font-size:16px\">");
        for (int paragraph = 0; result.page.size() < 200 * 1024; ++paragraph) {
            const std::string n = std::to_string(paragraph);
            const std::string sentence =
                "Im Sprachlabor hört man gesprochenes Spanisch in normaler und langsamer "
                "Geschwindigkeit, spricht nach und vergleicht die eigene Aufnahme. "_cp;
            result.page += "<B>Abschnitt " + n + "</B><BR>" + sentence +
                           "Die <I>spanische</I> Vokabel <B>perro</B> heißt Hund, "_cp +
                           "<A HREF=\"seite" + n + ".htx\">mehr dazu</A>. " + sentence +
                           "<FONT SIZE=4>Größer</FONT> und wieder normal. "_cp + sentence +
                           sentence + "<P>";
            const QString htmlSentence = QString::fromUtf8(
                "Im Sprachlabor hört man gesprochenes Spanisch in normaler und langsamer "
                "Geschwindigkeit, spricht nach und vergleicht die eigene Aufnahme. ");
            result.html += QStringLiteral("<p><b>Abschnitt %1</b><br>").arg(paragraph) +
                           htmlSentence +
                           QString::fromUtf8("Die <i>spanische</i> Vokabel <b>perro</b> heißt "
                                             "Hund, <a href=\"seite") +
                           QString::number(paragraph) + QStringLiteral(".htx\">mehr dazu</a>. ") +
                           htmlSentence +
                           QString::fromUtf8("<span style=\"font-size:19px\">Größer</span> und "
                                             "wieder normal. ") +
                           htmlSentence + htmlSentence + QStringLiteral("</p>");
        }
        result.html += QStringLiteral("</body></html>");
        return result;
    }();
    return text;
}

void renderPage(benchmark::State& state, const std::string& text, bool menu) {
    TXPage page;
    page.resize(PageWidth, PageHeight);
    page.model().SetDefine("user", "Ana");
    page.model().SetDefine("program", "*qor spanisch");
    page.model().SetDefine("version", "0.1");
    page.model().SetCondition("login", true);
    if (menu)
        page.model().setCurrentPage(pageDirectory(), "main.htx");
    page.model().setPageLoader(sourcePage);
    for (auto _ : state) {
        page.ShowText(text);
        benchmark::DoNotOptimize(page.buffer().constBits());
    }
    state.counters["height"] = page.buffer().height();
}

void renderHtml(benchmark::State& state, const QString& html, int bufferHeight) {
    QImage image(PageWidth, bufferHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QTextDocument document;
        document.setHtml(html);
        document.setTextWidth(PageWidth - 32);
        const QSizeF size = document.size();
        image.fill(Qt::white);
        QPainter painter(&image);
        document.drawContents(&painter);
        benchmark::DoNotOptimize(size);
    }
    state.counters["height"] = bufferHeight;
}

// The buffer height TXPage draws, so that both engines fill the same image.
int pageBufferHeight(const std::string& text, bool menu) {
    TXPage page;
    page.resize(PageWidth, PageHeight);
    page.model().setPageLoader(sourcePage);
    if (menu)
        page.model().setCurrentPage(pageDirectory(), "main.htx");
    page.ShowText(text);
    return page.buffer().height();
}

void BM_MenuPage_TXPage(benchmark::State& state) {
    renderPage(state, menuPage(), true);
}
void BM_MenuPage_QTextDocument(benchmark::State& state) {
    renderHtml(state, menuHtml(), pageBufferHeight(menuPage(), true));
}
void BM_LongText_TXPage(benchmark::State& state) {
    renderPage(state, longText().page, false);
}
void BM_LongText_QTextDocument(benchmark::State& state) {
    renderHtml(state, longText().html, pageBufferHeight(longText().page, false));
}

BENCHMARK(BM_MenuPage_TXPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MenuPage_QTextDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongText_TXPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongText_QTextDocument)->Unit(benchmark::kMillisecond);

// Keeps the real time of every run for the summary.
class SideBySideReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration)
                milliseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
    }
    std::map<std::string, double> milliseconds;
};

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (menuPage().empty()) {
        std::fprintf(stderr, "The start page %smain.htx is missing.\n", pageDirectory().c_str());
        return 1;
    }
    SideBySideReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\n%-10s %12s %16s %8s\n", "page", "TXPage ms", "QTextDocument ms", "ratio");
    for (const char* page : {"MenuPage", "LongText"}) {
        const auto ours = reporter.milliseconds.find(std::string("BM_") + page + "_TXPage");
        const auto theirs =
            reporter.milliseconds.find(std::string("BM_") + page + "_QTextDocument");
        if (ours == reporter.milliseconds.end() || theirs == reporter.milliseconds.end())
            continue;
        std::printf("%-10s %12.3f %16.3f %7.1fx\n", page, ours->second, theirs->second,
                    theirs->second / ours->second);
    }
    benchmark::Shutdown();
    return 0;
}
