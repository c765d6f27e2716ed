#include "page/view/PageFonts.h"

#include "page/model/FontSize.h"
#include "platform/QtText.h"
#include "platform/Text.h"

#include <QFontDatabase>
#include <QGlyphRun>
#include <QPainter>
#include <QSet>
#include <QtMath>
#include <cstdint>
#include <functional>

namespace qor {

PageFont::PageFont(const QFont& font) : font_(font), raw_(QRawFont::fromFont(font)) {
    ascent_ = qRound(raw_.ascent());
    descent_ = qRound(raw_.descent());
    underlinePosition_ = std::max(1, qRound(raw_.underlinePosition()));
    lineThickness_ = std::max(1, qRound(raw_.lineThickness()));

    QString characters(256, QChar(' '));
    for (int c = 32; c < 256; ++c)
        characters[c] =
            QChar(static_cast<char16_t>(cp1252ToCodePoint(static_cast<unsigned char>(c))));
    int count = 256;
    if (!raw_.isValid() ||
        !raw_.glyphIndexesForChars(characters.constData(), 256, glyphs_.data(), &count))
        return;
    std::array<QPointF, 256> advances;
    if (!raw_.advancesForGlyphIndexes(glyphs_.data(), advances.data(), 256))
        return;
    for (std::size_t c = 0; c < 256; ++c)
        advances_[c] = qRound(advances[c].x());
}

int PageFont::textWidth(std::string_view text, int tracking) const {
    int width = 0;
    for (const char c : text)
        width += advances_[static_cast<unsigned char>(c)] + tracking;
    return width;
}

WordImage PageFont::drawWord(std::string_view text, int tracking, unsigned colour,
                             qreal pixelRatio) const {
    QList<quint32> glyphs;
    QList<QPointF> positions;
    int x = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte > ' ') {
            glyphs.append(glyphs_[byte]);
            positions.append(QPointF(x, 0));
        }
        x += advances_[byte] + tracking;
    }
    // Room for antialiased edges, and for the overhang of italic letters.
    const int margin = 2 + (font_.italic() ? (ascent_ + descent_) / 3 : 0);
    WordImage word;
    word.left = -margin;
    word.top = -ascent_ - 2;
    // The painter draws the glyphs' outlines at the picture's density.
    word.image =
        QImage(qRound(std::max(1, x + 2 * margin) * pixelRatio),
               qRound((ascent_ + descent_ + 4) * pixelRatio), QImage::Format_ARGB32_Premultiplied);
    word.image.setDevicePixelRatio(pixelRatio);
    word.image.fill(Qt::transparent);
    if (!glyphs.isEmpty()) {
        QGlyphRun run;
        run.setRawFont(raw_);
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        QPainter painter(&word.image);
        painter.setPen(QColor::fromRgb(colour));
        painter.drawGlyphRun(QPointF(-word.left, -word.top), run);
    }
    return word;
}

std::size_t PageFonts::KeyHash::operator()(const Key& key) const {
    return std::hash<std::string>()(key.face) ^ (static_cast<std::size_t>(key.size) << 3) ^
           key.bits;
}

QFont PageFonts::makeFont(const std::string& face, int pixels, bool cellHeight, bool bold,
                          bool italic) {
    QFont font(toQString(face));
    font.setBold(bold);
    font.setItalic(italic);
    font.setPixelSize(std::max(1, pixels));
    if (cellHeight) {
        // The cell holds ascent and descent: scale the character height so
        // that they add up to the wanted cell.
        const QRawFont probe = QRawFont::fromFont(font);
        const qreal cell = probe.ascent() + probe.descent();
        if (cell > 0)
            font.setPixelSize(std::max(1, qRound(pixels * pixels / cell)));
    }
    return font;
}

PageFont& PageFonts::fontFor(const TextFormat& format) {
    const std::uint8_t bits = format.styleBits & (TextStyle::Bold | TextStyle::Italic);
    const int size = std::max(1, format.size);
    if (lastFont_ && lastKey_.size == size && lastKey_.bits == bits &&
        (lastFace_ == format.face || equalsIgnoreCase(lastKey_.face, format.face)))
        return *lastFont_;

    Key key{lowerCase(format.face), size, bits};
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
        const FontHeight height = fontHeightOfSize(size);
        auto font =
            std::make_unique<PageFont>(makeFont(format.face, height.pixels, height.cellHeight,
                                                bits & TextStyle::Bold, bits & TextStyle::Italic));
        found = fonts_.emplace(key, std::move(font)).first;
    }
    lastKey_ = std::move(key);
    lastFace_ = format.face;
    lastFont_ = found->second.get();
    return *lastFont_;
}

const WordImage& PageFonts::wordImage(const PageFont& font, std::string_view text, int tracking,
                                      unsigned colour) {
    std::string key(text);
    key.push_back('\0');
    // The font by its address: fonts live as long as their pictures.
    const auto owner = reinterpret_cast<std::uintptr_t>(&font);
    key.append(reinterpret_cast<const char*>(&owner), sizeof owner);
    key.append(reinterpret_cast<const char*>(&tracking), sizeof tracking);
    key.append(reinterpret_cast<const char*>(&colour), sizeof colour);
    if (const auto found = words_.find(key); found != words_.end())
        return found->second;
    if (wordBytes_ > MaxWordBytes) {
        words_.clear();
        wordBytes_ = 0;
    }
    WordImage word = font.drawWord(text, tracking, colour, pixelRatio_);
    wordBytes_ += word.image.sizeInBytes();
    return words_.emplace(std::move(key), std::move(word)).first->second;
}

void PageFonts::setPixelRatio(qreal ratio) {
    if (ratio == pixelRatio_)
        return;
    pixelRatio_ = ratio;
    words_.clear();
    wordBytes_ = 0;
}

bool IsFontInstalled(const std::string& family) {
    // Qt lists the families of fontconfig's font files and adds three
    // generic names of its own, which are no installed fonts.
    static const QSet<QString> installed = [] {
        QSet<QString> names;
        const QStringList generic = {"serif", "sans serif", "monospace"};
        for (const QString& name : QFontDatabase::families()) {
            // Families found in two foundries read "Family [Foundry]".
            QString plain = name.section(QLatin1String(" ["), 0, 0).toLower();
            if (!generic.contains(plain))
                names.insert(plain);
        }
        return names;
    }();
    return installed.contains(toQString(family).trimmed().toLower());
}

} // namespace qor
