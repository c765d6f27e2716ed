#pragma once
// "Infos zur Bibliothek": how many entries of each word class and each
// difficulty the library holds, Spanish and German words apart.

#include "vocabulary/LibraryInfo.h"

#include <QDialog>

namespace qor {

class TBInfo : public QDialog {
    Q_OBJECT
public:
    TBInfo(const std::vector<TVokabel>& entries, QWidget* parent = nullptr);
};

} // namespace qor
