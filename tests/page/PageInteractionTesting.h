#pragma once
// A page control shown on the offscreen platform over a folder of page
// files, with everything it tells its host written down as lines of text:
// "file NAME", "title T", "badlink B", "command C", "anker A", "hint H",
// "mci CMD", "sound NAME". Messages it shows are recorded, nothing is
// played.

#include "page/model/PageStream.h"
#include "page/view/TXPage.h"
#include "platform/FileSystem.h"
#include "platform/ScriptedMessages.h"
#include "platform/Zlib.h"
#include "support/GraphicsPrinters.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qor::test {

class BrowsedPage {
public:
    explicit BrowsedPage(int width = 400, int height = 300) {
        page.resize(width, height);
        page.setProgramDir(folder.path());
        page.setXPath(folder.path());
        page.OnFileChange = [this] {
            events.push_back("file " + page.XFile());
        };
        page.OnBadLink = [this](const std::string& link) {
            events.push_back("badlink " + link);
        };
        page.OnCommand = [this](const std::string& command) {
            events.push_back("command " + command);
        };
        page.SendMciCommand = [this](const std::string& command, bool quiet) {
            events.push_back("mci " + command + (quiet ? " (quiet)" : ""));
            return std::string("0");
        };
        page.PlayHoverSound = [this](const std::string& path) {
            events.push_back("sound " + extractFileName(path));
            return true;
        };
        page.show();
        static_cast<void>(QTest::qWaitForWindowExposed(&page));
    }

    // Writes a page file: packed for the extensions that are packed, as it
    // is otherwise. Gives its full path.
    std::string write(const std::string& name, const std::string& text) {
        const bool packed = pageFileKind(name) == PageFileKind::Packed;
        return folder.file(name, packed ? deflateZlib(text) : text);
    }

    bool load(const std::string& name) { return page.setXFile(folder.path() + name); }

    // The first area of that name, on the control (the scroll position taken off).
    QRect area(const std::string& name) const {
        const tNamed_rectangle_list& areas = page.areas();
        for (const NamedRectangle& entry : areas.entries()) {
            if (areas.name(entry.nameIndex) == name)
                return QRect(entry.rect.left, entry.rect.top - page.scrollPosition(),
                             entry.rect.width(), entry.rect.height());
        }
        ADD_FAILURE() << "no area " << name;
        return {};
    }
    QPoint centre(const std::string& name) const { return area(name).center(); }

    void click(const std::string& name, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(&page, button, {}, centre(name));
    }
    void clickAt(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(&page, button, {}, at);
    }
    void moveTo(QPoint at) { QTest::mouseMove(&page, at); }

    // Events since the last call.
    std::vector<std::string> take() {
        std::vector<std::string> taken;
        taken.swap(events);
        return taken;
    }

    std::vector<std::string> historyNames() const {
        std::vector<std::string> names;
        for (const std::string& path : page.History())
            names.push_back(extractFileName(path));
        return names;
    }

    ScriptedMessages messages;
    TempDir folder;
    std::vector<std::string> events;
    TXPage page;
};

// Runs the event loop until done() holds or the time is over; gives done().
inline bool waitUntil(const std::function<bool()>& done, int milliseconds = 3000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < milliseconds)
        QTest::qWait(10);
    return done();
}

} // namespace qor::test
