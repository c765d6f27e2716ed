// The bingo game on a fake clock with a fake program: the energy and score
// arithmetic, rounds, the end of the game, the pairs and the phrase file.

#include "superlearning/BingoGame.h"
#include "superlearning/BingoList.h"
#include "vocabulary/VocabularyTraining.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

// Words in turn, each with five wrong choices; records and mixes are counted.
class FakeProgram : public BingoHost {
public:
    explicit FakeProgram(bool withVocabulary = true) : withVocabulary_(withVocabulary) {
        for (std::size_t i = 1; i < 6; ++i)
            task_.Auswahl[i].Bedeutung[0] = "falsch " + std::to_string(i);
    }
    const TVocAufgabe* DrawTask() override {
        if (!withVocabulary_)
            return nullptr;
        static const char* const words[] = {"casa (f)", "perro (m)", "gato (m)"};
        task_.Frage.Vokabel = words[drawn_++ % 3];
        task_.Frage.Bedeutung[0] = "Bedeutung";
        task_.Auswahl[0] = task_.Frage;
        return &task_;
    }
    int RangeSpan() const override { return 0; }
    void NewMix() override { ++mixes; }
    void Record(const TVokabel& entry, int value) override {
        records.push_back(entry.Vokabel + " " + std::to_string(value));
    }
    void StartMusic() override { music += "start "; }
    void CheckMusic() override {}
    void StopMusic() override { music += "stop"; }

    int mixes = 0;
    std::vector<std::string> records;
    std::string music;

private:
    bool withVocabulary_;
    int drawn_ = 0;
    TVocAufgabe task_;
};

// Always 0: every pair fails to belong until the fifth in a row must.
const RandomSource AlwaysZero = [](int) {
    return 0;
};

class BingoTest : public ::testing::Test {
protected:
    // Runs the clock until the game shows a new pair.
    void untilPairShown() {
        const std::string shown = game.Upper();
        const auto isWord = [this] {
            return game.Upper() == "casa (f)" || game.Upper() == "perro (m)" ||
                   game.Upper() == "gato (m)";
        };
        for (int guard = 0; guard < 1000 && (game.Upper() == shown || !isWord()); ++guard)
            tick(20);
    }
    void tick(int milliseconds) {
        now += milliseconds;
        game.Tick(now);
    }

    FakeProgram program;
    BingoGame game{program, {}, 100, 3, AlwaysZero};
    long long now = 0;
};

TEST_F(BingoTest, EnergyDrainsAndClicksCountOnlyInTheSecondHalfOfAFadeIn) {
    tick(0);
    EXPECT_EQ(game.Upper(), "ROUND 1");
    EXPECT_EQ(game.Lower(), "GET READY!");
    untilPairShown(); // after 500 + 3000 + 500 ms
    EXPECT_GE(now, 4000);
    EXPECT_EQ(game.Energy(), 100);

    // A pair passed without a click costs two.
    const int passed = game.Energy();
    tick(2000);
    untilPairShown();
    EXPECT_EQ(game.Energy(), passed - 2);

    // Early in the fade-in a click does nothing; later a wrong one costs 12 more.
    game.Click();
    tick(100);
    EXPECT_FALSE(game.ClicksAllowed());
    tick(200);
    ASSERT_TRUE(game.ClicksAllowed());
    EXPECT_FALSE(game.PairBelongs());
    const int before = game.Energy();
    game.Click();
    tick(20);
    EXPECT_EQ(game.Energy(), before - 12 - 2);
    EXPECT_EQ(game.Upper(), "LEIDER");
    EXPECT_EQ(game.TextColour(), BingoGame::Wrong);
    ASSERT_EQ(program.records.size(), 1u);
    EXPECT_TRUE(program.records[0].ends_with(" -8"));

    // The fifth pair in a row belongs; a right click gives six and a point.
    for (int pair = 3; pair <= 4; ++pair) {
        untilPairShown();
        EXPECT_FALSE(game.PairBelongs());
    }
    untilPairShown();
    EXPECT_TRUE(game.PairBelongs()) << "never more than four wrong pairs in a row";
    tick(300);
    const int rightBefore = game.Energy();
    game.Click();
    tick(20);
    EXPECT_EQ(game.Energy(), rightBefore + 6 - 2);
    EXPECT_EQ(game.Score(), 1);
    EXPECT_TRUE(program.records.back().ends_with(" 8"));
}

