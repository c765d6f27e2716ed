#include "verbs/Verben.h"

#include "page/model/ZipResource.h"
#include "platform/AppMessage.h"
#include "platform/Registry.h"

namespace qor {

namespace {

constexpr int VerbTableResource = 2;

std::vector<VerbRecord> builtInTable() {
    TZIPResource table(VerbTableResource);
    return ReadVerbTable(table);
}

std::string padded(std::string_view selection, std::size_t length) {
    std::string padded(selection.substr(0, std::min(selection.size(), length)));
    padded.resize(length, '-');
    return padded;
}

} // namespace

TVerben::TVerben(Registry& registry, RandomSource random)
    : registry_(registry), random_(std::move(random)) {
    finishReading(builtInTable());
}

TVerben::TVerben(TZIPResource& table, Registry& registry, RandomSource random)
    : registry_(registry), random_(std::move(random)) {
    finishReading(ReadVerbTable(table));
}

void TVerben::finishReading(std::vector<VerbRecord> records) {
    records_ = std::move(records);
    records_.resize(VerbRecordRoom);
    while (count_ < VerbRecordRoom && !records_[static_cast<std::size_t>(count_)].Infinitiv.empty())
        ++count_;
    LoadSelection();
}

const VerbRecord& TVerben::Verb(int verb) const {
    static const VerbRecord none;
    return verb >= 0 && verb < VerbRecordRoom ? records_[static_cast<std::size_t>(verb)] : none;
}

const VerbForm& TVerben::Form(int verb, int slot, int person) const {
    static const VerbForm none;
    if (slot < 0 || slot >= TenseSlots || person < 0 || person >= Persons)
        return none;
    return Verb(verb).tenses[static_cast<std::size_t>(slot)][static_cast<std::size_t>(person)];
}

std::string TVerben::PronounOf(int verb, int slot, int person) const {
    if (slot == ImperativeSlot || slot == ParticipleSlot || Form(verb, slot, person).text.empty())
        return {};
    return Pronoun(person) + " ";
}

std::string TVerben::PersonLabel(int slot, int person) {
    if (slot == ParticipleSlot)
        return person == 0 ? "Gerundio" : "Participio";
    return std::to_string(person % 3 + 1) + ". Person " + (person < 3 ? "Singular " : "Plural ");
}

void TVerben::SetVerbSelection(std::string_view selection) {
    const auto verbs = static_cast<std::size_t>(count_);
    verbSelection_ = selection.empty() ? std::string(verbs, '+')
                                       : padded(selection, std::max(verbs, selection.size()));
}

void TVerben::SetTenseSelection(std::string_view selection) {
    tenseSelection_ =
        selection.empty() ? std::string(TenseSlots, '+') : padded(selection, TenseSlots);
}

void TVerben::LoadSelection() {
    SetVerbSelection(registry_.readString(RegistryKey, "Verben").value_or(""));
    SetTenseSelection(registry_.readString(RegistryKey, "Zeiten").value_or(""));
}

void TVerben::SaveSelection() const {
    registry_.writeString(RegistryKey, "Verben", verbSelection_);
    registry_.writeString(RegistryKey, "Zeiten", tenseSelection_);
}

bool TVerben::BuildActiveLists() {
    activeVerbs_.clear();
    activeTenses_.clear();
    for (int verb = 0; verb < count_ && verb < static_cast<int>(verbSelection_.size()); ++verb)
        if (verbSelection_[static_cast<std::size_t>(verb)] == '+')
            activeVerbs_.push_back(verb);
    if (activeVerbs_.empty()) {
        AppMessage("Keine Verben aktiviert! Was soll ich abfragen?\?\?!");
        return false;
    }
    for (int slot = 0; slot < TenseSlots; ++slot)
        if (tenseSelection_[static_cast<std::size_t>(slot)] == '+')
            activeTenses_.push_back(slot);
    if (activeTenses_.empty()) {
        AppMessage("Keine Zeiten aktiviert! Was soll ich abfragen?\?\?!");
        return false;
    }
    return true;
}

std::pair<std::string, std::string> SplitAlternatives(std::string_view form) {
    const std::size_t slash = form.find('/');
    if (slash == std::string_view::npos)
        return {std::string(form), {}};
    std::string first(form.substr(0, slash));
    std::string second(form.substr(slash + 1));
    if (const std::size_t blank = second.find(' '); blank != std::string::npos)
        first += second.substr(blank);
    return {first, second};
}

} // namespace qor
