// Whole pages drawn by the page control and compared with reference
// pictures in tests/page/reference, allowing small differences (font
// rasterisation may change a little with library versions). A changed
// rendering that is right is taken as the new reference by running the
// test with QOR_UPDATE_REFERENCES=1 and committing the pictures.

#include "PageRenderTesting.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

#include <QImage>
#include <cstdlib>
#include <gtest/gtest.h>

namespace qor {
namespace {

using namespace qor::literals;
using test::RenderedPage;

// A pixel differs when a channel is off by more than this; the pictures
// match when at most this share of their pixels differs.
constexpr int ChannelTolerance = 40;
constexpr double DifferingShare = 0.01;

std::string referencePath(const std::string& name) {
    return std::string(QOR_REFERENCE_DIR) + "/" + name + ".png";
}

void expectMatchesReference(const QImage& rendered, const std::string& name) {
    const QString path = QString::fromStdString(referencePath(name));
    if (std::getenv("QOR_UPDATE_REFERENCES")) {
        ASSERT_TRUE(rendered.save(path, "PNG", 0)) << path.toStdString();
        return;
    }
    const QImage reference = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(reference.isNull()) << "missing reference " << path.toStdString();
    ASSERT_EQ(rendered.size(), reference.size()) << name;
    const QImage image = rendered.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb a = image.pixel(x, y);
            const QRgb b = reference.pixel(x, y);
            if (std::abs(qRed(a) - qRed(b)) > ChannelTolerance ||
                std::abs(qGreen(a) - qGreen(b)) > ChannelTolerance ||
                std::abs(qBlue(a) - qBlue(b)) > ChannelTolerance)
                ++differing;
        }
    }
    const double share = static_cast<double>(differing) / (image.width() * image.height());
    EXPECT_LE(share, DifferingShare) << name << ": " << differing << " pixels differ";
}

TEST(ReferenceRenderTest, TextFormatting) {
    RenderedPage page(320, 240);
    page.show("<TITLE>Text</TITLE><BODY BGCOLOR=#FFFFF0 TEXT=#202020 LINK=#0040C0>"
              "<H3>Überschrift</H3><BR><CENTER>zentriert <I>kursiv</I></CENTER><BR>"
              "<RIGHT>rechtsbündig <B>fett</B><BR><BLOCK>Blocksatz verteilt den Rest der "
              "Zeile auf die Lücken zwischen den Wörtern, auch in der letzten Zeile.<P>"
              "<LEFT><FONT SIZE=2>klein</FONT> <FONT SIZE=5 COLOR=#A00000>groß</FONT> "
              "<U>unterstrichen</U> <A HREF=\"x.htx\">ein Link</A> <INV>invers</INV><BR>"
              "Wort<X5>Tab bei der Hälfte <TT>fest</TT>"_cp);
    expectMatchesReference(page.page.buffer(), "text");
}

TEST(ReferenceRenderTest, BoxesAndPictures) {
    RenderedPage page(320, 240);
    page.picture("bild.bmp", 60, 40, QColor(40, 120, 200), QColor(240, 200, 40));
    page.show("<BODY BGCOLOR=#E8F0E8>"
              "<BOX COORDS=10,10,140,60 COLOR=#FFFFFF BCOLOR=#306030 BWIDTH=2 RADIUS=12>"
              "<BOX COORDS=20,20,120 ALIGN=M>Runde Box"
              "<BOX COORDS=170,10,140,60 COLOR=#C03030 ALPHA=120 SHAPE=ELLIPSE>"
              "<BOX COORDS=10,90,300 ALIGN=L><IMG SRC=\"bild.bmp\"> "
              "<IMG SRC=\"bild.bmp\" RADIUS=12 ALPHA=70> <IMG SRC=\"bild.bmp\" MODE=7 "
              "COLOR=#008000> <IMG SRC=\"bild.bmp\" SCALE=50% ALIGN=M> Mitte<BR>"
              "<CHECKBOX COORDS=14,4 NAME=\"an\" CHECKED>an <CHECKBOX COORDS=14,4 NAME=\"aus\">aus"
              "<BOX COORDS=10,190,300,40 SHAPE=ROUNDRECT RADIUS=8 COLOR=#000040 MODE=3>");
    expectMatchesReference(page.page.buffer(), "boxes");
}

TEST(ReferenceRenderTest, ExercisePage) {
    RenderedPage page(320, 240);
    page.page.model().setRandomSource([](int) { return 0; });
    page.show("<BODY KLOTZ=#D0C0A0 GAP=#FFFFFF>Der <A DRAG>perro</A> ladra, la "
              "<A DRAG>casa</A> es grande.<P>Escribe: <A GAP lsg=\"gato\" help=\"*\">____</A> "
              "<KLOTZ Y=120 NR=4 WIDTH=60 FALSCH=\"mesa/sol\">"_cp);
    expectMatchesReference(page.page.buffer(), "exercise");
}

// The start page of the sample installation, read from its source.
TEST(ReferenceRenderTest, StartPage) {
    RenderedPage page(800, 572);
    const std::string dir = std::string(QOR_SOURCE_DIR) + "/data/hqor/";
    page.page.model().setPageLoader([](const std::string& path) -> std::optional<std::string> {
        const auto text = readFile(path);
        if (!text)
            return std::nullopt;
        return utf8ToCp1252(*text) + "\r";
    });
    page.page.model().setCurrentPage(dir, "main.htx");
    page.page.model().SetDefine("program", "*qor spanisch");
    page.page.model().SetDefine("version", "0.1");
    const auto text = readFile(dir + "main.htx");
    ASSERT_TRUE(text);
    page.show(utf8ToCp1252(*text));
    EXPECT_TRUE(page.messages.texts().empty());
    // Compared at a quarter of the size: the layout, not the glyphs.
    expectMatchesReference(
        page.page.buffer().scaled(200, 143, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
        "start-page");
}

} // namespace
} // namespace qor
