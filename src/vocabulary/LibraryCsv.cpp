#include "vocabulary/LibraryCsv.h"

#include "platform/Text.h"
#include "vocabulary/Bibliothek.h"

#include <algorithm>
#include <array>

namespace qor {
using namespace literals;

namespace {

enum Column {
    Wort,
    Bedeutung1,
    Bedeutung2,
    Kontext1,
    Tipp1,
    Kontext2,
    Tipp2,
    Wortart,
    Richtung,
    Schwierigkeit,
    Columns
};

const std::array<const char*, Columns> ColumnNames = {
    "Wort",      "Bedeutung 1", "Bedeutung 2", "Kontext 1", "Tipp 1",
    "Kontext 2", "Tipp 2",      "Wortart",     "Richtung",  "Schwierigkeit"};

struct Alias {
    const char* name;
    Column column;
};
const Alias Aliases[] = {{"Vokabel", Wort}, {"Bedeutung", Bedeutung1}, {"Kontext", Kontext1}};

const char* const Yes = "ja";
const char* const No = "nein";
const char* const German = "deutsch";
const char* const Spanish = "spanisch";

std::string quoted(std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(field);
    std::string out = "\"";
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + '"';
}

std::array<std::string, Columns> fieldsOf(const TVokabel& entry) {
    const auto flag = [](bool on) {
        return std::string(on ? Yes : No);
    };
    return {entry.Vokabel,
            entry.Bedeutung[0],
            entry.Bedeutung[1],
            entry.Kontext[0],
            flag(entry.KtxDazu[0]),
            entry.Kontext[1],
            flag(entry.KtxDazu[1]),
            ExchangeWordClass(entry.Wortart),
            entry.Deutsch ? German : Spanish,
            DifficultyName(entry.Schwierigkeit)};
}

struct Record {
    std::vector<std::string> fields; // UTF-8
    int line = 0;
};

// Splits the text into records; an error names the line it found.
class RecordReader {
public:
    RecordReader(std::string_view text, char separator) : text_(text), separator_(separator) {}

    // False at the end; error() tells whether the text ended well.
    bool next(Record& record) {
        record = Record{{}, lineAt(pos_)};
        if (pos_ >= text_.size())
            return false;
        while (true) {
            std::string field;
            if (!readField(field))
                return false;
            record.fields.push_back(std::move(field));
            if (pos_ >= text_.size())
                return true;
            const char c = text_[pos_++];
            if (c == separator_)
                continue;
            if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n')
                ++pos_;
            return true;
        }
    }
    const std::string& error() const { return error_; }

private:
    bool readField(std::string& field) {
        if (pos_ < text_.size() && text_[pos_] == '"')
            return readQuoted(field);
        const std::size_t end = text_.find_first_of(std::string{separator_, '\r', '\n'}, pos_);
        field = text_.substr(pos_, end - pos_);
        pos_ = std::min(end, text_.size());
        return true;
    }

    bool readQuoted(std::string& field) {
        const std::size_t start = pos_++;
        while (true) {
            const std::size_t quote = text_.find('"', pos_);
            if (quote == std::string_view::npos) {
                error_ = "Das Anführungszeichen in Zeile "_cp + std::to_string(lineAt(start)) +
                         " wird nicht geschlossen."_cp;
                return false;
            }
            field += text_.substr(pos_, quote - pos_);
            pos_ = quote + 1;
            if (pos_ < text_.size() && text_[pos_] == '"') {
                field += '"';
                ++pos_;
                continue;
            }
            if (pos_ < text_.size() && text_[pos_] != separator_ && text_[pos_] != '\r' &&
                text_[pos_] != '\n') {
                error_ = "In Zeile "_cp + std::to_string(lineAt(pos_)) +
                         " folgt auf ein schließendes Anführungszeichen kein Trennzeichen."_cp;
                return false;
            }
            return true;
        }
    }

    // Counts on from the last offset asked for, which only grows.
    int lineAt(std::size_t offset) {
        for (; counted_ < offset && counted_ < text_.size(); ++counted_)
            line_ += text_[counted_] == '\n' ? 1 : 0;
        return line_;
    }

    std::string_view text_;
    char separator_;
    std::size_t pos_ = 0;
    std::size_t counted_ = 0;
    int line_ = 1;
    std::string error_;
};

// The separator the header line uses most: comma, semicolon or tab.
char separatorOf(std::string_view text) {
    const std::string_view header = text.substr(0, text.find_first_of("\r\n"));
    char best = ',';
    std::ptrdiff_t most = 0;
    for (const char candidate : {',', ';', '\t'}) {
        const auto count = std::count(header.begin(), header.end(), candidate);
        if (count > most) {
            most = count;
            best = candidate;
        }
    }
    return best;
}

std::optional<Column> columnNamed(std::string_view name) {
    name = TrimBlanks(name);
    for (int column = 0; column < Columns; ++column)
        if (equalsIgnoreCase(name, ColumnNames[static_cast<std::size_t>(column)]))
            return static_cast<Column>(column);
    for (const Alias& alias : Aliases)
        if (equalsIgnoreCase(name, alias.name))
            return alias.column;
    return std::nullopt;
}

// Which field each column is in (-1: none), or the error of a header
// without word or first meaning.
std::string mapHeader(const std::vector<std::string>& header, std::array<int, Columns>& where) {
    where.fill(-1);
    for (std::size_t i = 0; i < header.size(); ++i) {
        int unused = 0;
        const auto column = columnNamed(ExchangeToProgramText(header[i], unused));
        if (column && where[*column] < 0)
            where[*column] = static_cast<int>(i);
    }
    std::string missing;
    for (const Column required : {Wort, Bedeutung1})
        if (where[required] < 0)
            missing +=
                std::string(missing.empty() ? "" : " und ") + "\"" + ColumnNames[required] + "\"";
    if (missing.empty())
        return {};
    return "Der Kopfzeile fehlt die Spalte " + missing + ".";
}

std::optional<bool> flagOf(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty() || equalsIgnoreCase(text, No) || text == "0")
        return false;
    if (equalsIgnoreCase(text, Yes) || text == "1")
        return true;
    return std::nullopt;
}

std::optional<bool> directionOf(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty() || equalsIgnoreCase(text, Spanish))
        return false;
    if (equalsIgnoreCase(text, German))
        return true;
    return std::nullopt;
}

