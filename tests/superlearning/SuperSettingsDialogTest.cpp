// The superlearning settings dialog on the offscreen platform: the slider
// and list texts it shows and reads back, its controls loaded from and
// applied to the settings, "&Zurücksetzen", "&Abbrechen", the music test and
// the preview of the Techno look.

#include "superlearning/SuperSettingsDialog.h"

#include "platform/FileDialogs.h"
#include "platform/QtText.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "superlearning/ColorField.h"
#include "superlearning/SuperOptions.h"
#include "superlearning/SuperSettingsTexts.h"
#include "support/TempDir.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace qor {
namespace {
using namespace literals;

TEST(SuperSettingsTexts, SlidersAndListsReadBackWhatTheyShow) {
    const struct {
        int position, milliseconds;
        const char* shown;
    } frameDelays[] = {
        {1, 20, "20 ms"},         {49, 980, "980 ms"},       {50, 1000, "1 s"},
        {51, 1100, "1,1 s"},      {80, 4000, "4 s"},         {91, 5500, "5,5 s"},
        {100, 10000, "10 s"},     {140, 30000, "30 s"},      {141, 35000, "35 s"},
        {153, 95000, "1:35 min"}, {188, 270000, "4:30 min"},
    };
    for (const auto& [position, milliseconds, shown] : frameDelays) {
        EXPECT_EQ(FrameDelayMilliseconds(position), milliseconds) << position;
        EXPECT_EQ(FrameDelayPosition(milliseconds), position) << position;
        EXPECT_EQ(FrameDelayText(milliseconds), shown) << position;
    }
    for (int position = FrameDelayFirstPosition; position < FrameDelayLastPosition; ++position) {
        ASSERT_LT(FrameDelayMilliseconds(position), FrameDelayMilliseconds(position + 1));
        ASSERT_EQ(FrameDelayPosition(FrameDelayMilliseconds(position)), position);
    }
    EXPECT_EQ(FrameDelayPosition(0), FrameDelayFirstPosition);
    EXPECT_EQ(FrameDelayPosition(10'000'000), FrameDelayLastPosition);

    const std::map<std::string, int> typedDelays = {
        {"2.5", 2500}, {"2,5", 2500},  {" 3 ", 3000}, {"0,5", 500},    {"abc", 0},
        {"", 0},       {"1.000,5", 0}, {"-1", 0},     {"1e9", 100000},
    };
    for (const auto& [typed, milliseconds] : typedDelays)
        EXPECT_EQ(TextDelayMilliseconds(typed), milliseconds) << typed;
    EXPECT_EQ(TextDelayText(3000), "3,0");
    const std::vector<std::string> offered = TextDelayItems();
    EXPECT_EQ(offered.front(), "0,5");
    EXPECT_EQ(offered.back(), "8,0");
    for (const std::string& item : offered)
        EXPECT_EQ(TextDelayText(TextDelayMilliseconds(item)), item);

    const std::map<int, std::string> backgroundDelays = {
        {0, "0 Sekunden"},  {30, "30 Sekunden"},  {60, "1 Minute"},
        {120, "2 Minuten"}, {1200, "20 Minuten"},
    };
    for (const auto& [seconds, shown] : backgroundDelays) {
        EXPECT_EQ(BackgroundDelayText(seconds), shown);
        EXPECT_EQ(BackgroundDelaySeconds(shown), seconds);
    }
    for (const std::string& item : BackgroundDelayItems())
        EXPECT_EQ(BackgroundDelayText(BackgroundDelaySeconds(item)), item);
    EXPECT_EQ(BackgroundDelaySeconds("5 Stunden"), 0);
    EXPECT_EQ(BackgroundDelaySeconds("Minuten"), 0);
}

TEST(SuperSettingsTexts, PreviewPageShowsPictureBordersAndFont) {
    TechnoPreviewLook look{0x102030, 0xFFFFFF, 0x990099, "/b/vorschau.jpg", 3, 40, 100, "Verdana"};
    EXPECT_EQ(TechnoPreviewPage(look),
              "<body bgcolor=#102030 text=#FFFFFF><box coords=0,0,160><img "
              "src=\"/b/vorschau.jpg\" color=#990099 mode=3 transparent=102>"
              "<box coords=0,0,160,18 color=#0 top><box coords=0,82,160,18 color=#0 top>"
              "<box coords=0,40,160 align=m><font face=\"Verdana, courier new\" size=2>*qor "
              "techno");
    look.picture.clear();
    look.border = 5; // less than a pixel of the preview
    EXPECT_EQ(TechnoPreviewPage(look),
              "<body bgcolor=#102030 text=#FFFFFF><box coords=0,40,160 align=m><font "
              "face=\"Verdana, courier new\" size=2>*qor techno");
}

class SuperSettingsDialogTest : public ::testing::Test {
protected:
    SuperSettingsDialogTest() {
        dir.file("MP3/largo.mp3", "");
        dir.file("Techno/bild.jpg", "");
        dir.file("hqor/SuperDD/blau.htx", "");
        dir.file("hqor/SuperDD/rot.htx", "");
    }

