#include "page/view/TXPage.h"

#include "controls/XLabel.h"
#include "graphics/QtGraphics.h"
#include "page/layout/PageColorValues.h"
#include "page/view/Celebration.h"
#include "page/view/PageBitmap.h"
#include "page/view/PageHintWindow.h"
#include "page/view/PageMci.h"
#include "platform/FileSystem.h"
#include "platform/mci/Mci.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <algorithm>

namespace qor {

namespace {

// Time between the frames of the celebration.
constexpr int CelebrationFrameMs = 20;

} // namespace

// Text in the page's fonts, pictures by their bitmaps.
class TXPage::Measurer : public PageMeasurer {
public:
    explicit Measurer(PageFonts& fonts) : fonts_(fonts) {}

    TextMetrics measureText(std::string_view text, const TextFormat& format) override {
        const PageFont& font = fonts_.fontFor(format);
        return {font.textWidth(text, format.tracking), font.ascent(), font.descent()};
    }
    TextMetrics fontMetrics(const TextFormat& format) override {
        const PageFont& font = fonts_.fontFor(format);
        return {0, font.ascent(), font.descent()};
    }
    PixelSize pictureSize(const TXPicture& picture) override {
        const PageBitmap* bitmap = pageBitmap(picture);
        if (!bitmap)
            return {};
        return {bitmap->image().width(), bitmap->image().height()};
    }

private:
    PageFonts& fonts_;
};

TXPage::TXPage(QWidget* parent)
    : QWidget(parent), SendMciCommand(SendPageMci), PlayHoverSound(PlaySoundSync),
      measurer_(std::make_unique<Measurer>(fonts_)), areas_(model_), note_(new TXLabel(this)),
      hintWindow_(new PageHintWindow(this)), scrollBar_(new QScrollBar(Qt::Vertical, this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    model_.setPictureLoader(LoadPageBitmap);
    model_.setFontInstalledTest(IsFontInstalled);
    if (const auto dir = fromNativePath(QCoreApplication::applicationDirPath().toStdString()))
        programDir_ = includeTrailingSeparator(*dir);
    connect(&mosaicTimer_, &QTimer::timeout, this, &TXPage::mosaicTick);

    note_->hide();
    scrollBar_->hide();
    scrollBar_->setSingleStep(5);
    connect(scrollBar_, &QScrollBar::valueChanged, this, &TXPage::Scroll);
    waitTimer_.setSingleShot(true);
    connect(&waitTimer_, &QTimer::timeout, this, [this] {
        if (!model_.page().wait || !autoJump_)
            return;
        const std::string target = model_.page().wait->target;
        ActivateTarget(target);
    });
}

TXPage::~TXPage() = default;

void TXPage::setExerciseHooks(PageExerciseHooks* hooks) {
    hooks_ = hooks;
}

PageExerciseHooks& TXPage::hooks() {
    static PageExerciseHooks none;
    return hooks_ ? *hooks_ : none;
}

const GapPlacement* TXPage::gapPlacement(int typingField) const {
    for (const GapPlacement& gap : layout_.gaps)
        if (gap.field == typingField)
            return &gap;
    return nullptr;
}

void TXPage::registerArea(const std::string& target, const PixelRect& rect) {
    // Drawing again finds the name registered before.
    const std::vector<std::string>& names = model_.page().areaNames;
    const auto known = std::find(names.begin(), names.end(), target);
    const int name =
        known != names.end() ? static_cast<int>(known - names.begin()) : areas_.AddName(target);
    areas_.Add(name, -1, rect);
}

void TXPage::Parse(std::string_view text, bool continueFormat) {
    connectModel();
    model_.Parse(text, continueFormat);
}

void TXPage::connectModel() {
    model_.setPageSize(width(), height());
    model_.OnSpecialCode = OnSpecialCode;
    // Without a host to draw them, "%" pictures are taken as file names.
    if (OnPictureRequest) {
        model_.OnPictureRequest = [this](const std::string& code, int index) {
            if (QImage* bitmap = pictureBitmap(index))
                OnPictureRequest(code, *bitmap);
        };
    } else {
        model_.OnPictureRequest = nullptr;
    }
}

void TXPage::Layout() {
    PageLayout layout(model_, *measurer_);
    layout_ = layout.Layout(width());
    laidOut_ = true;
}

void TXPage::Render() {
    if (!laidOut_)
        Layout();
    if (OnTitleChange)
        OnTitleChange(model_.title());
    drawPage();
    startMosaic();
    const std::string onShow = model_.page().onShow;
    if (!onShow.empty()) {
        const QPointer<TXPage> alive(this);
        SendCommand(onShow);
        if (!alive)
            return;
    }
    hooks().prepareRecorder();
    update();
    hooks().showControls();
    startWaitJump();
}

void TXPage::startWaitJump() {
    waitTimer_.stop();
    const std::optional<WaitJump>& wait = model_.page().wait;
    if (wait && autoJump_)
        waitTimer_.start(wait->milliseconds);
}

void TXPage::setAutoJump(bool on) {
    autoJump_ = on;
    if (!on)
        waitTimer_.stop();
}

void TXPage::SendCommand(const std::string& command) {
    if (!OnCommand)
        return;
    // The host's trouble must not take the page down with it.
    try {
        OnCommand(command);
    } catch (...) {
    }
}

void TXPage::drawPage() {
    mosaicTimer_.stop();
    mosaic_.reset();
    animations_.clear();
    const PageContent& page = model_.page();
    if (page.mosaic && page.mosaic->boxIndex >= 0 &&
        static_cast<std::size_t>(page.mosaic->boxIndex) < page.boxes.size())
        mosaic_ = std::make_unique<TLomoBox>(
            *page.mosaic, page.boxes[static_cast<std::size_t>(page.mosaic->boxIndex)],
            model_.randomSource());

    areas_.Clear();
    words_.Clear();
    hoverIndex_ = -1;
    // Sharp on a HiDPI screen: the buffer has the screen's pixels, the page
    // keeps its logical ones.
    fonts_.setPixelRatio(devicePixelRatioF());
    PageRenderer renderer(model_, fonts_, shapes_, layout_);
    drawing_ = renderer.Draw(buffer_, width(), height(), mosaic_.get(), areas_, words_);
    renderer.DrawDragTray(buffer_, drawing_);
    hooks().drawExercises(buffer_);
    scroll_ = std::clamp(scroll_, 0, scrollRange());
    updateScrollBar();
    startAnimations();
}

// Animated pictures draw each new frame at the place their first one took.
void TXPage::startAnimations() {
    for (const DrawnAnimation& drawn : drawing_.animations) {
        const PageBitmap* bitmap =
            pageBitmap(model_.pictures()[static_cast<std::size_t>(drawn.picture)]);
        if (!bitmap)
            continue;
        auto movie = std::make_unique<QMovie>(bitmap->animationFile());
        QMovie* playing = movie.get();
        const QRect rect = drawn.rect;
        connect(playing, &QMovie::frameChanged, this, [this, playing, rect] {
            QPainter painter(&buffer_);
            painter.drawImage(rect, playing->currentImage());
            painter.end();
            showBufferRect(rect);
        });
        playing->start();
        animations_.push_back(std::move(movie));
    }
}

void TXPage::ShowText(std::string_view text) {
    Clear();
    Parse(text, false);
    Layout();
    Render();
}

void TXPage::Clear() {
    mosaicTimer_.stop();
    waitTimer_.stop();
    mosaic_.reset();
    animations_.clear();
    hooks().clear();
    areas_.Clear();
    words_.Clear();
    hoverIndex_ = -1;
    lastHint_.clear();
    hintWindow_->hideHint();
    // A note belongs to the page it explains.
    note_->hide();
    popUp_ = nullptr;
    layout_ = {};
    drawing_ = {};
    laidOut_ = false;
    model_.Clear();
    if (SendMciCommand)
        SendMciCommand("close welle", true);
}

void TXPage::updateScrollBar() {
    const QSignalBlocker quiet(scrollBar_);
    scrollBar_->setGeometry(width() - ScrollBarWidth, 0, ScrollBarWidth, height());
    scrollBar_->setRange(0, scrollRange());
    scrollBar_->setPageStep(std::max(1, height() - ScrollBarWidth));
    scrollBar_->setValue(scroll_);
    scrollBar_->setVisible(scrollBarVisible());
}

bool TXPage::scrollBarVisible() const {
    return layout_.contentHeight > height() || scroll_ > 0;
}

int TXPage::scrollRange() const {
    return std::max(0, layout_.contentHeight - height() + 16);
}

void TXPage::Scroll(int position) {
    const int previous = scroll_;
    scroll_ = std::clamp(position, 0, scrollRange());
    if (scroll_ == previous)
        return;
    updateScrollBar();
    hooks().scrolled(scroll_ - previous);
    update();
}

void TXPage::showBufferRect(const QRect& pageRect) {
    update(pageRect.translated(0, -scroll_));
}

QImage* TXPage::pictureBitmap(int index) {
    tPicture_list& pictures = model_.pictures();
    if (index < 0 || static_cast<std::size_t>(index) >= pictures.size())
        return nullptr;
    PageBitmap* bitmap = pageBitmap(pictures[static_cast<std::size_t>(index)]);
    return bitmap ? &bitmap->image() : nullptr;
}

void TXPage::setColorBGR(Color color) {
    model_.page().colors.background = color;
    update();
}

void TXPage::setColorTXT(Color color) {
    model_.page().colors.text = color;
}

void TXPage::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    if (overlay_) {
        painter.drawImage(area.topLeft(), *overlay_, area);
        return;
    }
    // Below the page (a control higher than its buffer) stays in the
    // page's background colour.
    painter.drawImage(QRectF(area), buffer_,
                      QRectF(toDevicePixels(buffer_, area.translated(0, scroll_))));
    const int below = logicalRect(buffer_).height() - scroll_;
    if (area.bottom() >= below) {
        const Color background =
            ResolveColor(model_.page().colors.background, model_.page().colors);
        painter.fillRect(
            QRect(area.left(), below, area.width(), area.bottom() - below + 1),
            QColor(background & 0xFF, (background >> 8) & 0xFF, (background >> 16) & 0xFF));
    }
}

void TXPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    model_.setPageSize(width(), height());
    if (!laidOut_) {
        updateScrollBar();
        return;
    }
    // A new width moves every line: lay out and draw again, without the
    // events of a new page.
    Layout();
    drawPage();
    startMosaic();
    update();
}

