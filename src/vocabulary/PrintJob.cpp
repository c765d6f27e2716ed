#include "vocabulary/PrintJob.h"

#include "platform/FileSystem.h"
#include "platform/QtText.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <cmath>

namespace qor {

namespace {

constexpr double UnitsPerInch = 254.0;
// Pens in 0.1 mm: thin enough for cutting lines, visible on any printer.
constexpr double LineWidth = 2.0;
constexpr double FrameWidth = 3.0;
const QColor ShadeColor(0xEE, 0xEE, 0xEE);
constexpr double PdfMargin = 5.0; // mm, about what a printer cannot reach

QFont arial() {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    // Widths as the outlines have them, the same on screen, paper and PDF.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// How big the font must be for its character cell (ascent and descent) to
// reach a given height: the printer fonts are chosen by cell height.
double emPerCell() {
    QFont probe = arial();
    constexpr int ProbeSize = 1000;
    probe.setPixelSize(ProbeSize);
    const QFontMetricsF metrics(probe);
    return ProbeSize / (metrics.ascent() + metrics.descent());
}

PageFrame frameOf(const QPagedPaintDevice& device) {
    const QRectF area = device.pageLayout().paintRect(QPageLayout::Millimeter);
    constexpr int Fine = 300;
    return {static_cast<int>(std::lround(area.width() * 10)),
            static_cast<int>(std::lround(area.height() * 10)),
            device.logicalDpiX() > Fine && device.logicalDpiY() > Fine};
}

QRectF rectangle(const PageBox& box) {
    return QRectF(QPointF(box.left, box.top), QPointF(box.right, box.bottom)).normalized();
}

} // namespace

PrintJob::PrintJob(QPrinter& printer)
    : printer_(&printer), device_(&printer), frame_(frameOf(printer)), emPerCell_(emPerCell()) {}

PrintJob::PrintJob(std::string pdfPath)
    : buffer_(std::make_unique<QBuffer>()), pdfPath_(std::move(pdfPath)), emPerCell_(emPerCell()) {
    buffer_->open(QIODevice::WriteOnly);
    pdf_ = std::make_unique<QPdfWriter>(buffer_.get());
    pdf_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                    QMarginsF(PdfMargin, PdfMargin, PdfMargin, PdfMargin),
                                    QPageLayout::Millimeter));
    pdf_->setCreator(QStringLiteral("*qor spanisch"));
    device_ = pdf_.get();
    frame_ = frameOf(*pdf_);
}

PrintJob::~PrintJob() {
    if (painter_.isActive())
        abort();
}

bool PrintJob::begin(const std::string& documentName) {
    if (printer_)
        printer_->setDocName(toQString(documentName));
    else
        pdf_->setTitle(toQString(documentName));
    if (!painter_.begin(device_))
        return false;
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setWorldTransform(QTransform::fromScale(device_->logicalDpiX() / UnitsPerInch,
                                                     -device_->logicalDpiY() / UnitsPerInch));
    return true;
}

QFont PrintJob::font(const PrintFont& print) const {
    QFont result = arial();
    result.setPixelSize(std::max(1, static_cast<int>(std::lround(print.height * emPerCell_))));
    result.setBold(print.bold);
    result.setItalic(print.italic);
    return result;
}

int PrintJob::textWidth(const PrintFont& font, std::string_view text) const {
    return static_cast<int>(
        std::lround(QFontMetricsF(this->font(font)).horizontalAdvance(toQString(text))));
}

TextWidth PrintJob::measure() const {
    return [this](const PrintFont& font, std::string_view text) {
        return textWidth(font, text);
    };
}

void PrintJob::draw(const PrintPage& page) {
    for (const PageItem& item : page.items) {
        if (const auto* text = std::get_if<PageText>(&item))
            drawText(*text);
        else if (const auto* line = std::get_if<PageLine>(&item))
            drawLine(*line);
        else
            drawBox(std::get<PageBox>(item));
    }
}

// The units grow upwards, text grows downwards: each text is drawn in a
// frame turned back, its cell's top at the given point.
void PrintJob::drawText(const PageText& text) {
    const QFont qtFont = font(text.font);
    painter_.save();
    painter_.translate(text.x, text.y);
    painter_.scale(1, -1);
    painter_.setFont(qtFont);
    painter_.setPen(text.ink == Ink::White ? Qt::white : Qt::black);
    painter_.drawText(QPointF(0, QFontMetricsF(qtFont).ascent()), toQString(text.text));
    painter_.restore();
}

void PrintJob::drawLine(const PageLine& line) {
    QPen pen(Qt::black, LineWidth, line.style == LineStyle::Dashed ? Qt::DashLine : Qt::SolidLine,
             Qt::FlatCap);
    painter_.setPen(pen);
    painter_.drawLine(QLineF(line.x1, line.y1, line.x2, line.y2));
}

void PrintJob::drawBox(const PageBox& box) {
    switch (box.fill) {
    case BoxFill::Outline:
        painter_.setPen(QPen(Qt::black, FrameWidth));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(rectangle(box));
        break;
    case BoxFill::Black:
        painter_.fillRect(rectangle(box), Qt::black);
        break;
    case BoxFill::Shade:
        painter_.fillRect(rectangle(box), ShadeColor);
        break;
    }
}

void PrintJob::newPage() {
    device_->newPage();
}

bool PrintJob::finish() {
    painter_.end();
    if (!pdf_)
        return true;
    pdf_.reset(); // completes the document in the buffer
    const QByteArray& bytes = buffer_->data();
    return writeFileAtomic(pdfPath_, std::string_view(bytes.constData(), bytes.size()));
}

void PrintJob::abort() {
    if (printer_)
        printer_->abort();
    painter_.end();
    pdf_.reset();
}

} // namespace qor
