// Exercise objects and controls set up from the markup.

#include "PageModelTesting.h"
#include "page/model/PageModel.h"
#include "platform/ScriptedMessages.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace qor {
namespace {

using test::describeItems;

TEST(ParserExercises, MultipleChoiceShufflesAndFollowsTheRightItem) {
    PageModel model;
    // Five swaps: (0,1), (1,2), (2,3), (0,2), (1,2).
    model.setRandomSource(test::ScriptedRandom({1, 0, 0, 1, 0, 2, 0, 0, 1, 1, 0}));
    ScriptedMessages messages;
    model.Parse("<ALIAS #platz=\"20,300,250,40\">"
                "<MULTIPLE COORDS=#platz DIM=2,3 COLOR=#808080,#ff0000 "
                "TXT=\"richtig|b|c|d|e|f\" REACTION=antwort>",
                false);
    EXPECT_TRUE(messages.shown().empty());
    ASSERT_TRUE(model.page().multipleChoice.has_value());
    const MultipleChoiceSpec& choice = *model.page().multipleChoice;
    EXPECT_EQ(choice.rect.x, 20);
    EXPECT_EQ(choice.rect.h, 40);
    EXPECT_EQ(choice.rows, 2);
    EXPECT_EQ(choice.columns, 3);
    EXPECT_EQ(choice.inactiveColor, rgbColor(0x80, 0x80, 0x80));
    EXPECT_EQ(choice.activeColor, rgbColor(0xFF, 0, 0));
    EXPECT_EQ(choice.reaction, "antwort");
    ASSERT_EQ(choice.items.size(), 6u);
    EXPECT_EQ(choice.items[static_cast<std::size_t>(choice.rightIndex)], "richtig");
    EXPECT_NE(choice.items[0], "richtig");
    std::vector<std::string> sorted = choice.items;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<std::string>{"b", "c", "d", "e", "f", "richtig"}));
}

TEST(ParserExercises, MultipleChoiceSwapsAlwaysTwoDifferentPlaces) {
    PageModel model;
    model.setRandomSource([](int) { return 0; }); // would never find a second place by chance
    model.Parse("<multiple coords=\"0,0,100,20\" dim=1,2 txt=\"ja|nein\">", false);
    const MultipleChoiceSpec& choice = *model.page().multipleChoice;
    // 4 swaps of the same pair bring everything back.
    EXPECT_EQ(choice.items, (std::vector<std::string>{"ja", "nein"}));
    EXPECT_EQ(choice.rightIndex, 0);
}

TEST(ParserExercises, MultipleChoiceCountMismatchIsReported) {
    const struct {
        const char* tag;
        bool reported;
    } cases[] = {
        {"<multiple coords=\"0,0,100,20\" dim=2,2 txt=\"a|b|c|d|e|f\">", true},
        {"<multiple coords=\"0,0,100,20\" txt=\"nur\">", false},              // 1 x 1, no shuffle
        {"<multiple coords=\"0,0,100,20\" dim=zwei,drei txt=\"a|b\">", true}, // counts as 1 x 1
        {"<multiple coords=\"0,0,100,20\" dim=2,1 txt=\"a|b\">", false},
        {"<multiple coords=\"0,0,100,20\" dim=2 txt=\"a|b\">", true},
    };
    for (const auto& c : cases) {
        PageModel model;
        ScriptedMessages messages;
        model.Parse(c.tag, false);
        if (c.reported) {
            ASSERT_EQ(messages.shown().size(), 1u) << c.tag;
            EXPECT_EQ(messages.shown()[0].text,
                      "Die Anzahl der Items stimmt nicht (Multiple Choice).");
            EXPECT_EQ(messages.shown()[0].style, MessageStyle::Stop);
            EXPECT_EQ(messages.shown()[0].caption, "*qor");
        } else {
            EXPECT_TRUE(messages.shown().empty()) << c.tag;
        }
        EXPECT_TRUE(model.page().multipleChoice.has_value()) << c.tag;
    }
}

