#include "sound/RecSetup.h"

#include "sound/Recorder.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <initializer_list>

namespace qor {

namespace {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A framed group of radio buttons, one checked at a time.
QGroupBox* radioGroup(const char* title, std::initializer_list<QRadioButton**> buttons,
                      std::initializer_list<const char*> labels, QWidget* parent) {
    auto* group = new QGroupBox(text(title), parent);
    auto* layout = new QVBoxLayout(group);
    auto label = labels.begin();
    for (QRadioButton** button : buttons) {
        *button = new QRadioButton(text(*label++), group);
        layout->addWidget(*button);
    }
    return group;
}

} // namespace

TRecSetup::TRecSetup(Registry& registry, QWidget* parent)
    : QDialog(parent), recorder_(SharedRecorder(registry)) {
    setWindowTitle(text("Aufnahme-Einstellungen"));

    auto* groups = new QHBoxLayout;
    groups->addWidget(radioGroup(" Auflösung ", {&bits8_, &bits16_}, {"8 Bit", "16 Bit"}, this));
    groups->addWidget(radioGroup(" Sample-Rate ", {&rate11_, &rate22_, &rate44_},
                                 {"11 kHz", "22 kHz", "44 kHz"}, this));
    groups->addWidget(radioGroup(" Aufnahme in ", {&mono_, &stereo_}, {"Mono", "Stereo"}, this));

    auto* ok = new QPushButton(text("&OK"), this);
    auto* cancel = new QPushButton(text("&Abbrechen"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TRecSetup::btnOKClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);

    recorder_.ReadSettings();
    (recorder_.bitsPerSample() == 16 ? bits16_ : bits8_)->setChecked(true);
    switch (recorder_.samplesPerSecond()) {
    case 22050:
        rate22_->setChecked(true);
        break;
    case 44100:
        rate44_->setChecked(true);
        break;
    default:
        rate11_->setChecked(true);
        break;
    }
    (recorder_.channels() == 2 ? stereo_ : mono_)->setChecked(true);
    recorder_.OpenDevice();
}

void TRecSetup::btnOKClick() {
    const int rate = rate22_->isChecked() ? 22050 : rate44_->isChecked() ? 44100 : 11025;
    recorder_.SetFormat(bits16_->isChecked() ? 16 : 8, rate, stereo_->isChecked() ? 2 : 1);
    recorder_.ApplyFormat();
    recorder_.WriteSettings();
    accept();
}

} // namespace qor
