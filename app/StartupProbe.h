#pragma once
// How fast the program starts: with QOR_STARTUP_PROBE=1 it prints, on
// standard error, the milliseconds from main to the first painted frame of
// the start page and the resident memory at that moment, then goes on; with
// QOR_STARTUP_PROBE=exit it ends right there. bench/startup.sh reads the line.

#include <QObject>
#include <chrono>

class QWidget;

class StartupProbe : public QObject {
public:
    // Nothing happens unless the environment asks for the probe.
    explicit StartupProbe(std::chrono::steady_clock::time_point mainEntered);

    // The page whose first frame ends the start.
    void watch(QWidget* startPage);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void report();

    std::chrono::steady_clock::time_point mainEntered_;
    bool enabled_ = false;
    bool exitAfterReport_ = false;
};
