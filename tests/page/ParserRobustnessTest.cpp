// Damaged and hostile page text: every byte sequence parses without harm.

#include "PageModelTesting.h"
#include "page/model/PageModel.h"
#include "platform/ScriptedMessages.h"

#include <gtest/gtest.h>
#include <random>

namespace qor {
namespace {

const std::string RichPage =
    "<TITLE>Seite</TITLE><BODY BGCOLOR=#ffffff WAIT=\"10,x.htx\"><COLORS a=b b=#ff0000>"
    "<DEFINE $v=\"{b}Wert{/b}\"><ALIAS #z=\"!+\"><IF $v>$[v] $[fehlt]<ELSE>nein</IF>"
    "<FONT SIZE=+1 COLOR=a FACE=\"Arial\" LINESPACE=-20 ID=X><+X><A HREF=\"x.htx\" FLASH=red "
    "RETURN>Link</A><A GAP LSG=\"a; b\" HELP=\"*\">___</A><A DRAG>w</A><A HOT=\"h\">t</A>"
    "<BOX COORDS=\"-10020,10,0\" SHAPE=ROUNDRECT HREF=\"!-\" LOMO=\"a|b\" ONCOLOR=?ff0000,00ff00>"
    "<IMG SRC=\"%10x10=c\" SCALE=50% MODE=9><IMG SRC=\"a|b\" FCOLOR=i3><MAP NAME=\"m\">"
    "<AREA SHAPE=RECT COORDS=\"1,1,1,1\" HREF=\"y\"><MULTIPLE COORDS=#z DIM=1,2 TXT=\"a|b\">"
    "<EDIT COORDS=\"1,1,1,1\" LSG=\"$v\"><KLOTZ NR=5 FALSCH=\"a/b\"><CHECKBOX NAME=\"c\">"
    "<INPUT COORDS=\"1,1\" NAME=\"n\" VALUE=\"v\"><RECORDER MAX=3><SATZ TEILE=\"a/b\" "
    "COORDS=\"1,1\"><BUTTON COORDS=\"1,1,1,1\"><ONCLICK HREF=\"x\" RETURN><X!5><H1>k</H1>"
    "<PRE>\r\n a\tb\r\n</PRE><TT><W>w</W></TT><INV>i</INV>&uuml;&nil; &lt;&gt; <<x>"
    "<INCLUDE HREF=\"nirgends.html\"><+FEHLT>";

void parseSafely(std::string_view text) {
    PageModel model;
    model.setRandomSource([](int range) { return range - 1; });
    model.OnSpecialCode = [](std::string& code) {
        code = code.substr(0, 3);
    };
    model.OnPictureRequest = [](const std::string&, int) {
    };
    model.Parse(text, false);
    for (const tFormatted_text& item : model.items()) {
        ASSERT_EQ(item.text.find('\0'), std::string::npos);
        if (item.format->boxIndex >= 0) {
            ASSERT_LT(static_cast<std::size_t>(item.format->boxIndex), model.page().boxes.size());
        }
        if (item.format->areaIndex >= 0) {
            ASSERT_LT(static_cast<std::size_t>(item.format->areaIndex),
                      model.page().areaNames.size());
        }
        if (item.format->picture.index >= 0) {
            ASSERT_LT(static_cast<std::size_t>(item.format->picture.index),
                      model.pictures().size());
        }
    }
}

TEST(ParserRobustness, EveryPrefixOfARichPageParses) {
    ScriptedMessages messages;
    for (std::size_t length = 0; length <= RichPage.size(); ++length)
        parseSafely(std::string_view(RichPage).substr(0, length));
}

TEST(ParserRobustness, RandomBytesAndMutationsParse) {
    ScriptedMessages messages;
    std::mt19937 generator(20240517u);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::string alphabet = "<>$[]#?!&;\"=,|%@*{}/ \r\n\tabXHPW+-0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int round = 0; round < 300; ++round) {
        std::string noise(static_cast<std::size_t>(byte(generator)), '\0');
        for (char& c : noise)
            c = round % 2 ? static_cast<char>(byte(generator)) : alphabet[pick(generator)];
        parseSafely(noise);

        std::string mutated = RichPage;
        for (int change = 0; change < 8; ++change) {
            const std::size_t at = static_cast<std::size_t>(byte(generator)) * mutated.size() / 256;
            mutated[at] = alphabet[pick(generator)];
        }
        parseSafely(mutated);
    }
}

TEST(ParserRobustness, HugeNumbersAndDeepNamesStayBounded) {
    ScriptedMessages messages;
    std::string chain = "<COLORS";
    for (int i = 0; i < 500; ++i)
        chain += " c" + std::to_string(i) + "=c" + std::to_string(i + 1);
    chain += "><FONT COLOR=c0 SIZE=+2147483647 LINESPACE=-2147483648>";
    chain += "<BOX COORDS=\"-2147483648,-2147483648,-2147483647,-2147483647\">";
    chain += "<ELLIPSE COORDS=\"2147483647,2147483647,2147483647,2147483647\">";
    parseSafely(chain);
}

} // namespace
} // namespace qor
