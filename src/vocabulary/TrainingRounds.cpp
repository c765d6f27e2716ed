// The slots of a training: which entries are asked, in which order, with
// which wrong choices, and when a round or the training is over.

#include "platform/AppMessage.h"
#include "platform/Text.h"
#include "vocabulary/ActiveEntries.h"
#include "vocabulary/VocabularyTraining.h"

#include <algorithm>

namespace qor {

namespace {

constexpr int MaxRoundSize = 100;

bool clash(const TVokabel& candidate, const TVokabel& other) {
    return candidate.Vokabel == other.Vokabel || candidate.Bedeutung[0] == other.Bedeutung[0] ||
           candidate.Vokabel == other.Bedeutung[0] || candidate.Bedeutung[0] == other.Vokabel;
}

} // namespace

VocabularyTraining::VocabularyTraining(TBibliothek& library, TVocEinstellungen& settings,
                                       const TRes* reserve, TrainingServices services)
    : library_(library), settings_(settings), reserve_(reserve), services_(std::move(services)) {}

bool VocabularyTraining::active(const TVokabel& entry) const {
    return IsActive(entry, settings_, services_.isLoggedIn && services_.isLoggedIn());
}

int VocabularyTraining::activeCount() {
    return ActiveCount(library_, settings_, services_.isLoggedIn && services_.isLoggedIn());
}

bool VocabularyTraining::PreCheck() {
    if (library_.Count(false) == 0) {
        AppMessage("Noch keine Bibliothek geladen! Was soll ich abfragen?\?\?!");
        return false;
    }
    const int count = activeCount();
    if (count == 0) {
        AppMessage("Keine Vokabel(n) aktiv!!!");
        return false;
    }
    if (settings_.ProRunde == 0)
        settings_.ProRunde = 10;
    if (settings_.Modus != 2)
        return true;
    if (count < settings_.ProRunde && count > 5)
        settings_.ProRunde = count;
    if (count >= settings_.ProRunde)
        return true;
    AppMessage("Nicht genug Vokabeln pro Runde vorhanden!!!");
    return false;
}

void VocabularyTraining::Start() {
    slots_ = {};
    settings_.ProRunde = std::clamp(settings_.ProRunde, 1, MaxRoundSize);
    if (settings_.Modus == 2) {
        for (int s = 0; s < settings_.ProRunde; ++s)
            fillRandom(s);
        return;
    }
    activeCount(); // writes the range back
    const bool forwards = settings_.Modus == 0;
    pos_ = forwards ? settings_.Von : settings_.Bis;
    ende_ = forwards ? settings_.Bis : settings_.Von;
    schritt_ = forwards ? 1 : -1;
    const int ahead = 4 + random(4);
    for (int s = 0; s <= ahead; ++s)
        fillOrdered(s);
}

void VocabularyTraining::ask(int s, const TVokabel& entry) {
    TVocAufgabe& task = slot(s);
    task.Frage = entry;
    task.Auswahl[0] = entry;
    task.Fehler = 0;
    chooseWrong(task);
}

void VocabularyTraining::fillOrdered(int s) {
    for (; pos_ != ende_ + schritt_; pos_ += schritt_) {
        const TVokabel* entry = library_.Entry(pos_);
        if (!entry || !active(*entry))
            continue;
        ask(s, *entry);
        pos_ += schritt_;
        return;
    }
}

const TVocAufgabe* VocabularyTraining::DrawRandomTask() {
    slot(0) = {};
    fillRandom(0);
    return slot(0).Frage.IsEmpty() ? nullptr : &slot(0);
}

void VocabularyTraining::fillRandom(int s) {
    const int range = settings_.Bis - settings_.Von + 1;
    if (range <= 0)
        return;
    const auto conflicts = [&](const TVokabel& candidate, int tries) {
        for (int other = 0; other < s; ++other) {
            const TVokabel& asked = slot(other).Frage;
            if (asked.Vokabel == candidate.Vokabel && asked.Wortart == candidate.Wortart)
                return true;
            const std::string a = upperCase(asked.Bedeutung[0]);
            const std::string b = upperCase(candidate.Bedeutung[0]);
            if (tries <= 3 * range &&
                (b.find(a) != std::string::npos || a.find(b) != std::string::npos))
                return true;
        }
        return false;
    };
    // A range without an active entry (the start check keeps it away) must
    // not keep the drawing going for ever.
    for (int tries = 1; tries <= 100 * range; ++tries) {
        const TVokabel* entry = library_.Entry(settings_.Von + random(range));
        if (!entry || !active(*entry))
            continue;
        if (tries < 4 * range && conflicts(*entry, tries))
            continue;
        ask(s, *entry);
        return;
    }
}

void VocabularyTraining::chooseWrong(TVocAufgabe& task) {
    for (std::size_t i = 1; i < task.Auswahl.size(); ++i)
        task.Auswahl[i] = {};
    std::size_t taken = 1;
    const auto search = [&](const std::vector<TVokabel>& entries, int count) {
        const int start = random(count);
        for (int k = 0; k < count && taken < task.Auswahl.size(); ++k) {
            const TVokabel& candidate = entries[static_cast<std::size_t>((start + k) % count)];
            if (candidate.Wortart != task.Frage.Wortart || candidate.Deutsch != task.Frage.Deutsch)
                continue;
            const bool clashes = std::any_of(
                task.Auswahl.begin(), task.Auswahl.begin() + static_cast<long>(taken),
                [&candidate](const TVokabel& chosen) { return clash(candidate, chosen); });
            if (!clashes)
                task.Auswahl[taken++] = candidate;
        }
    };
    search(library_.Eintraege(), library_.Count(false));
    if (taken < task.Auswahl.size() && reserve_)
        search(reserve_->Entries(), reserve_->Count());
}

int VocabularyTraining::filledSlots() const {
    int filled = 0;
    while (filled < Slots && !slots_[static_cast<std::size_t>(filled)].Frage.IsEmpty())
        ++filled;
    return filled;
}

void VocabularyTraining::Continue() {
    ++fragen_;
    if (settings_.Modus == 2) {
        const auto pending = [this](int f) {
            for (int s = 0; s < usedSlots(); ++s)
                if (slot(s).Fehler == f)
                    return true;
            return false;
        };
        bool allSolved = true;
        for (int s = 0; s < usedSlots(); ++s)
            allSolved = allSolved && slot(s).Fehler == -1;
        if (allSolved) {
            Evaluate(2);
            return;
        }
        if (pending(runde_)) {
            NextRound();
            return;
        }
        Evaluate(1);
        rundeAntworten_ = 0;
        rundeRichtig_ = 0;
        // A question answered wrong twenty times stays in the last round's count.
        runde_ = std::min(runde_ + 1, static_cast<int>(rundenGroesse_.size()) - 1);
        int size = 0;
        for (int s = 0; s < usedSlots(); ++s)
            size += slot(s).Fehler == runde_;
        rundenGroesse_[static_cast<std::size_t>(runde_)] = size;
        return;
    }
    const int filled = filledSlots();
    if (filled >= Slots)
        return;
    if (letzteAntwort_.ends_with('-'))
        slot(filled) = slot(0);
    else
        fillOrdered(filled);
    if (slot(1).Frage.IsEmpty()) {
        Evaluate(3);
        return;
    }
    for (int s = 0; s + 1 < Slots; ++s)
        slot(s) = slot(s + 1);
    slot(Slots - 1) = {};
    NextQuestion(false, 0);
}

void VocabularyTraining::NextRound() {
    bool pending = false;
    for (int s = 0; s < usedSlots(); ++s)
        pending = pending || slot(s).Fehler == runde_;
    if (!pending)
        return;
    do
        slot_ = random(usedSlots());
    while (slot(slot_).Fehler != runde_);
    NextQuestion(false, 0);
}

} // namespace qor
