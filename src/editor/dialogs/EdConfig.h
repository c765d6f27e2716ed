#pragma once
// "Eigenschaften von Editor": edits the editor's colour scheme in place -
// seven colours, font, bold and the font size of the editor's height class -
// and chooses, loads and saves named schemes. Every change is shown in the
// editor at once through applyScheme; "Abbrechen" brings everything back.

#include "core/Configuration.h"
#include "editor/model/EditorScheme.h"

#include <QDialog>
#include <array>
#include <functional>
#include <string>

class QComboBox;
class QFontComboBox;
class QFrame;
class QLineEdit;
class QPushButton;

namespace qor {

class TEdConfig : public QDialog {
    Q_OBJECT

public:
    // sizeClass is the editor's height class (SchemeSizeClass); -1 takes it
    // from the height of the parent's window.
    TEdConfig(EditorScheme& scheme, Configuration& config, std::function<void()> applyScheme,
              QWidget* parent = nullptr, int sizeClass = -1);

    std::array<QLineEdit*, 7> F{};
    std::array<QFrame*, 7> C{};
    QFontComboBox* Schriftart = nullptr;
    QPushButton* btnFett = nullptr;
    QComboBox* Groesse = nullptr;
    QComboBox* Schema = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnAbbrechen = nullptr;
    QPushButton* btnSpeichernUnter = nullptr;

protected:
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    QWidget* createColorRows();
    QWidget* createFontControls();
    QWidget* createSchemeControls();
    void showScheme();
    void colorEdited(int index, bool anyLength);
    void pickColor(int index);
    void setColor(int index, Color color);
    void fontChosen();
    void boldToggled();
    void sizeEdited();
    void schemeChosen();
    void saveAs();
    void accepted();
    void schemeChanged();

    EditorScheme& scheme_;
    Configuration& config_;
    std::function<void()> applyScheme_;
    int sizeClass_ = 2;
    EditorScheme remembered_;
    std::string rememberedName_;
    bool showing_ = false;   // filling the controls, not the user
    bool nameSaved_ = false; // a name went into the settings store meanwhile
};

} // namespace qor