TEST(ParserExercises, MultipleChoiceTakesTheBodyColoursByDefault) {
    PageModel model;
    model.Parse("<body mchan=#00ff00 mchaus=#0000ff>"
                "<multiple coords=\"0,0,100,20\" dim=1,1 txt=\"a\">",
                false);
    const MultipleChoiceSpec& choice = *model.page().multipleChoice;
    EXPECT_EQ(choice.activeColor, rgbColor(0, 0xFF, 0));
    EXPECT_EQ(choice.inactiveColor, rgbColor(0, 0, 0xFF));
    EXPECT_EQ(choice.highlightColor, rgbColor(0, 0xFF, 0));
}

TEST(ParserExercises, TypingFieldsTakeDefinitions) {
    PageModel model;
    model.SetDefine("loesung", "la casa; casa");
    model.SetDefine("hilfe", "l_ c___");
    model.Parse("<EDIT COORDS=\"10,20,150,24\" LSG=\"$loesung\" HELP=\"$hilfe\" TIP=\"Tipp\" "
                "REACTION=\"haus\" COLOR=#ffff00 NOBORDER>"
                "<edit lsg=\"ohne Platz\">",
                false);
    ASSERT_EQ(model.page().typingFields.size(), 1u);
    const TypingFieldSpec& field = model.page().typingFields[0];
    EXPECT_FALSE(field.gap);
    EXPECT_EQ(field.rect.w, 150);
    EXPECT_EQ(field.solutions, (std::vector<std::string>{"la casa", "casa"}));
    EXPECT_EQ(field.help, "l_ c___");
    EXPECT_EQ(field.tip, "Tipp");
    EXPECT_EQ(field.reaction, "haus");
    EXPECT_EQ(field.color, rgbColor(0xFF, 0xFF, 0));
    EXPECT_FALSE(field.border);
}

TEST(ParserExercises, DragSettings) {
    const struct {
        const char* tag;
        int columns, blockWidth, left, right, top;
    } cases[] = {
        {"<klotz>", 4, 120, -1, -1, 350},
        {"<klotz nr=5>", 5, 100, -1, -1, 350},
        {"<klotz nr=6 y=400>", 6, 80, -1, -1, 400},
        {"<klotz nr=3>", 3, 120, -1, -1, 350},
        {"<klotz left=100 right=x width=y>", 4, 700, 100, 700, 350},
        {"<klotz left=abc>", 4, 120, 80, -1, 350},
        {"<klotz y=5000 nr=500>", 100, 120, -1, -1, 1000},
    };
    for (const auto& c : cases) {
        PageModel model;
        model.Parse(c.tag, false);
        const DragExerciseSettings& drag = model.page().drag;
        EXPECT_EQ(drag.columns, c.columns) << c.tag;
        EXPECT_EQ(drag.blockWidth, c.blockWidth) << c.tag;
        EXPECT_EQ(drag.trayLeft, c.left) << c.tag;
        EXPECT_EQ(drag.trayRight, c.right) << c.tag;
        EXPECT_EQ(drag.trayTop, c.top) << c.tag;
    }
    PageModel model;
    model.Parse("<KLOTZ FALSCH=\"el gato/la mesa//\">", false);
    EXPECT_EQ(model.page().drag.distractors, (std::vector<std::string>{"el gato", "la mesa"}));
}

