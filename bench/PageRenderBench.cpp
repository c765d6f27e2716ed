// The page control against Qt's rich-text engine, side by side: a menu page
// (the program's start page) and a long text page of about 200 KB, each
// parsed, laid out and drawn into an 800-pixel-wide buffer by TXPage, and
// the same content as HTML through QTextDocument (setHtml, layout at the
// same width, drawContents into an image of the same size). Prints both
// times and the ratio of each pair.

#include "QtBenchmarks.h"
#include "page/view/TXPage.h"
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
// font changes and line breaks, once as page markup and once as HTML. The
// words are drawn from a few thousand made-up ones with a skewed choice, as
// in real text (many repeat, many are rare), so that neither engine gains
// from a text that only repeats itself.
struct LongText {
    std::string page;
    QString html;
};

class WordSource {
public:
    std::string next() {
        static const char* const syllables[] = {
            "la",  "pe", "ri", "co",  "mu", "san", "ter", "vol", "ca",  "do", "ne",  "bri",
            "gar", "tu", "mi", "es",  "ho", "len", "pa",  "ro",  "ven", "di", "sol", "que",
            "ba",  "fi", "lo", "mar", "ti", "zu",  "en",  "cha", "por", "ge", "ni",  "al"};
        constexpr int count = sizeof syllables / sizeof syllables[0];
        // Rank by the cube of a uniform number: low ranks come often.
        const double uniform = static_cast<double>(random() % 100000) / 100000.0;
        const int rank = static_cast<int>(4000 * uniform * uniform * uniform);
        std::string word;
        int value = rank + 1;
        while (value > 0) {
            word += syllables[value % count];
            value /= count;
        }
        return word;
    }

private:
    unsigned random() {
        state_ = state_ * 1103515245u + 12345u;
        return state_ >> 8;
    }
    unsigned state_ = 20261209u;
};

const LongText& longText() {
    static const LongText text = [] {
        LongText result;
        result.page = "<TITLE>Langer Text</TITLE><BODY BGCOLOR=#FFFFFF TEXT=#000000>"
                      "<FONT FACE=\"Liberation Serif\">";
        result.html = QStringLiteral("<html><body style=\"font-family:'Liberation Serif'; "
                                     "font-size:16px\">");
        WordSource words;
        for (int paragraph = 0; result.page.size() < 200 * 1024; ++paragraph) {
            const std::string n = std::to_string(paragraph);
            result.page += "<B>Abschnitt " + n + "</B><BR>";
            result.html += QStringLiteral("<p><b>Abschnitt %1</b><br>").arg(paragraph);
            for (int sentence = 0; sentence < 6; ++sentence) {
                for (int i = 0; i < 14; ++i) {
                    const std::string word = words.next();
                    const QString htmlWord = QString::fromStdString(word);
                    switch ((sentence * 14 + i) % 23) {
                    case 3:
                        result.page += "<B>" + word + "</B> ";
                        result.html += "<b>" + htmlWord + "</b> ";
                        break;
                    case 9:
                        result.page += "<I>" + word + "</I> ";
                        result.html += "<i>" + htmlWord + "</i> ";
                        break;
                    case 15:
                        result.page += "<A HREF=\"" + word + ".htx\">" + word + "</A> ";
                        result.html += "<a href=\"" + htmlWord + ".htx\">" + htmlWord + "</a> ";
                        break;
                    case 20:
                        result.page += "<FONT SIZE=4>" + word + "</FONT> ";
                        result.html += "<span style=\"font-size:19px\">" + htmlWord + "</span> ";
                        break;
                    default:
                        result.page += word + " ";
                        result.html += htmlWord + " ";
                        break;
                    }
                }
                result.page += "mit Punkt. ";
                result.html += QStringLiteral("mit Punkt. ");
            }
            result.page += "<P>";
            result.html += QStringLiteral("</p>");
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
// The first showing of a page by a new page control, which makes its fonts
// and word pictures on the way (the other runs show the page again).
void BM_MenuPage_TXPage_FirstShow(benchmark::State& state) {
    for (auto _ : state) {
        TXPage page;
        page.resize(PageWidth, PageHeight);
        page.model().setCurrentPage(pageDirectory(), "main.htx");
        page.model().setPageLoader(sourcePage);
        page.ShowText(menuPage());
        benchmark::DoNotOptimize(page.buffer().constBits());
    }
}
void BM_MenuPage_QTextDocument(benchmark::State& state) {
    renderHtml(state, menuHtml(), pageBufferHeight(menuPage(), true));
}
void BM_LongText_TXPage(benchmark::State& state) {
    renderPage(state, longText().page, false);
}
void BM_LongText_TXPage_FirstShow(benchmark::State& state) {
    for (auto _ : state) {
        TXPage page;
        page.resize(PageWidth, PageHeight);
        page.ShowText(longText().page);
        benchmark::DoNotOptimize(page.buffer().constBits());
    }
}
void BM_LongText_QTextDocument(benchmark::State& state) {
    renderHtml(state, longText().html, pageBufferHeight(longText().page, false));
}

BENCHMARK(BM_MenuPage_TXPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MenuPage_QTextDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MenuPage_TXPage_FirstShow)->Unit(benchmark::kMillisecond);
// Long enough for many runs: the first one of either engine pays for the
// memory of its 36,000-pixel image, which the first-showing run measures.
BENCHMARK(BM_LongText_TXPage)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_LongText_QTextDocument)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_LongText_TXPage_FirstShow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    bench::useOffscreenUnlessChosen();
    QApplication application(argc, argv);
    if (!bench::initializeBenchmarks(argc, argv))
        return 1;
    if (menuPage().empty()) {
        std::fprintf(stderr, "The start page %smain.htx is missing.\n", pageDirectory().c_str());
        return 1;
    }
    bench::TimeKeepingReporter reporter;
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
