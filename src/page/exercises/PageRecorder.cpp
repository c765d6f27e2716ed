#include "page/exercises/PageRecorder.h"

#include "page/layout/PageColorValues.h"
#include "page/view/TXPage.h"
#include "platform/FileSystem.h"

#include <algorithm>

namespace qor {

namespace {

const char* const RecordTarget = "\xA7rec"; // "§rec"
const char* const PlayTarget = "\xA7play";  // "§play"

} // namespace

PageRecorder::~PageRecorder() {
    Clear();
}

QRect PageRecorder::buttonRect(bool record) const {
    const RecorderSpec& markup = *page_.model().page().recorder;
    const PageRect& rect = record ? markup.recordButton : markup.playButton;
    if (rect.x == PageRect::NotGiven || rect.y == PageRect::NotGiven)
        return {};
    return {rect.x, rect.y, rect.w == PageRect::NotGiven ? DefaultButtonSize : rect.w,
            rect.h == PageRect::NotGiven ? DefaultButtonSize : rect.h};
}

void PageRecorder::Draw() {
    if (!page_.model().page().recorder)
        return;
    tNamed_rectangle_list& areas = page_.areas();
    const std::vector<std::string>& names = page_.model().page().areaNames;
    for (const bool record : {true, false}) {
        const QRect rect = buttonRect(record);
        if (rect.isEmpty())
            continue;
        const std::string target = record ? RecordTarget : PlayTarget;
        // Drawing again finds the name registered before.
        const auto known = std::find(names.begin(), names.end(), target);
        const int name =
            known != names.end() ? static_cast<int>(known - names.begin()) : areas.AddName(target);
        areas.Add(name, -1, PixelRect::fromSize(rect.x(), rect.y(), rect.width(), rect.height()));
    }
    if (recorder_)
        recorder_->Draw(false);
}

void PageRecorder::Prepare() {
    const std::optional<RecorderSpec>& markup = page_.model().page().recorder;
    if (!markup || !source_)
        return;
    tWaveRec* recorder = source_();
    if (!recorder)
        return;
    recorder_ = recorder;
    const PageColors& colors = page_.model().page().colors;
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
    const tWaveRec::State busy = record ? tWaveRec::Recording : tWaveRec::Playing;
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
    if (recorder_->state() != tWaveRec::Idle)
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
