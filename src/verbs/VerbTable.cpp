#include "verbs/VerbTable.h"

#include "page/model/ZipResource.h"
#include "platform/Text.h"

namespace qor {
using namespace literals;

const std::array<const char*, TenseSlots> TenseNames = {
    "IND Presente",    "IND Imperfecto", "Pret. indefinido", "Futuro",
    "SUB Presente",    "SUB Imperfecto", "Imperativo",       "Condicional",
    "IND Pret. perf.", "IND Pluscuamp.", "Pret. anterior",   "Fut. perf.",
    "SUB Pret. perf.", "SUB Pluscuamp.", "Participios",      "Cond. perf."};

const std::string& Pronoun(int person) {
    static const std::array<std::string, Persons> pronouns = {"yo",       "tú"_cp,    "él"_cp,
                                                              "nosotros", "vosotros", "ellos"};
    return pronouns.at(static_cast<std::size_t>(person));
}

namespace {

constexpr int Haber = 0;
constexpr int Ser = 1;

// Lines 2 to 7 and 9 of a record, by slot.
constexpr std::array<int, 7> SimpleSlots = {0, 1, 2, 3, 4, 5, 7};

void readRecord(TZIPResource& table, VerbLineReader& reader, VerbRecord& record) {
    const std::vector<VerbForm> head = reader.read(table.ReadLine(), 3);
    record.Infinitiv = head[0].text;
    record.Bedeutung = head[1].text;
    record.usesHaber = head[2].text == "haber";
    for (std::size_t line = 0; line < 6; ++line) {
        const std::vector<VerbForm> forms = reader.read(table.ReadLine(), Persons);
        std::copy(forms.begin(), forms.end(), record.tenses[SimpleSlots[line]].begin());
    }
    const std::vector<VerbForm> imperative = reader.read(table.ReadLine(), 5);
    std::copy(imperative.begin(), imperative.end(), record.tenses[ImperativeSlot].begin() + 1);
    const std::vector<VerbForm> conditional = reader.read(table.ReadLine(), Persons);
    std::copy(conditional.begin(), conditional.end(), record.tenses[SimpleSlots[6]].begin());
    const std::vector<VerbForm> nonFinite = reader.read(table.ReadLine(), 2);
    record.tenses[ParticipleSlot][0] = nonFinite[0];
    record.tenses[ParticipleSlot][1] = nonFinite[1];
}

// Compound slot s is the auxiliary's slot s - 8 and the participle; the
// auxiliary is taken unsplit, so "hubiera/hubiese" carries over.
void buildCompoundTenses(std::vector<VerbRecord>& records) {
    if (records.size() <= Ser)
        return;
    for (VerbRecord& record : records) {
        if (record.Infinitiv.empty())
            break;
        const VerbRecord& auxiliary = records[record.usesHaber ? Haber : Ser];
        const std::string& participle = record.tenses[ParticipleSlot][1].text;
        for (int slot = 8; slot < TenseSlots; ++slot) {
            if (slot == ParticipleSlot)
                continue;
            for (int person = 0; person < Persons; ++person)
                record.tenses[slot][person] = {
                    auxiliary.tenses[slot - 8][person].text + " " + participle, true};
        }
    }
}

} // namespace

std::vector<VerbForm> VerbLineReader::read(const std::string& line, std::size_t items) {
    std::vector<VerbForm> forms;
    std::size_t start = 0;
    while (forms.size() < items) {
        if (start > line.size()) {
            forms.emplace_back();
            continue;
        }
        const std::size_t comma = line.find(',', start);
        const std::size_t end = comma == std::string::npos ? line.size() : comma;
        forms.push_back(item(line.substr(start, end - start)));
        start = comma == std::string::npos ? line.size() + 1 : comma + 1;
    }
    return forms;
}

VerbForm VerbLineReader::item(std::string text) {
    if (text.empty())
        return {};
    VerbForm form;
    if (text.front() == '*') {
        form.regular = false;
        text.erase(0, 1);
    }
    const std::size_t dash = text.find('-');
    if (dash == std::string::npos || text == "-" || text.starts_with("--")) {
        form.text = text;
    } else if (dash > 0) {
        stem_ = text.substr(0, dash);
        form.text = stem_ + text.substr(dash + 1);
    } else {
        form.text = stem_ + text.substr(1);
    }
    return form;
}

std::vector<VerbRecord> ReadVerbTable(TZIPResource& table) {
    std::vector<VerbRecord> records;
    VerbLineReader reader;
    while (!table.Eof() && records.size() < MaxVerbRecords) {
        records.emplace_back();
        readRecord(table, reader, records.back());
    }
    buildCompoundTenses(records);
    return records;
}

} // namespace qor