void TXPage::startMosaic() {
    if (mosaic_ && mosaic_->speed() > 0 && !mosaic_->tiles().empty())
        mosaicTimer_.start(mosaic_->speed());
}

void TXPage::mosaicTick() {
    if (!mosaic_ || buffer_.isNull()) {
        mosaicTimer_.stop();
        return;
    }
    const PixelRect tile = mosaic_->DrawRandomTile(buffer_);
    if (tile.width() <= 0) {
        mosaicTimer_.stop();
        return;
    }
    showBufferRect(QRect(tile.left, tile.top, tile.width(), tile.height()));
}

void TXPage::Celebrate(const std::string& text, int milliseconds) {
    if (animating_)
        return;
    animating_ = true;
    // The page's own controls (typing fields, choices) would stand on top of
    // the animation: they step aside while it runs.
    std::vector<QPointer<QWidget>> hidden;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != scrollBar_ && child->isVisible()) {
            hidden.emplace_back(child);
            child->hide();
        }
    }
    Celebration celebration(size(), text, model_.randomSource());
    QImage frame = celebration.blankFrame();
    overlay_ = &frame;
    QElapsedTimer clock;
    clock.start();
    do {
        celebration.DrawFrame(frame);
        update();
        // Waiting in an event loop shows the frame and handles what comes in.
        QEventLoop wait;
        QTimer::singleShot(CelebrationFrameMs, &wait, &QEventLoop::quit);
        wait.exec();
    } while (clock.elapsed() < milliseconds);
    overlay_ = nullptr;
    animating_ = false;
    for (const QPointer<QWidget>& child : hidden) {
        if (child)
            child->show();
    }
    update();
}

} // namespace qor
