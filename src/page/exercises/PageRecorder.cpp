#include "page/exercises/PageRecorder.h"

#include "page/layout/PageColorValues.h"
#include "page/view/PageSurface.h"
#include "platform/FileSystem.h"

namespace qor {

namespace {

const char* const RecordTarget = "\xA7rec"; // "§rec"
const char* const PlayTarget = "\xA7play";  // "§play"

} // namespace

PageRecorder::~PageRecorder() {
    Clear();
}

QRect PageRecorder::buttonRect(bool record) const {
    const RecorderSpec& markup = *page_.content().recorder;
    const PageRect& rect = record ? markup.recordButton : markup.playButton;
    if (rect.x == PageRect::NotGiven || rect.y == PageRect::NotGiven)
        return {};
    return {rect.x, rect.y, rect.w == PageRect::NotGiven ? DefaultButtonSize : rect.w,
            rect.h == PageRect::NotGiven ? DefaultButtonSize : rect.h};
}

void PageRecorder::Draw() {
    if (!page_.content().recorder)
        return;
    for (const bool record : {true, false}) {
        const QRect rect = buttonRect(record);
        if (!rect.isEmpty())
            page_.registerArea(
                record ? RecordTarget : PlayTarget,
                PixelRect::fromSize(rect.x(), rect.y(), rect.width(), rect.height()));
    }
    if (recorder_)
        recorder_->Draw(false);
}

void PageRecorder::Prepare() {
    const std::optional<RecorderSpec>& markup = page_.content().recorder;
    if (!markup || !source_)
        return;
    RecorderDevice* recorder = source_();
    if (!recorder)
        return;
    recorder_ = recorder;
    const PageColors& colors = page_.content().colors;
    recorder->SetCanvas(this);
    recorder->SetAreas(buttonRect(true), buttonRect(false));
    recorder->SetBackgroundColor(static_cast<std::uint32_t>(ResolveColor(
        markup->color == ColorValue::None ? colors.background : markup->color, colors)));
    recorder->SetLengthLimit(markup->maxSeconds);
    // PICTURES names the folder of the button pictures, or a file in it.
    const std::string& pictures = markup->pictures;
    recorder->SetPictureDirectory(
        pictures.empty() || directoryExists(pictures) ? pictures : extractFileDir(pictures));
    recorder->SetVisible(true);
    recorder->Draw(true);
}

bool PageRecorder::Command(bool record) {
    if (!recorder_)
        return false;
    const RecorderDevice::State busy = record ? RecorderDevice::Recording : RecorderDevice::Playing;
    if (recorder_->state() == busy)
        recorder_->Stop();
    else if (record)
        recorder_->StartRecording();
    else
        recorder_->StartPlaying();
    return true;
}

void PageRecorder::Clear() {
    if (!recorder_)
        return;
    recorder_->SetVisible(false);
    if (recorder_->state() != RecorderDevice::Idle)
        recorder_->Stop();
    recorder_->SetCanvas(nullptr);
    recorder_ = nullptr;
}

QImage& PageRecorder::offScreen() {
    return page_.buffer();
}

void PageRecorder::copyToScreen(const QRect& area) {
    page_.showBufferRect(area);
}

} // namespace qor
