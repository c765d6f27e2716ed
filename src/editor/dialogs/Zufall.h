#pragma once
// "Zufällig erzeugen": the size of a library made of random dictionary
// entries, the share of Spanish words, whether phrases may be drawn and
// whether the result is sorted.

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;

namespace qor {

class TZufall : public QDialog {
    Q_OBJECT

public:
    explicit TZufall(QWidget* parent = nullptr);

    int size() const;    // 40..800 entries
    int percent() const; // v, 0..100: the share of Spanish words
    bool phrases() const;
    bool sortAlphabetically() const;

    QSlider* cSize = nullptr;
    QLabel* lSize = nullptr;
    QSlider* cProzent = nullptr;
    // The shares of the two sides: 100 - v under "Deutsch", v under "Spanisch".
    QLabel* lDeutsch = nullptr;
    QLabel* lSpanisch = nullptr;
    QCheckBox* Redewendungen = nullptr;
    QCheckBox* Sortieren = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnAbbrechen = nullptr;

private:
    void showValues();
};

} // namespace qor
