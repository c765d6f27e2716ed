#pragma once
// The built-in verb table: ten lines a verb (infinitive, meaning and
// auxiliary; the eight simple tenses; gerund and participle), expanded from
// its stem shorthand into full forms, with the compound tenses built from
// the auxiliary and the participle.

#include <array>
#include <string>
#include <vector>

namespace qor {

class TZIPResource;

constexpr int TenseSlots = 16;
constexpr int Persons = 6;
constexpr int ImperativeSlot = 6;
constexpr int ParticipleSlot = 14;
// Records the model has room for, and the most read from a table.
constexpr int VerbRecordRoom = 90;
constexpr int MaxVerbRecords = 89;

struct VerbForm {
    std::string text; // empty: no such form; may hold "/" alternatives
    bool regular = true;
};

struct VerbRecord {
    std::string Infinitiv;
    std::string Bedeutung;
    bool usesHaber = false;
    std::array<std::array<VerbForm, Persons>, TenseSlots> tenses{};
};

// The tense names as the user sees them, slot by slot.
extern const std::array<const char*, TenseSlots> TenseNames;
// "yo", "tú", "él", "nosotros", "vosotros", "ellos" (program text).
const std::string& Pronoun(int person);

// Reads up to MaxVerbRecords records and builds the compound tenses. A table
// that ends inside a record leaves the rest of that record empty.
std::vector<VerbRecord> ReadVerbTable(TZIPResource& table);

// The shorthand of one line: items separated by ",", "*" marks an irregular
// form, "stem-ending" sets the stem and "-ending" uses it. The stem carries
// over from line to line.
class VerbLineReader {
public:
    std::vector<VerbForm> read(const std::string& line, std::size_t items);

private:
    VerbForm item(std::string text);
    std::string stem_;
};

} // namespace qor
