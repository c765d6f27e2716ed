#include "vocabulary/RecentLibraryMenu.h"

#include "platform/QtText.h"

#include <QAction>
#include <QMenu>

namespace qor {

namespace {

constexpr int RecentFiles = 4;

} // namespace

RecentLibraryMenu::RecentLibraryMenu(QMenu* menu, QAction* before, const TBibliothek& library,
                                     std::function<void(const std::string&)> load)
    : menu_(menu), before_(before), library_(library), load_(std::move(load)) {
    update();
}

void RecentLibraryMenu::update() {
    for (QAction* item : items_)
        delete item;
    items_.clear();
    for (int i = 0; i < RecentFiles; ++i) {
        const std::string path = library_.Recent(i);
        if (path.empty())
            continue;
        auto* item = new QAction(toQString("&" + std::to_string(i + 1) + " " + path), menu_);
        QObject::connect(item, &QAction::triggered, menu_, [this, path] { load_(path); });
        menu_->insertAction(before_, item);
        items_.push_back(item);
    }
}

} // namespace qor
