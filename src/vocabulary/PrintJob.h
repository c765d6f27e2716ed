#pragma once
// One print job, on a printer or into a PDF file, that puts the pages of the
// printing layouts on paper. Its painter works in the layouts' units: 0.1 mm,
// origin at the top left corner of the printable area, y upwards. The font
// is "Arial", or the metric-compatible "Liberation Sans" where Arial is
// missing, so that texts keep the widths the layouts measured.
//
//   PrintJob job(printer);
//   if (job.begin("Familie")) {
//       job.draw(FlashCardSheet(entries, 0, CardSide::Front, choice, job.frame(), job.measure()));
//       job.finish();
//   }

#include "vocabulary/PrintPage.h"

#include <QPainter>
#include <memory>
#include <string>
#include <string_view>

class QBuffer;
class QFont;
class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

namespace qor {

class PrintJob {
public:
    // On the printer, which outlives the job.
    explicit PrintJob(QPrinter& printer);
    // Into a PDF file of A4 pages with margins of 5 mm; the file is written
    // (whole, or not at all) when the job finishes.
    explicit PrintJob(std::string pdfPath);
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // Starts the job under that name; false when the printer cannot take it.
    bool begin(const std::string& documentName);
    // Before the first page: the printable area and the printer's fineness.
    const PageFrame& frame() const { return frame_; }
    int textWidth(const PrintFont& font, std::string_view text) const;
    TextWidth measure() const;

    void draw(const PrintPage& page);
    void newPage();
    // Ends the job; false when the PDF file could not be written.
    bool finish();
    // Ends the job, sending nothing more to the printer and writing no file.
    void abort();

private:
    QFont font(const PrintFont& print) const;
    void drawText(const PageText& text);
    void drawLine(const PageLine& line);
    void drawBox(const PageBox& box);

    QPrinter* printer_ = nullptr;
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QPdfWriter> pdf_;
    std::string pdfPath_;
    QPagedPaintDevice* device_ = nullptr;
    QPainter painter_;
    PageFrame frame_;
    double emPerCell_ = 1.0; // the font's size for a character cell of height 1
};

} // namespace qor
