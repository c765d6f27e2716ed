// The real back end on SDL's disk audio driver, which writes what is played
// to a raw file and records from another one, in real time.

#include "SoundTestFiles.h"
#include "platform/mci/Mci.h"
#include "platform/mci/MciErrors.h"
#include "platform/mci/SdlAudioBackend.h"
#include "platform/mci/SoundFile.h"
#include "support/TempDir.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <sndfile.h>
#include <thread>

namespace qor::test {
namespace {

using namespace std::chrono_literals;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

class DiskAudioTest : public testing::Test {
protected:
    std::string send(const std::string& command) { return mci->send(command).result(); }

    // Polls the mode as the program's timers do.
    std::string waitWhile(const std::string& alias, const std::string& mode) {
        const auto deadline = std::chrono::steady_clock::now() + 3s;
        std::string answer = send("status " + alias + " mode");
        while (answer == mode && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(10ms);
            answer = send("status " + alias + " mode");
        }
        return answer;
    }

    // Polls until the device reports at least ms milliseconds.
    int waitForPosition(const std::string& alias, int ms) {
        const auto deadline = std::chrono::steady_clock::now() + 3s;
        int position = std::stoi(send("status " + alias + " position"));
        while (position < ms && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(10ms);
            position = std::stoi(send("status " + alias + " position"));
        }
        return position;
    }

