#include "dictionary/XDatabase.h"

#include "platform/AppMessage.h"
#include "platform/Text.h"

#include <algorithm>
#include <charconv>

namespace qor {
using namespace literals;

namespace {

// A class text that is no number 1..6 gives class 1.
int parseWordClass(std::string_view text) {
    text = TrimBlanks(text);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > 6)
        return 1;
    return value;
}

// Trimmed and without zero bytes (a plain file in UTF-16, say): the packed
// file ends its strings with them, so saving would split the entry and
// shift every later one.
std::string storableText(std::string_view text) {
    std::string stored(text);
    std::erase(stored, '\0');
    return std::string(TrimBlanks(stored));
}

const DictionaryEntry& emptyEntry() {
    static const DictionaryEntry empty;
    return empty;
}

} // namespace

TXDatabase::TXDatabase() : random_(Random) {}

void TXDatabase::SelectDirection(bool germanSpanish) {
    const int direction = germanSpanish ? GermanSpanish : SpanishGerman;
    if (direction == direction_)
        return;
    direction_ = direction;
    if (Current() >= Count())
        setCurrent(0);
    notify();
}

std::string TXDatabase::DirectionName() const {
    return IsGermanSpanish() ? "Deutsch-Spanisch" : "Spanisch-Deutsch";
}

std::string TXDatabase::DirectionShortName() const {
    return IsGermanSpanish() ? "Deutsch-S" : "Spanisch-D";
}

void TXDatabase::First() {
    setCurrent(0);
    notify();
}

void TXDatabase::Last() {
    setCurrent(std::max(0, Count() - 1));
    notify();
}

void TXDatabase::Next() {
    if (Current() < Count() - 1)
        setCurrent(Current() + 1);
    notify();
}

void TXDatabase::Previous() {
    if (Current() > 0)
        setCurrent(Current() - 1);
    notify();
}

void TXDatabase::RandomEntry(bool anyClass) {
    const std::vector<DictionaryEntry>& entries = list();
    const bool hasWord =
        std::any_of(entries.begin(), entries.end(),
                    [](const DictionaryEntry& entry) { return entry.Wortart <= 4; });
    // A direction of phrases only has nothing to draw: the position stays
    // rather than drawing for ever.
    if (!entries.empty() && (anyClass || hasWord)) {
        int index = randomBelow(random_, Count());
        while (!anyClass && entries[index].Wortart > 4)
            index = randomBelow(random_, Count());
        setCurrent(index);
    }
    notify();
}

DictionaryEntry* TXDatabase::entryAt(int index) {
    index = indexOf(index);
    return index >= 0 && index < Count() ? &list()[index] : nullptr;
}

const DictionaryEntry* TXDatabase::entryAt(int index) const {
    index = indexOf(index);
    return index >= 0 && index < Count() ? &list()[index] : nullptr;
}

std::string TXDatabase::GetWord(int index) const {
    const DictionaryEntry* entry = entryAt(index);
    return entry ? entry->Vokabel : std::string();
}

std::string TXDatabase::GetMeaning(int index) const {
    const DictionaryEntry* entry = entryAt(index);
    return entry ? entry->Bedeutung : std::string();
}

int TXDatabase::GetClass(int index) const {
    const DictionaryEntry* entry = entryAt(index);
    return entry ? entry->Wortart : 1;
}

void TXDatabase::SetWord(std::string_view word, int index) {
    if (DictionaryEntry* entry = entryAt(index)) {
        entry->Vokabel = word;
        changed();
    }
}

void TXDatabase::SetMeaning(std::string_view meaning, int index) {
    if (DictionaryEntry* entry = entryAt(index)) {
        entry->Bedeutung = meaning;
        changed();
    }
}

void TXDatabase::SetClass(int wordClass, int index) {
    if (DictionaryEntry* entry = entryAt(index)) {
        // As on every add: only 1..6 are classes, and only those can be saved.
        entry->Wortart = wordClass >= 1 && wordClass <= 6 ? wordClass : 1;
        changed();
    }
}

void TXDatabase::AddEntry(std::string_view word, std::string_view classText,
                          std::string_view meaning) {
    list().push_back({storableText(word), storableText(meaning), parseWordClass(classText)});
    modified_[direction_] = true;
}

void TXDatabase::InsertEmpty() {
    const int index = std::clamp(Current(), 0, Count());
    list().insert(list().begin() + index, DictionaryEntry{});
    setCurrent(index);
    changed();
}

void TXDatabase::DeleteCurrent() {
    if (!entryAt(-1)) {
        notify();
        return;
    }
    list().erase(list().begin() + Current());
    if (Current() == Count() && Current() > 0)
        setCurrent(Current() - 1);
    changed();
}

void TXDatabase::DeleteAll() {
    list().clear();
    setCurrent(0);
    changed();
}

const DictionaryEntry& TXDatabase::ResultEntry(int result) const {
    if (result < 0 || result >= ResultCount())
        return emptyEntry();
    const DictionaryResult& found = results_[result];
    const std::vector<DictionaryEntry>& entries = lists_[found.direction];
    return found.index >= 0 && found.index < static_cast<int>(entries.size()) ? entries[found.index]
                                                                              : emptyEntry();
}

bool TXDatabase::CheckCurrent() const {
    const DictionaryEntry* entry = entryAt(-1);
    if (entry && !entry->Vokabel.empty() && !entry->Bedeutung.empty())
        return true;
    AppMessage("Der aktuelle Eintrag ist nicht vollständig!"_cp);
    return false;
}

int TXDatabase::compare(std::string_view a, std::string_view b) const {
    return collation_ ? collation_(a, b) : compareIgnoreCase(a, b);
}

void TXDatabase::changed() {
    modified_[direction_] = true;
    notify();
}

void TXDatabase::notify() const {
    if (OnChange)
        OnChange();
}

} // namespace qor