    TSuperOptions& open() {
        options = std::make_unique<TSuperOptions>(
            registry, SuperEnvironment{dir.path(), dir.path(), true, {}},
            [this](const std::string& command, bool) {
                sent.push_back(command);
                return answers[command];
            });
        options->ListDDPages(dir.path() + "hqor");
        dialog = std::make_unique<TSuperSettingsDialog>(*options, dir.path());
        dialog->show();
        return *options;
    }
    std::vector<std::string> sentSinceLastTime() { return std::exchange(sent, {}); }

    test::TempDir dir;
    MemoryRegistry registry;
    ScriptedMessages messages;
    std::map<std::string, std::string> answers;
    std::vector<std::string> sent;
    std::unique_ptr<TSuperOptions> options;
    std::unique_ptr<TSuperSettingsDialog> dialog;
};

std::string text(const QLabel* label) {
    return fromQString(label->text());
}

TEST_F(SuperSettingsDialogTest, ControlsShowTheSettingsAndOkAppliesThem) {
    const std::string key = SuperRegistryKey;
    registry.writeInteger(key, "Modus", 1);
    registry.writeInteger(key, "TechnoTextDelay", 2300);
    registry.writeInteger(key, "DDBGRDelay", 120);
    registry.writeString(key, "DD", "rot");
    registry.writeString(key, "CarsonBGRColor", "0000FF"); // red, as the platform keeps it
    registry.writeString(key, "CarsonTXTColor", "000000");
    TSuperOptions& settings = open();
    TSuperSettingsDialog& d = *dialog;

    EXPECT_EQ(d.SuperModus->checkedId(), 1);
    EXPECT_EQ(d.Seiten->currentIndex(), 1) << "the mode's tab";
    EXPECT_EQ(text(d.lblSteps), "100");
    EXPECT_EQ(text(d.lblFrameDelay), "4 s");
    EXPECT_EQ(text(d.lDDText), "2 s");
    EXPECT_EQ(text(d.lDDChar), "40 ms");
    EXPECT_EQ(text(d.lVegasFaktor), "100%");
    EXPECT_TRUE(d.cFading->isChecked());
    EXPECT_EQ(d.cTextDelay->currentText(), QStringLiteral("2,3")) << "typed, not listed";
    EXPECT_EQ(d.cDDFile->currentText(), QStringLiteral("rot"));
    EXPECT_EQ(d.cDDFile->itemText(0), QStringLiteral("<nach Zufallsprinzip>"));
    EXPECT_EQ(d.cDDBGRDelay->currentText(), QStringLiteral("2 Minuten"));
    EXPECT_EQ(d.CarsonBGR->color(), QColor(Qt::red));
    EXPECT_EQ(d.colorBMP->color(), QColor(0x99, 0x00, 0x99));
    EXPECT_EQ(fromQString(d.eTechnoDir->text()), dir.path() + "Techno/");
    EXPECT_TRUE(d.bMP3->isChecked());
    EXPECT_TRUE(d.bSpeech->isChecked());
    EXPECT_EQ(text(d.MP3Info), "1 MP3-Dateien");

    d.SuperModus->button(0)->click();
    EXPECT_EQ(d.Seiten->currentIndex(), 0);
    d.TrackBar->setValue(400);
    d.cHardCut->setChecked(true);
    d.trSpeed->setValue(-23);
    EXPECT_TRUE(d.cFading->isChecked()) << "moving the fade speed chooses fading";
    d.trFrameDelay->setValue(100);
    EXPECT_TRUE(d.cHardCut->isChecked()) << "moving the picture time chooses hard cuts";
    EXPECT_EQ(text(d.lblFrameDelay), "10 s");
    d.cTextDelay->setEditText(QStringLiteral("2.5"));
    d.cDDFile->setCurrentIndex(0);
    d.cDDBGRDelay->setCurrentIndex(0);
    d.trDDTextDelay->setValue(25);
    EXPECT_EQ(text(d.lDDText), "2,5 s");
    d.colorText->setColor(QColor(0x12, 0x34, 0x56));
    d.CarsonTXT->setColor(QColor(0x12, 0x34, 0x56));
    d.bCD->click();
    EXPECT_FALSE(d.bSpeech->isChecked()) << "the audio CD takes the drive";

    d.bOK->click();
    EXPECT_FALSE(d.isVisible());
    const SuperSettings& s = settings.Settings();
    EXPECT_EQ(s.Modus, 0);
    EXPECT_EQ(s.KlassikFaktor, 400) << "stored as the dialog sets it";
    EXPECT_EQ(s.TechnoFrameDelay, 10000);
    EXPECT_FALSE(s.TechnoFading);
    EXPECT_EQ(s.TechnoSpeed, -23);
    EXPECT_EQ(s.TechnoTextDelay, 2500);
    EXPECT_EQ(s.DD, "");
    EXPECT_EQ(s.DDBGRDelay, 30);
    EXPECT_EQ(s.DDTextDelay, 2500);
    EXPECT_EQ(s.TechnoTextColor, 0x123456u);
    EXPECT_EQ(s.CarsonTXTColor, rgbColor(0x12, 0x34, 0x56));
    EXPECT_EQ(s.Musik, MusicSource::AudioCd);
    EXPECT_FALSE(s.Sprachausgabe);
    EXPECT_EQ(sentSinceLastTime(), (std::vector<std::string>{"stop mp3", "close mp3"}));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{}) << "both folders are fine";