    TempDir dir;
    std::string output = dir.path() + "out.raw";
    std::string input = dir.path() + "in.raw";
    ScopedEnv driver{"SDL_AUDIODRIVER", "disk"};
    ScopedEnv outputFile{"SDL_DISKAUDIOFILE", output};
    ScopedEnv inputFile{"SDL_DISKAUDIOFILEIN", input};
    SdlAudioBackend backend;
    std::unique_ptr<MciInterpreter> mci = std::make_unique<MciInterpreter>(backend);
};

// The played samples as they reached the device: silence may come before
// them (the device runs before playing starts) and after them.
std::vector<float> playedPart(const std::vector<float>& raw) {
    auto first = std::find_if(raw.begin(), raw.end(), [](float v) { return v != 0.0f; });
    return {first, raw.end()};
}

TEST_F(DiskAudioTest, PlaysAWaveFileToTheDeviceAndStopsAtItsEnd) {
    ASSERT_TRUE(backend.available());
    const auto signal = testSignal(5513); // 0.25 s
    const std::string wave = dir.path() + "wort mit blank.wav";
    writeWave16(wave, signal, 1, 22050);

    EXPECT_EQ(send("open \"" + wave + "\" alias welle"), "1");
    EXPECT_EQ(send("status welle length"), "250");
    EXPECT_EQ(send("play welle from 0"), "");
    EXPECT_EQ(send("status welle mode"), "playing");
    EXPECT_EQ(waitWhile("welle", "playing"), "stopped");
    EXPECT_EQ(send("status welle position"), "250");
    EXPECT_EQ(send("close welle"), "");

    const std::vector<float> played = playedPart(readRawFloats(output));
    ASSERT_GE(played.size(), signal.size());
    for (std::size_t i = 0; i < signal.size(); ++i)
        ASSERT_FLOAT_EQ(played[i], signal[i] / 32768.0f) << "sample " << i;
    for (std::size_t i = signal.size(); i < played.size(); ++i)
        ASSERT_EQ(played[i], 0.0f) << "sample " << i;
}

TEST_F(DiskAudioTest, PlaysASoundFromMemoryAsItPlaysAFile) {
    const auto signal = testSignal(2205); // 0.1 s
    PcmSound sound{{16, 1, 22050}, std::vector<unsigned char>(signal.size() * 2)};
    std::memcpy(sound.samples.data(), signal.data(), sound.samples.size());
    ASSERT_TRUE(mci->openMemory("welle", std::move(sound)).ok());
    EXPECT_EQ(send("status welle length"), "100");
    EXPECT_EQ(send("play welle from 0"), "");
    EXPECT_EQ(waitWhile("welle", "playing"), "stopped");
    EXPECT_EQ(send("close welle"), "");

    // In its own format, as a recording plays.
    const std::vector<std::int16_t> played = readRawShorts(output);
    const auto first = std::find(played.begin(), played.end(), signal.front());
    ASSERT_GE(played.end() - first, static_cast<std::ptrdiff_t>(signal.size()));
    EXPECT_TRUE(std::equal(signal.begin(), signal.end(), first));
}

TEST_F(DiskAudioTest, StopKeepsThePositionAndPlayGoesOnFromThere) {
    const std::string wave = dir.path() + "a.wav";
    writeWave16(wave, testSignal(22050), 1, 22050); // 1 s
    send("open \"" + wave + "\" alias satz");
    send("play satz");
    waitForPosition("satz", 50);
    EXPECT_EQ(send("stop satz"), "");
    EXPECT_EQ(send("status satz mode"), "stopped");
    const int stoppedAt = std::stoi(send("status satz position"));
    EXPECT_GT(stoppedAt, 0);
    EXPECT_LT(stoppedAt, 1000);
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(send("status satz position"), std::to_string(stoppedAt));
    EXPECT_EQ(send("play satz"), "");
    EXPECT_GE(std::stoi(send("status satz position")), stoppedAt);
    EXPECT_EQ(send("seek satz to start"), "");
    EXPECT_EQ(send("status satz mode"), "stopped");
    EXPECT_EQ(send("status satz position"), "0");
    // Seeking past the end, however far, stops at the end.
    for (const char* far : {"1001", "281621005598720", "9223372036854775807"}) {
        EXPECT_EQ(send(std::string("seek satz to ") + far), "");
        EXPECT_EQ(send("status satz position"), "1000") << far;
    }
}

TEST_F(DiskAudioTest, RecordsInTheFormatSetAndSavesAWaveFile) {
    // 0.2 s of input at 11025 Hz, 16 bits, mono; recording runs longer and
    // gets silence after the input has run out.
    const auto signal = testSignal(2205);
    writeRaw(input, signal.data(), signal.size() * sizeof(std::int16_t));

    EXPECT_EQ(send("open new type waveaudio alias test"), "1");
    EXPECT_EQ(send("set test bitspersample 16 channels 1 alignment 2 samplespersec 11025 "
                   "bytespersec 22050"),
              "");
    EXPECT_EQ(send("seek test to start"), "");
    EXPECT_EQ(send("record test"), "");
    EXPECT_EQ(send("status test mode"), "recording");
    waitForPosition("test", 300);
    EXPECT_EQ(send("stop test"), "");
    EXPECT_EQ(send("status test mode"), "stopped");
    const int recordedMs = std::stoi(send("status test position"));
    EXPECT_GE(recordedMs, 300);

    const std::string saved = dir.path() + "aufnahme.wav";
    EXPECT_EQ(send("save test \"" + saved + "\""), "");
    const DecodedWave wave = readWave16(saved);
    EXPECT_EQ(wave.channels, 1);
    EXPECT_EQ(wave.rate, 11025);
    EXPECT_EQ(wave.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    EXPECT_EQ(static_cast<int>(wave.samples.size() * 1000 / 11025), recordedMs);
    ASSERT_GE(wave.samples.size(), signal.size());
    EXPECT_TRUE(std::equal(signal.begin(), signal.end(), wave.samples.begin()));
    EXPECT_TRUE(std::all_of(wave.samples.begin() + static_cast<std::ptrdiff_t>(signal.size()),
                            wave.samples.end(), [](std::int16_t v) { return v == 0; }));

    // The recording plays back from memory.
    send("seek test to start");
    EXPECT_EQ(send("play test"), "");
    EXPECT_EQ(waitWhile("test", "playing"), "stopped");
    EXPECT_EQ(send("status test position"), std::to_string(recordedMs));
    send("close test");
    const std::vector<std::int16_t> played = readRawShorts(output);
    const auto first = std::find(played.begin(), played.end(), signal.front());
    ASSERT_NE(first, played.end());
    ASSERT_GE(played.end() - first, static_cast<std::ptrdiff_t>(signal.size()));
    EXPECT_TRUE(std::equal(signal.begin(), signal.end(), first));
}

TEST_F(DiskAudioTest, RecordsEightBitStereo) {
    std::vector<std::uint8_t> signal(2 * 1200);
    for (std::size_t i = 0; i < signal.size(); ++i)
        signal[i] = static_cast<std::uint8_t>(i % 2 == 0 ? 10 + i % 100 : 240 - i % 100);
    writeRaw(input, signal.data(), signal.size());

    send("open new type waveaudio alias test");
    EXPECT_EQ(send("set test bitspersample 8 channels 2 alignment 2 samplespersec 8000 "
                   "bytespersec 16000"),
              "");
    send("record test");
    waitForPosition("test", 200);
    send("stop test");
    const std::string saved = dir.path() + "acht.wav";
    EXPECT_EQ(send("save test \"" + saved + "\""), "");

    const DecodedWave wave = readWave16(saved);
    EXPECT_EQ(wave.channels, 2);
    EXPECT_EQ(wave.rate, 8000);
    EXPECT_EQ(wave.format, SF_FORMAT_WAV | SF_FORMAT_PCM_U8);
    ASSERT_GE(wave.samples.size(), signal.size());
    for (std::size_t i = 0; i < signal.size(); ++i)
        ASSERT_EQ(wave.samples[i], (signal[i] - 128) * 256) << "sample " << i;
    for (std::size_t i = signal.size(); i < wave.samples.size(); ++i)
        ASSERT_EQ(wave.samples[i], 0) << "sample " << i;
}

TEST_F(DiskAudioTest, ANewRecordingReplacesTheOldOne) {
    const auto signal = testSignal(1000, -3000);
    writeRaw(input, signal.data(), signal.size() * sizeof(std::int16_t));
    send("open new type waveaudio alias test");
    send("set test bitspersample 16 channels 1 alignment 2 samplespersec 11025 bytespersec 22050");
    send("record test");
    const int first = waitForPosition("test", 300);
    send("stop test");
    send("seek test to start");
    send("record test");
    waitForPosition("test", 100);
    send("stop test");
    const int second = std::stoi(send("status test length"));
    EXPECT_LT(second, first);
    EXPECT_EQ(send("status test position"), std::to_string(second));

    // The input is read from its start again for the new recording.
    const std::string saved = dir.path() + "zweite.wav";
    send("save test \"" + saved + "\"");
    const DecodedWave wave = readWave16(saved);
    EXPECT_EQ(static_cast<int>(wave.samples.size() * 1000 / 11025), second);
    EXPECT_TRUE(std::equal(signal.begin(), signal.end(), wave.samples.begin()));
}

TEST_F(DiskAudioTest, SavingWhereNoFileCanBeWrittenIsAnError) {
    send("open new type waveaudio alias test");
    EXPECT_EQ(send("save test \"" + dir.path() + "fehlt/a.wav\""), "Error286");
}

TEST_F(DiskAudioTest, DecodesAndPlaysMp3) {
    const std::string mp3 = dir.path() + "musik.mp3";
    ASSERT_TRUE(writeMp3Tone(mp3, 8820, 44100)) << "libsndfile cannot encode MP3 here";
    auto reader = SoundFileReader::open(mp3);
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->sampleRate(), 44100);
    std::vector<float> decoded(20000);
    const std::int64_t frames = reader->read(decoded.data(), 20000);
    EXPECT_GE(frames, 8820); // the encoder pads a little
    float peak = 0;
    for (std::int64_t i = 0; i < frames; ++i)
        peak = std::max(peak, std::abs(decoded[static_cast<std::size_t>(i)]));
    EXPECT_NEAR(peak, 0.5f, 0.1f);

    EXPECT_EQ(send("open \"" + mp3 + "\" alias mp3"), "1");
    EXPECT_EQ(send("play mp3"), "");
    EXPECT_EQ(send("Status MP3 mode"), "playing");
    EXPECT_EQ(waitWhile("mp3", "playing"), "stopped");
    EXPECT_GE(std::stoi(send("status mp3 position")), 200);
    send("close mp3");
    const std::vector<float> played = playedPart(readRawFloats(output));
    const auto loud =
        std::count_if(played.begin(), played.end(), [](float v) { return std::abs(v) > 0.25f; });
    EXPECT_GT(loud, 2000);
}

TEST_F(DiskAudioTest, FilesThatCannotBeOpenedGiveErrors) {
    const std::string text = dir.file("kein ton.wav", "das ist kein Klang");
    EXPECT_EQ(send("open \"" + text + "\" alias welle"), "Error296");
    EXPECT_EQ(send("open \"" + dir.path() + "fehlt.wav\" alias welle"), "Error275");
    EXPECT_EQ(send("play welle from 0"), "Error263");
}

TEST_F(DiskAudioTest, PlaySoundSyncReturnsWhenTheSoundHasPlayed) {
    const auto signal = testSignal(2205);
    const std::string wave = dir.path() + "klick.wav";
    writeWave16(wave, signal, 1, 22050); // 0.1 s
    MciInterpreter* previous = installMciInterpreter(mci.get());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(PlaySoundSync(wave));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 90ms);
    EXPECT_FALSE(PlaySoundSync(dir.path() + "fehlt.wav"));
    installMciInterpreter(previous);
    const std::vector<float> played = playedPart(readRawFloats(output));
    ASSERT_GE(played.size(), signal.size());
    EXPECT_FLOAT_EQ(played[signal.size() - 1], signal.back() / 32768.0f);
}

TEST(NoSoundDeviceTest, EveryDeviceFailsWithAnErrorAnswer) {
    ScopedEnv driver{"SDL_AUDIODRIVER", "kein-treiber"};
    TempDir dir;
    const std::string wave = dir.path() + "a.wav";
    writeWave16(wave, testSignal(100), 1, 22050);
    SdlAudioBackend backend;
    EXPECT_FALSE(backend.available());
    MciInterpreter mci(backend);
    EXPECT_EQ(mci.send("open \"" + wave + "\" alias welle").result(), "Error326");
    EXPECT_EQ(mci.send("play welle from 0").result(), "Error263");
    EXPECT_EQ(mci.send("open new type waveaudio alias test").result(), "Error328");
    EXPECT_EQ(mci.openMemory("welle", {{16, 1, 22050}, {0, 0}}).result(), "Error326");
    EXPECT_EQ(mci.send("record test").result(), "Error263");
    EXPECT_EQ(mci.send("status test position").result(), "Error263");
    EXPECT_EQ(mci.send("open \"" + dir.path() + "fehlt.wav\" alias welle").result(), "Error275");
}

} // namespace
} // namespace qor::test
