#include "sound/WordRecordings.h"

#include "FakeMci.h"
#include "core/Configuration.h"
#include "platform/AppMessage.h"
#include "platform/Random.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "platform/mci/MciErrors.h"
#include "sound/WaveBase.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <set>

namespace qor::test {
namespace {

using namespace literals;

class WordRecordingsTest : public testing::Test {
protected:
    // A recording that exists; its path is returned.
    std::string recorded(const std::string& text) {
        const std::string path = dir.file(lowerCase(text).substr(0, 4) + ".wav", "RIFF");
        base.AddEntry(text, path);
        return path;
    }

    // The file opened on "welle" by the last PlayRecordingAt, or empty.
    std::string playedAt(std::string_view text, int caret, int selection = 0) {
        mci.backend.log.clear();
        PlayRecordingAt(base, text, caret, selection);
        const auto& log = mci.backend.log;
        const auto play = std::find_if(log.begin(), log.end(), [](const std::string& line) {
            return line.starts_with("play ");
        });
        return play == log.end() ? std::string() : play->substr(5, play->size() - 12);
    }

    TempDir dir;
    MemoryRegistry registry;
    Configuration config{registry, dir.path() + "qor", dir.path()};
    TXWaveBase base{config};
    InstalledFakeMci mci;
    ScriptedMessages messages;
};

TEST_F(WordRecordingsTest, FindsTheRecordingOfAWord) {
    const std::string casa = recorded("casa (f)");
    base.AddEntry("perro", dir.path() + "fehlt.wav");
    EXPECT_EQ(FindWordRecording(base, "casa"), casa);
    EXPECT_EQ(FindWordRecording(base, "CASA (F)"), casa);
    EXPECT_EQ(FindWordRecording(base, "perro"), ""); // its file is missing
    EXPECT_EQ(FindWordRecording(base, "gato"), "");
    EXPECT_EQ(FindWordRecording(base, ""), "");
}

TEST_F(WordRecordingsTest, ABracketedCommentIsLeftOut) {
    const std::string tio = recorded("tío"_cp);
    EXPECT_EQ(FindWordRecording(base, "[fam.] tío"_cp), tio);
    EXPECT_EQ(FindWordRecording(base, "tío [fam.]"_cp), tio);
    EXPECT_EQ(FindWordRecording(base, "[] tío"_cp), "");
}

TEST_F(WordRecordingsTest, OneOfSeveralRecordedMeaningsIsChosenAtRandom) {
    const std::string casa = recorded("casa");
    const std::string hogar = recorded("hogar");
    std::set<std::string> chosen;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        RandSeed(seed);
        chosen.insert(FindWordRecording(base, "casa; [fig.] hogar; edificio"));
    }
    EXPECT_EQ(chosen, (std::set<std::string>{casa, hogar}));
    EXPECT_EQ(FindWordRecording(base, "edificio; casa"), casa);
    EXPECT_EQ(FindWordRecording(base, "edificio;hogar"), hogar);
    EXPECT_EQ(FindWordRecording(base, "edificio; piso"), "");
}

TEST_F(WordRecordingsTest, PlayWordRecordingPlaysQuietly) {
    const std::string casa = recorded("casa");
    EXPECT_TRUE(PlayWordRecording(base, "casa"));
    EXPECT_EQ(mci.backend.log,
              (std::vector<std::string>{"open " + casa, "play " + casa + " from 0"}));
    mci.backend.log.clear();
    EXPECT_TRUE(PlayWordRecording(base, "gato")); // nothing to play is no failure
    EXPECT_TRUE(mci.backend.log.empty());
    mci.backend.state.playError = MciError::NoOutputDevice;
    EXPECT_FALSE(PlayWordRecording(base, "casa"));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(WordRecordingsTest, PlayRecordingAtPlaysTheMeaningUnderTheCaret) {
    const std::string casa = recorded("casa");
    const std::string hogar = recorded("hogar");
    const std::string tio = recorded("tío"_cp);
    const std::string gato = recorded("gato");
    struct Case {
        std::string text;
        int caret;
        int selection;
        std::string expected;
    };
    const Case cases[] = {
        {"casa; hogar", 0, 0, casa},
        {"casa; hogar", 4, 0, casa},
        {"casa; hogar", 5, 0, ""}, // on the ";" itself
        {"casa; hogar", 8, 0, hogar},
        {"casa; hogar", 11, 0, hogar}, // at the end
        {"casa; hogar", 12, 0, ""},    // beyond the end
        {"", 0, 0, ""},
        {"[fam.] tío; casa"_cp, 3, 0, tio},
        {"casa; [fam.]  tío"_cp, 9, 0, tio},
        {"la casa grande", 3, 4, casa}, // the selection
        {"la casa grande", 3, 0, ""},   // no selection, no recording
        {"(gato).xyz", 0, 7, gato},     // a selection from the very start
        {"(gato). y más"_cp, 0, 7, ""}, // ... only when it holds no blank
    };
    for (const Case& c : cases)
        EXPECT_EQ(playedAt(c.text, c.caret, c.selection), c.expected)
            << c.text << " at " << c.caret << "+" << c.selection;
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(WordRecordingsTest, PlayRecordingAtOpensAsWaveAudioAndShowsErrors) {
    const std::string casa = recorded("casa");
    mci.backend.openErrors[casa] = MciError::InvalidFile;
    EXPECT_EQ(playedAt("casa", 0), "");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].caption, "*qor spanisch");
    EXPECT_EQ(messages.shown()[0].text, mciErrorText(MciError::InvalidFile) + " - open \"" + casa +
                                            "\" type waveaudio alias welle");
}

} // namespace
} // namespace qor::test
