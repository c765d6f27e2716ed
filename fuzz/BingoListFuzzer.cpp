// Any bytes as the bingo game's pairs ("vegas_S.txt"), read from the game's
// folder and played: a game over them alone, with clicks at times the input
// chooses, must keep its energy in range and end.

#include "FuzzCheck.h"
#include "FuzzFiles.h"
#include "superlearning/BingoGame.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

using namespace qor;

namespace {

std::string directory;

// A training range without entries: every pair comes from the file.
class NoVocabulary : public BingoHost {
public:
    const TVocAufgabe* DrawTask() override { return nullptr; }
    int RangeSpan() const override { return 0; }
    void NewMix() override {}
    void Record(const TVokabel&, int) override {}
    void StartMusic() override {}
    void CheckMusic() override {}
    void StopMusic() override {}
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    directory = fuzz::makeDirectory("fuzz-bingo-list");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    fuzz::writeFile(directory + "vegas_S.txt", text);
    TBingoList list = ReadBingoList(directory);
    QOR_FUZZ_CHECK(list == ParseBingoList(text));
    for (const TBingoPhrase& phrase : list)
        QOR_FUZZ_CHECK(!phrase.Oben.empty() && !phrase.Unten.empty());
    if (list.empty())
        return 0;

    NoVocabulary host;
    unsigned draws = static_cast<unsigned>(size);
    BingoGame game(host, std::move(list), 1000, 3, [&draws](int range) {
        draws = draws * 1103515245u + 12345u;
        return static_cast<int>((draws >> 8) % static_cast<unsigned>(range));
    });
    long long now = 0;
    for (std::size_t i = 0; i < 400 && game.Tick(now); ++i) {
        QOR_FUZZ_CHECK(game.Energy() >= 0 && game.Energy() <= BingoGame::FullEnergy);
        (void)game.Lower();
        if (data[i % size] & 1)
            game.Click();
        if (i == 300)
            game.Stop();
        now += 40;
    }
    QOR_FUZZ_CHECK(!game.Tick(now + 100000));
    return 0;
}
