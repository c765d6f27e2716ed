#include "sound/WordSpeech.h"

#include "FakeMci.h"
#include "ScriptedSpeech.h"
#include "core/Configuration.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Text.h"
#include "platform/mci/MciErrors.h"
#include "sound/WaveBase.h"
#include "sound/WordRecordings.h"
#include "support/TempDir.h"

#include <functional>
#include <gtest/gtest.h>

namespace qor::test {
namespace {

using namespace literals;

class WordSpeechTest : public testing::Test {
protected:
    WordSpeechTest() {
        casa = dir.file("casa.wav", "RIFF");
        base.AddEntry("casa", casa);
        base.AddEntry("perro", dir.path() + "fehlt.wav"); // its file is missing
    }

    // What reached the device and the synthesizer: "file <path>",
    // "speech <text>" or "" when nothing played.
    std::string heard(const std::function<void()>& play) {
        mci.backend.log.clear();
        speech.said.clear();
        play();
        const auto& log = mci.backend.log;
        std::string played;
        for (const std::string& line : log)
            if (line.starts_with("play "))
                played = line;
        if (played.empty())
            return speech.said.empty() ? "" : "unplayed " + speech.said.front();
        if (played == "play memory 22050/2205 from 0")
            return speech.said.size() == 1 ? "speech " + speech.said.front() : "speech twice";
        return (speech.said.empty() ? "file " : "file and speech ") +
               played.substr(5, played.size() - 12);
    }

    TempDir dir;
    MemoryRegistry registry;
    Configuration config{registry, dir.path() + "qor", dir.path()};
    TXWaveBase base{config};
    InstalledFakeMci mci;
    ScriptedSpeech speech;
    ScriptedMessages messages;
    std::string casa;
};

TEST_F(WordSpeechTest, SpeechOnlyWhereNoRecordingExists) {
    struct Case {
        const char* what;
        bool speechOn;
        std::function<void(const TXWaveBase&)> play;
        std::string expected;
    };
    const auto word = [](std::string w, bool spanish) {
        return [w, spanish](const TXWaveBase& b) {
            PlayWordRecording(b, w, spanish);
        };
    };
    const auto at = [](std::string text, int caret, int selection, bool spanish) {
        return [=](const TXWaveBase& b) {
            PlayRecordingAt(b, text, caret, selection, spanish);
        };
    };
    const auto slow = [](std::string w) {
        return [w](const TXWaveBase& b) {
            PlayWordSound(FindWordSound(b, w, true), SpeechRate::Slow);
        };
    };
    const Case cases[] = {
        {"recorded", true, word("casa", true), "file " + casa},
        {"not recorded", true, word("gato", true), "speech gato"},
        {"switched off", false, word("gato", true), ""},
        {"German", true, word("Katze", false), ""},
        {"file missing", true, word("perro", true), "speech perro"},
        {"comment", true, word("[fam.] tío; pariente"_cp, true), "speech tío"_cp},
        {"gender", true, word("mesa (f); tabla", true), "speech mesa"},
        {"one recorded meaning", true, word("edificio; casa", true), "file " + casa},
        {"slow", true, slow("la mesa grande"), "speech slow la mesa grande"},
        {"slow recorded", true, slow("casa"), "file " + casa},
        {"at caret", true, at("perro; gato", 8, 0, true), "speech gato"},
        {"at caret recorded", true, at("gato; casa", 7, 0, true), "file " + casa},
        {"selection", true, at("la mesa grande", 3, 4, true), "speech mesa"},
        {"at caret German", true, at("Hund; Katze", 0, 0, false), ""},
        {"at caret off", false, at("gato", 0, 0, true), ""},
        {"nothing to say", true, word(" [nada] ", true), ""},
    };
    for (const Case& c : cases) {
        config.Extras.Speech = c.speechOn;
        EXPECT_EQ(heard([&] { c.play(base); }), c.expected) << c.what;
    }
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(WordSpeechTest, NoVoiceIsNoFailureButABrokenDeviceIs) {
    speech.silent = true;
    EXPECT_TRUE(PlayWordRecording(base, "gato", true));
    EXPECT_TRUE(mci.backend.log.empty());
    EXPECT_FALSE(SpeakQuiet("gato", SpeechRate::Normal));

    speech.silent = false;
    mci.backend.memoryError = MciError::NoOutputDevice;
    EXPECT_FALSE(PlayWordRecording(base, "gato", true));
    mci.backend.memoryError = 0;
    mci.backend.state.playError = MciError::NoOutputDevice;
    EXPECT_FALSE(SpeakQuiet("gato", SpeechRate::Normal, "wb"));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(WordSpeechTest, SpeechTakesTheAliasOverAsAnOpenWould) {
    ASSERT_TRUE(mci.interpreter.send("open \"" + casa + "\" alias wb").ok());
    EXPECT_TRUE(SpeakQuiet("gato", SpeechRate::Normal, "wb"));
    EXPECT_EQ(mci.backend.log,
              (std::vector<std::string>{"open " + casa, "closed " + casa, "open memory 22050/2205",
                                        "play memory 22050/2205 from 0"}));
    EXPECT_EQ(mci.interpreter.send("status wb length").text, "1000");
}

} // namespace
} // namespace qor::test
