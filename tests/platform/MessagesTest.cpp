#include "platform/AppMessage.h"
#include "platform/ScriptedMessages.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using namespace MessageResult;

TEST(MessageBoxLayout, StylesGiveTheirIconsAndButtons) {
    struct Case {
        int style;
        MessageIcon icon;
        std::vector<int> buttons;
        int defaultButton;
        int escapeButton;
    };
    const Case cases[] = {
        {0, MessageIcon::Exclamation, {Ok}, Ok, Ok},
        {48, MessageIcon::Exclamation, {Ok}, Ok, Ok},
        {16, MessageIcon::Stop, {Ok}, Ok, Ok},
        {21, MessageIcon::Stop, {Retry, Cancel}, Retry, Cancel},
        {33, MessageIcon::Question, {Ok, Cancel}, Ok, Cancel},
        {35, MessageIcon::Question, {Yes, No, Cancel}, Yes, Cancel},
        {36, MessageIcon::Question, {Yes, No}, Yes, 0}, // must be answered
        {64, MessageIcon::Information, {Ok}, Ok, Ok},
        {36 + 256, MessageIcon::Question, {Yes, No}, No, 0}, // second button is the default
        {4 + 768, MessageIcon::None, {Yes, No}, Yes, 0},     // no such button: the first
    };
    for (const Case& c : cases) {
        const MessageBoxLayout layout = messageBoxLayout(c.style);
        EXPECT_EQ(layout.icon, c.icon) << c.style;
        EXPECT_EQ(layout.buttons, c.buttons) << c.style;
        EXPECT_EQ(layout.defaultButton, c.defaultButton) << c.style;
        EXPECT_EQ(layout.escapeButton, c.escapeButton) << c.style;
        EXPECT_EQ(defaultAnswer(c.style), c.defaultButton) << c.style;
    }
}

TEST(MessageText, CarriageReturnsAndLineFeedsAreLineBreaks) {
    EXPECT_EQ(normalizeLineBreaks("a\rb\nc\r\nd\r\re"), "a\nb\nc\nd\n\ne");
    EXPECT_EQ(normalizeLineBreaks("\n\r"), "\n\n");
}

// A 20 MB value in a message must not keep the box busy for minutes.
TEST(MessageText, LongWordsAndTextsAreShortened) {
    const std::string path = "/home/" + std::string(300, 'x') + "/Benutzer";
    const std::string shortPath = shortenedMessageText(path);
    EXPECT_EQ(shortPath.size(), 2 * (MaxMessageWord / 2 - 2) + 1);
    EXPECT_TRUE(shortPath.starts_with("/home/xxx"));
    EXPECT_TRUE(shortPath.ends_with("x/Benutzer"));
    EXPECT_NE(shortPath.find('\x85'), std::string::npos);

    std::string value;
    value.resize(20'000'000, 'a'); // a value of 20 MB, as a damaged qor.ini may hold
    const std::string huge =
        "Das Benutzer-Verzeichnis " + value + " wurde nicht gefunden!\r\rWeiter.";
    const std::string shown = shortenedMessageText(huge);
    EXPECT_LT(shown.size(), MaxMessageWord + 100);
    EXPECT_TRUE(shown.ends_with(" wurde nicht gefunden!\r\rWeiter."));

    std::string words;
    for (int i = 0; i < 1000; ++i)
        words += "Wort ";
    const std::string cut = shortenedMessageText(words);
    EXPECT_EQ(cut.size(), MaxMessageText + 1);
    EXPECT_EQ(cut.back(), '\x85');
    EXPECT_EQ(shortenedMessageText("Ein kurzer Satz.\nZweite Zeile"),
              "Ein kurzer Satz.\nZweite Zeile");
}

TEST(AppMessage, WithoutPresenterTheDefaultButtonAnswers) {
    ASSERT_EQ(messagePresenter(), nullptr);
    EXPECT_EQ(AppMessage("Frage?", MessageStyle::YesNoCancel), Yes);
    EXPECT_EQ(AppMessage("Fehler", MessageStyle::RetryCancel), Retry);
}

TEST(ScriptedMessages, AnswersInOrderAndRecordsEveryMessage) {
    {
        ScriptedMessages messages;
        EXPECT_EQ(messagePresenter(), &messages);
        messages.answer(No);
        messages.answer(Cancel);
        EXPECT_EQ(AppMessage("eins", MessageStyle::YesNo), No);
        EXPECT_EQ(ShowMessage("*qor", "zwei", MessageStyle::YesNoCancel), Cancel);
        EXPECT_EQ(AppMessage("drei"), Ok); // script used up: the default button

        ASSERT_EQ(messages.shown().size(), 3u);
        EXPECT_EQ(messages.shown()[0].caption, "*qor spanisch");
        EXPECT_EQ(messages.shown()[0].style, MessageStyle::YesNo);
        EXPECT_EQ(messages.shown()[1].caption, "*qor");
        EXPECT_EQ(messages.shown()[2].style, MessageStyle::Default);
        EXPECT_EQ(messages.texts(), (std::vector<std::string>{"eins", "zwei", "drei"}));
        messages.clear();
        EXPECT_TRUE(messages.texts().empty());

        ScriptedMessages inner;
        AppMessage("innen");
        EXPECT_TRUE(messages.shown().empty());
    }
    EXPECT_EQ(messagePresenter(), nullptr);
}

} // namespace
} // namespace qor
