#pragma once
// One vocabulary entry: the word that is asked, its meanings, up to two
// context sentences, word class, direction and difficulty, and the logged-in
// user's score for it (never stored in the library file).

#include <array>
#include <cstdint>
#include <string>

namespace qor {

struct TVokabel {
    std::string Vokabel;
    // Several meanings in one field are separated by "; ".
    std::array<std::string, 2> Bedeutung;
    std::array<std::string, 2> Kontext;
    // Show the meaning as the tip when the context sentence is asked.
    std::array<bool, 2> KtxDazu{};
    std::uint8_t Wortart = 0;
    // The word is German and the meanings Spanish.
    bool Deutsch = false;
    std::uint8_t Schwierigkeit = 0; // 0 ... 4
    int Score = 0;                  // -100 ... 100

    // The word or the first meaning is missing: the place for a new entry.
    bool IsEmpty() const { return Vokabel.empty() || Bedeutung[0].empty(); }
    bool operator==(const TVokabel&) const = default;
};

namespace WordClass {
constexpr int Nomen = 0;
constexpr int Verb = 1;
constexpr int Adjektiv = 2;
constexpr int KleinesWort = 3;
constexpr int RedewendungMitVerb = 4;
constexpr int RedewendungOhneVerb = 5;
constexpr int Count = 6; // the classes with a name
} // namespace WordClass

constexpr int Difficulties = 5; // "Baby" ... "Tödlich"

} // namespace qor
