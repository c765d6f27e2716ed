#pragma once
// What the fuzz targets that draw with Qt share. Include it from the one
// source file of such a target: it defines LeakSanitizer's hook.

#include <QtGlobal>
#include <cstdlib>

// Fontconfig keeps what it allocates on first use until the process ends.
// NOLINTNEXTLINE(bugprone-reserved-identifier): the name LeakSanitizer looks for.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

namespace qor::fuzz {

// Starts the application object (QGuiApplication, or QApplication for
// widgets) on the offscreen platform, without Qt's warnings about damaged
// files: printing them would cost more than reading the files.
template <typename Application> void startQt(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static Application application(*argc, *argv);
}

} // namespace qor::fuzz
