// The built-in phrase data as the program has it, against the sample
// installation the build lays out: twenty topics, every sentence recorded at
// normal and at slow speed, and every sentence found in the sound database.

#include "core/Configuration.h"
#include "lab/ThemenListe.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "sound/WaveBase.h"

#include <gtest/gtest.h>
#include <regex>

namespace qor {
namespace {

const std::string SampleRoot = QOR_SAMPLE_ROOT "/";

TEST(LabRecordingsTest, EverySentenceOfTheTwentyTopicsIsRecordedTwice) {
    ScriptedMessages messages;
    MemoryRegistry registry;
    Configuration config(registry, SampleRoot + "qor-spanisch", SampleRoot);
    config.WaveDir = SampleRoot + "wave/";
    registry.writeInteger(TThemenListe::RegistryKey, "Thema", 19);
    registry.writeBool(TThemenListe::RegistryKey, "Diktat", true);
    registry.writeBool(TThemenListe::RegistryKey, "Deutsch", true);
    registry.writeBool(TThemenListe::RegistryKey, "Automatik", false);
    TThemenListe lab(config, registry);
    TXWaveBase sounds(config);
    sounds.Load(SampleRoot + "s_w.qor");

    ASSERT_EQ(lab.Themen().size(), 20u);
    EXPECT_EQ(lab.Themen()[lab.Thema()].Name, "Zeit und Klima");
    const std::regex reference(R"(XS:\\LA\\[0-9]+\\sl[_0-9]{5}a\.wav)");
    for (const TThema& thema : lab.Themen()) {
        EXPECT_GE(thema.Saetze.size(), 25u) << thema.Name;
        for (const TSatz& satz : thema.Saetze) {
            SCOPED_TRACE(satz.Spanisch);
            EXPECT_TRUE(std::regex_match(satz.Aufnahme, reference));
            EXPECT_NE(lab.ResolveRecording(satz.Aufnahme), "");
            EXPECT_NE(lab.ResolveRecording(NormalSpeedReference(satz.Aufnahme)), "");
            // A sentence a library holds too keeps the library's recording.
            const std::string spoken = sounds.LookUp(satz.Spanisch, true);
            EXPECT_TRUE(spoken == NormalSpeedReference(satz.Aufnahme) ||
                        spoken.starts_with("XS:\\vokabeln\\"))
                << spoken;
            EXPECT_FALSE(satz.Deutsch.empty());
        }
    }
    EXPECT_TRUE(messages.shown().empty());
}

} // namespace
} // namespace qor
