#include "sound/Recorder.h"

#include "FakeMci.h"
#include "platform/Registry.h"
#include "platform/Text.h"
#include "support/TempDir.h"

#include <QTest>
#include <gtest/gtest.h>

namespace qor::test {
namespace {

using namespace literals;

// The page's buffer, and the areas copied to the screen.
class TestCanvas : public RecorderCanvas {
public:
    TestCanvas() { buffer.fill(Qt::black); }
    QImage& offScreen() override { return buffer; }
    void copyToScreen(const QRect& area) override { copied.push_back(area); }

    QImage buffer{120, 60, QImage::Format_RGB32};
    std::vector<QRect> copied;
};

class RecorderTest : public testing::Test {
protected:
    std::vector<std::string>& log() { return mci.backend.log; }
    bool logged(const std::string& line) {
        return std::find(log().begin(), log().end(), line) != log().end();
    }

    InstalledFakeMci mci;
    MemoryRegistry registry;
};

TEST_F(RecorderTest, OpensItsDeviceWhenCreatedAndClosesItWhenDestroyed) {
    {
        tWaveRec recorder(registry);
        EXPECT_EQ(log(), (std::vector<std::string>{"open new"}));
    }
    EXPECT_EQ(log(), (std::vector<std::string>{"open new", "closed new"}));
}

TEST_F(RecorderTest, StartRecordingOpensAFreshDeviceInTheFormatOfTheSettings) {
    registry.writeInteger("Software\\qor\\Aufnahme", "Bits", 8);
    registry.writeInteger("Software\\qor\\Aufnahme", "Rate", 22050);
    registry.writeInteger("Software\\qor\\Aufnahme", "Kanäle"_cp, 2);
    tWaveRec recorder(registry);
    recorder.StartPlaying();
    log().clear();
    recorder.StartRecording();
    EXPECT_EQ(log(), (std::vector<std::string>{"closed new", "open new", "format new 8/2/22050",
                                               "seek new 0", "record new"}));
    EXPECT_EQ(recorder.state(), tWaveRec::Recording);
    EXPECT_TRUE(recorder.timerActive());
}

TEST_F(RecorderTest, InvalidSettingsFallBackToTheirDefaults) {
    struct Case {
        std::optional<int> bits, rate, channels;
        int expectedBits, expectedRate, expectedChannels;
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, std::nullopt, 16, 44100, 1},
        {8, 11025, 2, 8, 11025, 2},
        {16, 22050, 1, 16, 22050, 1},
        {24, 48000, 3, 16, 44100, 1},
        {0, 0, 0, 16, 44100, 1},
    };
    for (const Case& c : cases) {
        MemoryRegistry settings;
        const auto put = [&](const std::string& name, std::optional<int> value) {
            if (value)
                settings.writeInteger("Software\\qor\\Aufnahme", name, *value);
        };
        put("Bits", c.bits);
        put("Rate", c.rate);
        put("Kanäle"_cp, c.channels);
        tWaveRec recorder(settings);
        recorder.ReadSettings();
        EXPECT_EQ(recorder.bitsPerSample(), c.expectedBits);
        EXPECT_EQ(recorder.samplesPerSecond(), c.expectedRate);
        EXPECT_EQ(recorder.channels(), c.expectedChannels);
    }
    // A value of the wrong type is no value.
    MemoryRegistry settings;
    settings.writeString("Software\\qor\\Aufnahme", "Bits", "8");
    tWaveRec recorder(settings);
    recorder.ReadSettings();
    EXPECT_EQ(recorder.bitsPerSample(), 16);
}

TEST_F(RecorderTest, SettingsAreWrittenWhenTheRecorderGoes) {
    registry.writeInteger("Software\\qor\\Aufnahme", "Bits", 8);
    registry.writeInteger("Software\\qor\\Aufnahme", "Rate", 96000);
    {
        // Never recorded: the stored choice survives, the invalid rate is mended.
        tWaveRec recorder(registry);
    }
    EXPECT_EQ(registry.readInteger("Software\\qor\\Aufnahme", "Bits"), 8);
    EXPECT_EQ(registry.readInteger("Software\\qor\\Aufnahme", "Rate"), 44100);
    EXPECT_EQ(registry.readInteger("Software\\qor\\Aufnahme", "Kanäle"_cp), 1);
    {
        tWaveRec recorder(registry);
        recorder.StartRecording();
        recorder.SetFormat(16, 11025, 2);
    }
    EXPECT_EQ(registry.readInteger("Software\\qor\\Aufnahme", "Bits"), 16);
    EXPECT_EQ(registry.readInteger("Software\\qor\\Aufnahme", "Rate"), 11025);
    EXPECT_EQ(registry.readInteger("Software\\qor\\Aufnahme", "Kanäle"_cp), 2);
}

TEST_F(RecorderTest, LengthLimitAcceptsOneToNineteenSeconds) {
    tWaveRec recorder(registry);
    for (const auto& [given, expected] :
         std::vector<std::pair<int, int>>{{0, 4}, {20, 4}, {-3, 4}, {1, 1}, {19, 19}, {7, 7}}) {
        recorder.SetLengthLimit(given);
        EXPECT_EQ(recorder.lengthLimit(), expected) << given;
    }
}

TEST_F(RecorderTest, ARecordingStopsAtTheLengthLimit) {
    tWaveRec recorder(registry);
    recorder.SetLengthLimit(2);
    recorder.StartRecording();
    mci.backend.state.positionMs = 1999;
    recorder.TimerTick();
    EXPECT_EQ(recorder.state(), tWaveRec::Recording);
    EXPECT_TRUE(recorder.timerActive());
    EXPECT_FALSE(logged("stop new"));

    mci.backend.state.positionMs = 2000;
    recorder.TimerTick();
    EXPECT_TRUE(logged("stop new"));
    EXPECT_EQ(recorder.state(), tWaveRec::Idle);
    EXPECT_FALSE(recorder.timerActive());
}

TEST_F(RecorderTest, TheDeviceStoppingEndsPlaying) {
    tWaveRec recorder(registry);
    recorder.StartPlaying();
    EXPECT_EQ(log(), (std::vector<std::string>{"open new", "seek new 0", "play new"}));
    EXPECT_EQ(recorder.state(), tWaveRec::Playing);
    recorder.TimerTick();
    EXPECT_EQ(recorder.state(), tWaveRec::Playing);
    mci.backend.state.mode = MciMode::Stopped;
    recorder.TimerTick();
    EXPECT_EQ(recorder.state(), tWaveRec::Idle);
    EXPECT_FALSE(recorder.timerActive());
}

TEST_F(RecorderTest, TheTimerFollowsTheDeviceOnItsOwn) {
    tWaveRec recorder(registry);
    recorder.StartRecording();
    mci.backend.state.mode = MciMode::Stopped;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !recorder.timerActive(); }, 1000));
    EXPECT_EQ(recorder.state(), tWaveRec::Idle);
}

