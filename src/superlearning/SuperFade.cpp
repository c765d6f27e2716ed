#include "superlearning/SuperFade.h"

#include "graphics/QtGraphics.h"
#include "platform/QtText.h"
#include "sound/WordRecordings.h"
#include "superlearning/SuperOptions.h"
#include "vocabulary/Bibliothek.h"
#include "vocabulary/VocEinstellungen.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace qor {

namespace {

constexpr int FadeFrameMs = 10;

QFont letterFont(const LetterStyle& style) {
    QFont font(CrazyFonts[style.font]);
    font.setPointSize(std::max(1, style.size));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}

// Letter sizes of "abgedreht" as the screen's fonts give them.
class ScreenLetterMetrics : public LetterMetrics {
public:
    int width(const LetterStyle& style, std::string_view text) const override {
        return QFontMetrics(letterFont(style)).horizontalAdvance(toQString(std::string(text)));
    }
    int height(const LetterStyle& style) const override {
        return QFontMetrics(letterFont(style)).height();
    }
};

} // namespace

TSuperFade::TSuperFade(SuperFadeSources sources, RandomSource random)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), sources_(sources),
      random_(std::move(random)) {
    const SuperSettings& settings = sources_.options.Settings();
    classic_ = settings.Modus == 0;
    look_ = {settings.SchwarzWeiss, settings.OhneHintergrund};
    faktor_ = settings.Faktor;
    madness_ = settings.Madness;
    if (!classic_)
        current_ = {settings.CarsonTXTColor, settings.CarsonBGRColor};
    setWindowTitle("qor spanisch Superlearning");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::BlankCursor);
    connect(&tmrSpeed_, &QTimer::timeout, this, &TSuperFade::tmrSpeedTimer);
    connect(&fadeTimer_, &QTimer::timeout, this, &TSuperFade::fadeFrame);
    connect(&typingTimer_, &QTimer::timeout, this, &TSuperFade::typeLetter);
}

TSuperFade::~TSuperFade() = default;

void TSuperFade::Start() {
    // Also where no window manager makes full-screen windows cover the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    showFullScreen();
    sources_.options.StartMusic();
    tmrSpeed_.start(FadeTimeline::TickMs);
}

void TSuperFade::resizeEvent(QResizeEvent*) {
    canvas_ = QImage(size(), QImage::Format_RGB32);
    canvas_.fill(classic_ ? Qt::black : toQColor(current_.background));
    if (classic_) {
        band_ = QImage(width(), std::max(1, height() / 4), QImage::Format_RGB32);
        band_.fill(Qt::black);
    }
}

void TSuperFade::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_);
}

void TSuperFade::keyPressEvent(QKeyEvent*) {
    timeline_.RequestStop();
}

void TSuperFade::mousePressEvent(QMouseEvent*) {
    timeline_.RequestStop();
}

void TSuperFade::tmrSpeedTimer() {
    const bool drawing = fadeTimer_.isActive() || typingTimer_.isActive();
    switch (timeline_.OnTick(drawing)) {
    case FadeTimeline::Tick::Nothing:
        return;
    case FadeTimeline::Tick::Close:
        tmrSpeed_.stop();
        sources_.options.StopMusic();
        emit Finished();
        return;
    case FadeTimeline::Tick::Step:
        if (classic_)
            runClassicStep(timeline_.Step());
        else
            runCrazyStep(timeline_.Step());
        sources_.options.CheckMusic();
        return;
    }
}

bool TSuperFade::nextEntry() {
    const TBibliothek& library = sources_.library;
    const TVocEinstellungen& order = sources_.order;
    const int last =
        std::min(order.Bis < 0 ? library.Count(false) - 1 : order.Bis, library.Count(false) - 1);
    if (NextEntry(cursor_, order.Von, last, order.Modus, random_) < 0)
        return false;
    texts_ = TextsOf(library.Eintraege()[static_cast<std::size_t>(cursor_.current)]);
    return true;
}

