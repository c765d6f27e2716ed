#pragma once
// The sound database: one list that maps texts (a word, a meaning, a
// sentence) to references of their recordings. It is loaded at start-up,
// edited in its management window and written back at shutdown when changed.

#include "sound/WaveBaseFormat.h"
#include "sound/WaveBaseResolve.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class Configuration;

class TXWaveBase {
public:
    // The directory settings resolve references; the settings store receives
    // "Datenbank3" when the database was saved under a name.
    explicit TXWaveBase(Configuration& config);
    // Records the file last saved, so that the next start loads it.
    ~TXWaveBase();
    TXWaveBase(const TXWaveBase&) = delete;
    TXWaveBase& operator=(const TXWaveBase&) = delete;

    // Told after every change of the list or of the current entry.
    std::function<void()> OnChange;

    // Adds the entries of path (packed for ".qor" and ".rqo", plain text
    // otherwise) and remembers it as the file to save to. A damaged or
    // unreadable file is reported and what could be read stays.
    void Load(const std::string& path);
    // At shutdown: asks, sorts and saves when changed, offering another place
    // while saving fails. Nothing happens when the data files are write-protected.
    void SaveIfChanged();

    int Count() const { return static_cast<int>(entries_.size()); }
    int Current() const { return current_; }
    bool Modified() const { return modified_; }
    const std::string& LoadedFileName() const { return loadedFile_; }
    const std::string& SavedFileName() const { return savedFile_; }
    const std::vector<SoundEntry>& Entries() const { return entries_; }

    void First();
    void Last();
    void Next();
    void Previous();
    // The first entry not below text (ignoring case), or the last one.
    void GoToText(std::string_view text);

    std::string GetText() const;
    std::string GetDatei() const;
    void SetText(std::string_view text);
    void SetDatei(std::string_view reference);

    // Appends an entry with the text trimmed; tells nobody (used while loading).
    void AddEntry(std::string_view text, std::string_view reference);
    void InsertNew();
    void DeleteCurrent();
    void Sort();
    // False, after saying so, when the current entry lacks its text or reference.
    bool CheckCurrent() const;

    // The reference recorded for text, or empty. Without exact, a word stored
    // with a gender mark ("casa (f)") or a continuation ("casa, la") is found too.
    std::string LookUp(std::string_view text, bool exact) const;

    // Whether any reference lies below prefix (ignoring case).
    bool ReferencesDirectory(std::string_view prefix) const;
    // Turns every reference below prefix into an "XU:" reference; the count changed.
    int RebaseReferences(std::string_view prefix);

    ResolvedSound Resolve(std::string_view reference) const;
    // Whether words without a recording are spoken instead (the Extras switch).
    bool SpeaksMissing() const;
    // Page markup: text as a link to its recording when one exists, else text.
    std::string SoundLink(std::string_view text) const;

private:
    SoundEntry* current();
    const SoundEntry* current() const;
    const std::string* findText(std::string_view text) const;
    void changed();
    void notify() const;
    bool saveTo(const std::string& path);

    Configuration& config_;
    std::vector<SoundEntry> entries_;
    int current_ = 0;
    bool modified_ = false;
    std::string loadedFile_;
    std::string savedFile_;
    // The loaded file could not be read whole: its bytes are kept beside it
    // before the first save replaces it.
    bool loadedFileDamaged_ = false;
};

} // namespace qor
