#include "shell/ScreenSaver.h"

#ifdef QOR_HAVE_QTDBUS
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#endif

namespace qor {

#ifdef QOR_HAVE_QTDBUS
namespace {

const char* const Service = "org.freedesktop.ScreenSaver";
const char* const Path = "/org/freedesktop/ScreenSaver";

} // namespace

void ScreenSaverInhibitor::setInhibited(bool on) {
    if (on == cookie_.has_value())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) // no desktop session: nothing to ask
        return;
    QDBusInterface screenSaver(Service, Path, Service, bus);
    if (!screenSaver.isValid())
        return;
    if (on) {
        const QDBusReply<std::uint32_t> reply = screenSaver.call(
            "Inhibit", QStringLiteral("qor spanisch"), QStringLiteral("Präsentation läuft"));
        if (reply.isValid())
            cookie_ = reply.value();
    } else {
        screenSaver.call("UnInhibit", *cookie_);
        cookie_.reset();
    }
}
#else
// Qt was built without D-Bus: there is no service to ask.
void ScreenSaverInhibitor::setInhibited(bool) {}
#endif

} // namespace qor
