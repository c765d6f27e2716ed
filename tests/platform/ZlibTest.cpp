#include "platform/Zlib.h"

#include <gtest/gtest.h>
#include <random>

namespace qor {
namespace {

// Text plus bytes that compress badly, longer than many inflate chunks.
std::string sampleData() {
    std::string data;
    std::mt19937 random(7);
    for (int i = 0; i < 3000; ++i) {
        data.append("perro\0Hund\0", 11);
        data.push_back(static_cast<char>(random()));
    }
    return data;
}

TEST(Zlib, RoundTrip) {
    for (const std::string& data : {std::string(), std::string("x"), sampleData()}) {
        const std::string packed = deflateZlib(data);
        ASSERT_FALSE(packed.empty());
        const InflateResult result = inflateZlib(packed);
        EXPECT_TRUE(result.ok) << result.error;
        EXPECT_EQ(result.data, data);
        EXPECT_TRUE(result.error.empty());
    }
}

TEST(Zlib, TruncatedStreamKeepsWhatWasInflated) {
    const std::string data = sampleData();
    const std::string packed = deflateZlib(data);
    const InflateResult result = inflateZlib(packed.substr(0, packed.size() / 2));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_FALSE(result.data.empty());
    EXPECT_EQ(result.data, data.substr(0, result.data.size()));
}

TEST(Zlib, DamagedStreamFailsWithZlibsMessage) {
    const std::string data = sampleData();
    std::string packed = deflateZlib(data);
    packed[packed.size() - 2] ^= 0x55; // the checksum at the end
    InflateResult result = inflateZlib(packed);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "incorrect data check");

    result = inflateZlib("QOR!not packed at all");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_TRUE(result.data.empty());
}

TEST(Zlib, EmptyOrGarbledInputNeverCrashes) {
    EXPECT_FALSE(inflateZlib("").ok);
    std::mt19937 random(11);
    const std::string packed = deflateZlib(sampleData());
    for (int i = 0; i < 200; ++i) {
        std::string damaged = packed;
        for (int k = 0; k < 4; ++k)
            damaged[random() % damaged.size()] = static_cast<char>(random());
        const InflateResult result = inflateZlib(damaged.substr(0, random() % damaged.size()));
        EXPECT_TRUE(result.ok || !result.error.empty());
    }
}

} // namespace
} // namespace qor
