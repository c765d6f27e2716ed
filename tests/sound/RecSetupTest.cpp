#include "sound/RecSetup.h"

#include "FakeMci.h"
#include "platform/Registry.h"
#include "platform/Text.h"
#include "sound/Recorder.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace qor::test {
namespace {

using namespace literals;

class RecSetupTest : public testing::Test {
protected:
    ~RecSetupTest() override { FreeSharedRecorder(); }

    QRadioButton* radio(TRecSetup& dialog, const char* label) {
        for (QRadioButton* button : dialog.findChildren<QRadioButton*>())
            if (button->text() == QString::fromUtf8(label))
                return button;
        ADD_FAILURE() << "no radio button " << label;
        return nullptr;
    }
    QPushButton* button(TRecSetup& dialog, const char* label) {
        for (QPushButton* push : dialog.findChildren<QPushButton*>())
            if (push->text() == QString::fromUtf8(label))
                return push;
        ADD_FAILURE() << "no button " << label;
        return nullptr;
    }
    std::optional<int> stored(const std::string& name) {
        return registry.readInteger("Software\\qor\\Aufnahme", name);
    }

    InstalledFakeMci mci;
    MemoryRegistry registry;
};

TEST_F(RecSetupTest, ShowsTheStoredSettings) {
    registry.writeInteger("Software\\qor\\Aufnahme", "Bits", 8);
    registry.writeInteger("Software\\qor\\Aufnahme", "Rate", 22050);
    registry.writeInteger("Software\\qor\\Aufnahme", "Kanäle"_cp, 2);
    TRecSetup dialog(registry);
    EXPECT_EQ(dialog.windowTitle(), "Aufnahme-Einstellungen");
    QStringList titles;
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>())
        titles << group->title();
    EXPECT_EQ(titles, (QStringList{" Auflösung ", " Sample-Rate ", " Aufnahme in "}));
    EXPECT_TRUE(radio(dialog, "8 Bit")->isChecked());
    EXPECT_TRUE(radio(dialog, "22 kHz")->isChecked());
    EXPECT_TRUE(radio(dialog, "Stereo")->isChecked());
    EXPECT_FALSE(radio(dialog, "Mono")->isChecked());
    // The shared recorder now exists and its device was opened afresh.
    EXPECT_NE(ExistingSharedRecorder(), nullptr);
    EXPECT_EQ(mci.backend.log, (std::vector<std::string>{"open new", "closed new", "open new"}));
}

TEST_F(RecSetupTest, DefaultsWithoutStoredSettings) {
    TRecSetup dialog(registry);
    EXPECT_TRUE(radio(dialog, "16 Bit")->isChecked());
    EXPECT_TRUE(radio(dialog, "44 kHz")->isChecked());
    EXPECT_TRUE(radio(dialog, "Mono")->isChecked());
}

TEST_F(RecSetupTest, OkAppliesAndStoresTheChoice) {
    TRecSetup dialog(registry);
    radio(dialog, "8 Bit")->setChecked(true);
    radio(dialog, "11 kHz")->setChecked(true);
    radio(dialog, "Stereo")->setChecked(true);
    mci.backend.log.clear();
    button(dialog, "&OK")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(mci.backend.log, (std::vector<std::string>{"format new 8/2/11025"}));
    EXPECT_EQ(stored("Bits"), 8);
    EXPECT_EQ(stored("Rate"), 11025);
    EXPECT_EQ(stored("Kanäle"_cp), 2);
}

TEST_F(RecSetupTest, CancelChangesNothing) {
    TRecSetup dialog(registry);
    radio(dialog, "8 Bit")->setChecked(true);
    mci.backend.log.clear();
    button(dialog, "&Abbrechen")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(mci.backend.log.empty());
    EXPECT_FALSE(stored("Bits"));
    EXPECT_EQ(ExistingSharedRecorder()->bitsPerSample(), 16);
}

} // namespace
} // namespace qor::test
