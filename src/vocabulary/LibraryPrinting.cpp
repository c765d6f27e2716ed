#include "vocabulary/LibraryPrinting.h"

#include "platform/AppMessage.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/QtText.h"
#include "platform/Text.h"
#include "vocabulary/FlashCardLayout.h"
#include "vocabulary/KarteikartenDlg.h"
#include "vocabulary/PrintJob.h"
#include "vocabulary/PrintTexts.h"
#include "vocabulary/WordListLayout.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <algorithm>
#include <climits>
#include <functional>

namespace qor {

namespace {

bool cardsPrinting = false;
std::unique_ptr<QPrinter> sharedPrinter;

const char* const NothingToPrint = "Welche Vokabeln soll ich drucken?!";
const char* const NoPrinter =
    "Kein Drucker bereit! Bitte einen Drucker einrichten oder als PDF speichern.";

// The busy flag and the hourglass, for as long as the flash cards print.
class CardPrintRunning {
public:
    CardPrintRunning() {
        cardsPrinting = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~CardPrintRunning() {
        QApplication::restoreOverrideCursor();
        cardsPrinting = false;
    }
    CardPrintRunning(const CardPrintRunning&) = delete;
    CardPrintRunning& operator=(const CardPrintRunning&) = delete;
};

struct CardPrint {
    std::vector<TVokabel> entries;
    FlashCardChoice choice;
    SheetRange sheets;
};

std::string documentsFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(folder).exists())
        folder = QDir::homePath();
    return includeTrailingSeparator(fromQStringExact(folder).value_or(std::string()));
}

std::optional<std::string> askPdfFile(const TBibliothek& library, const std::string& what) {
    FileDialogRequest request;
    request.title = "Als PDF speichern";
    request.directory = documentsFolder();
    request.fileName = LibraryTitle(library.Dateiname()) + " - " + what + ".pdf";
    request.filter = "PDF-Dateien (*.pdf)";
    std::optional<std::string> path = askSaveFileName(request);
    if (path && extractFileExt(*path).empty())
        *path += ".pdf";
    return path;
}

void notWritten() {
    AppMessage(
        "Fehler beim Speichern der PDF-Datei - \nMedium ist voll oder schreibgeschützt!?!"_cp,
        MessageStyle::Stop);
}

void finish(PrintJob& job) {
    if (!job.finish())
        notWritten();
}

// What a job prints once it has begun; false when it was cancelled.
using JobBody = std::function<bool(PrintJob& job)>;

// One job on the run's printer. A printer whose job could not begin may
// stay busy for good (Qt leaves it active), so a fresh one takes its place.
void runOnPrinter(const std::string& name, const JobBody& body) {
    bool began = false;
    {
        PrintJob job(SharedPrinter());
        began = job.begin(name);
        if (began && body(job))
            finish(job);
    }
    if (!began) {
        sharedPrinter.reset();
        AppMessage(NoPrinter, MessageStyle::Stop);
    }
}

void runIntoPdf(const std::string& path, const std::string& name, const JobBody& body) {
    PrintJob job(path);
    if (!job.begin(name))
        notWritten();
    else if (body(job))
        finish(job);
}

// Without any printer Qt offers a PDF printer, which has no file until the
// print dialog gives it one.
bool printerReady(const QPrinter& printer) {
    return printer.isValid() &&
           (printer.outputFormat() != QPrinter::PdfFormat || !printer.outputFileName().isEmpty());
}

bool paperIsIn(const std::string& caption, const std::string& text) {
    return ShowMessage(caption, text, MessageStyle::OkCancel) == MessageResult::Ok;
}

void printSheets(PrintJob& job, const CardPrint& print, CardSide side) {
    for (int sheet = print.sheets.first; sheet <= print.sheets.last; ++sheet) {
        if (sheet > print.sheets.first)
            job.newPage();
        job.draw(
            FlashCardSheet(print.entries, sheet, side, print.choice, job.frame(), job.measure()));
    }
}

JobBody side(const CardPrint& print, CardSide side) {
    return [&print, side](PrintJob& job) {
        printSheets(job, print, side);
        return true;
    };
}

// A file needs no turning over: the backs follow the fronts in one document.
JobBody bothSides(const CardPrint& print) {
    return [&print](PrintJob& job) {
        printSheets(job, print, CardSide::Front);
        job.newPage();
        printSheets(job, print, CardSide::Back);
        return true;
    };
}

void printOnPrinter(const CardPrint& print) {
    if (!printerReady(SharedPrinter())) {
        AppMessage(NoPrinter, MessageStyle::Stop);
        return;
    }
    const CardPrintRunning running;
    const std::string& name = print.choice.title;
    if (SharedPrinter().outputFormat() == QPrinter::PdfFormat) {
        runOnPrinter(name, bothSides(print));
        return;
    }
    if (!paperIsIn("Vorderseiten drucken", "Bitte Blätter für die Karteikarten einlegen!"_cp))
        return;
    runOnPrinter(name, side(print, CardSide::Front));
    if (!paperIsIn("Rückseiten drucken"_cp, "Bitte die gleichen Blätter umgedreht einlegen!\n"
                                            "(Erst wenn alle Vorderseiten bedruckt sind)"_cp))
        return;
    runOnPrinter(name, side(print, CardSide::Back));
}

// The print dialog, gone before the job begins (which may replace the printer).
bool printerChosen(QWidget* parent) {
    QPrintDialog dialog(&SharedPrinter(), parent);
    return dialog.exec() == QDialog::Accepted;
}

// The pages the print dialog asked for, all when it asked for none.
std::pair<int, int> chosenPages(const QPrinter& printer) {
    if (printer.printRange() != QPrinter::PageRange || printer.fromPage() == 0)
        return {1, INT_MAX};
    return {printer.fromPage(), printer.toPage() == 0 ? INT_MAX : printer.toPage()};
}

JobBody listPages(const std::vector<TVokabel>& entries, const std::string& name,
                  std::pair<int, int> wanted, QWidget* parent) {
    return [&entries, &name, wanted, parent](PrintJob& job) {
        auto rows = MeasureWordList(entries, job.frame().width, job.measure());
        const int pages = PlaceOnPages(rows, LinesPerPage(job.frame().height));
        const int first = std::max(wanted.first, 1);
        const int last = std::min(wanted.second, pages);
        QProgressDialog progress(QStringLiteral("Die Wortliste wird gedruckt..."),
                                 QStringLiteral("Abbrechen"), first - 1, last, parent);
        progress.setWindowTitle(toQString(AppCaption));
        progress.setWindowModality(Qt::WindowModal);
        for (int page = first; page <= last; ++page) {
            progress.setValue(page - 1);
            if (progress.wasCanceled()) {
                job.abort();
                return false;
            }
            if (page > first)
                job.newPage();
            job.draw(WordListPage(rows, page, name, job.frame(), job.measure()));
        }
        progress.setValue(last);
        return true;
    };
}

} // namespace

