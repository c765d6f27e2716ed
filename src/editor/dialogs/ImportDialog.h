#pragma once
// "Import-Assistent": asks how the values of a delimited text file are
// separated and what a line holds, starting from the texts of the last
// import, and explains both on the page "_import.htx". OK is refused while
// the separator names no single character.

#include "platform/Registry.h"

#include <QDialog>
#include <string>

class QComboBox;
class QPushButton;

namespace qor {

class TXPage;

class TImport : public QDialog {
    Q_OBJECT

public:
    // pageDir is the page directory holding "_import.htx".
    TImport(Registry& registry, const std::string& pageDir, QWidget* parent = nullptr);

    // The texts as entered (program text); ImportSeparator reduces the first.
    std::string separatorText() const;
    std::string structureText() const;

    QComboBox* Separator = nullptr;
    QComboBox* Struktur = nullptr;
    TXPage* Seite = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnAbbrechen = nullptr;

public slots:
    void accept() override;
};

} // namespace qor
