// Printing a sample library into PDF files on the offscreen platform, as
// the settings window does, and finding on the pages rendered by pdftoppm
// what belongs there: the number of pages, the cutting lines, the cards and
// the word list's header bar.

#include "vocabulary/LibraryPrinting.h"

#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/QtText.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "support/TempDir.h"
#include "vocabulary/KarteikartenDlg.h"
#include "vocabulary/PrintJob.h"
#include "vocabulary/PrintTexts.h"
#include "vocabulary/WordListLayout.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QSlider>
#include <QTimer>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace qor {
namespace {

constexpr double Dpi = 100;
constexpr int Margin = 50; // of the PDF pages, in 0.1 mm

// A position in 0.1 mm from the printable area's top left corner (y
// upwards) as a pixel of the rendered page.
int pixelX(int x) {
    return static_cast<int>(std::lround((Margin + x) / 254.0 * Dpi));
}
int pixelY(int y) {
    return static_cast<int>(std::lround((Margin - y) / 254.0 * Dpi));
}

bool dark(const QImage& page, int x, int y) {
    return qGray(page.pixel(x, y)) < 128;
}

int darkPixels(const QImage& page, QRect area) {
    int count = 0;
    area = area.intersected(page.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += dark(page, x, y) ? 1 : 0;
    return count;
}

std::vector<QImage> renderPdf(const std::string& pdf, const std::string& folder) {
    const QString prefix = toQString(folder) + QStringLiteral("page");
    const int status =
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-r"), QString::number(Dpi), QStringLiteral("-gray"),
                           QStringLiteral("-aa"), QStringLiteral("no"), QStringLiteral("-aaVector"),
                           QStringLiteral("no"), toQString(pdf), prefix});
    EXPECT_EQ(status, 0) << "pdftoppm is needed (poppler-utils)";
    std::vector<QImage> pages;
    const QDir dir(toQString(folder));
    for (const QString& name : dir.entryList({QStringLiteral("page-*.pgm")}, QDir::Files))
        pages.emplace_back(dir.filePath(name));
    return pages;
}

// The sample library "Familie" (50 entries) as the build installs it.
struct SampleLibrary {
    test::TempDir dir;
    MemoryRegistry registry;
    TBibliothek library{std::make_unique<TLastFiles>(registry)};

    SampleLibrary() {
        const auto source = readFile(QOR_SAMPLE_DATA "/Vokabeln (S)/Grundwortschatz/Familie.asc");
        EXPECT_TRUE(source.has_value());
        library.Load(dir.file("Familie.asc", utf8ToCp1252(source.value_or(""))), true);
    }
};

// Runs answer on the modal dialog of that class once it shows.
template <typename Dialog> void whenShown(std::function<void(Dialog&)> answer) {
    QTimer::singleShot(10, [answer] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget()))
            answer(*dialog);
        else
            whenShown<Dialog>(answer);
    });
}

// Answers the flash-card dialog, after checking what it offers; a first
// sheet chosen in its list makes it print from there to the last.
void answerCardDialog(int shift, bool accept, int firstSheet = 0) {
    whenShown<TKarteikartenDlg>([shift, accept, firstSheet](TKarteikartenDlg& dialog) {
        EXPECT_EQ(fromQString(dialog.eThema->text()), "Familie");
        EXPECT_EQ(dialog.cVon->count(), 3);
        EXPECT_EQ(dialog.cBis->currentText(), QStringLiteral("3"));
        EXPECT_EQ(dialog.lVerschiebung->text(), QStringLiteral("0,0 mm"));
        dialog.tbVerschieben->setValue(shift);
        EXPECT_EQ(fromQString(dialog.lVerschiebung->text()), ShiftText(shift));
        if (firstSheet > 0) {
            dialog.cVon->setCurrentIndex(firstSheet - 1);
            emit dialog.cVon->activated(firstSheet - 1);
        }
        accept ? dialog.accept() : dialog.reject();
    });
}

