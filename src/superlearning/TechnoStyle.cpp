#include "superlearning/TechnoStyle.h"

#include "graphics/QtGraphics.h"
#include "platform/QtText.h"
#include "sound/WordRecordings.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>

namespace qor {

namespace {

// The picture area stands this far below the window's top edge plus the border.
constexpr int AreaTop = 19;
const QRect ProgressBar(250, 230, 268, 20);
const QColor ProgressGrey(153, 153, 153);
const QPoint FrameRatePlace(10, 544);
const QColor FrameRateGrey(102, 102, 102);

// Sizes are points of a 96 dpi screen, as the settings were made for.
int pixelsOfPoints(int points) {
    return points * 96 / 72;
}

QString installedOr(const std::string& family, const QString& fallback) {
    const QString wanted = toQString(family);
    return QFontDatabase::families().contains(wanted, Qt::CaseInsensitive) ? wanted : fallback;
}

} // namespace

TTechnoStyle::TTechnoStyle(TSuperOptions& options, const TBibliothek& library,
                           const TVocEinstellungen& order, const TXWaveBase& sounds,
                           QWidget* parent, RandomSource random)
    : QWidget(parent), options_(options), library_(library), order_(order), sounds_(sounds),
      random_(std::move(random)) {
    const SuperSettings& settings = options_.Settings();
    pace_ = TechnoPaceOf(settings.TechnoTransparenz, settings.TechnoSpeed, settings.TechnoFading);
    look_ = TechnoFrameLook::Of(settings, pace_.alpha);
    areaTop_ = settings.TechnoRand + AreaTop;
    fontFamily_ = installedOr(settings.TechnoSchrift, "Verdana");
    textColour_ = toQColor(ColorOfRedGreenBlue(settings.TechnoTextColor));
    setGeometry(parent ? parent->rect() : QRect(0, 0, 800, 572));
    setFocusPolicy(Qt::StrongFocus);
    frameClock_.setTimerType(Qt::PreciseTimer);
    connect(&frameClock_, &QTimer::timeout, this, &TTechnoStyle::showFrame);
}

TTechnoStyle::~TTechnoStyle() = default;

bool TTechnoStyle::Prepare() {
    const std::vector<std::string> files = TechnoPictureFiles(options_.Settings().TechnoPhotoDir);
    phase_ = Phase::Preparing;
    fileCount_ = files.size();
    show();
    raise();
    repaint();
    for (const std::string& file : files) {
        QImage frame = MakeTechnoFrame(file, look_);
        if (!frame.isNull())
            frames_.push_back(std::move(frame));
        ++filesDone_;
        repaint(ProgressBar);
    }
    return !frames_.empty();
}

void TTechnoStyle::Run() {
    if (frames_.empty())
        return;
    phase_ = Phase::Running;
    // Drawn over in full every frame.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocus();
    textBitmap_ = QImage(look_.width, look_.height, QImage::Format_RGB32);
    const SuperSettings& settings = options_.Settings();
    clock_.start();
    pictures_.emplace(static_cast<int>(frames_.size()), pace_, settings.TechnoFrameDelay, random_,
                      0);
    if (settings.TechnoScrolling) {
        scrolling_.emplace(look_.height, QFontMetrics(textFont(TechnoTextSize)).height());
        lineGap_ = scrolling_->LineGap();
    } else {
        standing_.emplace(settings.TechnoTextDelay, 0);
    }
    frameRate_.emplace(0);
    options_.StartMusic();
    frameClock_.start(FrameMs);
}

void TTechnoStyle::Stop() {
    stop_ = true;
}

void TTechnoStyle::finish() {
    frameClock_.stop();
    options_.StopMusic();
    emit Finished();
}

void TTechnoStyle::showFrame() {
    if (stop_) {
        finish();
        return;
    }
    const std::int64_t now = clock_.elapsed();
    const TechnoShow shown = pictures_->OnFrame(now);
    ComposeTechnoShow(frames_[static_cast<std::size_t>(shown.previous)],
                      frames_[static_cast<std::size_t>(shown.current)], shown.alpha, textBitmap_);
    if (scrolling_)
        scrollTexts();
    else
        standTexts(now);
    drawLines();
    if (const std::optional<double> rate = frameRate_->OnFrame(now))
        frameRateText_ = toQString(FrameRateText(*rate));
    options_.CheckMusic();
    update();
}

void TTechnoStyle::standTexts(std::int64_t nowMs) {
    switch (standing_->OnFrame(nowMs)) {
    case StandingTexts::Change::None:
        return;
    case StandingTexts::Change::Remove:
        lines_[0] = {};
        return;
    case StandingTexts::Change::Show:
        lines_[0] = nextLine();
        textTop_ = (look_.height - QFontMetrics(textFont(lines_[0].size)).height()) / 2;
        speak(lines_[0].recording);
        return;
    }
}

void TTechnoStyle::scrollTexts() {
    const ScrollingTexts::Step step = scrolling_->OnFrame();
    if (step.newPair) {
        lines_[0] = nextLine();
        lines_[1] = nextLine();
    }
    textTop_ = step.top;
    if (step.speakWord)
        speak(lines_[0].recording);
    if (step.speakMeaning)
        speak(lines_[1].recording);
}

TTechnoStyle::Line TTechnoStyle::nextLine() {
    TSuperOptions::Text next = options_.NextText(library_, order_, sounds_);
    Line line{std::move(next.text), std::move(next.recording)};
    const QString text = toQString(line.text);
    line.size = FittedTextSize(look_.width, [this, &text](int size) {
        return QFontMetrics(textFont(size)).horizontalAdvance(text);
    });
    line.x = (look_.width - QFontMetrics(textFont(line.size)).horizontalAdvance(text)) / 2;
    return line;
}

void TTechnoStyle::speak(const WordSound& recording) {
    if (!PlayWordSound(recording))
        options_.SetSprachausgabe(false);
}

void TTechnoStyle::drawLines() {
    QPainter painter(&textBitmap_);
    painter.setPen(textColour_);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.text.empty())
            continue;
        const QFont font = textFont(line.size);
        painter.setFont(font);
        const int top = textTop_ + static_cast<int>(i) * lineGap_;
        painter.drawText(line.x, top + QFontMetrics(font).ascent(), toQString(line.text));
    }
}

