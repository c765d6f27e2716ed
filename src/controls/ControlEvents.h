#pragma once
// The event callbacks of the drawn controls. Each one carries the control that
// raised it; a callback left empty is simply not called. A handler may delete
// the control only through deleteLater(): Qt itself still uses the control
// after the handler returns.

#include <QPoint>
#include <Qt>
#include <functional>
#include <utility>

class QWidget;

namespace qor {

using TNotifyEvent = std::function<void(QWidget* sender)>;
using TMouseEvent = std::function<void(QWidget* sender, Qt::MouseButton button,
                                       Qt::KeyboardModifiers shift, int x, int y)>;
using TMouseMoveEvent =
    std::function<void(QWidget* sender, Qt::KeyboardModifiers shift, int x, int y)>;
// The handler may set key (a Qt::Key) to 0 to swallow the key.
using TKeyEvent = std::function<void(QWidget* sender, int& key, Qt::KeyboardModifiers shift)>;
// key is a Windows-1252 character; the handler may replace it, or set it to 0 to swallow it.
using TKeyPressEvent = std::function<void(QWidget* sender, char& key)>;
// The handler sets handled to keep the control from scrolling itself.
using TMouseWheelUpDownEvent = std::function<void(QWidget* sender, Qt::KeyboardModifiers shift,
                                                  QPoint mousePos, bool& handled)>;

template <typename Event, typename... Args> void fire(const Event& event, Args&&... args) {
    if (event)
        event(std::forward<Args>(args)...);
}

} // namespace qor
