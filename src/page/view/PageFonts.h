#pragma once
// The fonts of page text. Page text is Windows-1252, so each font keeps a
// table of the glyph and the whole-pixel advance of all 256 characters:
// measuring is a sum over bytes, without shaping or kerning, as the classic
// text output measured. Words are drawn once per font and colour into small
// pictures that pages copy, which costs a fraction of rasterising the
// glyphs again for every page.

#include "page/model/TextFormat.h"

#include <QFont>
#include <QImage>
#include <QRawFont>
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace qor {

// A word drawn once in one colour, ready to be copied onto pages: text is
// drawn by copying these (with Qt's fast blending of images) instead of
// rasterising every glyph again for every page.
struct WordImage {
    QImage image; // premultiplied ARGB, transparent around the text
    int left = 0; // where the image goes, from the pen position on the baseline
    int top = 0;
};

class PageFont {
public:
    explicit PageFont(const QFont& font);

    const QFont& font() const { return font_; }
    const QRawFont& raw() const { return raw_; }
    int ascent() const { return ascent_; }
    int descent() const { return descent_; }
    // Below the baseline, and the line's thickness, in whole pixels.
    int underlinePosition() const { return underlinePosition_; }
    int lineThickness() const { return lineThickness_; }

    quint32 glyph(unsigned char c) const { return glyphs_[c]; }
    int advance(unsigned char c) const { return advances_[c]; }

    // The width of text with tracking pixels after every character.
    int textWidth(std::string_view text, int tracking) const;

    // The picture of a word in a colour (0xRRGGBB), with that many device
    // pixels to a logical one (2 on a HiDPI screen).
    WordImage drawWord(std::string_view text, int tracking, unsigned colour,
                       qreal pixelRatio = 1.0) const;

private:
    QFont font_;
    QRawFont raw_;
    int ascent_ = 0;
    int descent_ = 0;
    int underlinePosition_ = 1;
    int lineThickness_ = 1;
    std::array<quint32, 256> glyphs_{};
    std::array<int, 256> advances_{};
};

class PageFonts {
public:
    // The font of a format: face, size number, bold and italic (underline
    // is drawn by the page itself).
    PageFont& fontFor(const TextFormat& format);

    // The picture of a word in a font and colour (0xRRGGBB), drawn on first
    // use and kept while the pictures of all fonts stay below a budget.
    const WordImage& wordImage(const PageFont& font, std::string_view text, int tracking,
                               unsigned colour);

    // Device pixels to a logical one of the pages drawn (2 on a HiDPI
    // screen); word pictures are drawn at this density.
    qreal pixelRatio() const { return pixelRatio_; }
    void setPixelRatio(qreal ratio);

    // A QFont of a face with the character height (or, for cellHeight, the
    // cell height) in pixels.
    static QFont makeFont(const std::string& face, int pixels, bool cellHeight, bool bold,
                          bool italic);

private:
    struct Key {
        std::string face; // lower case
        int size = 0;
        std::uint8_t bits = 0;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };

    // Enough for the words of several long pages.
    static constexpr qsizetype MaxWordBytes = 32 * 1024 * 1024;

    std::unordered_map<Key, std::unique_ptr<PageFont>, KeyHash> fonts_;
    std::unordered_map<std::string, WordImage> words_;
    qsizetype wordBytes_ = 0;
    qreal pixelRatio_ = 1.0;
    // The last format asked for, which the next one usually equals.
    Key lastKey_;
    std::string lastFace_; // as the format wrote it
    PageFont* lastFont_ = nullptr;
};

// Whether a font family is installed as such (compared regardless of case):
// families fontconfig knows from font files, not names it would only
// substitute (Arial is not installed when Liberation Sans stands in for it).
bool IsFontInstalled(const std::string& family);

} // namespace qor
