#pragma once
// A short animation in numbered steps driven by a timer, so that the page
// keeps handling events while a block glides back or a sentence closes up.

#include <QTimer>
#include <functional>

namespace qor {

class StepAnimation {
public:
    StepAnimation();

    // Calls step(1) .. step(steps), one every intervalMs, then done. A running
    // animation is stopped first, without its done.
    void Start(int steps, int intervalMs, std::function<void(int step)> step,
               std::function<void()> done = nullptr);
    // Stops without calling done.
    void Stop();
    bool running() const { return timer_.isActive(); }

private:
    void tick();

    QTimer timer_;
    int steps_ = 0;
    int current_ = 0;
    std::function<void(int)> step_;
    std::function<void()> done_;
};

} // namespace qor
