#pragma once
// Printing the open library, from the training settings window and the
// editor: as flash cards (fronts first, then the same sheets turned over for
// the backs) or as a numbered word list; on the printer or into a PDF file.
//
// The printer is one for the whole run: chosen in "Drucker einrichten..."
// or in the word list's print dialog, it takes the flash cards as well. A
// PDF file gets fronts and backs one after the other in one document, and
// nobody is asked to put paper in.

#include "vocabulary/Bibliothek.h"

class QPrinter;
class QWidget;

namespace qor {

enum class PrintTarget { Printer, PdfFile };

// True while a flash-card print runs; another one is refused meanwhile.
bool Druckt();

// The printer of the run, created when first needed.
QPrinter& SharedPrinter();
// "Drucker einrichten...": the printer, its paper and settings, without printing.
void PrinterSetup(QWidget* parent);

// The flash cards of the library's entries, after the dialog
// "Karteikarten drucken"; a PDF file's name is asked after it.
void PrintCards(const TBibliothek& library, PrintTarget target, QWidget* parent);
// The word list, after the print dialog or the question for the PDF file.
void PrintList(const TBibliothek& library, PrintTarget target, QWidget* parent);

} // namespace qor
