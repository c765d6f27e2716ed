#pragma once
// The recorder on a page (RECORDER): its record and play buttons are drawn
// into the page at C-REC and C-PLAY, which become the areas "§rec" and
// "§play"; it is made ready after every drawing and stopped when the page
// is cleared. The recorder itself is shared with the recording set-up.

#include "page/exercises/RecorderDevice.h"

#include <functional>

namespace qor {

class PageSurface;

class PageRecorder : public RecorderCanvas {
public:
    // The recorder to use, or null when there is none.
    using RecorderSource = std::function<RecorderDevice*()>;
    // Buttons given without a size are as big as the recorder's own pictures.
    static constexpr int DefaultButtonSize = 32;

    explicit PageRecorder(PageSurface& page) : page_(page) {}
    ~PageRecorder() override;
    PageRecorder(const PageRecorder&) = delete;
    PageRecorder& operator=(const PageRecorder&) = delete;

    void setSource(RecorderSource source) { source_ = std::move(source); }

    // While drawing: registers "§rec" and "§play" and, when it is ready
    // already, draws the buttons again.
    void Draw();
    // After drawing: sets the recorder up for this page and shows it.
    void Prepare();
    // "§rec" (record) or "§play": starts or stops; false without a recorder.
    bool Command(bool record);
    void Clear();

    RecorderDevice* Recorder() const { return recorder_; }

    QImage& offScreen() override;
    void copyToScreen(const QRect& area) override;
    void recorderDestroyed() override { recorder_ = nullptr; }

private:
    QRect buttonRect(bool record) const;

    PageSurface& page_;
    RecorderSource source_;
    RecorderDevice* recorder_ = nullptr; // ready on this page
};

} // namespace qor
