#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "platform/Shell.h"
#include "shell/StartUp.h"
#include "support/Installation.h"

#include <gtest/gtest.h>

namespace qor {
namespace {
using test::Installation;

class NoDesktop : public ShellServices {
public:
    std::string shortcutFolder(int) const override { return {}; }
    bool openUrl(const std::string&) override { return false; }
};

// Records what the shutdown sequence asks of the windows.
class RecordingWindows : public ProgramWindows {
public:
    std::optional<Color> backdropColor() const override { return color; }
    void freeRecorder() override { steps.push_back("free recorder"); }
    void freeBackdrop() override { steps.push_back("free backdrop"); }
    void freeDictionaryWindow() override { steps.push_back("free dictionary window"); }
    void terminate() override {
        steps.push_back("terminate");
        ended = true;
    }
    bool terminating() const override { return ended; }
    void processPendingMessages() override { steps.push_back("process messages"); }

    std::optional<Color> color;
    std::vector<std::string> steps;
    bool ended = false;
};

class ShutDownTest : public ::testing::Test {
protected:
    ShutDownTest() {
        EXPECT_TRUE(
            StartUp(program, {}, {1024, 768, 24}, [] { return std::vector<std::string>(); }));
        program.windows = &windows;
    }

    Installation install;
    MemoryRegistry registry;
    NoDesktop shell;
    ScriptedMessages messages;
    Program program{registry, shell, install.programPath(), install.programDir()};
    RecordingWindows windows;
};

TEST_F(ShutDownTest, StoresTheBackdropColourThenFreesTheBackdropAndEnds) {
    windows.color = 0xC0C0C0;
    ShutDown(program);
    EXPECT_EQ(registry.readInteger("SOFTWARE\\QOR\\qor spanisch", "Hintergrund"), 0xC0C0C0);
    EXPECT_EQ(registry.readString("SOFTWARE\\QOR\\qor spanisch", "Online-Hilfe"), "AN");
    EXPECT_EQ(windows.steps, (std::vector<std::string>{"free recorder", "free backdrop",
                                                       "free dictionary window", "terminate"}));
    EXPECT_EQ(program.waveBase, nullptr);
    EXPECT_EQ(program.library, nullptr);
}

TEST_F(ShutDownTest, WithoutABackdropNoColourIsStored) {
    ShutDown(program);
    EXPECT_FALSE(registry.valueExists("SOFTWARE\\QOR\\qor spanisch", "Hintergrund"));
    EXPECT_TRUE(windows.ended);
}

TEST_F(ShutDownTest, EndingTwiceIsHarmless) {
    ShutDown(program);
    ShutDown(program);
    EXPECT_EQ(windows.steps.back(), "terminate");
    EXPECT_TRUE(messages.shown().empty());
}

} // namespace
} // namespace qor
