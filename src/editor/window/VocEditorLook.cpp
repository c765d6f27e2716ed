// Searching the library, the colour scheme and the font of the editor.

#include "controls/XListBox.h"
#include "editor/dialogs/EdConfig.h"
#include "editor/dialogs/EdSuchen.h"
#include "editor/window/FrListe.h"
#include "editor/window/VocEditor.h"
#include "editor/window/VokabelFrame.h"
#include "graphics/QtGraphics.h"
#include "platform/AppMessage.h"
#include "platform/QtCollation.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace qor {

namespace {

// Dark text on light colours, light text on dark ones.
QColor textOn(Color background) {
    const QColor color = toQColor(background);
    return color.lightness() < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

void paintArea(QWidget* area, Color color) {
    QPalette palette = area->palette();
    palette.setColor(QPalette::Window, toQColor(color));
    palette.setColor(QPalette::WindowText, textOn(color));
    area->setPalette(palette);
    area->setAutoFillBackground(true);
}

void paintField(QWidget* field, Color color, bool framed) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, toQColor(color));
    palette.setColor(QPalette::Text, textOn(color));
    field->setPalette(palette);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->setFrame(framed);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
        memo->setFrameShape(framed ? QFrame::StyledPanel : QFrame::NoFrame);
    else if (auto* combo = qobject_cast<QComboBox*>(field))
        combo->setFrame(framed);
}

} // namespace

void TVocEditor::Suchen() {
    TEdSuchen dialog(search_.Text, search_.CaseSensitive, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    search_ = EditorSearchState{};
    search_.Text = dialog.text();
    search_.CaseSensitive = dialog.caseSensitive();
    Weitersuchen();
}

// From the last hit on; the hit is selected in its field.
void TVocEditor::Weitersuchen() {
    if (search_.Text.empty()) {
        Suchen();
        return;
    }
    if (!Search(library_, search_, compareGerman)) {
        AppMessage("Suche blieb erfolglos!");
        return;
    }
    ShowEntry(search_.Entry);
    const int start = search_.Position - 1;
    const int length = static_cast<int>(search_.Text.size());
    QWidget* fields[] = {VokabelFrame->eVokabel, VokabelFrame->eBedeutung0,
                         VokabelFrame->eBedeutung1, VokabelFrame->eKontext0,
                         VokabelFrame->eKontext1};
    QWidget* field = fields[std::clamp(search_.Field, 0, 4)];
    field->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->setSelection(start, length);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(field)) {
        QTextCursor cursor = memo->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        memo->setTextCursor(cursor);
    }
}

void TVocEditor::Anpassen() {
    TEdConfig dialog(
        scheme_, config_, [this] { ApplyScheme(); }, this);
    dialog.exec();
}

// The scheme's colours go to the panels and fields, its font to the whole
// editor.
void TVocEditor::ApplyScheme() {
    const auto& colors = scheme_.Colors;
    paintArea(FrListe, colors[SchemeColor::LeftPanel]);
    FrListe->Liste->setColor(colors[SchemeColor::EntryList]);
    // The chosen line stands out in red on light lists, in yellow on dark ones.
    const bool darkList = toQColor(colors[SchemeColor::EntryList]).lightness() < 128;
    FrListe->Liste->setFarbeAus(darkList ? ColorValue::White : ColorValue::Black);
    FrListe->Liste->setFarbeAn(darkList ? rgbColor(0xE8, 0xB5, 0x3A) : rgbColor(0xB0, 0x41, 0x2E));
    paintArea(FrListe->Knopfleiste, colors[SchemeColor::ButtonStrip]);
    paintArea(VokabelFrame, colors[SchemeColor::EntryFrame]);
    const bool framed = EntryFieldsFramed(scheme_);
    for (QWidget* field : VokabelFrame->EntryFields())
        paintField(field, colors[SchemeColor::EntryFields], framed);
    paintArea(VokabelFrame->WP, colors[SchemeColor::DictionaryPanel]);
    for (QWidget* field : VokabelFrame->DictionaryFields())
        paintField(field, colors[SchemeColor::DictionaryFields], true);
    applyLayoutRules();
}

} // namespace qor