bool Druckt() {
    return cardsPrinting;
}

QPrinter& SharedPrinter() {
    if (!sharedPrinter) {
        sharedPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The printer goes before the application, which its back end needs.
        qAddPostRoutine([] { sharedPrinter.reset(); });
    }
    return *sharedPrinter;
}

void PrinterSetup(QWidget* parent) {
    QPrintDialog dialog(&SharedPrinter(), parent);
    dialog.setWindowTitle(QStringLiteral("Drucker einrichten"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    // The dialog only sets the printer up; its button must not promise a print.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    dialog.exec();
}

void PrintCards(const TBibliothek& library, PrintTarget target, QWidget* parent) {
    if (cardsPrinting) {
        AppMessage("Zur Zeit wird schon gedruckt!");
        return;
    }
    CardPrint print{PrintableEntries(library.Eintraege()), {}, {}};
    if (print.entries.empty()) {
        AppMessage(NothingToPrint);
        return;
    }
    const int sheets = CardSheetCount(static_cast<int>(print.entries.size()));
    TKarteikartenDlg dialog({0, LibraryTitle(library.Dateiname()), 1, sheets}, sheets, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    print.choice = dialog.Choice();
    print.sheets = ChosenSheets(print.choice, sheets);
    if (target == PrintTarget::Printer) {
        printOnPrinter(print);
    } else if (const auto path = askPdfFile(library, "Karteikarten")) {
        const CardPrintRunning running;
        runIntoPdf(*path, print.choice.title, bothSides(print));
    }
}

void PrintList(const TBibliothek& library, PrintTarget target, QWidget* parent) {
    const std::vector<TVokabel> entries = PrintableEntries(library.Eintraege());
    if (entries.empty()) {
        AppMessage(NothingToPrint, MessageStyle::Stop);
        return;
    }
    const std::string& path = library.Dateiname();
    const std::string name = path.empty() ? std::string("Unbenannt") : extractFileName(path);
    if (target == PrintTarget::PdfFile) {
        if (const auto file = askPdfFile(library, "Wortliste"))
            runIntoPdf(*file, name, listPages(entries, name, {1, INT_MAX}, parent));
        return;
    }
    if (!printerChosen(parent))
        return;
    runOnPrinter(name, listPages(entries, name, chosenPages(SharedPrinter()), parent));
}

} // namespace qor
