// The training settings window's exchange with other trainers: a CSV or
// KVTML file becomes the library or is added to it, and the library is
// exported as either.

#include "platform/QtText.h"
#include "platform/Text.h"
#include "vocabulary/LibraryExchange.h"
#include "vocabulary/VocOptionen.h"

#include <QAction>
#include <QMenu>

namespace qor {
using namespace literals;

void TVocOptionen::buildExchangeMenu() {
    QMenu* exchange = mDatei->addMenu(QStringLiteral("Aus&tausch"));
    const auto add = [this, exchange](const std::string& text, auto command) {
        connect(exchange->addAction(toQString(text)), &QAction::triggered, this, command);
    };
    add("CSV/KVTML &importieren...", [this] { AustauschImportieren(true); });
    add("CSV/KVTML &hinzufügen..."_cp, [this] { AustauschImportieren(false); });
    add("Als &CSV exportieren...", [this] { AustauschExportieren(ExchangeFormat::Csv); });
    add("Als &KVTML exportieren...", [this] { AustauschExportieren(ExchangeFormat::Kvtml); });
    // The switch is in this window's "Extras" menu and may change at any time.
    connect(mDatei, &QMenu::aboutToShow, exchange,
            [this, exchange] { exchange->menuAction()->setVisible(config_.Extras.Exchange); });
}

void TVocOptionen::AustauschImportieren(bool replace) {
    if (!AskAndImportExchangeFile(library_, config_, replace))
        return;
    settings_.Bis = -1;
    updateRecentMenu();
    Zeigen();
}

void TVocOptionen::AustauschExportieren(ExchangeFormat format) {
    AskAndExportExchangeFile(library_, config_, format);
}

} // namespace qor