// One record as an entry, or the error of a value the column cannot hold.
std::string readEntry(const Record& record, const std::array<int, Columns>& where,
                      ExchangeRead& read, TVokabel& entry) {
    std::array<std::string, Columns> value;
    for (int column = 0; column < Columns; ++column) {
        const int at = where[static_cast<std::size_t>(column)];
        if (at >= 0 && static_cast<std::size_t>(at) < record.fields.size())
            value[static_cast<std::size_t>(column)] =
                ExchangeToProgramText(record.fields[static_cast<std::size_t>(at)], read.replaced);
    }
    const std::string line = "Zeile " + std::to_string(record.line) + ": ";
    const auto wordClass = value[Wortart].empty() ? 0 : ExchangeWordClassOf(value[Wortart]);
    if (!wordClass)
        return line + "unbekannte Wortart \"" + value[Wortart] + "\".";
    const auto german = directionOf(value[Richtung]);
    if (!german)
        return line + "die Richtung \"" + value[Richtung] + "\" ist weder " + German + " noch " +
               Spanish + ".";
    const auto difficulty =
        value[Schwierigkeit].empty() ? 0 : ExchangeDifficultyOf(value[Schwierigkeit]);
    if (!difficulty)
        return line + "unbekannte Schwierigkeit \"" + value[Schwierigkeit] + "\".";
    const auto tip1 = flagOf(value[Tipp1]);
    const auto tip2 = flagOf(value[Tipp2]);
    if (!tip1 || !tip2)
        return line + "ein Tipp ist weder \"" + Yes + "\" noch \"" + No + "\".";
    entry.Vokabel = TrimBlanks(value[Wort]);
    entry.Bedeutung = {std::string(TrimBlanks(value[Bedeutung1])),
                       std::string(TrimBlanks(value[Bedeutung2]))};
    entry.Kontext = {value[Kontext1], value[Kontext2]};
    entry.KtxDazu = {*tip1, *tip2};
    entry.Wortart = static_cast<std::uint8_t>(*wordClass);
    entry.Deutsch = *german;
    entry.Schwierigkeit = static_cast<std::uint8_t>(*difficulty);
    return {};
}

bool blank(const Record& record) {
    return std::all_of(record.fields.begin(), record.fields.end(),
                       [](const std::string& field) { return TrimBlanks(field).empty(); });
}

} // namespace

std::string WriteLibraryCsv(const std::vector<TVokabel>& entries) {
    std::string text;
    for (std::size_t column = 0; column < Columns; ++column)
        text += std::string(column ? "," : "") + ColumnNames[column];
    text += "\r\n";
    for (const TVokabel& entry : entries) {
        if (entry.IsEmpty())
            continue;
        const std::array<std::string, Columns> fields = fieldsOf(entry);
        for (std::size_t column = 0; column < Columns; ++column)
            text += (column ? "," : "") + quoted(ExchangeToUtf8(fields[column]));
        text += "\r\n";
    }
    return text;
}

ExchangeRead ReadLibraryCsv(std::string_view bytes) {
    ExchangeRead read;
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    if (TrimBlanks(bytes).empty()) {
        read.error = "Die Datei ist leer.";
        return read;
    }
    if (const auto bad = firstInvalidUtf8(bytes)) {
        read.error = "Die Datei ist nicht in UTF-8 geschrieben (Zeile " +
                     std::to_string(LineAt(bytes, *bad)) + ").";
        return read;
    }
    RecordReader reader(bytes, separatorOf(bytes));
    Record header;
    reader.next(header);
    std::array<int, Columns> where{};
    read.error = reader.error().empty() ? mapHeader(header.fields, where) : reader.error();
    Record record;
    while (read.ok() && reader.next(record)) {
        if (blank(record))
            continue;
        if (record.fields.size() > header.fields.size()) {
            read.error =
                "Zeile " + std::to_string(record.line) + " hat mehr Felder als die Kopfzeile.";
            break;
        }
        TVokabel entry;
        read.error = readEntry(record, where, read, entry);
        if (read.ok() && entry.IsEmpty())
            ++read.skipped;
        else if (read.ok())
            read.entries.push_back(std::move(entry));
    }
    if (read.ok())
        read.error = reader.error();
    if (read.ok() && read.entries.empty())
        read.error = "Die Datei enthält keine Vokabeln."_cp;
    if (!read.ok())
        read.entries.clear();
    return read;
}

} // namespace qor