TEST_F(RecorderTest, ARecordingThatCannotStartEndsAtTheFirstTick) {
    mci.backend.state.recordError = MciError::NoInputDevice;
    tWaveRec recorder(registry);
    recorder.StartRecording();
    recorder.TimerTick();
    EXPECT_EQ(recorder.state(), tWaveRec::Idle);
    EXPECT_FALSE(recorder.timerActive());
}

TEST_F(RecorderTest, ADeviceThatIsGoneEndsRecording) {
    tWaveRec recorder(registry);
    recorder.StartRecording();
    mci.interpreter.send("close all");
    recorder.TimerTick();
    EXPECT_EQ(recorder.state(), tWaveRec::Idle);
    EXPECT_FALSE(recorder.timerActive());
}

TEST_F(RecorderTest, SaveSendsTheFileNameQuoted) {
    tWaveRec recorder(registry);
    EXPECT_TRUE(recorder.Save("/home/ich/meine aufnahme.wav"));
    EXPECT_TRUE(logged("save new /home/ich/meine aufnahme.wav"));
    mci.backend.state.saveError = MciError::FileNotSaved;
    EXPECT_FALSE(recorder.Save("/nirgends/a.wav"));
}

class RecorderDrawTest : public RecorderTest {
protected:
    void SetUp() override {
        recorder.SetCanvas(&canvas);
        recorder.SetAreas(QRect(10, 10, 40, 40), QRect(61, 10, 41, 41));
        recorder.SetBackgroundColor(0x00336699); // red 0x99, green 0x66, blue 0x33
    }
    QColor pixel(int x, int y) const { return canvas.buffer.pixelColor(x, y); }

