#pragma once
// The left panel of the vocabulary editor: the library's file buttons, the
// entry list with a flag before every word, where the current entry stands
// and how many entries there are, the entry buttons, the recording buttons
// and the library's file name. It shows; the editor acts on its buttons.

#include <QWidget>

class QFrame;
class QLabel;
class QToolButton;

namespace qor {

class TXListBox;

class TFrListe : public QWidget {
    Q_OBJECT
public:
    explicit TFrListe(QWidget* parent = nullptr);

    // Position (from 1) and number of filled entries.
    void showCounts(int position, int filled);

    // The controls, named as the panel has always named them.
    QFrame* Knopfleiste = nullptr; // the strip of file buttons
    QToolButton* bLaden = nullptr;
    QToolButton* bDazuladen = nullptr;
    QToolButton* bSpeichern = nullptr;
    QToolButton* bNeu = nullptr;
    QToolButton* bInfo = nullptr;
    QToolButton* bDrucken = nullptr;
    TXListBox* Liste = nullptr;
    QLabel* lPosition = nullptr;
    QLabel* lGroesse = nullptr;
    QToolButton* bUebernehmen = nullptr;
    QToolButton* bLoeschen = nullptr;
    QToolButton* bSortieren = nullptr;
    QToolButton* bWeiter = nullptr;
    QToolButton* bZurueck = nullptr;
    QToolButton* bAufnahme = nullptr;  // toggles recording
    QToolButton* bAbspielen = nullptr; // toggles playing
    QToolButton* bAufnahmeSpeichern = nullptr;
    QLabel* lDatei = nullptr;

private:
    QWidget* createFileButtons();
    QWidget* createCounts();
    QWidget* createEntryButtons();
    QWidget* createRecordingButtons();
};

} // namespace qor
