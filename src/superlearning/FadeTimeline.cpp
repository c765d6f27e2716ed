#include "superlearning/FadeTimeline.h"

#include <algorithm>

namespace qor {

FadeTimeline::Tick FadeTimeline::OnTick(bool drawing) {
    if (drawing)
        return Tick::Nothing;
    if (stop_)
        return Tick::Close;
    if (wait_ > 0) {
        wait_ -= TickMs;
        if (wait_ > 0)
            return Tick::Nothing;
    }
    ++step_;
    started_ = true;
    return Tick::Step;
}

void FadeTimeline::RequestStop() {
    if (started_)
        stop_ = true;
}

int ClassicFadeMs(int klassikFaktor) {
    return 1500 * 100 / std::max(1, klassikFaktor);
}

int CrazyWaitMs(int step, int textLength, int faktor) {
    switch (step) {
    case 0:
        return 10 * faktor + (textLength > 6 ? (textLength - 6) * faktor : 0);
    case 1:
        return 8 * faktor;
    case 2:
        return 10 * faktor + textLength * faktor;
    case 3:
        return 14 * faktor;
    default:
        return 0;
    }
}

} // namespace qor
