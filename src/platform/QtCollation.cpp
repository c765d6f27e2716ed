#include "platform/QtCollation.h"

#include "platform/QtText.h"

#include <QCollator>

namespace qor {

int compareGerman(std::string_view a, std::string_view b) {
    static const QCollator collator = [] {
        QCollator german{QLocale(QLocale::German, QLocale::Germany)};
        german.setCaseSensitivity(Qt::CaseInsensitive);
        return german;
    }();
    return collator.compare(toQString(a), toQString(b));
}

} // namespace qor
