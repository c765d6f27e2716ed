#include "superlearning/Seventies.h"

#include "graphics/QtGraphics.h"
#include "page/view/TXPage.h"
#include "platform/FileSystem.h"
#include "platform/QtText.h"
#include "sound/WordRecordings.h"
#include "superlearning/SuperOptions.h"

#include <QFontMetrics>
#include <QPainter>

namespace qor {

namespace {

const char* const PageFolder = "SuperDD/";

} // namespace

TSeventies::TSeventies(SeventiesSources sources, RandomSource random)
    : QWidget(&sources.page), sources_(std::move(sources)), random_(std::move(random)) {
    // The page below takes the clicks, so that its "stop" link works.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(sources_.page.rect());
    connect(&clock_, &QTimer::timeout, this, &TSeventies::tick);
}

TSeventies::~TSeventies() = default;

void TSeventies::Run() {
    savedFolder_ = sources_.page.XPath();
    sources_.options.StartMusic();
    time_.start();
    loadBackground();
    show();
    raise();
    clock_.start(TickMs);
}

void TSeventies::Stop() {
    if (stopping_)
        return;
    stopping_ = true;
    clock_.stop();
    sources_.options.StopMusic();
    sources_.page.setXPath(savedFolder_);
    hide();
    emit Finished();
}

void TSeventies::loadBackground() {
    const std::string folder = sources_.pageFolder + PageFolder;
    lastPage_ = ChooseDDPage(
        sources_.options.Settings().DD, sources_.options.DDPages(), lastPage_,
        [&folder](const std::string& page) { return fileExists(folder + page + ".htx"); }, random_);
    if (!lastPage_.empty())
        sources_.page.setXFile(folder + lastPage_ + ".htx");
    lastBackground_ = time_.elapsed();
    const std::string font = sources_.page.GetDefine("Schrift");
    font_ = QFont(toQString(font.empty() ? std::string("Courier New") : font));
    colour_ = toQColor(sources_.page.ColorTXT());
}

void TSeventies::tick() {
    const SuperSettings& settings = sources_.options.Settings();
    const qint64 now = time_.elapsed();
    if (lastText_ < 0 || now - lastText_ >= settings.DDTextDelay) {
        lastText_ = now;
        beginText();
    }
    if (now - lastLetter_ >= settings.DDCharDelay) {
        lastLetter_ = now;
        typeNextPiece();
    }
    sources_.options.CheckMusic();
}

// The meaning of the shown word, or the next pair.
void TSeventies::beginText() {
    if (!pendingMeaning_.empty()) {
        x_ += QFontMetrics(font_).horizontalAdvance(QStringLiteral("*"));
        text_ = std::exchange(pendingMeaning_, {});
        recording_ = std::exchange(pendingRecording_, {});
    } else {
        beginPair();
    }
    typed_ = 0;
    update();
}

void TSeventies::beginPair() {
    const TSuperOptions::Text word =
        sources_.options.NextText(sources_.library, sources_.order, sources_.sounds);
    const TSuperOptions::Text meaning =
        sources_.options.NextText(sources_.library, sources_.order, sources_.sounds);
    const int delay = sources_.options.Settings().DDBGRDelay;
    if (delay != 0 && time_.elapsed() - lastBackground_ >= delay * 1000LL)
        loadBackground();
    fitFont(word.text, meaning.text);
    const TextArea area = DDTextArea(sources_.page.GetDefine("Textbereich"), width(), height());
    const QFontMetrics metrics(font_);
    const int textWidth = std::max(metrics.horizontalAdvance(toQString(word.text)),
                                   metrics.horizontalAdvance(toQString("*" + meaning.text)));
    x_ = area.x + randomBelow(random_, std::max(1, area.width - textWidth));
    y_ = area.y + metrics.ascent() +
         randomBelow(random_, std::max(1, area.height - metrics.height()));
    text_ = word.text;
    recording_ = word.recording;
    pendingMeaning_ = meaning.text;
    pendingRecording_ = meaning.recording;
}

// From size 32 down until the wider of word and meaning fits the page's text area.
void TSeventies::fitFont(const std::string& word, const std::string& meaning) {
    const TextArea area = DDTextArea(sources_.page.GetDefine("Textbereich"), width(), height());
    for (int size = LargestSize; size >= 1; --size) {
        font_.setPointSize(size);
        const QFontMetrics metrics(font_);
        if (std::max(metrics.horizontalAdvance(toQString(word)),
                     metrics.horizontalAdvance(toQString("*" + meaning))) <= area.width)
            return;
    }
}

void TSeventies::typeNextPiece() {
    const std::size_t piece = NextTypedPiece(text_, typed_);
    if (piece == 0)
        return;
    typed_ += piece;
    update();
    if (typed_ == text_.size() && !recording_.empty() &&
        !PlayWordSound(std::exchange(recording_, {})))
        sources_.options.SetSprachausgabe(false);
}

void TSeventies::paintEvent(QPaintEvent*) {
    if (typed_ == 0)
        return;
    QPainter painter(this);
    painter.setFont(font_);
    painter.setPen(colour_);
    painter.drawText(x_, y_, toQString(text_.substr(0, typed_)));
}

} // namespace qor
