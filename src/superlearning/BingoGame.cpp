#include "superlearning/BingoGame.h"

#include "vocabulary/VocabularyTraining.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace qor {

namespace {

using Comment = std::pair<const char*, const char*>;

const std::array<Comment, 7> WrongComments = {{
    {"LEIDER", "FALSCH!"},
    {"WIE", "SCHADE!"},
    {"WOHL", "KAUM!"},
    {"DAS TUT", "WEH!!"},
    {"VERSCHONE", "MICH!"},
    {"VOLL", "DANEBEN!"},
    {"BITTE", "NICHT!"},
}};

const std::array<Comment, 7> RightComments = {{
    {"SEHR", "GUT!"},
    {"WEITER", "SO!"},
    {"MEHR", "DAVON!"},
    {"WIRKLICH", "BEEINDRUCKEND!"},
    {"NICHT", "SCHLECHT!"},
    {"SEHR", "SCH\xD6N!"},
    {"DAS WAR", "HERVORRAGEND!"},
}};

std::string trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// Each part of a colour goes from the base towards white by k / 256.
Color towardsWhite(Color base, int k) {
    const auto part = [&](int shift) {
        const int value = (base >> shift) & 0xFF;
        return value + (255 - value) * k / 256;
    };
    return rgbColor(part(0), part(8), part(16));
}

Color readSwatch(std::string_view hex) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
    if (error != std::errc() || end != hex.data() + hex.size() || hex.size() != 6)
        return 0;
    return rgbColor(static_cast<int>(value >> 16), static_cast<int>((value >> 8) & 0xFF),
                    static_cast<int>(value & 0xFF));
}

} // namespace

std::string PickMeaning(const std::string& meanings, const RandomSource& random) {
    std::vector<std::string> alternatives;
    std::size_t start = 0;
    while (start <= meanings.size()) {
        std::size_t end = meanings.find(';', start);
        if (end == std::string::npos)
            end = meanings.size();
        std::string alternative = meanings.substr(start, end - start);
        if (const std::size_t open = alternative.find('['); open != std::string::npos) {
            const std::size_t close = alternative.find(']', open);
            alternative.erase(open,
                              close == std::string::npos ? std::string::npos : close - open + 1);
        }
        if (std::string meaning = trimmed(alternative); !meaning.empty())
            alternatives.push_back(std::move(meaning));
        start = end + 1;
    }
    if (alternatives.empty())
        return {};
    return alternatives[static_cast<std::size_t>(
        randomBelow(random, static_cast<int>(alternatives.size())))];
}

BingoGame::BingoGame(BingoHost& host, TBingoList phrases, int vegasFaktor, int fontCount,
                     RandomSource random)
    : host_(host), phrases_(std::move(phrases)), vegasFaktor_(std::max(1, vegasFaktor)),
      fontCount_(std::max(1, fontCount)), random_(std::move(random)) {}

std::string BingoGame::EndPage() const {
    return energy_ > 0 ? "../vokabeln.htx" : "again.htx";
}

int BingoGame::scaled(int milliseconds) const {
    return milliseconds * 100 / vegasFaktor_;
}

void BingoGame::Click() {
    if (clicksAllowed_)
        clicked_ = true;
}

bool BingoGame::Tick(long long now) {
    now_ = now;
    if (over_)
        return false;
    if (started_ < 0) {
        host_.StartMusic();
        round_ = 1;
        startRound();
    }
    // A finished activity leads to the next, which may be over at once.
    for (int guard = 0; guard < 64 && !over_; ++guard) {
        const long long elapsed = now_ - started_;
        if (activity_ == Activity::FadeIn || activity_ == Activity::FadeOut)
            fade(elapsed);
        const bool timeUp = elapsed >= duration_;
        const bool cut = activity_ != Activity::Done && clicked_;
        const bool stopped = activity_ == Activity::Wait && stop_;
        if (!(timeUp || cut || stopped))
            break;
        proceed();
    }
    return !over_;
}

void BingoGame::begin(Activity activity, int milliseconds, Next next) {
    activity_ = activity;
    next_ = next;
    started_ = now_;
    duration_ = activity == Activity::Done ? 0 : scaled(milliseconds);
    if (activity == Activity::FadeIn || activity == Activity::FadeOut) {
        clicked_ = false;
        // A click counts only in the second half of a fade-in.
        if (activity == Activity::FadeIn) {
            clicksAllowed_ = false;
            font_ = r(fontCount_);
        }
        fade(0);
    }
}

void BingoGame::fade(long long elapsed) {
    const int q = duration_ <= 0
                      ? 255
                      : static_cast<int>(std::min<long long>(255, 255 * elapsed / duration_));
    const bool in = activity_ == Activity::FadeIn;
    const int k = in ? 255 - q : q;
    if (in && k < 128)
        clicksAllowed_ = true;
    textColour_ = towardsWhite(base_, k);
    swatchAlpha_ = 255 - k;
}

void BingoGame::setTexts(std::string upper, std::string lower) {
    upper_ = std::move(upper);
    lower_ = std::move(lower);
    swatch_ = lower_.starts_with('#');
    swatchColour_ = swatch_ ? readSwatch(std::string_view(lower_).substr(1)) : 0;
}

void BingoGame::startRound() {
    base_ = ColorValue::Black;
    entry_ = nullptr;
    setTexts("ROUND " + std::to_string(round_), "GET READY!");
    begin(Activity::FadeIn, 500, Next::RoundShown);
}

