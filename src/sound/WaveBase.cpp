#include "sound/WaveBase.h"

#include "core/Configuration.h"
#include "platform/AppMessage.h"
#include "platform/DataFileSave.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

#include <algorithm>
#include <numeric>

namespace qor {
using namespace literals;

namespace {

bool startsWithIgnoreCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

std::string withoutParentheses(std::string_view text) {
    std::string result;
    for (char c : text)
        if (c != '(' && c != ')')
            result.push_back(c);
    return result;
}

} // namespace

TXWaveBase::TXWaveBase(Configuration& config) : config_(config) {}

TXWaveBase::~TXWaveBase() {
    if (!savedFile_.empty())
        config_.registry().writeString(RegistryKey::Directories, "Datenbank3", savedFile_);
}

void TXWaveBase::Load(const std::string& path) {
    loadedFile_ = path;
    const std::optional<std::string> bytes = readFile(path);
    WaveBaseContent content;
    if (!bytes)
        content.complete = false;
    else
        content =
            isPackedWaveBaseName(path) ? parsePackedWaveBase(*bytes) : parsePlainWaveBase(*bytes);
    for (const SoundEntry& entry : content.entries)
        AddEntry(entry.Text, entry.Datei);
    if (!content.complete) {
        loadedFileDamaged_ = bytes.has_value();
        AppMessage("Fehler beim Laden von "_cp + path + "!", MessageStyle::Stop);
    }
    modified_ = false;
    notify();
}

void TXWaveBase::SaveIfChanged() {
    if (!modified_ || config_.WriteProtected)
        return;
    if (AppMessage("Die Datenbank für die Sprachaufnahmen wurde verändert.\nSollen diese "
                   "Veränderungen gespeichert werden?"_cp,
                   MessageStyle::YesNo) != MessageResult::Yes)
        return;
    Sort();

    savedFile_.clear();
    const std::optional<std::string> saved = saveWithDialogue(
        loadedFile_.empty() ? loadedFile_ : packedDataFileName(loadedFile_),
        [this](const std::string& path) { return saveTo(path); },
        {.failedQuestion = "Die Datenbank für die Sprachaufnahmen konnte nicht gespeichert "
                           "werden. \nSoll sie an einem anderen Ort gespeichert werden?\n\n"
                           "Achtung: Bei Nein gehen alle Veränderungen verloren."_cp,
         .dialogTitle = "Datenbank für die Sprachaufnahmen speichern"_cp,
         .dialogFilter = "QOR Datenbank (*.qor)"});
    if (!saved)
        return;
    loadedFile_ = savedFile_ = *saved;
    modified_ = false;
    AppMessage("Die Datenbank für die Sprachaufnahmen wurde erfolgreich gespeichert."_cp);
}

bool TXWaveBase::saveTo(const std::string& path) {
    // What a damaged file held beyond its readable part is kept beside it.
    if (!writeKeepingOld(path, packWaveBase(entries_), loadedFileDamaged_ && path == loadedFile_))
        return false;
    if (path == loadedFile_)
        loadedFileDamaged_ = false;
    return true;
}

void TXWaveBase::First() {
    current_ = 0;
    notify();
}

void TXWaveBase::Last() {
    current_ = std::max(0, Count() - 1);
    notify();
}

void TXWaveBase::Next() {
    if (current_ < Count() - 1)
        ++current_;
    notify();
}

void TXWaveBase::Previous() {
    if (current_ > 0)
        --current_;
    notify();
}

void TXWaveBase::GoToText(std::string_view text) {
    int index = 0;
    if (!text.empty())
        while (index + 1 < Count() && compareIgnoreCase(entries_[index].Text, text) < 0)
            ++index;
    current_ = index;
    notify();
}

std::string TXWaveBase::GetText() const {
    const SoundEntry* entry = current();
    return entry ? entry->Text : std::string();
}

std::string TXWaveBase::GetDatei() const {
    const SoundEntry* entry = current();
    return entry ? entry->Datei : std::string();
}

void TXWaveBase::SetText(std::string_view text) {
    // Not trimmed: the window stores every keystroke, trailing blanks included.
    SoundEntry* entry = current();
    if (!entry || entry->Text == text)
        return;
    entry->Text = text;
    changed();
}

void TXWaveBase::SetDatei(std::string_view reference) {
    SoundEntry* entry = current();
    if (!entry || entry->Datei == reference)
        return;
    entry->Datei = reference;
    changed();
}

void TXWaveBase::AddEntry(std::string_view text, std::string_view reference) {
    entries_.push_back({std::string(TrimBlanks(text)), std::string(reference)});
    modified_ = true;
}

void TXWaveBase::InsertNew() {
    current_ = std::clamp(current_, 0, Count());
    entries_.insert(entries_.begin() + current_, SoundEntry{"", ".wav"});
    changed();
}

void TXWaveBase::DeleteCurrent() {
    if (!current())
        return;
    entries_.erase(entries_.begin() + current_);
    if (current_ >= Count() && current_ > 0)
        --current_;
    changed();
}

void TXWaveBase::Sort() {
    if (Count() < 2)
        return;
    std::vector<int> order(entries_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return compareIgnoreCase(entries_[a].Text, entries_[b].Text) < 0;
    });
    std::vector<SoundEntry> sorted;
    sorted.reserve(entries_.size());
    for (int index : order)
        sorted.push_back(std::move(entries_[index]));
    entries_ = std::move(sorted);
    // The entry on show stays on show at its new place.
    current_ = static_cast<int>(std::find(order.begin(), order.end(), current_) - order.begin());
    changed();
}