TEST(ParserExercises, CheckBoxesAreItemsAndRememberTheirSize) {
    PageModel model;
    model.SetCondition("Bus", true);
    model.Parse("<checkbox coords=\"16,6\" name=\"auto\" checked> Auto "
                "<checkbox name=\"bus\" flash=#ff0000> Bus <checkbox coords=\"x\" name=\"\">",
                false);
    EXPECT_EQ(describeItems(model), "[C]|_|Auto|_|[C]|_|Bus|_|[C]");
    const auto& boxes = model.page().checkBoxes;
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_TRUE(boxes[0].checked);
    EXPECT_TRUE(boxes[1].checked); // its name is a condition
    EXPECT_FALSE(boxes[2].checked);
    EXPECT_EQ(boxes[1].flashColor, rgbColor(0xFF, 0, 0));
    const auto& items = model.items();
    EXPECT_EQ(items[0].format->checkBoxIndex, 0);
    EXPECT_EQ(items[0].format->checkBoxSize, 16);
    EXPECT_EQ(items[0].format->checkBoxGap, 6);
    EXPECT_EQ(items[4].format->checkBoxIndex, 1);
    EXPECT_EQ(items[4].format->checkBoxSize, 16); // kept from before
    EXPECT_EQ(items[2].format->checkBoxIndex, -1);
    EXPECT_EQ(items[4].text, "bus");
}

TEST(ParserExercises, LineEditStoresItsValue) {
    PageModel model;
    model.SetDefine("name", "alt");
    model.Parse("<INPUT COORDS=\"10,10,200\" NAME=\"name\" VALUE=\"\" COLOR=#ffffff>", false);
    EXPECT_EQ(model.GetDefine("name"), "alt"); // an empty VALUE shows what is there
    ASSERT_TRUE(model.page().lineEdit.has_value());
    EXPECT_EQ(model.page().lineEdit->name, "name");
    EXPECT_EQ(model.page().lineEdit->rect.w, 200);

    model.Parse("<input coords=\"10,10,200\" name=\"name\" value=\"neu\" noborder>", false);
    EXPECT_EQ(model.GetDefine("NAME"), "neu");
    EXPECT_FALSE(model.page().lineEdit->border);
}

TEST(ParserExercises, RecorderSettings) {
    PageModel model;
    model.setCurrentPage("/s/", "labor.htx");
    model.Parse("<RECORDER C-REC=\"10,10,40,40\" C-PLAY=\"60,10,40,40\" PICTURES=\"rec.bmp\" "
                "MAX=50>",
                false);
    ASSERT_TRUE(model.page().recorder.has_value());
    const RecorderSpec& recorder = *model.page().recorder;
    EXPECT_EQ(recorder.recordButton.x, 10);
    EXPECT_EQ(recorder.playButton.x, 60);
    EXPECT_EQ(recorder.pictures, "/s/rec.bmp");
    EXPECT_EQ(recorder.maxSeconds, 20);

    PageModel plain;
    plain.Parse("<recorder max=x>", false);
    EXPECT_EQ(plain.page().recorder->maxSeconds, 4);
}

TEST(ParserExercises, SentencesNeedPartsAndAPlace) {
    PageModel model;
    model.Parse("<SATZ TEILE=\"Yo/ tengo/ un/ perro\" COORDS=\"20,300,600,40\">"
                "<satz teile=\"\" coords=\"20,300\"><satz teile=\"a/b\" coords=\"0,300\">"
                "<satz teile=\"a/b\">",
                false);
    ASSERT_EQ(model.page().sentences.size(), 1u);
    const SentenceExerciseSpec& sentence = model.page().sentences[0];
    EXPECT_EQ(sentence.parts, (std::vector<std::string>{"Yo", " tengo", " un", " perro"}));
    EXPECT_EQ(sentence.solution, "Yo tengo un perro");
    EXPECT_EQ(sentence.rect.y, 300);
}

TEST(ParserExercises, SentencePartsTakeTheFontOfTheTextAtTheTag) {
    PageModel model;
    model.Parse("<FONT SIZE=5 FACE=\"Arial\"><B><SATZ TEILE=\"a/b\" COORDS=\"20,300\">", false);
    ASSERT_EQ(model.page().sentences.size(), 1u);
    const TextFormat& format = model.page().sentences[0].format;
    EXPECT_EQ(format.size, 5);
    EXPECT_EQ(format.face, "Arial");
    EXPECT_EQ(format.styleBits & 1, 1);
}

} // namespace
} // namespace qor
