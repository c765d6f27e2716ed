#pragma once
// What the bingo game takes from the program: the training's random pairs,
// fresh mixes of the library between rounds, the logged-in user's records
// and superlearning's music.

#include "superlearning/BingoGame.h"

namespace qor {

struct Program;
class TSuperOptions;

class BingoPlayer : public BingoHost {
public:
    BingoPlayer(Program& program, TSuperOptions& options) : program_(program), options_(options) {}

    const TVocAufgabe* DrawTask() override;
    int RangeSpan() const override;
    void NewMix() override;
    void Record(const TVokabel& entry, int value) override;
    void StartMusic() override;
    void CheckMusic() override;
    void StopMusic() override;

private:
    Program& program_;
    TSuperOptions& options_;
};

} // namespace qor
