// The settings object of superlearning with a scripted MCI sender: the
// registry values read, clamped and written back, the music commands of a
// presentation, the order of the entries and the texts of the Techno and DD
// modes.

#include "superlearning/SuperOptions.h"

#include "core/Configuration.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "sound/WaveBase.h"
#include "support/TempDir.h"
#include "vocabulary/Bibliothek.h"

#include <gtest/gtest.h>
#include <random>

namespace qor {
namespace {
using namespace literals;

class SuperOptionsTest : public ::testing::Test {
protected:
    std::unique_ptr<TSuperOptions> make() {
        SuperEnvironment environment{dir.path(), dir.path(), false, [](std::string_view font) {
                                         return font == "Verdana";
                                     }};
        return std::make_unique<TSuperOptions>(
            registry, environment,
            [this](const std::string& command, bool) {
                sent.push_back(command);
                const auto answer = answers.find(command);
                return answer == answers.end() ? std::string() : answer->second;
            },
            [this](int range) { return std::uniform_int_distribution<int>(0, range - 1)(random); });
    }
    std::vector<std::string> sentSinceLastTime() { return std::exchange(sent, {}); }

    test::TempDir dir;
    MemoryRegistry registry;
    ScriptedMessages messages;
    std::map<std::string, std::string> answers;
    std::vector<std::string> sent;
    std::mt19937 random{3};
};

TEST_F(SuperOptionsTest, SettingsAreReadClampedAndWrittenOnlyWhenChanged) {
    make().reset();
    EXPECT_FALSE(registry.keyExists(SuperRegistryKey)) << "defaults alone are not written";
    EXPECT_EQ(make()->Settings().TechnoSchrift, "Verdana");
    EXPECT_EQ(make()->Settings().Musik, MusicSource::None) << "no music folder, no music";

    const std::string key = SuperRegistryKey;
    registry.writeInteger(key, "Modus", 3);
    registry.writeInteger(key, "KlassikFaktor", 5);
    registry.writeInteger(key, "TechnoSpeed", -40);
    registry.writeInteger(key, "DDTextDelay", 99999);
    registry.writeString(key, "CarsonBGRColor", "00FF00");
    registry.writeString(key, "CarsonTXTColor", "0000FF");
    registry.writeString(key, "TechnoBGRColor", "123456");
    registry.writeString(key, "TechnoTextColor", "nicht hex");
    registry.writeString(key, "TechnoBMPColor", "ABCDEF");
    registry.writeBool(key, "Schwarz-Weiß"_cp, true);
    auto options = make();
    const SuperSettings& read = options->Settings();
    EXPECT_EQ(read.Modus, 1);
    EXPECT_EQ(read.KlassikFaktor, 20);
    EXPECT_EQ(read.TechnoSpeed, -25);
    EXPECT_EQ(read.DDTextDelay, 20000);
    EXPECT_EQ(read.CarsonBGRColor, 0x00FF00);
    EXPECT_EQ(read.CarsonTXTColor, 0x0000FF);
    // One bad colour of the Techno group: the whole group keeps its defaults.
    EXPECT_EQ(read.TechnoBGRColor, 0x000000u);
    EXPECT_EQ(read.TechnoBMPColor, 0x990099u);
    EXPECT_TRUE(read.SchwarzWeiss);
    EXPECT_FALSE(options->Changed());

    options->Set(&SuperSettings::Modus, 1);
    EXPECT_FALSE(options->Changed()) << "the same value changes nothing";
    options->Set(&SuperSettings::TechnoBMPColor, std::uint32_t{0x00AB0C});
    options.reset();
    EXPECT_EQ(registry.readString(key, "TechnoBMPColor"), "00AB0C");
    EXPECT_EQ(registry.readString(key, "TechnoTextColor"), "FFFFFF");
    EXPECT_EQ(registry.readInteger(key, "KlassikFaktor"), 20);
}

TEST_F(SuperOptionsTest, MusicPlaysTrackAfterTrackAndStopsWhenAFileCannotOpen) {
    dir.file("MP3/largo.mp3", "");
    auto options = make();
    ASSERT_EQ(options->Settings().Musik, MusicSource::Mp3);
    const std::string largo = dir.path() + "MP3/largo.mp3";

    options->StartMusic();
    EXPECT_EQ(sentSinceLastTime(),
              (std::vector<std::string>{"open \"" + largo + "\" alias mp3", "play mp3"}));
    options->CheckMusic();
    EXPECT_EQ(sentSinceLastTime(), std::vector<std::string>{"status mp3 mode"});
    answers["status mp3 mode"] = "stopped";
    options->CheckMusic(); // one file plays again
    EXPECT_EQ(sentSinceLastTime(),
              (std::vector<std::string>{"status mp3 mode", "close mp3",
                                        "open \"" + largo + "\" alias mp3", "play mp3"}));
    options->StopMusic();
    EXPECT_EQ(sentSinceLastTime(), (std::vector<std::string>{"stop mp3", "close mp3"}));

    answers["open \"" + largo + "\" alias mp3"] = "Error 275";
    options->StartMusic();
    EXPECT_EQ(options->Settings().Musik, MusicSource::None);
    EXPECT_TRUE(options->Changed()) << "the music stays off in the next run";

    // The audio CD plays only an audio disc, and takes the drive from speech.
    options->SetSprachausgabe(true);
    options->SetMusik(MusicSource::AudioCd);
    EXPECT_FALSE(options->Settings().Sprachausgabe);
    sentSinceLastTime();
    options->StartMusic();
    EXPECT_EQ(sentSinceLastTime(),
              (std::vector<std::string>{"open cdaudio alias cd", "status cd type track 2"}));
    options->SetSprachausgabe(true);
    EXPECT_EQ(options->Settings().Musik, MusicSource::None);
}

TEST_F(SuperOptionsTest, FoldersAreCheckedWhenSet) {
    auto options = make();
    EXPECT_FALSE(options->SetMusik(MusicSource::Mp3)) << "no music folder";
    options->SetMP3Folder(dir.path() + "Musik");
    EXPECT_EQ(messages.shown().back().text,
              "MP3 : Das Verzeichnis \"" + dir.path() + "Musik/\" existiert nicht!");
    dir.file("Musik/a.MP3", "");
    dir.file("Musik/b.mp3", "");
    dir.file("Musik/notiz.txt", "");
    options->SetMP3Folder(dir.path() + "Musik");
    EXPECT_EQ(options->MusicFiles().size(), 2u);
    EXPECT_TRUE(options->SetMusik(MusicSource::Mp3));

    dir.file("Bilder/liesmich.txt", "");
    options->SetTechnoPhotoDir(dir.path() + "Bilder");
    EXPECT_EQ(messages.shown().back().text,
              "Superlearning : Das Verzeichnis \"" + dir.path() +
                  "Bilder/\" enthält keine Bilder (JPG oder BMP)!"_cp);
    options->SetTechnoPhotoDir("");
    EXPECT_EQ(messages.shown().back().text,
              "Der Techno-Modus benötigt ein Verzeichnis mit Bildern (JPG oder BMP)!"_cp);

    dir.file("hqor/SuperDD/welle.htx", "");
    dir.file("hqor/SuperDD/bild.jpg", "");
    options->ListDDPages(dir.path() + "hqor");
    EXPECT_EQ(options->DDPages(), std::vector<std::string>{"welle"});
}

TEST_F(SuperOptionsTest, EntriesFollowTheOrderAndTheTextsAlternate) {
    const struct {
        int first, last, order;
        std::vector<int> shown;
    } orders[] = {
        {2, 4, 0, {2, 3, 4, 2}},
        {2, 4, 1, {4, 3, 2, 4}},
        {3, 3, 2, {3, 3, 3}},
    };
    for (const auto& [first, last, order, shown] : orders) {
        EntryCursor cursor;
        std::vector<int> drawn;
        for (std::size_t i = 0; i < shown.size(); ++i)
            drawn.push_back(NextEntry(cursor, first, last, order, Random));
        EXPECT_EQ(drawn, shown) << "order " << order;
    }
    // Random order: no entry comes back within min(20, last - first) - 1 draws.
    EntryCursor cursor;
    std::vector<int> drawn;
    for (int i = 0; i < 200; ++i)
        drawn.push_back(NextEntry(cursor, 0, 29, 2, [this](int range) {
            return std::uniform_int_distribution<int>(0, range - 1)(random);
        }));
    for (std::size_t i = 19; i < drawn.size(); ++i)
        for (std::size_t j = i - 19; j < i; ++j)
            ASSERT_NE(drawn[i], drawn[j]) << i;

    TBibliothek library(std::make_unique<TLastFiles>(registry));
    TVokabel padre;
    padre.Vokabel = "padre (m)";
    padre.Bedeutung[0] = "(der) Vater";
    TVocEinstellungen settings;
    settings.Von = settings.Bis = library.Add(padre);
    Configuration config(registry, dir.path() + "qor", dir.path());
    TXWaveBase sounds(config);
    auto options = make();
    EXPECT_EQ(options->NextText(library, settings, sounds).text, "*padre (m)");
    EXPECT_EQ(options->NextText(library, settings, sounds).text, "(der) Vater");
    EXPECT_EQ(options->NextText(library, settings, sounds).text, "*padre (m)");
}

} // namespace
} // namespace qor
