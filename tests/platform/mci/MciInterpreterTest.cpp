#include "platform/mci/MciInterpreter.h"

#include "FakeMci.h"
#include "platform/mci/MciErrors.h"

#include <gtest/gtest.h>
#include <set>

namespace qor::test {
namespace {

class MciInterpreterTest : public testing::Test {
protected:
    std::string send(std::string_view command) { return mci.send(command).result(); }

    FakeBackend backend;
    MciInterpreter mci{backend};
};

TEST_F(MciInterpreterTest, OpensFilesByQuotedNameAndAnswersTheDeviceNumber) {
    EXPECT_EQ(send("open \"/sound/mein wort.wav\" alias welle"), "1");
    EXPECT_EQ(send("open \"/sound/satz.wav\" type waveaudio alias satz"), "2");
    EXPECT_EQ(send("open /music/a.mp3 alias mp3"), "3");
    EXPECT_EQ(backend.log, (std::vector<std::string>{"open /sound/mein wort.wav",
                                                     "open /sound/satz.wav", "open /music/a.mp3"}));
}

TEST_F(MciInterpreterTest, ReopeningAnAliasClosesTheOldDeviceFirst) {
    send("open \"/a.wav\" alias welle");
    send("open \"/b.wav\" alias WELLE");
    EXPECT_EQ(backend.log,
              (std::vector<std::string>{"open /a.wav", "closed /a.wav", "open /b.wav"}));
    // A failing open still leaves the alias free.
    backend.openErrors["/c.wav"] = MciError::FileNotFound;
    EXPECT_EQ(send("open \"/c.wav\" alias welle"), "Error275");
    EXPECT_EQ(send("play welle from 0"), "Error263");
}

TEST_F(MciInterpreterTest, ASoundInMemoryTakesItsAliasOnlyInAPlayableFormat) {
    const auto sound = [](int bits, int channels, int rate, std::size_t bytes) {
        return PcmSound{{bits, channels, rate}, std::vector<unsigned char>(bytes, 0x40)};
    };
    struct Case {
        PcmSound sound;
        std::string answer;
    };
    const Case cases[] = {
        {sound(16, 1, 22050, 4410), "ok"},       {sound(8, 2, 8000, 16), "ok"},
        {sound(16, 1, 22050, 4411), "Error282"}, // half a frame
        {sound(12, 1, 22050, 12), "Error282"},   {sound(16, 3, 22050, 12), "Error282"},
        {sound(16, 1, 96000, 4), "Error282"},    {sound(16, 1, 0, 4), "Error282"},
    };
    for (const Case& c : cases) {
        send("open \"/a.wav\" alias welle");
        const MciAnswer answer = mci.openMemory("WELLE", c.sound);
        EXPECT_EQ(answer.ok() ? "ok" : answer.result(), c.answer);
        // The file's device is closed either way, as by an open.
        EXPECT_EQ(send("status welle mode"), c.answer[0] == 'E' ? "Error263" : "stopped");
    }
    EXPECT_EQ(send("play welle from 0"), "Error263");
    EXPECT_EQ(mci.openMemory("", sound(16, 1, 22050, 2)).result(), "Error299");
    backend.memoryError = MciError::NoOutputDevice;
    EXPECT_EQ(mci.openMemory("welle", sound(16, 1, 22050, 2)).result(), "Error326");
}

TEST_F(MciInterpreterTest, KeywordsAndAliasesIgnoreLetterCase) {
    send("open \"/m.mp3\" alias mp3");
    EXPECT_EQ(send("Status MP3 mode"), "stopped");
    EXPECT_EQ(send("PLAY Mp3"), "");
    EXPECT_EQ(send("status mp3 MODE"), "playing");
}

TEST_F(MciInterpreterTest, PassesPlaySeekAndStopToTheDevice) {
    send("open \"/a.wav\" alias welle");
    backend.log.clear();
    backend.state.lengthMs = 2500;
    EXPECT_EQ(send("play welle from 0"), "");
    EXPECT_EQ(send("play welle"), "");
    EXPECT_EQ(send("play welle from 2500"), "");
    EXPECT_EQ(send("stop welle"), "");
    EXPECT_EQ(send("seek welle to start"), "");
    EXPECT_EQ(send("seek welle to end"), "");
    EXPECT_EQ(send("seek welle to 700"), "");
    EXPECT_EQ(backend.log,
              (std::vector<std::string>{"play /a.wav from 0", "play /a.wav",
                                        "play /a.wav from 2500", "stop /a.wav", "seek /a.wav 0",
                                        "seek /a.wav 2500", "seek /a.wav 700"}));
}

TEST_F(MciInterpreterTest, StatusAnswers) {
    send("open new type waveaudio alias test");
    backend.state.positionMs = 1250;
    backend.state.lengthMs = 4000;
    struct Case {
        MciMode mode;
        const char* answer;
    };
    for (const Case& c : {Case{MciMode::Playing, "playing"}, Case{MciMode::Recording, "recording"},
                          Case{MciMode::Stopped, "stopped"}}) {
        backend.state.mode = c.mode;
        EXPECT_EQ(send("status test mode"), c.answer);
    }
    EXPECT_EQ(send("status test position"), "1250");
    EXPECT_EQ(send("status test length"), "4000");
    EXPECT_EQ(send("status test current track"), "1");
    EXPECT_EQ(send("status test type track 1"), "audio");
    EXPECT_EQ(send("status test type track 2"), "Error282");
}

TEST_F(MciInterpreterTest, RecorderCommandsReachTheWaveDevice) {
    EXPECT_EQ(send("open new type waveaudio alias test"), "1");
    EXPECT_EQ(send("set test bitspersample 16 channels 1 alignment 2 samplespersec 44100 "
                   "bytespersec 88200"),
              "");
    EXPECT_EQ(send("set test bitspersample 8 channels 2 alignment 2 samplespersec 22050 "
                   "bytespersec 44100"),
              "");
    EXPECT_EQ(send("set test time format milliseconds"), "");
    EXPECT_EQ(send("record test"), "");
    EXPECT_EQ(send("save test \"/home/ich/aufnahme 1.wav\""), "");
    EXPECT_EQ(backend.log,
              (std::vector<std::string>{"open new", "format new 16/1/44100", "format new 8/2/22050",
                                        "record new", "save new /home/ich/aufnahme 1.wav"}));
}

TEST_F(MciInterpreterTest, CloseAllClosesEveryDevice) {
    send("open \"/a.wav\" alias welle");
    send("open new type waveaudio alias test");
    EXPECT_EQ(send("close all"), "");
    EXPECT_EQ(send("status welle mode"), "Error263");
    EXPECT_EQ(send("close test"), "Error263");
}

TEST_F(MciInterpreterTest, DeviceAndBackendErrorsBecomeErrorAnswers) {
    backend.openErrors["/missing.wav"] = MciError::FileNotFound;
    EXPECT_EQ(send("open \"/missing.wav\" alias welle"), "Error275");
    backend.newError = MciError::NoInputDevice;
    EXPECT_EQ(send("open new type waveaudio alias test"), "Error328");
    backend.newError = 0;
    send("open new type waveaudio alias test");
    backend.state.recordError = MciError::NoInputDevice;
    EXPECT_EQ(send("record test"), "Error328");
    backend.state.playError = MciError::NoOutputDevice;
    EXPECT_EQ(send("play test"), "Error326");
    backend.state.saveError = MciError::FileNotSaved;
    EXPECT_EQ(send("save test \"/nowhere/a.wav\""), "Error286");
}

TEST_F(MciInterpreterTest, MalformedAndUnknownCommandsAreErrorsNeverCrashes) {
    send("open \"/a.wav\" alias welle");
    send("open new type waveaudio alias test");
    backend.state.lengthMs = 1000;
    struct Case {
        const char* command;
        int error;
    };
    const Case cases[] = {
        {"", MciError::MissingCommandString},
        {"   ", MciError::MissingCommandString},
        {"dance welle", MciError::UnrecognizedCommand},
        {"\"play\" welle", MciError::UnrecognizedCommand},
        {"play", MciError::MissingDeviceName},
        {"play nobody", MciError::InvalidDeviceName},
        {"status cd type track 2", MciError::InvalidDeviceName},
        {"open cdaudio alias cd", MciError::DeviceNotInstalled},
        {"open x type cdaudio alias cd", MciError::DeviceNotInstalled},
        {"open x type sequencer alias s", MciError::DeviceNotInstalled},
        {"open \"/a b.wav alias welle", MciError::NoClosingQuote},
        {"open \"/a.wav\" alias", MciError::MissingParameter},
        {"open \"/a.wav\" loudly", MciError::UnrecognizedKeyword},
        {"open new alias test", MciError::MissingParameter},
        {"open new type waveaudio", MciError::NewRequiresAlias},
        {"open new type mpegvideo alias m", MciError::UnsupportedFunction},
        {"play welle from", MciError::BadInteger},
        {"play welle from abc", MciError::BadInteger},
        {"play welle from -5", MciError::BadInteger},
        {"play welle from 1001", MciError::OutOfRange},
        {"play welle to 5", MciError::UnrecognizedKeyword},
        {"stop welle now", MciError::UnrecognizedKeyword},
        {"seek welle", MciError::MissingParameter},
        {"seek welle to", MciError::MissingParameter},
        {"seek welle to middle", MciError::BadInteger},
        {"seek welle start", MciError::UnrecognizedKeyword},
        {"status welle", MciError::MissingParameter},
        {"status welle volume", MciError::UnrecognizedKeyword},
        {"status welle mode now", MciError::UnrecognizedKeyword},
        {"status welle type track x", MciError::BadInteger},
        {"set welle", MciError::MissingParameter},
        {"set welle bitspersample 16", MciError::UnsupportedFunction},
        {"set welle time format tmsf", MciError::BadTimeFormat},
        {"set test volume 3", MciError::UnrecognizedKeyword},
        {"set test bitspersample 24", MciError::OutOfRange},
        {"set test channels 3", MciError::OutOfRange},
        {"set test samplespersec 100", MciError::OutOfRange},
        {"set test bitspersample sixteen", MciError::BadInteger},
        {"set test bitspersample 16 channels 1 alignment 4", MciError::OutOfRange},
        {"set test bitspersample 16 samplespersec 44100 bytespersec 44100", MciError::OutOfRange},
        {"record welle", MciError::UnsupportedFunction},
        {"save welle \"/x.wav\"", MciError::UnsupportedFunction},
        {"save test", MciError::MissingParameter},
        {"save test \"\"", MciError::MissingParameter},
        {"close nobody", MciError::InvalidDeviceName},
        {"close welle now", MciError::UnrecognizedKeyword},
    };
    for (const Case& c : cases)
        EXPECT_EQ(send(c.command), "Error" + std::to_string(c.error)) << c.command;
    // A refused "set" changes nothing.
    EXPECT_EQ(std::count_if(backend.log.begin(), backend.log.end(),
                            [](const std::string& line) { return line.starts_with("format"); }),
              0);
}

// Every command the program sends, in the order its parts send them.
TEST_F(MciInterpreterTest, UnderstandsEveryCommandTheProgramSends) {
    const char* const accepted[] = {
        "open \"/w/a.wav\" alias welle",
        "play welle from 0",
        "close welle",
        "open \"/w/a.wav\" type waveaudio alias welle",
        "play welle from 0",
        "open \"/w/b.wav\" alias wb",
        "play wb from 0",
        "close wb",
        "open \"/w/c.wav\" alias satz",
        "play satz from 0",
        "close satz",
        "open \"/m/d.mp3\" alias mp3",
        "play mp3",
        "status mp3 mode",
        "Status MP3 mode",
        "stop mp3",
        "close mp3",
        "open new type waveaudio alias test",
        "set test bitspersample 16 channels 1 alignment 2 samplespersec 44100 bytespersec 88200",
        "seek test to start",
        "record test",
        "status test position",
        "status test mode",
        "stop test",
        "play test",
        "save test \"/u/aufnahme.wav\"",
        "close test"};
    for (const char* command : accepted)
        EXPECT_TRUE(mci.send(command).ok()) << command;

    // This machine has no CD drive: the CD never opens, so its alias is unknown.
    EXPECT_EQ(send("open cdaudio alias cd"), "Error306");
    for (const char* command : {"status cd type track 2", "set cd time format tmsf", "play cd",
                                "status cd mode", "status cd current track", "status cd position",
                                "seek cd to start", "stop cd", "close cd"})
        EXPECT_EQ(send(command), "Error263") << command;
}

TEST(MciErrorTextTest, EveryErrorHasItsOwnText) {
    const int errors[] = {
        MciError::UnrecognizedKeyword,  MciError::UnrecognizedCommand, MciError::InvalidDeviceName,
        MciError::MissingCommandString, MciError::BadInteger,          MciError::MissingParameter,
        MciError::UnsupportedFunction,  MciError::FileNotFound,        MciError::OutOfRange,
        MciError::FileNotSaved,         MciError::MissingDeviceName,   MciError::BadTimeFormat,
        MciError::NoClosingQuote,       MciError::InvalidFile,         MciError::NewRequiresAlias,
        MciError::DeviceNotInstalled,   MciError::NoOutputDevice,      MciError::NoInputDevice};
    std::set<std::string> texts;
    for (int error : errors)
        texts.insert(mciErrorText(error));
    EXPECT_EQ(texts.size(), std::size(errors));
    EXPECT_EQ(texts.count(mciErrorText(999)), 0u);
    EXPECT_NE(mciErrorText(999).find("999"), std::string::npos);
}

} // namespace
} // namespace qor::test
