#include "page/view/PageMci.h"

#include "FakeMci.h"
#include "platform/AppMessage.h"
#include "platform/ScriptedMessages.h"
#include "platform/mci/MciErrors.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

// The page engine tells a failed command in its own information box, with
// the error text only; a quiet command tells nothing.
TEST(PageMciTest, FailuresAreToldInThePageEnginesBoxUnlessQuiet) {
    InstalledFakeMci mci;
    ScriptedMessages messages;

    EXPECT_EQ(SendPageMci("open \"/a.wav\" alias welle"), "1");
    EXPECT_EQ(SendPageMci("status welle mode"), "stopped");
    EXPECT_TRUE(messages.shown().empty());

    EXPECT_EQ(SendPageMci("play nada from 0"), "Error263");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].caption, "*qor");
    EXPECT_EQ(messages.shown()[0].text, mciErrorText(MciError::InvalidDeviceName));
    EXPECT_EQ(messages.shown()[0].style, MessageStyle::Information);

    messages.clear();
    EXPECT_EQ(SendPageMci("close nada", true), "Error263");
    EXPECT_TRUE(messages.shown().empty());
}

} // namespace
} // namespace qor::test