// The steps of the game, in the order they follow each other. A fade or
// wait that a stop leaves out is passed over at once.
void BingoGame::proceed() {
    const auto unlessStopped = [this](Activity activity, int milliseconds, Next next) {
        begin(stop_ ? Activity::Done : activity, milliseconds, next);
    };
    switch (next_) {
    case Next::RoundShown:
        begin(Activity::Wait, 3000, Next::ReadyWaited);
        break;
    case Next::ReadyWaited:
        begin(Activity::FadeOut, 500, Next::RoundStarting);
        break;
    case Next::RoundStarting:
        clicks_ = 1;
        nextPair();
        break;
    case Next::PairShown:
        energy_ = std::max(0, energy_ - 1);
        unlessStopped(Activity::Wait, 1000, Next::PairWaited);
        break;
    case Next::PairWaited:
        energy_ = std::max(0, energy_ - 1);
        if (clicked_)
            evaluate(Next::CommentShownAfterWait);
        else
            unlessStopped(Activity::FadeOut, 500, Next::PairHidden);
        break;
    case Next::CommentShownAfterWait:
        unlessStopped(Activity::FadeOut, 500, Next::PairHidden);
        break;
    case Next::PairHidden:
        if (clicked_)
            evaluate(Next::CommentShownAfterHide);
        else
            afterPair();
        break;
    case Next::CommentShownAfterHide:
        afterPair();
        break;
    case Next::EndShown:
        begin(Activity::Wait, 3000, Next::EndWaited);
        break;
    case Next::EndWaited:
        begin(Activity::FadeOut, 500, Next::Finished);
        break;
    case Next::Finished:
        host_.StopMusic();
        activity_ = Activity::Done;
        over_ = true;
        break;
    }
}

void BingoGame::nextPair() {
    base_ = ColorValue::Black;
    choosePair();
    begin(stop_ ? Activity::Done : Activity::FadeIn, 500, Next::PairShown);
}

void BingoGame::choosePair() {
    const TVocAufgabe* task = host_.DrawTask();
    for (int tries = 0;
         task && tries < 50 &&
         std::find(recent_.begin(), recent_.end(), task->Frage.Vokabel) != recent_.end();
         ++tries)
        task = host_.DrawTask();
    entry_ = nullptr;
    if (task) {
        recent_.push_back(task->Frage.Vokabel);
        if (recent_.size() >=
            static_cast<std::size_t>(std::max(0, std::min(20, host_.RangeSpan()))))
            recent_.pop_front();
        bool belongs = r(10) > 4;
        if (!belongs && streak_ == 3)
            belongs = r(10) > 4;
        if (streak_ >= 4)
            belongs = true;
        kind_ = belongs ? 0 : 1 + r(5);
        // A wrong choice that is not there: the right one is shown.
        if (task->Auswahl[static_cast<std::size_t>(kind_)].Bedeutung[0].empty())
            kind_ = 0;
        streak_ = kind_ == 0 ? 0 : streak_ + 1;
        const TVokabel& choice = task->Auswahl[static_cast<std::size_t>(kind_)];
        std::string meanings = choice.Bedeutung[0];
        if (!choice.Bedeutung[1].empty())
            meanings += "; " + choice.Bedeutung[1];
        setTexts(task->Frage.Vokabel, PickMeaning(meanings, random_));
        entry_ = &task->Frage;
    }
    if (!phrases_.empty() && (!task || r(10) == 9))
        choosePhrase();
}

void BingoGame::choosePhrase() {
    const int count = static_cast<int>(phrases_.size());
    const int i = r(count);
    const TBingoPhrase& phrase = phrases_[static_cast<std::size_t>(i)];
    std::string upper = phrase.Oben;
    std::string lower = phrase.Unten;
    kind_ = 0;
    entry_ = nullptr;
    if (r(10) > 4) {
        if (!phrase.Falsch.empty() && r(2) == 0) {
            if (phrase.Falsch.starts_with('.'))
                upper = phrase.Falsch.substr(1);
            else
                lower = phrase.Falsch;
            kind_ = 1;
        } else if (i > 2) {
            const int neighbour = i - 1 - r(2);
            lower = phrases_[static_cast<std::size_t>(neighbour)].Unten;
            kind_ = 1;
        } else if (i < count - 3) {
            const int neighbour = i + 1 + r(2);
            lower = phrases_[static_cast<std::size_t>(neighbour)].Unten;
            kind_ = 1;
        }
    }
    setTexts(std::move(upper), std::move(lower));
}

void BingoGame::evaluate(Next after) {
    clicked_ = false;
    clicksAllowed_ = false;
    const bool right = kind_ == 0;
    if (right) {
        energy_ = std::min(FullEnergy, energy_ + 6);
        ++score_;
        base_ = ColorValue::Black;
    } else {
        energy_ = std::max(0, energy_ - 12);
        base_ = Wrong;
    }
    if (entry_)
        host_.Record(*entry_, right ? 8 : -8);
    const Comment comment = (right ? RightComments : WrongComments)[static_cast<std::size_t>(r(7))];
    textColour_ = base_;
    font_ = r(fontCount_);
    entry_ = nullptr;
    setTexts(comment.first, comment.second);
    ++clicks_;
    begin(Activity::Wait, 1000, after);
}

void BingoGame::afterPair() {
    host_.CheckMusic();
    if (stop_ || energy_ == 0 || clicks_ > ClicksPerRound)
        endRound();
    else
        nextPair();
}

void BingoGame::endRound() {
    host_.NewMix();
    if (!stop_ && energy_ > 0) {
        ++round_;
        startRound();
        return;
    }
    showEnd();
}

void BingoGame::showEnd() {
    base_ = ColorValue::Black;
    if (energy_ > 0)
        setTexts("BYE BYE", "SCORE " + std::to_string(score_));
    else
        setTexts("TIME UP", "GAME OVER");
    begin(Activity::FadeIn, 500, Next::EndShown);
}

} // namespace qor
