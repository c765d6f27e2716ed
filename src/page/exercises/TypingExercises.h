#pragma once
// The typing fields of a page (tTippAufgabenListe): one TPageEdit for every
// EDIT at its coordinates and every A GAP over its placeholder text. A right
// answer sends reaction + "#" + attempts + "+" (or, without a reaction,
// celebrates a page with nothing left to answer); a final failure sends
// reaction + "-". A reaction with a file extension is loaded as a page.

#include "page/exercises/ExerciseOutlet.h"
#include "page/exercises/PageEdit.h"

#include <QPointer>
#include <QRect>
#include <string>
#include <vector>

namespace qor {

class TXPage;

class tTippAufgabenListe {
public:
    tTippAufgabenListe(TXPage& page, ExerciseOutlet& outlet) : page_(page), outlet_(outlet) {}
    ~tTippAufgabenListe();
    tTippAufgabenListe(const tTippAufgabenListe&) = delete;
    tTippAufgabenListe& operator=(const tTippAufgabenListe&) = delete;

    // Creates the page's fields, hidden; specialChars are offered in their
    // context menus.
    void Build(const std::string& specialChars);
    // Follows a new layout: gaps stand over their placeholders again.
    void Relayout();
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
    };

    TPageEdit* createField(std::size_t markup, const std::string& specialChars);
    void answeredRight(TPageEdit& edit);
    void answeredWrong(TPageEdit& edit);
    void focusNextOpen();

    TXPage& page_;
    ExerciseOutlet& outlet_;
    std::vector<Field> fields_;
};

} // namespace qor
