// The superlearning presentation's music and pictures as the build lays them
// out beside the program: every piece decodes to a minute or more of stereo
// music that never clips, and the Techno show has distinct pictures of the
// size the presentation fills its window with.

#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sndfile.h>
#include <vector>

namespace {

const std::filesystem::path SampleRoot = QOR_SAMPLE_ROOT;

std::vector<std::filesystem::path> filesIn(const std::filesystem::path& folder,
                                           const std::set<std::string>& extensions) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (extensions.contains(entry.path().extension().string()))
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// Mean difference of two pictures per colour channel (0 .. 255), compared
// in miniature so that JPEG noise does not count.
double difference(const QImage& a, const QImage& b) {
    const QImage small = a.scaled(64, 48).convertToFormat(QImage::Format_RGB32);
    const QImage other = b.scaled(64, 48).convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x) {
            const QRgb p = small.pixel(x, y);
            const QRgb q = other.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * small.width() * small.height());
}

TEST(PresentationMediaTest, EveryPieceIsAMinuteOrMoreOfStereoMusicThatNeverClips) {
    const auto pieces = filesIn(SampleRoot / "MP3", {".mp3"});
    ASSERT_GE(pieces.size(), 3u);
    for (const auto& piece : pieces) {
        SCOPED_TRACE(piece.filename().string());
        SF_INFO info{};
        SNDFILE* file = sf_open(piece.c_str(), SFM_READ, &info);
        ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
        EXPECT_EQ(info.format & SF_FORMAT_TYPEMASK, SF_FORMAT_MPEG);
        EXPECT_EQ(info.samplerate, 44100);
        ASSERT_EQ(info.channels, 2);
        std::vector<float> samples(static_cast<std::size_t>(info.frames) * 2);
        const sf_count_t frames = sf_readf_float(file, samples.data(), info.frames);
        sf_close(file);

        const double seconds = static_cast<double>(frames) / info.samplerate;
        EXPECT_GE(seconds, 60);
        EXPECT_LE(seconds, 90);
        double energy = 0;
        float peak = 0;
        for (const float sample : samples) {
            energy += sample * sample;
            peak = std::max(peak, std::abs(sample));
        }
        EXPECT_GT(std::sqrt(energy / static_cast<double>(samples.size())), 0.05) << "silent";
        EXPECT_LT(peak, 0.99f);
    }
}

TEST(PresentationMediaTest, TechnoShowHasDistinctPicturesAndTheSettingsTheirPreview) {
    auto files = filesIn(SampleRoot / "Techno", {".jpg", ".jpeg"});
    // The preview lies beside the pictures; the show leaves it out.
    std::erase_if(files, [](const auto& file) { return file.filename() == "vorschau.jpg"; });
    ASSERT_GE(files.size(), 12u);
    std::vector<QImage> pictures;
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        QImageReader reader(QString::fromStdString(file.string()));
        EXPECT_EQ(reader.format(), "jpeg");
        pictures.push_back(reader.read());
        EXPECT_EQ(pictures.back().size(), QSize(800, 534));
    }
    for (std::size_t i = 0; i < pictures.size(); ++i)
        for (std::size_t j = i + 1; j < pictures.size(); ++j)
            EXPECT_GT(difference(pictures[i], pictures[j]), 10)
                << files[i].filename() << " and " << files[j].filename();

    const QImage preview(QString::fromStdString((SampleRoot / "Techno" / "vorschau.jpg").string()));
    EXPECT_EQ(preview.size(), QSize(160, 100));
}

} // namespace