QFont TTechnoStyle::textFont(int size) const {
    QFont font(fontFamily_);
    font.setPixelSize(pixelsOfPoints(size));
    return font;
}

void TTechnoStyle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (phase_ == Phase::Preparing)
        paintProgress(painter);
    else if (phase_ == Phase::Running)
        paintShow(painter);
}

// Over the "Loading..." page, which stays visible around it.
void TTechnoStyle::paintProgress(QPainter& painter) const {
    painter.setPen(ProgressGrey);
    painter.drawRect(ProgressBar.adjusted(0, 0, -1, -1));
    if (fileCount_ == 0)
        return;
    const int done =
        static_cast<int>(static_cast<std::size_t>(ProgressBar.width()) * filesDone_ / fileCount_);
    painter.fillRect(QRect(ProgressBar.topLeft(), QSize(done, ProgressBar.height())), ProgressGrey);
}

void TTechnoStyle::paintShow(QPainter& painter) const {
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(0, areaTop_, textBitmap_);
    if (frameRateText_.isEmpty())
        return;
    QFont font("courier new");
    font.setPixelSize(pixelsOfPoints(10));
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QRect place(FrameRatePlace,
                      QSize(metrics.horizontalAdvance(frameRateText_), metrics.height()));
    painter.fillRect(place, Qt::black);
    painter.setPen(FrameRateGrey);
    painter.drawText(place, Qt::AlignLeft | Qt::AlignTop, frameRateText_);
}

void TTechnoStyle::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        Stop();
    else
        QWidget::keyPressEvent(event);
}

void TTechnoStyle::mousePressEvent(QMouseEvent*) {
    Stop();
}

} // namespace qor