bool TXWaveBase::CheckCurrent() const {
    const SoundEntry* entry = current();
    if (!entry || (!entry->Text.empty() && !entry->Datei.empty()))
        return true;
    AppMessage("Der aktuelle Eintrag ist nicht vollständig!"_cp);
    return false;
}

const std::string* TXWaveBase::findText(std::string_view text) const {
    for (const SoundEntry& entry : entries_)
        if (equalsIgnoreCase(entry.Text, text))
            return &entry.Datei;
    return nullptr;
}

std::string TXWaveBase::LookUp(std::string_view text, bool exact) const {
    if (text.empty())
        return {};
    if (const std::string* reference = findText(text))
        return *reference;
    if (const std::string* reference = findText(withoutParentheses(text)))
        return *reference;
    if (!exact) {
        for (const char* continuation : {" (", ", "}) {
            const std::string prefix = std::string(text) + continuation;
            for (const SoundEntry& entry : entries_)
                if (entry.Text.starts_with(prefix))
                    return entry.Datei;
        }
    }
    return {};
}

bool TXWaveBase::ReferencesDirectory(std::string_view prefix) const {
    if (prefix.empty())
        return false;
    return std::any_of(entries_.begin(), entries_.end(), [prefix](const SoundEntry& entry) {
        return startsWithIgnoreCase(entry.Datei, prefix);
    });
}

int TXWaveBase::RebaseReferences(std::string_view prefix) {
    if (prefix.empty())
        return 0;
    int count = 0;
    for (SoundEntry& entry : entries_) {
        if (!startsWithIgnoreCase(entry.Datei, prefix))
            continue;
        // From the prefix's last character on: a directory keeps its separator.
        entry.Datei = "XU:" + entry.Datei.substr(prefix.size() - 1);
        ++count;
    }
    if (count > 0)
        changed();
    return count;
}

bool TXWaveBase::SpeaksMissing() const {
    return config_.Extras.Speech;
}

ResolvedSound TXWaveBase::Resolve(std::string_view reference) const {
    return qor::Resolve(reference, config_);
}

std::string TXWaveBase::SoundLink(std::string_view text) const {
    const std::string reference = LookUp(text, false);
    if (!reference.empty()) {
        const ResolvedSound sound = Resolve(reference);
        if (sound.status == SoundStatus::Found)
            return "<a href=\"" + sound.path + "\" >" + std::string(text) + "</a>";
    }
    return std::string(text);
}

SoundEntry* TXWaveBase::current() {
    return current_ >= 0 && current_ < Count() ? &entries_[current_] : nullptr;
}

const SoundEntry* TXWaveBase::current() const {
    return current_ >= 0 && current_ < Count() ? &entries_[current_] : nullptr;
}

void TXWaveBase::changed() {
    modified_ = true;
    notify();
}

void TXWaveBase::notify() const {
    if (OnChange)
        OnChange();
}

} // namespace qor
