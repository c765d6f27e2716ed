#include "page/exercises/StepAnimation.h"

namespace qor {

StepAnimation::StepAnimation() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
}

void StepAnimation::Start(int steps, int intervalMs, std::function<void(int step)> step,
                          std::function<void()> done) {
    Stop();
    steps_ = steps;
    current_ = 0;
    step_ = std::move(step);
    done_ = std::move(done);
    timer_.start(intervalMs);
}

void StepAnimation::Stop() {
    timer_.stop();
    step_ = nullptr;
    done_ = nullptr;
}

void StepAnimation::tick() {
    ++current_;
    // A step may stop the animation, which must not destroy the step it runs.
    if (const std::function<void(int)> step = step_)
        step(current_);
    if (!timer_.isActive() || current_ < steps_)
        return;
    timer_.stop();
    // done may start the next animation.
    const std::function<void()> done = std::move(done_);
    step_ = nullptr;
    done_ = nullptr;
    if (done)
        done();
}

} // namespace qor