void TSuperFade::speakIfSpanish(bool wordSide) {
    if (!sources_.options.Settings().Sprachausgabe || wordSide != texts_.wordIsSpanish)
        return;
    if (!PlayWordRecording(sources_.sounds, wordSide ? texts_.word : texts_.meaning, true))
        sources_.options.SetSprachausgabe(false);
}

void TSuperFade::runClassicStep(int step) {
    switch (step) {
    case 0:
        if (!nextEntry())
            return;
        text_ = "{ " + texts_.word + " }";
        bandTop_ = randomBelow(random_, std::max(1, height() - band_.height()));
        startFade(FadeKind::NewColours);
        break;
    case 1:
        startFade(FadeKind::NewColours);
        speakIfSpanish(true);
        break;
    case 2:
    case 5:
        startFade(FadeKind::NewColours);
        break;
    case 3:
        startFade(FadeKind::TextIntoBackground);
        break;
    case 4:
        text_ = texts_.meaning;
        startFade(FadeKind::NewColours);
        speakIfSpanish(false);
        break;
    case 6:
        startFade(FadeKind::ToBlack);
        break;
    case 8:
        timeline_.Restart();
        break;
    default:
        break;
    }
}

void TSuperFade::runCrazyStep(int step) {
    switch (step) {
    case 0:
        if (!nextEntry())
            return;
        speakIfSpanish(true);
        startTyping("{ " + texts_.word + " }");
        break;
    case 2:
        speakIfSpanish(false);
        startTyping(texts_.meaning);
        break;
    case 1:
    case 3:
        clearCanvas();
        break;
    default:
        timeline_.Restart();
        return;
    }
    timeline_.Wait(CrazyWaitMs(step, static_cast<int>(text_.size()), faktor_));
}

void TSuperFade::startFade(FadeKind kind) {
    from_ = current_;
    target_ = FadeTargets(kind, look_, random_);
    fadeMs_ = ClassicFadeMs(sources_.options.Settings().KlassikFaktor);
    fadeClock_.start();
    fadeTimer_.start(FadeFrameMs);
    fadeFrame();
}

void TSuperFade::fadeFrame() {
    const qint64 elapsed = fadeClock_.elapsed();
    const bool done = elapsed >= fadeMs_ || timeline_.Stopping();
    const int alpha = done ? 255 : static_cast<int>(255 * elapsed / fadeMs_);
    current_ = MixColours(from_, target_, alpha);
    drawBand(current_);
    if (done) {
        current_ = target_;
        fadeTimer_.stop();
    }
}

void TSuperFade::drawBand(const BandColours& colours) {
    band_.fill(toQColor(colours.background));
    QPainter painter(&band_);
    QFont font(toQString(sources_.options.Settings().Schrift));
    font.setPointSize(std::max(1, band_.height() / 8));
    painter.setFont(font);
    painter.setPen(toQColor(colours.text));
    painter.drawText(band_.rect(), Qt::AlignCenter, toQString(text_));
    painter.end();
    QPainter onCanvas(&canvas_);
    onCanvas.drawImage(0, bandTop_, band_);
    update(0, bandTop_, band_.width(), band_.height());
}

void TSuperFade::startTyping(const std::string& text) {
    text_ = text;
    if (text.empty()) {
        clearCanvas();
        return;
    }
    letters_ = LayOutCrazyText(text, width(), height(), madness_, ScreenLetterMetrics(), random_);
    typed_ = 0;
    // Each letter waits a little after it is typed: "TextDelay" 0 to 100
    // gives 1 to 101 ms.
    typingTimer_.start(sources_.options.Settings().TextDelay + 1);
    typeLetter();
}

void TSuperFade::typeLetter() {
    if (typed_ >= letters_.size() || timeline_.Stopping()) {
        typingTimer_.stop();
        return;
    }
    const PlacedLetter& letter = letters_[typed_++];
    QPainter painter(&canvas_);
    const QFont font = letterFont(letter.style);
    painter.setFont(font);
    painter.setPen(toQColor(current_.text));
    painter.drawText(letter.x, letter.y + QFontMetrics(font).ascent(), toQString(letter.letter));
    update();
}

void TSuperFade::clearCanvas() {
    canvas_.fill(toQColor(current_.background));
    update();
}

} // namespace qor