// Whether a card place of a sheet holds text, looking inside its cutting lines.
bool cardHasText(const QImage& page, int left, int row) {
    const int top = -20 - 400 * row;
    const QRect inside(QPoint(pixelX(left) + 4, pixelY(top) + 4),
                       QPoint(pixelX(left + 600) - 4, pixelY(top - 400) - 4));
    return darkPixels(page, inside) > 20;
}

TEST(LibraryPrinting, FlashCardsGoIntoOnePdfFrontsThenMirroredBacks) {
    SampleLibrary sample;
    ScriptedMessages messages;
    ScriptedFileDialogs files;
    const std::string pdf = sample.dir.path() + "Karten.pdf";
    files.answer(sample.dir.path() + "Karten"); // ".pdf" is added
    answerCardDialog(15, true);
    PrintCards(sample.library, PrintTarget::PdfFile, nullptr);
    EXPECT_TRUE(messages.texts().empty()) << messages.texts().front();
    EXPECT_FALSE(Druckt());
    ASSERT_EQ(files.asked().size(), 1U);
    EXPECT_EQ(files.asked()[0].fileName, "Familie - Karteikarten.pdf");

    const auto pages = renderPdf(pdf, sample.dir.dir("cards"));
    ASSERT_EQ(pages.size(), 6U); // three sheets of fronts, then their backs
    for (std::size_t sheet = 0; sheet < pages.size(); ++sheet) {
        SCOPED_TRACE(testing::Message() << "page " << sheet + 1);
        const QImage& page = pages[sheet];
        const bool back = sheet >= 3;
        const int left = 100 + (back ? 15 : 0); // A4 less 5 mm margins: 2000 wide
        // The dashed cutting lines: every fourth pixel along them at least.
        for (int k = 0; k <= 3; ++k) {
            const int x = pixelX(left + 600 * k);
            const int along = pixelY(-2820) - pixelY(-20);
            EXPECT_GT(darkPixels(page, QRect(x - 1, pixelY(-20), 3, along)), along / 4) << k;
        }
        for (int k = 0; k <= 7; ++k) {
            const int y = pixelY(-20 - 400 * k);
            const int along = pixelX(left + 1800) - pixelX(left);
            EXPECT_GT(darkPixels(page, QRect(pixelX(left), y - 1, along, 3)), along / 4) << k;
        }
        // Nothing outside the grid.
        const QRect grid(QPoint(pixelX(left) - 2, pixelY(-20) - 2),
                         QPoint(pixelX(left + 1800) + 2, pixelY(-2820) + 2));
        EXPECT_EQ(darkPixels(page, page.rect()), darkPixels(page, grid));
        // The last sheet has 8 cards: two full rows and two cards of the
        // third, on the backs in the mirrored columns.
        for (int place = 0; place < 21; ++place) {
            const int row = place / 3;
            const int column = place % 3;
            const bool used = sheet % 3 < 2 || row < 2 || (row == 2 && column < 2);
            const int shown = back ? 2 - column : column;
            EXPECT_EQ(cardHasText(page, left + 600 * shown, row), used) << "card " << place;
        }
    }
}

TEST(LibraryPrinting, WordListFillsItsPagesUnderBlackHeaderBars) {
    SampleLibrary sample;
    ScriptedMessages messages;
    ScriptedFileDialogs files;
    const std::string pdf = sample.dir.path() + "Liste.pdf";
    files.answer(pdf);
    PrintList(sample.library, PrintTarget::PdfFile, nullptr);
    EXPECT_TRUE(messages.texts().empty());
    ASSERT_EQ(files.asked().size(), 1U);
    EXPECT_EQ(files.asked()[0].fileName, "Familie - Wortliste.pdf");

    // As many pages as the layout needs with the fonts the PDF got.
    PrintJob probe(sample.dir.path() + "probe.pdf");
    auto rows = MeasureWordList(PrintableEntries(sample.library.Eintraege()), probe.frame().width,
                                probe.measure());
    const int expected = PlaceOnPages(rows, LinesPerPage(probe.frame().height));
    EXPECT_GE(expected, 2);
    const auto pages = renderPdf(pdf, sample.dir.dir("list"));
    ASSERT_EQ(static_cast<int>(pages.size()), expected);
    for (const QImage& page : pages) {
        const QRect bar(QPoint(pixelX(20), pixelY(-20)), QPoint(pixelX(1980), pixelY(-120)));
        const QRect inside = bar.adjusted(2, 2, -2, -2);
        EXPECT_GT(darkPixels(page, inside), inside.width() * inside.height() * 8 / 10);
        const QRect entries(QPoint(0, pixelY(-160)), QPoint(page.width() - 1, page.height() - 1));
        EXPECT_GT(darkPixels(page, entries), 1000);
    }
}

