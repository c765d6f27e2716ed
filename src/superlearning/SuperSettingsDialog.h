#pragma once
// "QOR Superlearning - Einstellungen": every setting of superlearning on one
// tab per presentation ("klassisch", "abgedreht", Techno, DD, "las vegas")
// and one for the music and speech output. "&OK" applies the controls to
// the settings object, "&Abbrechen" leaves it as it was, "&Zurücksetzen"
// puts back the defaults at once. The settings object stays the caller's:
// freeing it after the dialog writes what changed.
//
//   TSuperSettingsDialog dialog(options, config.ProgramDir, parent);
//   dialog.exec();

#include <QDialog>
#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;

namespace qor {

class ColorField;
class TSuperOptions;
class TXPage;

class TSuperSettingsDialog : public QDialog {
    Q_OBJECT
public:
    // The DD pages offered are those the options have listed
    // (TSuperOptions::ListDDPages). programDir is where the file dialogs
    // start.
    TSuperSettingsDialog(TSuperOptions& options, std::string programDir, QWidget* parent = nullptr);

    // "Modus": the full-screen window's presentation, 0 "klassisch",
    // 1 "abgedreht"; choosing one shows its tab.
    QButtonGroup* SuperModus = nullptr;
    QTabWidget* Seiten = nullptr;

    // "klassisch"
    QSlider* TrackBar = nullptr;
    QLabel* lblSteps = nullptr;
    QComboBox* Schriften = nullptr;
    QCheckBox* cKlassikBW = nullptr;
    QCheckBox* cKlassikNoBGR = nullptr;

    // "abgedreht"
    QSlider* trPause = nullptr;
    QLabel* lblPause = nullptr;
    QSlider* trTextDelay = nullptr;
    QLabel* lblTextdelay = nullptr;
    QSlider* trMadness = nullptr;
    QLabel* lblMadness = nullptr;
    ColorField* CarsonBGR = nullptr;
    ColorField* CarsonTXT = nullptr;

    // "techno - optik"
    QLineEdit* eTechnoDir = nullptr;
    QPushButton* Button5 = nullptr;
    QSlider* trTransparenz = nullptr;
    QLabel* lblTransparenz = nullptr;
    QComboBox* TechnoSchriften = nullptr;
    QSlider* trRand = nullptr;
    QLabel* lblRand = nullptr;
    QComboBox* TransparenzModus = nullptr;
    ColorField* colorBGR = nullptr;
    ColorField* colorText = nullptr;
    ColorField* colorBMP = nullptr;
    TXPage* XPreview = nullptr;

    // "techno - animation"
    QSlider* trSpeed = nullptr;
    QSlider* trFrameDelay = nullptr;
    QLabel* lblFrameDelay = nullptr;
    QRadioButton* cHardCut = nullptr;
    QRadioButton* cFading = nullptr;
    QRadioButton* cTechnoScroll = nullptr;
    QRadioButton* cTechnoFix = nullptr;
    QComboBox* cTextDelay = nullptr;

    // "DD"
    QSlider* trDDTextDelay = nullptr;
    QLabel* lDDText = nullptr;
    QSlider* trDDCharDelay = nullptr;
    QLabel* lDDChar = nullptr;
    QComboBox* cDDFile = nullptr;
    QCheckBox* cDDAutomatic = nullptr;
    QComboBox* cDDBGRDelay = nullptr;

    // "las vegas"
    QSlider* tVegasFaktor = nullptr;
    QLabel* lVegasFaktor = nullptr;

    // "audio"
    QRadioButton* bNone = nullptr;
    QRadioButton* bCD = nullptr;
    QRadioButton* bMP3 = nullptr;
    QCheckBox* bSpeech = nullptr;
    QLineEdit* MP3Dir = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* MP3Test = nullptr;
    QLabel* MP3Info = nullptr;

    QPushButton* bOK = nullptr;
    QPushButton* bAbbrechen = nullptr;
    QPushButton* bZuruecksetzen = nullptr;

    // The page text the preview shows.
    const std::string& PreviewPage() const { return previewPage_; }

protected:
    // "&Abbrechen", Escape and the window's close button.
    void reject() override;

private:
    QWidget* buildModeGroup();
    QWidget* buildClassicTab();
    QWidget* buildCrazyTab();
    QWidget* buildTechnoLookTab();
    QWidget* buildTechnoAnimationTab();
    QWidget* buildDDTab();
    QWidget* buildVegasTab();
    QWidget* buildAudioTab();
    QWidget* buildButtons();
    void connectControls();

    // Every control from the settings.
    void showSettings();
    void showMusicFiles();
    void showPreview();
    // Every control into the settings.
    void applySettings();

    void ok();
    void reset();
    void browsePictures();
    void browseMusic();
    void testMusic();
    void stopTestMusic();

    TSuperOptions& options_;
    std::string programDir_;
    std::string previewPage_;
    bool showing_ = false; // filling the controls, not the user
};

} // namespace qor
