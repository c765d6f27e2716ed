#pragma once
// The typing fields of a page (tTippAufgabenListe): one TPageEdit for every
// EDIT at its coordinates and every A GAP over its placeholder text. A right
// answer sends reaction + "#" + attempts + "+" (or, without a reaction,
// celebrates a page with nothing left to answer); a final failure sends
// reaction + "-". A reaction with a file extension is loaded as a page.
// A closed field leaves its answer in the text: what was typed when right,
// the solution when finally wrong; what was typed then stays in the page
// variable "Eingabe" for the page the reaction shows.

#include "graphics/Color.h"
#include "page/exercises/ExerciseOutlet.h"
#include "page/exercises/PageEdit.h"

#include <QImage>
#include <QPointer>
#include <QRect>
#include <string>
#include <vector>

namespace qor {

class PageSurface;

class tTippAufgabenListe {
public:
    tTippAufgabenListe(PageSurface& page, ExerciseOutlet& outlet) : page_(page), outlet_(outlet) {}
    ~tTippAufgabenListe();
    tTippAufgabenListe(const tTippAufgabenListe&) = delete;
    tTippAufgabenListe& operator=(const tTippAufgabenListe&) = delete;

    // Creates the page's fields, hidden; specialChars are offered in their
    // context menus.
    void Build(const std::string& specialChars);
    // Follows a new layout: gaps stand over their placeholders again.
    void Relayout();
    // Writes the answers of closed fields into the page picture.
    void Draw(QImage& buffer);
    // Puts the fields where the page shows their places.
    void Place();
    // Shows the open fields; the first gets the focus when the page is visible.
    void Show();
    void Clear();

    bool AnyOpen() const;
    // The fields in the order of the page text.
    std::vector<TPageEdit*> Fields() const;

private:
    struct Field {
        QPointer<TPageEdit> edit;
        std::size_t markup = 0; // the page's typing field
        QRect pageRect;
        Color textColor = 0;    // of the placeholder, or of the page
        std::string closedText; // shown in the text once the field closed
    };

    TPageEdit* createField(std::size_t markup, const std::string& specialChars);
    void answeredRight(TPageEdit& edit);
    void answeredWrong(TPageEdit& edit);
    void focusNextOpen();
    Field* fieldOf(const TPageEdit& edit);
    void drawClosed(QImage& buffer, const Field& field) const;
    void close(TPageEdit& edit, std::string text);

    PageSurface& page_;
    ExerciseOutlet& outlet_;
    std::vector<Field> fields_;
};

} // namespace qor