    // Pictures of one colour each, in a folder of their own.
    std::string pictureFolder(const QSize& size) {
        const struct {
            const char* name;
            QColor color;
        } pictures[] = {{"rec0.bmp", Qt::darkRed},
                        {"rec1.bmp", Qt::red},
                        {"play0.bmp", Qt::darkGreen},
                        {"play1.bmp", Qt::green}};
        for (const auto& picture : pictures) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(picture.color);
            image.save(QString::fromStdString(dir.path() + picture.name), "BMP");
        }
        return dir.path();
    }

    TempDir dir;
    TestCanvas canvas;
    tWaveRec recorder{registry};
};

TEST_F(RecorderDrawTest, NothingIsDrawnWhileInvisible) {
    recorder.Draw(true);
    recorder.StartRecording();
    EXPECT_EQ(pixel(10, 10), QColor(Qt::black));
    EXPECT_TRUE(canvas.copied.empty());
}

TEST_F(RecorderDrawTest, TurningVisibleDrawsBothButtonsOnTheBackground) {
    recorder.SetVisible(true);
    EXPECT_EQ(pixel(10, 10), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(pixel(101, 50), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(pixel(9, 10), QColor(Qt::black));
    EXPECT_EQ(canvas.copied, (std::vector<QRect>{QRect(10, 10, 40, 40), QRect(61, 10, 41, 41)}));
    // The built-in pictures sit in the middle.
    EXPECT_NE(pixel(30, 30), QColor(0x99, 0x66, 0x33));
    EXPECT_NE(pixel(81, 30), QColor(0x99, 0x66, 0x33));
}

TEST_F(RecorderDrawTest, PicturesAreCentredAndShowTheState) {
    recorder.SetPictureDirectory(pictureFolder(QSize(9, 6)));
    recorder.SetVisible(true);
    // Record area 10..49: x = (10 + 50 - 9) / 2 = 25, y = (10 + 50 - 6) / 2 = 27.
    EXPECT_EQ(pixel(25, 27), QColor(Qt::darkRed));
    EXPECT_EQ(pixel(33, 32), QColor(Qt::darkRed));
    EXPECT_EQ(pixel(24, 27), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(pixel(34, 27), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(pixel(25, 26), QColor(0x99, 0x66, 0x33));
    // Play area 61..101: x = (61 + 102 - 9) / 2 = 77, y = (10 + 51 - 6) / 2 = 27.
    EXPECT_EQ(pixel(77, 27), QColor(Qt::darkGreen));
    EXPECT_EQ(pixel(76, 27), QColor(0x99, 0x66, 0x33));

    canvas.copied.clear();
    recorder.StartRecording();
    EXPECT_EQ(pixel(25, 27), QColor(Qt::red));
    EXPECT_EQ(pixel(77, 27), QColor(Qt::darkGreen));
    EXPECT_EQ(canvas.copied.size(), 2u);
    recorder.Stop();
    recorder.StartPlaying();
    EXPECT_EQ(pixel(25, 27), QColor(Qt::darkRed));
    EXPECT_EQ(pixel(77, 27), QColor(Qt::green));
}

TEST_F(RecorderDrawTest, DrawingWithoutCopyLeavesTheScreenAlone) {
    recorder.SetVisible(true);
    canvas.copied.clear();
    recorder.Draw(false);
    EXPECT_TRUE(canvas.copied.empty());
}

} // namespace
} // namespace qor::test