    dialog.reset();
    options.reset();
    EXPECT_EQ(registry.readInteger(key, "KlassikFaktor"), 400);
    EXPECT_EQ(open().Settings().KlassikFaktor, 180) << "read back within the stored range";
}

TEST_F(SuperSettingsDialogTest, CancelKeepsTheSettingsAndResetPutsBackTheDefaults) {
    TSuperOptions& settings = open();
    TSuperSettingsDialog& d = *dialog;
    const SuperSettings before = settings.Settings();
    d.trMadness->setValue(2);
    d.cDDAutomatic->setChecked(false);
    EXPECT_FALSE(d.cDDBGRDelay->isEnabled());
    d.bAbbrechen->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(settings.Settings(), before);
    EXPECT_FALSE(settings.Changed());
    EXPECT_EQ(sentSinceLastTime(), (std::vector<std::string>{"stop mp3", "close mp3"}));

    settings.Set(&SuperSettings::Madness, 2);
    settings.Set(&SuperSettings::DDBGRDelay, 0);
    dialog = std::make_unique<TSuperSettingsDialog>(settings, dir.path());
    EXPECT_EQ(text(dialog->lblMadness), "2");
    EXPECT_FALSE(dialog->cDDAutomatic->isChecked());
    dialog->bZuruecksetzen->click();
    EXPECT_EQ(settings.Settings(), before);
    EXPECT_EQ(text(dialog->lblMadness), "9");
    EXPECT_TRUE(dialog->cDDAutomatic->isChecked());
    EXPECT_EQ(dialog->cDDBGRDelay->currentText(), QStringLiteral("1 Minute"));
    dialog->cDDAutomatic->setChecked(false);
    dialog->cDDBGRDelay->setCurrentIndex(-1);
    dialog->cDDAutomatic->setChecked(true);
    EXPECT_EQ(dialog->cDDBGRDelay->currentIndex(), 0) << "ticking offers the first interval";
}

TEST_F(SuperSettingsDialogTest, MusicIsTestedAndFoldersAreChosen) {
    open();
    TSuperSettingsDialog& d = *dialog;
    const std::string largo = dir.path() + "MP3/largo.mp3";
    d.MP3Test->click();
    EXPECT_EQ(sentSinceLastTime(),
              (std::vector<std::string>{"Status MP3 mode", "open \"" + largo + "\" alias mp3",
                                        "play mp3"}));
    EXPECT_EQ(d.MP3Test->text(), QStringLiteral("Stop"));
    EXPECT_EQ(text(d.MP3Info), "Es sollte nun Musik zu hören sein."_cp);
    answers["Status MP3 mode"] = "playing";
    d.MP3Test->click();
    EXPECT_EQ(sentSinceLastTime(),
              (std::vector<std::string>{"Status MP3 mode", "stop mp3", "close mp3"}));
    EXPECT_EQ(d.MP3Test->text(), QStringLiteral("Testen"));
    EXPECT_EQ(text(d.MP3Info), "1 MP3-Dateien");

    ScriptedFileDialogs files;
    dir.file("Musik/a.mp3", "");
    dir.file("Musik/b.MP3", "");
    files.answer(dir.path() + "Musik/a.mp3");
    d.Button1->click();
    EXPECT_EQ(files.asked().back().directory, dir.path() + "MP3/");
    EXPECT_EQ(fromQString(d.MP3Dir->text()), dir.path() + "Musik/");
    EXPECT_EQ(text(d.MP3Info), "2 MP3-Dateien");
    files.answer(dir.path() + "Bilder/vorschau.jpg");
    dir.file("Bilder/vorschau.jpg", "");
    d.Button5->click();
    EXPECT_EQ(files.asked().back().directory, dir.path());
    EXPECT_EQ(fromQString(d.eTechnoDir->text()), dir.path() + "Bilder/");
    EXPECT_NE(d.PreviewPage().find("<img src=\"" + dir.path() + "Bilder/vorschau.jpg\""),
              std::string::npos);
    d.trRand->setValue(0);
    EXPECT_EQ(d.PreviewPage().find("color=#0 top"), std::string::npos) << "no border";

    // A music folder that is not there keeps the dialog open.
    d.MP3Dir->setText(toQString(dir.path() + "fehlt"));
    d.bOK->click();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(messages.texts().back(),
              "MP3 : Das Verzeichnis \"" + dir.path() + "fehlt/\" existiert nicht!");
    // No music folder at all is no mistake.
    messages.clear();
    d.MP3Dir->clear();
    d.bOK->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{});
    EXPECT_EQ(options->Settings().Musik, MusicSource::None);
}

} // namespace
} // namespace qor