// Without any printer Qt's printer writes PDF files, once it has a file name:
// the print dialog's "print to file".
TEST(LibraryPrinting, ThePrinterTakesCardsAndListsOnceItIsReady) {
    SampleLibrary sample;
    ScriptedMessages messages;
    QPrinter& printer = SharedPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString());
    answerCardDialog(0, true);
    PrintCards(sample.library, PrintTarget::Printer, nullptr);
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Kein Drucker bereit! Bitte einen Drucker einrichten oder "
                                       "als PDF speichern."});
    messages.clear();

    const std::string cards = sample.dir.path() + "Drucker.pdf";
    SharedPrinter().setOutputFileName(toQString(cards)); // still usable
    answerCardDialog(0, true, 2);
    PrintCards(sample.library, PrintTarget::Printer, nullptr);
    EXPECT_TRUE(messages.texts().empty()); // a file needs no paper put in
    EXPECT_EQ(renderPdf(cards, sample.dir.dir("printer-cards")).size(), 4U); // sheets 2 and 3

    const std::string list = sample.dir.path() + "Liste.pdf";
    SharedPrinter().setOutputFileName(toQString(list));
    whenShown<QPrintDialog>([](QPrintDialog& dialog) { dialog.accept(); });
    PrintList(sample.library, PrintTarget::Printer, nullptr);
    EXPECT_TRUE(messages.texts().empty());
    EXPECT_GE(renderPdf(list, sample.dir.dir("printer-list")).size(), 2U);
}

TEST(LibraryPrinting, NothingIsWrittenWithoutEntriesChoiceOrPlace) {
    struct Case {
        const char* name;
        bool emptyLibrary;
        bool cards;
        bool acceptDialog;
        std::string folder; // of the PDF file, relative to the test's folder
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"empty list", true, false, true, "", {"Welche Vokabeln soll ich drucken?!"}},
        {"empty cards", true, true, true, "", {"Welche Vokabeln soll ich drucken?!"}},
        {"cards cancelled", false, true, false, "", {}},
        {"no folder",
         false,
         false,
         true,
         "missing/",
         {"Fehler beim Speichern der PDF-Datei - \nMedium ist voll oder schreibgeschützt!?!"_cp}},
        {"no folder for cards",
         false,
         true,
         true,
         "missing/",
         {"Fehler beim Speichern der PDF-Datei - \nMedium ist voll oder schreibgeschützt!?!"_cp}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SampleLibrary sample;
        if (c.emptyLibrary)
            sample.library.Clear(true);
        ScriptedMessages messages;
        ScriptedFileDialogs files;
        const std::string pdf = sample.dir.path() + c.folder + "out.pdf";
        files.answer(pdf);
        if (c.cards && !c.emptyLibrary)
            answerCardDialog(0, c.acceptDialog);
        c.cards ? PrintCards(sample.library, PrintTarget::PdfFile, nullptr)
                : PrintList(sample.library, PrintTarget::PdfFile, nullptr);
        EXPECT_EQ(messages.texts(), c.messages);
        EXPECT_FALSE(fileExists(pdf));
        EXPECT_FALSE(Druckt());
    }
}

} // namespace
} // namespace qor
