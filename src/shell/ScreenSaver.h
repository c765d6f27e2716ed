#pragma once
// Keeps the screen saver away while a presentation or game runs in the main
// window. The desktop's inhibit service (org.freedesktop.ScreenSaver on the
// session bus) is asked when there is one; without it nothing happens.

#include <cstdint>
#include <optional>

namespace qor {

class ScreenSaverInhibitor {
public:
    ScreenSaverInhibitor() = default;
    ~ScreenSaverInhibitor() { setInhibited(false); }
    ScreenSaverInhibitor(const ScreenSaverInhibitor&) = delete;
    ScreenSaverInhibitor& operator=(const ScreenSaverInhibitor&) = delete;

    // On: the screen saver stays off until set off again. Repeating a state
    // does nothing.
    void setInhibited(bool on);
    // Whether the desktop granted the request.
    bool inhibited() const { return cookie_.has_value(); }

private:
    std::optional<std::uint32_t> cookie_;
};

} // namespace qor