TEST_F(BingoTest, RoundsOfFourteenClicksUntilTheEnergyIsGone) {
    // Clicking every pair wrong: rounds of fourteen clicks, a fresh mix
    // between them, and the game is over when the energy is.
    int guard = 0;
    while (game.Tick(now) && ++guard < 100000) {
        now += 20;
        if (game.ClicksAllowed() && !game.PairBelongs())
            game.Click();
    }
    EXPECT_EQ(game.Energy(), 0);
    EXPECT_EQ(game.Upper(), "TIME UP");
    EXPECT_EQ(game.Lower(), "GAME OVER");
    EXPECT_EQ(game.EndPage(), "again.htx");
    EXPECT_GE(program.mixes, 1);
    EXPECT_EQ(program.music, "start stop");
    EXPECT_LE(program.records.size(), 14u * static_cast<std::size_t>(game.RoundNumber()));

    // Stopped, the game says goodbye with the score and goes back.
    BingoGame stopped(program, {}, 100, 3, AlwaysZero);
    stopped.Tick(0);
    stopped.Stop();
    long long time = 0;
    while (stopped.Tick(time += 20))
        ;
    EXPECT_EQ(stopped.Upper(), "BYE BYE");
    EXPECT_EQ(stopped.Lower(), "SCORE 0");
    EXPECT_EQ(stopped.EndPage(), "../vokabeln.htx");
}

TEST_F(BingoTest, TheSpeedSettingScalesEveryDuration) {
    BingoGame fast(program, {}, 200, 3, AlwaysZero);
    fast.Tick(0);
    fast.Tick(240);
    EXPECT_NE(fast.TextColour(), 0) << "still fading in";
    fast.Tick(250);
    EXPECT_EQ(fast.TextColour(), 0) << "a fade-in of 500 ms lasts 250";
    fast.Tick(1740);
    EXPECT_EQ(fast.Upper(), "ROUND 1");
    fast.Tick(1760);
    fast.Tick(2010);
    fast.Tick(2030);
    EXPECT_NE(fast.Upper(), "ROUND 1") << "the pause of 3000 ms lasts 1500";
}

TEST_F(BingoTest, PhrasesMeaningsAndColourFields) {
    const TBingoList phrases = ParseBingoList("rojo\t#FF0000\t#0000FF\r\n"
                                              "sin tabulador\n"
                                              "\tsin arriba\n"
                                              "el perro\tder Hund\t.el pero\n"
                                              "la casa\tdas Haus\n");
    ASSERT_EQ(phrases.size(), 3u);
    EXPECT_EQ(phrases[0], (TBingoPhrase{"rojo", "#FF0000", "#0000FF"}));
    EXPECT_EQ(phrases[1].Falsch, ".el pero");
    EXPECT_EQ(phrases[2].Falsch, "");

    // Without vocabulary the phrases alone make the pairs.
    FakeProgram nothing(false);
    BingoGame colours(nothing, phrases, 100, 3, AlwaysZero);
    long long time = 0;
    while (colours.Upper() != "rojo")
        colours.Tick(time += 20);
    EXPECT_TRUE(colours.Swatch());
    EXPECT_EQ(colours.SwatchColour(), rgbColor(255, 0, 0));
    EXPECT_TRUE(colours.PairBelongs());

    int calls = 0;
    const RandomSource second = [&calls](int range) {
        return calls++ % 2 == 0 ? 0 : range - 1;
    };
    EXPECT_EQ(PickMeaning("casa [f]; hogar", AlwaysZero), "casa");
    EXPECT_EQ(PickMeaning("casa [f]; hogar", [](int range) { return range - 1; }), "hogar");
    EXPECT_EQ(PickMeaning("[fam.] tío;; [sin cerrar", second), "tío");
    EXPECT_EQ(PickMeaning("", AlwaysZero), "");
}

} // namespace
} // namespace qor
