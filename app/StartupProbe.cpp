#include "StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// VmRSS of /proc/self/status, in KiB; 0 when it cannot be read.
long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return 0;
}

} // namespace

StartupProbe::StartupProbe(std::chrono::steady_clock::time_point mainEntered)
    : mainEntered_(mainEntered) {
    const char* setting = std::getenv("QOR_STARTUP_PROBE");
    enabled_ = setting && *setting && std::string(setting) != "0";
    exitAfterReport_ = enabled_ && std::string(setting) == "exit";
}

void StartupProbe::watch(QWidget* startPage) {
    if (enabled_ && startPage)
        startPage->installEventFilter(this);
}

bool StartupProbe::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Queued: the painted frame reaches the screen when the paint
        // event has been handled.
        QTimer::singleShot(0, this, [this] { report(); });
    }
    return false;
}

void StartupProbe::report() {
    const auto elapsed = std::chrono::steady_clock::now() - mainEntered_;
    const double milliseconds = std::chrono::duration<double, std::milli>(elapsed).count();
    std::fprintf(stderr, "startup: first frame %.1f ms, resident %.1f MB\n", milliseconds,
                 static_cast<double>(residentKilobytes()) / 1024.0);
    std::fflush(stderr);
    if (exitAfterReport_)
        QCoreApplication::exit(0);
}
