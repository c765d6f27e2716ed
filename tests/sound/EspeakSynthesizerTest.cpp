#include "sound/EspeakSynthesizer.h"

#include "platform/Text.h"

#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>

namespace qor::test {
namespace {

using namespace literals;

// The loudest sample of 16-bit samples.
int peak(const std::vector<unsigned char>& samples) {
    int loudest = 0;
    for (std::size_t i = 0; i + 1 < samples.size(); i += 2) {
        std::int16_t sample = 0;
        std::memcpy(&sample, &samples[i], sizeof sample);
        loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    }
    return loudest;
}

class EspeakSynthesizerTest : public testing::Test {
protected:
    void SetUp() override {
        if (!synthesizer.available())
            GTEST_SKIP() << "espeak-ng has no data or no Spanish voice here";
    }
    EspeakSynthesizer synthesizer;
};

TEST_F(EspeakSynthesizerTest, SaysHolaAudiblySlowerWhenAsked) {
    const std::optional<PcmSound> normal = synthesizer.synthesize("hola", SpeechRate::Normal);
    ASSERT_TRUE(normal);
    EXPECT_EQ(normal->format.bitsPerSample, 16);
    EXPECT_EQ(normal->format.channels, 1);
    EXPECT_GE(normal->format.samplesPerSecond, 8000);
    const std::size_t bytesPerSecond = static_cast<std::size_t>(normal->format.bytesPerSecond());
    EXPECT_GT(normal->samples.size(), bytesPerSecond / 5) << "at least a fifth of a second";
    EXPECT_LT(normal->samples.size(), bytesPerSecond * 3);
    EXPECT_GT(peak(normal->samples), 3000) << "not silence";

    const std::optional<PcmSound> slow =
        synthesizer.synthesize("el niño está en la estación"_cp, SpeechRate::Slow);
    const std::optional<PcmSound> quick =
        synthesizer.synthesize("el niño está en la estación"_cp, SpeechRate::Normal);
    ASSERT_TRUE(slow && quick);
    EXPECT_GT(slow->samples.size() * 10, quick->samples.size() * 12) << "20 % longer at least";
}

TEST_F(EspeakSynthesizerTest, NothingToSayGivesNothingAndOddTextNoHarm) {
    EXPECT_FALSE(synthesizer.synthesize("", SpeechRate::Normal));
    EXPECT_FALSE(synthesizer.synthesize("  ", SpeechRate::Slow));
    // Undefined code points, controls, markup and a long text all come back
    // as whole 16-bit samples, or as nothing.
    const std::string odd[] = {std::string("\x81\x8D\x01\x7F<speak>&amp;", 14),
                               std::string(5000, 'a'), "\xA7\xBF\xA1"};
    for (const std::string& text : odd) {
        const std::optional<PcmSound> sound = synthesizer.synthesize(text, SpeechRate::Normal);
        if (sound) {
            EXPECT_EQ(sound->samples.size() % 2, 0u);
        }
    }
}

} // namespace
} // namespace qor::test
