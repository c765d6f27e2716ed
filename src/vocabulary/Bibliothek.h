#pragma once
// The vocabulary library: the one open list of entries, its file, the
// recently used files and the change flag the editor asks before
// discarding. Accessors take an index, -1 meaning the current entry; an
// index outside the list reads empty and changes nothing. Every setter
// marks the library changed only when the value really changes.
//
//   TBibliothek library(std::make_unique<TLastFiles>(registry));
//   library.Load("/…/Familie.asc", true);
//   library.Vokabel(0);              // "familia (f)"
//   library.Save("");                // back into its file

#include "platform/Random.h"
#include "vocabulary/LastFiles.h"
#include "vocabulary/VocEinstellungen.h"
#include "vocabulary/Vokabel.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The logged-in user's score of an entry; nothing when there is no record.
using ScoreSource =
    std::function<std::optional<int>(std::string_view word, bool german, int wordClass)>;
// <0, 0 or >0 as a before, equal to or after b, for sorting.
using Collation = std::function<int(std::string_view a, std::string_view b)>;

class TBibliothek {
public:
    explicit TBibliothek(std::unique_ptr<TLastFiles> lastFiles);

    // Told after every change of the entries.
    std::function<void()> OnChange;
    // Where the scores come from while a user is logged in; none otherwise.
    void setScoreSource(ScoreSource source) { scores_ = std::move(source); }
    // How words compare when sorting; byte-wise ignoring case unless set.
    void setCollation(Collation collation) { collation_ = std::move(collation); }
    void setRandomSource(RandomSource random) { random_ = std::move(random); }
    // The training settings, whose range a newly read library resets; not owned.
    void setEinstellungen(TVocEinstellungen* settings) { einstellungen_ = settings; }
    TVocEinstellungen* Einstellungen() const { return einstellungen_; }

    // -2 the entry before the current one, -3 the one after it.
    std::string Vokabel(int i) const;
    std::string Bedeutung(int i, int k) const;
    std::string Kontext(int i, int k) const;
    bool KtxDazu(int i, int k) const;
    int Wortart(int i) const;
    bool Deutsch(int i) const;
    int Schwierigkeit(int i) const;
    int Score(int i) const;
    void setVokabel(int i, std::string_view value);
    void setBedeutung(int i, int k, std::string_view value);
    void setKontext(int i, int k, std::string_view value);
    void setKtxDazu(int i, int k, bool value);
    void setWortart(int i, int value);
    void setDeutsch(int i, bool value);
    void setSchwierigkeit(int i, int value); // clamped to 4
    // The whole entry, or nothing outside the list.
    const TVokabel* Entry(int i) const;

    bool IsEmpty(int i) const;
    // withTrailing false leaves out a final empty entry.
    int Count(bool withTrailing) const;
    // An empty entry followed by a non-empty one, or -1.
    int FirstGap() const;
    // Entries from ... to (-1: the last non-empty one) of that direction.
    int CountDeutsch(bool flag, int from, int to) const;

    int Add(const TVokabel& entry);
    int AddEmpty();
    void Delete(int i);
    void DeleteCurrent();
    // Before the current entry, unless it or the one before it is empty.
    bool InsertEmptyAtCurrent();
    void Exchange(int i, int j);
    // Drops every entry and the file name; keepEmpty leaves one empty entry.
    void Clear(bool keepEmpty);

    int Aktuell() const { return aktuell_; }
    void setAktuell(int i) { aktuell_ = i; }
    const std::string& Dateiname() const { return dateiname_; }
    bool Geaendert() const { return geaendert_; }
    const std::string& Zufallsordner() const { return zufallsordner_; }
    // The average score of the non-empty entries, 0 without a user.
    int Durchschnitt() const { return durchschnitt_; }
    const std::vector<TVokabel>& Eintraege() const { return eintraege_; }

    // Appends the file's entries (after clearing when replace); tells the
    // user what went wrong and keeps what was read. False on any failure.
    bool Load(const std::string& path, bool replace);
    // An empty path saves under the library's own name. A failed save keeps
    // the old file and the change flag, so the user is asked again.
    bool Save(const std::string& path);
    // A delimited text file with the named columns ("Vokabel,Bedeutung").
    bool Import(const std::string& path, std::string_view header, char separator);
    // Entries read whole from another program's file: they replace the
    // library, which then has no file of its own, or are appended. Either way
    // the library is changed: no library file holds them yet.
    void Adopt(std::vector<TVokabel> entries, bool replace);
    // Up to five random libraries below dir (empty: the last folder), until
    // more than 500 entries are in.
    void LoadRandomMix(const std::string& dir);
    void LoadScores();

    void Sort(int from, int to);
    // The Spanish words first, then the German ones, each block sorted.
    void SortInTwoBlocks();
    void Shuffle();
    void Reverse();
    // Adjacent entries with the same word, class and meanings; returns how
    // many went.
    int RemoveDuplicates(bool report);

    // "Unbenannt", the path, or its beginning and file name when long.
    std::string DisplayName() const;
    // "*" stands for the library's own file.
    void AddRecent(std::string_view path);
    std::string Recent(int i) const;
    TLastFiles& LetzteDateien() { return *letzteDateien_; }

private:
    TVokabel* at(int i);
    const TVokabel* at(int i) const;
    int resolve(int i) const;
    void changed();
    template <typename Value> void set(int i, Value TVokabel::*field, Value value);
    void ensureTrailingEmpty();
    void dropTrailingEmpty();
    bool finishReading(const std::string& path, bool complete);

    std::unique_ptr<TLastFiles> letzteDateien_;
    bool geaendert_ = false;
    TVokabel vorlage_;
    std::string zufallsordner_;
    std::vector<TVokabel> eintraege_;
    int durchschnitt_ = 0;
    int aktuell_ = 0;
    std::string dateiname_;
    ScoreSource scores_;
    Collation collation_;
    RandomSource random_ = Random;
    TVocEinstellungen* einstellungen_ = nullptr;
};

// The word class names of the editor and the question pages ("Nomen" ...);
// empty for a class without a name.
std::string WordClassName(int wordClass);
// "Baby", "Leicht", "Mittel", "Schwierig", "Tödlich".
std::string DifficultyName(int difficulty);

} // namespace qor
