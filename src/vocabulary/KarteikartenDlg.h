#pragma once
// "Karteikarten drucken": asks for the title printed on every card, the
// sheets to print (all, or a range) and how far the back sides are to be
// shifted sideways so that they meet their fronts on the user's printer.
//
//   FlashCardChoice choice{0, "Familie", 1, sheets};
//   TKarteikartenDlg dialog(choice, sheets, parent);
//   if (dialog.exec() == QDialog::Accepted)
//       choice = dialog.Choice();

#include "vocabulary/FlashCardLayout.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;

namespace qor {

class TKarteikartenDlg : public QDialog {
    Q_OBJECT
public:
    // Starts with the choice's title, shift and sheets; the lists offer the
    // sheets 1 ... sheetCount.
    TKarteikartenDlg(const FlashCardChoice& choice, int sheetCount, QWidget* parent = nullptr);

    // The title and the shift as set; the sheets chosen in the lists only
    // when "Seite(n) von:" is selected, else those the dialog started with.
    FlashCardChoice Choice() const;

    QLineEdit* eThema = nullptr;
    QRadioButton* rbAlle = nullptr;
    QRadioButton* rbSeiten = nullptr;
    QComboBox* cVon = nullptr;
    QComboBox* cBis = nullptr;
    QSlider* tbVerschieben = nullptr;
    QLabel* lVerschiebung = nullptr;

private:
    QWidget* buildSheets(int sheetCount);
    QWidget* buildShift();

    FlashCardChoice start_;
};

} // namespace qor
