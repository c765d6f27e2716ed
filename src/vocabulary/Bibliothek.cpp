#include "vocabulary/Bibliothek.h"

#include "platform/Text.h"

#include <algorithm>
#include <utility>

namespace qor {
using namespace literals;

TBibliothek::TBibliothek(std::unique_ptr<TLastFiles> lastFiles)
    : letzteDateien_(std::move(lastFiles)) {
    eintraege_.push_back(vorlage_);
}

int TBibliothek::resolve(int i) const {
    const int last = static_cast<int>(eintraege_.size()) - 1;
    if (i == -1)
        return aktuell_;
    if (i == -2)
        return std::max(aktuell_ - 1, 0);
    if (i == -3)
        return std::min(aktuell_ + 1, last);
    return i;
}

const TVokabel* TBibliothek::at(int i) const {
    i = resolve(i);
    if (i < 0 || i >= static_cast<int>(eintraege_.size()))
        return nullptr;
    return &eintraege_[static_cast<std::size_t>(i)];
}

TVokabel* TBibliothek::at(int i) {
    return const_cast<TVokabel*>(std::as_const(*this).at(i));
}

const TVokabel* TBibliothek::Entry(int i) const {
    return at(i);
}

void TBibliothek::changed() {
    geaendert_ = true;
    if (OnChange)
        OnChange();
}

template <typename Value> void TBibliothek::set(int i, Value TVokabel::*field, Value value) {
    TVokabel* entry = at(i);
    if (!entry || entry->*field == value)
        return;
    entry->*field = std::move(value);
    changed();
}

namespace {

bool validField(int k) {
    return k == 0 || k == 1;
}

} // namespace

std::string TBibliothek::Vokabel(int i) const {
    const TVokabel* entry = at(i);
    return entry ? entry->Vokabel : std::string();
}

std::string TBibliothek::Bedeutung(int i, int k) const {
    const TVokabel* entry = at(i);
    return entry && validField(k) ? entry->Bedeutung[static_cast<std::size_t>(k)] : std::string();
}

std::string TBibliothek::Kontext(int i, int k) const {
    const TVokabel* entry = at(i);
    return entry && validField(k) ? entry->Kontext[static_cast<std::size_t>(k)] : std::string();
}

bool TBibliothek::KtxDazu(int i, int k) const {
    const TVokabel* entry = at(i);
    return entry && validField(k) && entry->KtxDazu[static_cast<std::size_t>(k)];
}

int TBibliothek::Wortart(int i) const {
    const TVokabel* entry = at(i);
    return entry ? entry->Wortart : 0;
}

bool TBibliothek::Deutsch(int i) const {
    const TVokabel* entry = at(i);
    return entry && entry->Deutsch;
}

int TBibliothek::Schwierigkeit(int i) const {
    const TVokabel* entry = at(i);
    return entry ? entry->Schwierigkeit : 0;
}

int TBibliothek::Score(int i) const {
    const TVokabel* entry = at(i);
    return entry ? entry->Score : 0;
}

void TBibliothek::setVokabel(int i, std::string_view value) {
    set(i, &TVokabel::Vokabel, std::string(value));
}

void TBibliothek::setBedeutung(int i, int k, std::string_view value) {
    TVokabel* entry = at(i);
    if (!entry || !validField(k))
        return;
    std::array<std::string, 2> meanings = entry->Bedeutung;
    meanings[static_cast<std::size_t>(k)] = value;
    set(i, &TVokabel::Bedeutung, meanings);
}

void TBibliothek::setKontext(int i, int k, std::string_view value) {
    TVokabel* entry = at(i);
    if (!entry || !validField(k))
        return;
    std::array<std::string, 2> contexts = entry->Kontext;
    contexts[static_cast<std::size_t>(k)] = value;
    set(i, &TVokabel::Kontext, contexts);
}

void TBibliothek::setKtxDazu(int i, int k, bool value) {
    TVokabel* entry = at(i);
    if (!entry || !validField(k))
        return;
    std::array<bool, 2> flags = entry->KtxDazu;
    flags[static_cast<std::size_t>(k)] = value;
    set(i, &TVokabel::KtxDazu, flags);
}

void TBibliothek::setWortart(int i, int value) {
    set(i, &TVokabel::Wortart, static_cast<std::uint8_t>(std::clamp(value, 0, 255)));
}

void TBibliothek::setDeutsch(int i, bool value) {
    set(i, &TVokabel::Deutsch, value);
}

void TBibliothek::setSchwierigkeit(int i, int value) {
    set(i, &TVokabel::Schwierigkeit,
        static_cast<std::uint8_t>(std::clamp(value, 0, Difficulties - 1)));
}

bool TBibliothek::IsEmpty(int i) const {
    const TVokabel* entry = at(i);
    return !entry || entry->IsEmpty();
}

int TBibliothek::Count(bool withTrailing) const {
    const int count = static_cast<int>(eintraege_.size());
    if (!withTrailing && count > 0 && eintraege_.back().IsEmpty())
        return count - 1;
    return count;
}

int TBibliothek::FirstGap() const {
    for (int i = 0; i + 1 < static_cast<int>(eintraege_.size()); ++i)
        if (IsEmpty(i) && !IsEmpty(i + 1))
            return i;
    return -1;
}

int TBibliothek::CountDeutsch(bool flag, int from, int to) const {
    if (to == -1)
        to = Count(false) - 1;
    int count = 0;
    for (int i = std::max(from, 0); i <= to && i < static_cast<int>(eintraege_.size()); ++i)
        count += eintraege_[static_cast<std::size_t>(i)].Deutsch == flag;
    return count;
}

int TBibliothek::Add(const TVokabel& entry) {
    eintraege_.push_back(entry);
    changed();
    return static_cast<int>(eintraege_.size()) - 1;
}

int TBibliothek::AddEmpty() {
    return Add(vorlage_);
}

void TBibliothek::Delete(int i) {
    if (!at(i))
        return;
    eintraege_.erase(eintraege_.begin() + resolve(i));
    changed();
}

void TBibliothek::DeleteCurrent() {
    Delete(-1);
}

bool TBibliothek::InsertEmptyAtCurrent() {
    if (IsEmpty(aktuell_) || (aktuell_ > 0 && IsEmpty(aktuell_ - 1)) || !at(aktuell_))
        return false;
    eintraege_.insert(eintraege_.begin() + aktuell_, vorlage_);
    changed();
    return true;
}

void TBibliothek::Exchange(int i, int j) {
    if (!at(i) || !at(j))
        return;
    std::swap(eintraege_[static_cast<std::size_t>(resolve(i))],
              eintraege_[static_cast<std::size_t>(resolve(j))]);
    changed();
}

void TBibliothek::Clear(bool keepEmpty) {
    eintraege_.clear();
    if (keepEmpty)
        eintraege_.push_back(vorlage_);
    dateiname_.clear();
    geaendert_ = false;
    if (OnChange)
        OnChange();
}

void TBibliothek::ensureTrailingEmpty() {
    if (eintraege_.empty() || !eintraege_.back().IsEmpty())
        eintraege_.push_back(vorlage_);
}

void TBibliothek::dropTrailingEmpty() {
    if (!eintraege_.empty() && eintraege_.back().IsEmpty())
        eintraege_.pop_back();
}

std::string TBibliothek::DisplayName() const {
    if (dateiname_.empty())
        return "Unbenannt";
    if (dateiname_.size() <= 34)
        return dateiname_;
    const std::size_t separator = dateiname_.find_last_of("/\\");
    return dateiname_.substr(0, 16) + " ... " +
           (separator == std::string::npos ? dateiname_ : dateiname_.substr(separator));
}

void TBibliothek::AddRecent(std::string_view path) {
    letzteDateien_->Add(path == "*" ? std::string_view(dateiname_) : path);
}

std::string TBibliothek::Recent(int i) const {
    return letzteDateien_->Item(i);
}

std::string WordClassName(int wordClass) {
    static const char* const names[WordClass::Count] = {
        "Nomen", "Verb", "Adjektiv", "Kleines Wort", "Rw. mit Verb", "Rw. ohne Verb"};
    return wordClass >= 0 && wordClass < WordClass::Count ? names[wordClass] : "";
}

std::string DifficultyName(int difficulty) {
    static const std::string names[Difficulties] = {"Baby", "Leicht", "Mittel", "Schwierig",
                                                    "Tödlich"_cp};
    return difficulty >= 0 && difficulty < Difficulties ? names[difficulty] : "";
}

} // namespace qor
