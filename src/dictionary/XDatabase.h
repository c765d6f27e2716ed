#pragma once
// The two-way dictionary: Spanish-German (direction 0) and German-Spanish
// (direction 1), each a list of entries in file order. One object lives for
// the whole run; the dictionary window browses and edits it, the vocabulary
// editor looks words up in it and pages search it.

#include "platform/Random.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class CommandPage;
class TXWaveBase;

struct DictionaryEntry {
    std::string Vokabel;   // the headword, trimmed
    std::string Bedeutung; // meanings separated by "; ", each with an optional "[comment]"
    int Wortart = 1;       // 1 Nomen, 2 Verb, 3 Adjektiv, 4 Kleines Wort, 5/6 phrases
};

// <0, 0 or >0 as a sorts before, with or after b.
using Collation = std::function<int(std::string_view a, std::string_view b)>;

struct SearchOptions {
    bool WholeWord = false;      // only where separators surround the text
    bool German = false;         // the text is German
    bool BothDirections = false; // headwords and meanings of both directions, at most 228
};

// A search result: an entry of either direction, by position.
struct DictionaryResult {
    int direction = 0;
    int index = 0;
};

class TXDatabase {
public:
    static constexpr int SpanishGerman = 0;
    static constexpr int GermanSpanish = 1;
    static constexpr int MaxResultsBothDirections = 228;
    static constexpr int ResultsPerBlock = 12;

    TXDatabase();

    // Told after every change of position, direction or content.
    std::function<void()> OnChange;
    // How headwords compare ignoring case, for sorting and look-up; byte-wise
    // ignoring case unless set (the program installs compareGerman).
    void setCollation(Collation collation) { collation_ = std::move(collation); }
    // Links words to their recordings in result pages; plain words without it. Not owned.
    void setWaveBase(const TXWaveBase* waveBase) { waveBase_ = waveBase; }
    void setRandomSource(RandomSource random) { random_ = std::move(random); }

    // Direction and navigation.
    void SelectDirection(bool germanSpanish);
    bool IsGermanSpanish() const { return direction_ == GermanSpanish; }
    int Direction() const { return direction_; }
    std::string DirectionName() const;      // "Deutsch-Spanisch" / "Spanisch-Deutsch"
    std::string DirectionShortName() const; // "Deutsch-S" / "Spanisch-D"
    int Count() const { return static_cast<int>(list().size()); }
    int Current() const { return current_[direction_]; }
    void First();
    void Last();
    void Next();
    void Previous();
    // A random entry; phrases (classes 5 and 6) only when anyClass.
    void RandomEntry(bool anyClass);

    // Entry access; index -1 is the current entry. Past the end: "" and class 1.
    std::string GetWord(int index = -1) const;
    std::string GetMeaning(int index = -1) const;
    int GetClass(int index = -1) const;
    void SetWord(std::string_view word, int index = -1);
    void SetMeaning(std::string_view meaning, int index = -1);
    void SetClass(int wordClass, int index = -1);
    // Appends to the current direction: word and meaning trimmed and without
    // zero bytes, a class text that is no number 1..6 gives 1. Tells nobody
    // (used while loading).
    void AddEntry(std::string_view word, std::string_view classText, std::string_view meaning);
    void InsertEmpty();
    void DeleteCurrent();
    void DeleteAll();
    const std::vector<DictionaryEntry>& Entries(int direction) const { return lists_[direction]; }

    // Look-up. The first entry not below word (ignoring case), or the last
    // one; with a class (not -1) the exactly equal entry of that class among
    // those that follow. -1 for an empty word or list.
    int FindInsertPosition(std::string_view word, int wordClass) const;
    // Moves to FindInsertPosition and fills the results with the nine entries
    // around it.
    void GoToWord(std::string_view word, int wordClass);
    // Moves to the entry with exactly this word and meaning (or the first one
    // with this word).
    void FindWordMeaning(std::string_view word, std::string_view meaning);
    // False, after saying so, when the current entry lacks word or meaning.
    bool CheckCurrent() const;

    // Search and results.
    void Search(std::string_view text, SearchOptions options);
    int ResultCount() const { return static_cast<int>(results_.size()); }
    const std::vector<DictionaryResult>& Results() const { return results_; }
    // The entry of a result (an empty one when the list has changed under it).
    const DictionaryEntry& ResultEntry(int result) const;
    // Where the current entry is among the results after GoToWord.
    int CurrentResult() const { return currentResult_; }
    // The page command "suchen": whole words as the page's check box "ganze"
    // says, the text of its field "Suchen", both directions; then block 0.
    void PageSearch(CommandPage& page, std::string_view text, bool wholeWord);
    // Block (from 0) of twelve results as the page "wörterbuch.htx".
    void ShowSearchResults(CommandPage& page, int block) const;
    // Meanings as page markup: split at "; " with comments set apart and
    // every meaning linked to its recording; unchanged without split.
    std::string FormatMeanings(std::string_view meanings, bool split, bool commentStyle) const;

    // Checks of the current direction.
    // Moves to the first entry from the current one whose meanings break the
    // format rule, and says what is wrong.
    void CheckFormat();
    // Removes entries equal to the one before them; stops at an entry with
    // the same word and class but other meanings.
    void RemoveDuplicates();
    void Sort();

    // Files.
    // Adds the entries of path to the current direction (packed for ".qor"
    // and ".rqo", three lines per entry otherwise). A damaged file is reported
    // and what could be read stays; its bytes are kept in "<path>.bak" before
    // the first save over it.
    void Load(const std::string& path);
    // Writes a direction packed to path.
    bool WriteDirection(int direction, const std::string& path);
    // Asks and saves each changed direction, offering another place while
    // saving fails. Nothing is saved when writeProtected.
    void SaveIfChanged(bool writeProtected);
    bool Modified(int direction) const { return modified_[direction]; }
    // The file last loaded or saved, and the file last saved ("" when none).
    const std::string& FileName(int direction) const { return fileName_[direction]; }
    const std::string& SavedFileName(int direction) const { return savedFileName_[direction]; }

    // The four exchange text files (B1a.txt, B1b.txt, B2a.txt, B2b.txt).
    void ExportDictionary();
    void ImportDictionary();

private:
    std::vector<DictionaryEntry>& list() { return lists_[direction_]; }
    const std::vector<DictionaryEntry>& list() const { return lists_[direction_]; }
    int indexOf(int index) const { return index == -1 ? Current() : index; }
    DictionaryEntry* entryAt(int index);
    const DictionaryEntry* entryAt(int index) const;
    int compare(std::string_view a, std::string_view b) const;
    void quickSort(int left, int right);
    std::string soundLink(std::string_view text) const;
    void setCurrent(int index) { current_[direction_] = index; }
    void changed();
    void notify() const;

    Collation collation_;
    const TXWaveBase* waveBase_ = nullptr;
    RandomSource random_;

    std::array<int, 2> current_{};
    int direction_ = SpanishGerman;
    int currentResult_ = 0;
    std::array<bool, 2> modified_{};
    std::array<std::string, 2> fileName_;
    std::array<std::string, 2> savedFileName_;
    // A loaded file that could not be read whole, per direction: its bytes
    // go to "<name>.bak" before the first save replaces it.
    std::array<std::string, 2> damagedFile_;
    std::vector<DictionaryResult> results_;
    std::array<std::vector<DictionaryEntry>, 2> lists_;
};

} // namespace qor
