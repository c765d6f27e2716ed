#pragma once
// The recording set-up dialog ("recsetup"): resolution, sample rate and
// channels of the recorder's recordings, kept in the settings store.

#include <QDialog>

class QRadioButton;

namespace qor {

class Registry;
class tWaveRec;

class TRecSetup : public QDialog {
    Q_OBJECT
public:
    // Creates the shared recorder when there is none yet.
    explicit TRecSetup(Registry& registry, QWidget* parent = nullptr);

private:
    void btnOKClick();

    tWaveRec& recorder_;
    QRadioButton* bits8_;
    QRadioButton* bits16_;
    QRadioButton* rate11_;
    QRadioButton* rate22_;
    QRadioButton* rate44_;
    QRadioButton* mono_;
    QRadioButton* stereo_;
};

} // namespace qor
