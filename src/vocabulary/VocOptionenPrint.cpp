// Printing from the training settings window: the word list and the flash
// cards on the printer or into a PDF file, and the printer's set-up.

#include "platform/QtText.h"
#include "vocabulary/LibraryPrinting.h"
#include "vocabulary/VocOptionen.h"

#include <QAction>
#include <QMenu>

namespace qor {

void TVocOptionen::buildPrintMenu() {
    const auto add = [this](const std::string& text, auto command) {
        connect(mDatei->addAction(toQString(text)), &QAction::triggered, this, command);
    };
    add("Drucken...", [this] { Drucken(); });
    add("Karteikarten drucken...", [this] { KarteikartenDrucken(); });
    add("Als &PDF speichern...", [this] { WortlisteAlsPdf(); });
    add("&Karteikarten als PDF speichern...", [this] { KarteikartenAlsPdf(); });
    add("Drucker einrichten...", [this] { DruckerEinrichten(); });
}

void TVocOptionen::Drucken() {
    PrintList(library_, PrintTarget::Printer, this);
}

void TVocOptionen::KarteikartenDrucken() {
    PrintCards(library_, PrintTarget::Printer, this);
}

void TVocOptionen::WortlisteAlsPdf() {
    PrintList(library_, PrintTarget::PdfFile, this);
}

void TVocOptionen::KarteikartenAlsPdf() {
    PrintCards(library_, PrintTarget::PdfFile, this);
}

void TVocOptionen::DruckerEinrichten() {
    PrinterSetup(this);
}

} // namespace qor
