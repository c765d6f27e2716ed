#pragma once
// The recently used libraries in a file menu: "&1 " .. "&4 " followed by the
// path, standing before a given menu item; rebuilt after every change of the
// library's recent-file list.

#include "vocabulary/Bibliothek.h"

#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace qor {

class RecentLibraryMenu {
public:
    // The items go into menu before the item before; choosing one calls load
    // with its path.
    RecentLibraryMenu(QMenu* menu, QAction* before, const TBibliothek& library,
                      std::function<void(const std::string&)> load);

    // Shows the library's recent files as they are now.
    void update();

private:
    QMenu* menu_;
    QAction* before_;
    const TBibliothek& library_;
    std::function<void(const std::string&)> load_;
    std::vector<QAction*> items_;
};

} // namespace qor
