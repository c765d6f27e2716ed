#pragma once
// "In Bibliothek suchen": the text to look for in the library and whether
// letter case counts. The accent key works in the text field.

#include <QDialog>
#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace qor {

class TEdSuchen : public QDialog {
    Q_OBJECT

public:
    // lastText is the last search text (program text); without one the case
    // box starts cleared.
    TEdSuchen(const std::string& lastText, bool caseSensitive, QWidget* parent = nullptr);

    std::string text() const; // program text
    bool caseSensitive() const;

    QLineEdit* Begriff = nullptr;
    QCheckBox* CaseBox = nullptr;
    QPushButton* btnSuchen = nullptr;
    QPushButton* btnAbbrechen = nullptr;
};

} // namespace qor
