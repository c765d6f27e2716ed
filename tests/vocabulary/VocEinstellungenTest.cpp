#include "vocabulary/VocEinstellungen.h"

#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "vocabulary/Bibliothek.h"
#include "vocabulary/LearningPreCheck.h"

#include <gtest/gtest.h>

namespace qor {
namespace {
using namespace literals;

TEST(VocEinstellungenTest, TheStoreWithItsDefaultsAndARoundTrip) {
    MemoryRegistry registry;
    TVocEinstellungen settings;
    settings.ReadSettings(registry);
    EXPECT_FALSE(settings.NichtGelesen);
    EXPECT_EQ(settings.Modus, 2);
    EXPECT_EQ(settings.Richtung, 2);
    EXPECT_EQ(settings.MultipleChoice, 50);
    EXPECT_TRUE(settings.Kontext && settings.Redewendungen);
    EXPECT_EQ(settings.NichtZuSchwer, (std::array<bool, 5>{true, true, true, true, true}));
    EXPECT_EQ(settings.MaxScore, 75);

    settings.Modus = 1;
    settings.Richtung = 0;
    settings.MultipleChoice = 20;
    settings.Kontext = false;
    settings.NichtZuSchwer = {false, true, false, true, false};
    settings.MaxScore = -30;
    settings.WriteSettings(registry);
    EXPECT_EQ(registry.readString(TVocEinstellungen::Key, "Modus"), "zurück"_cp);
    TVocEinstellungen read;
    read.ReadSettings(registry);
    EXPECT_EQ(read.Modus, 1);
    EXPECT_EQ(read.Richtung, 0);
    EXPECT_EQ(read.MultipleChoice, 20);
    EXPECT_FALSE(read.Kontext);
    EXPECT_EQ(read.NichtZuSchwer, settings.NichtZuSchwer);
    EXPECT_EQ(read.MaxScore, -30);

    // Unknown texts read as random order and both directions; one switch
    // that cannot be read switches all on.
    registry.writeString(TVocEinstellungen::Key, "Modus", "rückwärts"_cp);
    registry.writeString(TVocEinstellungen::Key, "Richtung", "");
    registry.writeString(TVocEinstellungen::Key, "NichtZuSchwer3", "ja");
    read.ReadSettings(registry);
    EXPECT_EQ(read.Modus, 2);
    EXPECT_EQ(read.Richtung, 2);
    EXPECT_EQ(read.NichtZuSchwer, (std::array<bool, 5>{true, true, true, true, true}));
}

TEST(VocEinstellungenTest, PresetsOfTheFourLevels) {
    const std::array<std::array<bool, 5>, 4> expected = {{{true, true, true, false, false},
                                                          {false, true, true, true, false},
                                                          {false, false, false, true, true},
                                                          {true, true, true, true, true}}};
    for (int level = 0; level < 4; ++level) {
        TVocEinstellungen settings;
        settings.Kontext = true;
        settings.Von = 5;
        settings.Preset(level);
        EXPECT_EQ(settings.NichtZuSchwer, expected[static_cast<std::size_t>(level)]) << level;
        EXPECT_EQ(settings.Modus, 2);
        EXPECT_EQ(settings.MultipleChoice, 60);
        EXPECT_EQ(settings.ProRunde, 12);
        EXPECT_EQ(settings.Von, 0);
        EXPECT_TRUE(settings.Kontext); // left as it was
    }
    TVocEinstellungen outside;
    outside.NichtZuSchwer[4] = true;
    outside.Preset(7);
    EXPECT_EQ(outside.NichtZuSchwer, (std::array<bool, 5>{false, false, false, false, true}));
}

// Superlearning needs entries, and shows the range that is there.
TEST(VocEinstellungenTest, LearningPreCheckPutsTheRangeRight) {
    ScriptedMessages messages;
    MemoryRegistry registry;
    TBibliothek library(std::make_unique<TLastFiles>(registry));
    TVocEinstellungen settings;
    library.Clear(false);
    EXPECT_FALSE(LearningPreCheck(library, settings));
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{
                  "Noch keine Bibliothek geladen! Was wollen Sie denn lernen?\?\?!"});
    TVokabel entry;
    entry.Vokabel = "casa (f)";
    entry.Bedeutung[0] = "(das) Haus";
    for (int i = 0; i < 5; ++i)
        library.Add(entry);
    const int last = library.Count(false) - 1;
    const struct {
        int von, bis, wantVon, wantBis;
    } ranges[] = {{1, 3, 1, 3}, {-1, -1, 0, last}, {last, last + 5, 0, last}, {2, last, 2, last}};
    for (const auto& [von, bis, wantVon, wantBis] : ranges) {
        settings.Von = von;
        settings.Bis = bis;
        EXPECT_TRUE(LearningPreCheck(library, settings));
        EXPECT_EQ(settings.Von, wantVon) << von;
        EXPECT_EQ(settings.Bis, wantBis) << bis;
    }
}

} // namespace
} // namespace qor
