#include "sound/MciSenders.h"

#include "FakeMci.h"
#include "platform/AppMessage.h"
#include "platform/ScriptedMessages.h"
#include "platform/mci/MciErrors.h"
#include "sound/WordRecordings.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

class MciSendersTest : public testing::Test {
protected:
    InstalledFakeMci mci;
    ScriptedMessages messages;
};

TEST_F(MciSendersTest, SuccessReturnsTheAnswerAndShowsNothing) {
    EXPECT_EQ(SendMci("open \"/a.wav\" alias welle"), "1");
    EXPECT_EQ(SendRecorderMci("status welle position"), "0");
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(MciSendersTest, EachSenderReportsFailuresInItsOwnWay) {
    const std::string unknownAlias = mciErrorText(MciError::InvalidDeviceName);

    EXPECT_EQ(SendMci("play welle from 0"), "Error263");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].caption, "*qor spanisch");
    EXPECT_EQ(messages.shown()[0].text, unknownAlias + " - play welle from 0");
    EXPECT_EQ(messages.shown()[0].style, MessageStyle::Stop);

    messages.clear();
    EXPECT_EQ(SendRecorderMci("play welle from 0"), "Error263");
    EXPECT_EQ(SendMci("close welle", true), "Error263");
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(MciSendersTest, ErrorsAreRecognisedByTheirFirstFiveCharacters) {
    EXPECT_TRUE(IsMciError("Error275"));
    EXPECT_TRUE(IsMciError("Error"));
    EXPECT_FALSE(IsMciError("Erro"));
    EXPECT_FALSE(IsMciError("error275"));
    EXPECT_FALSE(IsMciError("stopped"));
    EXPECT_FALSE(IsMciError(""));
}

TEST_F(MciSendersTest, PlayFileQuietWithAnEmptyPathSendsNothing) {
    EXPECT_TRUE(PlayFileQuiet(""));
    EXPECT_TRUE(mci.backend.log.empty());
}

TEST_F(MciSendersTest, PlayFileQuietReplacesWhatPlaysOnWelle) {
    EXPECT_TRUE(PlayFileQuiet("/wave/uno.wav"));
    EXPECT_TRUE(PlayFileQuiet("/wave/dos.wav"));
    EXPECT_EQ(mci.backend.log,
              (std::vector<std::string>{"open /wave/uno.wav", "play /wave/uno.wav from 0",
                                        "closed /wave/uno.wav", "open /wave/dos.wav",
                                        "play /wave/dos.wav from 0"}));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(MciSendersTest, PlayFileQuietFailsSilently) {
    mci.backend.openErrors["/wave/fehlt.wav"] = MciError::FileNotFound;
    EXPECT_FALSE(PlayFileQuiet("/wave/fehlt.wav"));
    mci.backend.state.playError = MciError::NoOutputDevice;
    EXPECT_FALSE(PlayFileQuiet("/wave/stumm.wav"));
    EXPECT_TRUE(messages.shown().empty());
}

} // namespace
} // namespace qor::test
