#include "vocabulary/LibraryKvtml.h"

#include "platform/Text.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <tuple>

namespace qor {
using namespace literals;

namespace {

constexpr int SpanishId = 0;
constexpr int GermanId = 1;
// Containers within containers; deeper ones are damage, not a document.
constexpr int MaxDepth = 32;
const char* const SpanishLesson = "Spanisch-Deutsch";
const char* const GermanLesson = "Deutsch-Spanisch";

QString qorNamespace() {
    return QStringLiteral("urn:qor-spanisch:kvtml");
}

QString toXml(std::string_view text) {
    const std::string utf8 = ExchangeToUtf8(text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toUtf8(QStringView text) {
    return text.toString().toStdString();
}

// Parley's special word type of a class; none for the idioms.
const char* specialTypeOf(int wordClass) {
    switch (wordClass) {
    case WordClass::Nomen:
        return "noun";
    case WordClass::Verb:
        return "verb";
    case WordClass::Adjektiv:
        return "adjective";
    case WordClass::KleinesWort:
        return "adverb";
    default:
        return nullptr;
    }
}

std::optional<int> classOfSpecialType(const std::string& special) {
    if (special == "noun" || special.starts_with("noun/"))
        return WordClass::Nomen;
    for (const int wordClass : {WordClass::Verb, WordClass::Adjektiv, WordClass::KleinesWort})
        if (special == specialTypeOf(wordClass))
            return wordClass;
    return std::nullopt;
}

void writeTranslation(QXmlStreamWriter& xml, int id, const TVokabel& entry) {
    const bool word = (id == GermanId) == entry.Deutsch;
    xml.writeStartElement(QStringLiteral("translation"));
    xml.writeAttribute(QStringLiteral("id"), QString::number(id));
    xml.writeTextElement(QStringLiteral("text"), toXml(word ? entry.Vokabel : entry.Bedeutung[0]));
    if (word) {
        // The second context keeps its place behind an empty first one.
        const int contexts = !entry.Kontext[1].empty() ? 2 : !entry.Kontext[0].empty() ? 1 : 0;
        for (int k = 0; k < contexts; ++k)
            xml.writeTextElement(QStringLiteral("example"),
                                 toXml(entry.Kontext[static_cast<std::size_t>(k)]));
    } else if (!entry.Bedeutung[1].empty()) {
        xml.writeTextElement(QStringLiteral("paraphrase"), toXml(entry.Bedeutung[1]));
    }
    xml.writeEndElement();
}

void writeEntry(QXmlStreamWriter& xml, int id, const TVokabel& entry) {
    xml.writeStartElement(QStringLiteral("entry"));
    xml.writeAttribute(QStringLiteral("id"), QString::number(id));
    if (entry.KtxDazu[0])
        xml.writeAttribute(qorNamespace(), QStringLiteral("tipp1"), QStringLiteral("true"));
    if (entry.KtxDazu[1])
        xml.writeAttribute(qorNamespace(), QStringLiteral("tipp2"), QStringLiteral("true"));
    if (entry.Schwierigkeit != 0)
        xml.writeAttribute(qorNamespace(), QStringLiteral("schwierigkeit"),
                           QString::number(entry.Schwierigkeit));
    writeTranslation(xml, SpanishId, entry);
    writeTranslation(xml, GermanId, entry);
    xml.writeEndElement();
}

void writeIdentifiers(QXmlStreamWriter& xml) {
    xml.writeStartElement(QStringLiteral("identifiers"));
    for (const auto& [id, name, locale] :
         {std::tuple{SpanishId, "Spanisch", "es"}, std::tuple{GermanId, "Deutsch", "de"}}) {
        xml.writeStartElement(QStringLiteral("identifier"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(id));
        xml.writeTextElement(QStringLiteral("name"), QString::fromLatin1(name));
        xml.writeTextElement(QStringLiteral("locale"), QString::fromLatin1(locale));
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

// The lessons of the two directions, then one word type per class.
void writeContainers(QXmlStreamWriter& xml, const std::vector<const TVokabel*>& entries) {
    xml.writeStartElement(QStringLiteral("lessons"));
    for (const bool german : {false, true}) {
        std::vector<int> ids;
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (entries[i]->Deutsch == german)
                ids.push_back(static_cast<int>(i));
        if (ids.empty())
            continue;
        xml.writeStartElement(QStringLiteral("container"));
        xml.writeTextElement(QStringLiteral("name"), german ? GermanLesson : SpanishLesson);
        xml.writeTextElement(QStringLiteral("inpractice"), QStringLiteral("true"));
        for (const int id : ids) {
            xml.writeEmptyElement(QStringLiteral("entry"));
            xml.writeAttribute(QStringLiteral("id"), QString::number(id));
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();

    std::map<int, std::vector<int>> classes;
    for (std::size_t i = 0; i < entries.size(); ++i)
        classes[entries[i]->Wortart].push_back(static_cast<int>(i));
    xml.writeStartElement(QStringLiteral("wordtypes"));
    for (const auto& [wordClass, ids] : classes) {
        xml.writeStartElement(QStringLiteral("container"));
        xml.writeTextElement(QStringLiteral("name"), toXml(ExchangeWordClass(wordClass)));
        if (const char* special = specialTypeOf(wordClass))
            xml.writeTextElement(QStringLiteral("specialwordtype"), QString::fromLatin1(special));
        for (const int id : ids) {
            xml.writeStartElement(QStringLiteral("entry"));
            xml.writeAttribute(QStringLiteral("id"), QString::number(id));
            for (const int translation : {SpanishId, GermanId}) {
                xml.writeEmptyElement(QStringLiteral("translation"));
                xml.writeAttribute(QStringLiteral("id"), QString::number(translation));
            }
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

// ---- Reading: the document as it stands in the file, then the entries.

struct Translation {
    std::string text; // UTF-8, as all texts of the document
    std::vector<std::string> examples;
    std::string paraphrase;
};

struct Entry {
    int id = 0;
    std::map<int, Translation> translations;
    std::array<bool, 2> tips{};
    int difficulty = 0;
};

struct Container {
    std::string name;
    std::string special;
    // Entry id and the translation ids named inside it (none: all).
    std::vector<std::pair<int, std::vector<int>>> entries;
    std::vector<Container> children;
};

struct Document {
    std::map<int, std::string> locales; // identifier id -> locale
    std::vector<Entry> entries;
    std::vector<Container> lessons;
    std::vector<Container> wordTypes;
};

class Parser {
public:
    explicit Parser(std::string_view bytes)
        : xml_(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()))) {}

    // The document, or the error in error().
    bool parse(Document& doc);
    const std::string& error() const { return error_; }

private:
    void fail(std::string message) {
        if (error_.empty())
            error_ = std::move(message);
        xml_.raiseError(QStringLiteral("qor"));
    }
    bool at(const char* name) const { return xml_.name() == QLatin1String(name); }
    std::optional<int> idAttribute() const {
        bool ok = false;
        const int id = xml_.attributes().value(QStringLiteral("id")).toInt(&ok);
        return ok ? std::optional<int>(id) : std::nullopt;
    }
    std::string text() { return toUtf8(xml_.readElementText()); }

    void readIdentifiers(Document& doc);
    void readEntries(Document& doc);
    void readTranslation(Entry& entry);
    void readContainers(std::vector<Container>& containers, int depth);
    void readContainer(Container& container, int depth);
    void readReferences(Container& container, int entryId);

    QXmlStreamReader xml_;
    std::string error_;
};

bool Parser::parse(Document& doc) {
    if (xml_.readNextStartElement()) {
        if (!at("kvtml"))
            fail("Die Datei ist keine KVTML-Datei: ihr äußeres Element ist <"_cp +
                 utf8ToCp1252(toUtf8(xml_.name())) + "> statt <kvtml>.");
        else if (xml_.attributes().value(QStringLiteral("version")).toDouble() < 2.0)
            fail("Die Datei hat die KVTML-Version \"" +
                 utf8ToCp1252(toUtf8(xml_.attributes().value(QStringLiteral("version")))) +
                 "\"; gelesen wird Version 2.0.");
    }
    while (!xml_.hasError() && xml_.readNextStartElement()) {
        if (at("identifiers"))
            readIdentifiers(doc);
        else if (at("entries"))
            readEntries(doc);
        else if (at("lessons"))
            readContainers(doc.lessons, 0);
        else if (at("wordtypes"))
            readContainers(doc.wordTypes, 0);
        else
            xml_.skipCurrentElement();
    }
    // Whatever follows the root must still be well-formed.
    while (!xml_.hasError() && !xml_.atEnd())
        xml_.readNext();
    if (xml_.hasError() && error_.empty())
        error_ = "Die Datei ist kein gültiges XML (Zeile "_cp + std::to_string(xml_.lineNumber()) +
                 ", Spalte " + std::to_string(xml_.columnNumber()) + ").";
    return error_.empty();
}

void Parser::readIdentifiers(Document& doc) {
    while (xml_.readNextStartElement()) {
        if (!at("identifier")) {
            xml_.skipCurrentElement();
            continue;
        }
        const std::optional<int> id = idAttribute();
        while (xml_.readNextStartElement()) {
            if (at("locale") && id)
                doc.locales[*id] = text();
            else
                xml_.skipCurrentElement();
        }
    }
}

void Parser::readEntries(Document& doc) {
    while (xml_.readNextStartElement()) {
        if (!at("entry")) {
            xml_.skipCurrentElement();
            continue;
        }
        const std::optional<int> id = idAttribute();
        if (!id) {
            fail("Ein Eintrag der Datei hat keine Nummer (id).");
            return;
        }
        Entry entry;
        entry.id = *id;
        const QXmlStreamAttributes attributes = xml_.attributes();
        entry.tips = {
            attributes.value(qorNamespace(), QStringLiteral("tipp1")) == QLatin1String("true"),
            attributes.value(qorNamespace(), QStringLiteral("tipp2")) == QLatin1String("true")};
        entry.difficulty =
            std::clamp(attributes.value(qorNamespace(), QStringLiteral("schwierigkeit")).toInt(), 0,
                       Difficulties - 1);
        while (xml_.readNextStartElement()) {
            if (at("translation"))
                readTranslation(entry);
            else
                xml_.skipCurrentElement();
        }
        doc.entries.push_back(std::move(entry));
    }
}

void Parser::readTranslation(Entry& entry) {
    Translation translation;
    const std::optional<int> id = idAttribute();
    while (xml_.readNextStartElement()) {
        if (at("text"))
            translation.text = text();
        else if (at("example"))
            translation.examples.push_back(text());
        else if (at("paraphrase"))
            translation.paraphrase = text();
        else
            xml_.skipCurrentElement();
    }
    if (id)
        entry.translations.emplace(*id, std::move(translation));
}

void Parser::readContainers(std::vector<Container>& containers, int depth) {
    if (depth > MaxDepth) {
        fail("Die Datei ist zu tief verschachtelt.");
        return;
    }
    while (xml_.readNextStartElement()) {
        if (at("container")) {
            containers.emplace_back();
            readContainer(containers.back(), depth);
        } else {
            xml_.skipCurrentElement();
        }
    }
}

void Parser::readContainer(Container& container, int depth) {
    while (xml_.readNextStartElement()) {
        if (at("name")) {
            container.name = text();
        } else if (at("specialwordtype")) {
            container.special = text();
        } else if (at("entry")) {
            const std::optional<int> id = idAttribute();
            readReferences(container, id.value_or(-1));
        } else if (at("container")) {
            if (depth + 1 > MaxDepth) {
                fail("Die Datei ist zu tief verschachtelt.");
                return;
            }
            container.children.emplace_back();
            readContainer(container.children.back(), depth + 1);
        } else {
            xml_.skipCurrentElement();
        }
    }
}

void Parser::readReferences(Container& container, int entryId) {
    std::vector<int> translations;
    while (xml_.readNextStartElement()) {
        if (const std::optional<int> id = idAttribute(); at("translation") && id)
            translations.push_back(*id);
        xml_.skipCurrentElement();
    }
    if (entryId >= 0)
        container.entries.emplace_back(entryId, std::move(translations));
}

// "es", "es_ES", "es-MX" for "es".
bool isLocale(const std::string& locale, std::string_view language) {
    const std::string lower = lowerCase(locale);
    return lower.starts_with(language) &&
           (lower.size() == language.size() || lower[language.size()] == '_' ||
            lower[language.size()] == '-');
}

std::optional<int> identifierOf(const Document& doc, std::string_view language) {
    for (const auto& [id, locale] : doc.locales)
        if (isLocale(locale, language))
            return id;
    return std::nullopt;
}

// The entries of the lesson "Deutsch-Spanisch", at any depth.
void collectGerman(const std::vector<Container>& lessons, bool inside, std::set<int>& german) {
    for (const Container& lesson : lessons) {
        const bool isGerman =
            inside || equalsIgnoreCase(TrimBlanks(utf8ToCp1252(lesson.name)), GermanLesson);
        if (isGerman)
            for (const auto& reference : lesson.entries)
                german.insert(reference.first);
        collectGerman(lesson.children, isGerman, german);
    }
}

// (entry id, translation id or -1 for all) -> class.
using ClassMap = std::map<std::pair<int, int>, int>;

void collectClasses(const std::vector<Container>& types, std::optional<int> inherited,
                    ClassMap& classes) {
    for (const Container& type : types) {
        std::optional<int> wordClass = ExchangeWordClassOf(utf8ToCp1252(type.name));
        if (!wordClass)
            wordClass = classOfSpecialType(type.special);
        if (!wordClass)
            wordClass = inherited;
        const int chosen = wordClass.value_or(WordClass::KleinesWort);
        for (const auto& [entry, translations] : type.entries) {
            if (translations.empty())
                classes.emplace(std::pair{entry, -1}, chosen);
            for (const int translation : translations)
                classes.emplace(std::pair{entry, translation}, chosen);
        }
        collectClasses(type.children, wordClass, classes);
    }
}

int classOf(const ClassMap& classes, int entry, int wordId, int meaningId) {
    for (const int translation : {wordId, meaningId, -1})
        if (const auto found = classes.find({entry, translation}); found != classes.end())
            return found->second;
    return WordClass::Nomen;
}

void assemble(const Document& doc, ExchangeRead& read) {
    const std::optional<int> spanish = identifierOf(doc, "es");
    const std::optional<int> german = identifierOf(doc, "de");
    if (!spanish || !german || *spanish == *german) {
        read.error =
            "Die Datei enthält nicht die Sprachen Spanisch (\"es\") und Deutsch (\"de\")."_cp;
        return;
    }
    std::set<int> germanWords;
    collectGerman(doc.lessons, false, germanWords);
    ClassMap classes;
    collectClasses(doc.wordTypes, std::nullopt, classes);
    const Translation none;
    for (const Entry& source : doc.entries) {
        const auto translation = [&](int id) -> const Translation& {
            const auto found = source.translations.find(id);
            return found == source.translations.end() ? none : found->second;
        };
        TVokabel entry;
        entry.Deutsch = germanWords.count(source.id) > 0;
        const int wordId = entry.Deutsch ? *german : *spanish;
        const int meaningId = entry.Deutsch ? *spanish : *german;
        const Translation& word = translation(wordId);
        const Translation& meaning = translation(meaningId);
        const auto program = [&read](const std::string& utf8) {
            return ExchangeToProgramText(utf8, read.replaced);
        };
        entry.Vokabel = TrimBlanks(program(word.text));
        entry.Bedeutung = {std::string(TrimBlanks(program(meaning.text))),
                           std::string(TrimBlanks(program(meaning.paraphrase)))};
        for (std::size_t k = 0; k < std::min<std::size_t>(2, word.examples.size()); ++k)
            entry.Kontext[k] = program(word.examples[k]);
        entry.KtxDazu = source.tips;
        entry.Wortart = static_cast<std::uint8_t>(classOf(classes, source.id, wordId, meaningId));
        entry.Schwierigkeit = static_cast<std::uint8_t>(source.difficulty);
        if (entry.IsEmpty())
            ++read.skipped;
        else
            read.entries.push_back(std::move(entry));
    }
    if (read.entries.empty())
        read.error = "Die Datei enthält keine Vokabeln."_cp;
}

} // namespace

std::string WriteLibraryKvtml(const std::vector<TVokabel>& entries, std::string_view title) {
    std::vector<const TVokabel*> complete;
    for (const TVokabel& entry : entries)
        if (!entry.IsEmpty())
            complete.push_back(&entry);
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral(
        R"(<!DOCTYPE kvtml PUBLIC "kvtml2.dtd" "http://edu.kde.org/kvtml/kvtml2.dtd">)"));
    xml.writeStartElement(QStringLiteral("kvtml"));
    xml.writeNamespace(qorNamespace(), QStringLiteral("qor"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
    xml.writeStartElement(QStringLiteral("information"));
    xml.writeTextElement(QStringLiteral("generator"), QStringLiteral("qor spanisch"));
    xml.writeTextElement(QStringLiteral("title"), toXml(title));
    xml.writeEndElement();
    writeIdentifiers(xml);
    xml.writeStartElement(QStringLiteral("entries"));
    for (std::size_t i = 0; i < complete.size(); ++i)
        writeEntry(xml, static_cast<int>(i), *complete[i]);
    xml.writeEndElement();
    writeContainers(xml, complete);
    xml.writeEndDocument();
    return bytes.toStdString();
}

ExchangeRead ReadLibraryKvtml(std::string_view bytes) {
    ExchangeRead read;
    if (TrimBlanks(bytes).empty() || bytes == "\xEF\xBB\xBF") {
        read.error = "Die Datei ist leer.";
        return read;
    }
    Document doc;
    Parser parser(bytes);
    if (!parser.parse(doc))
        read.error = parser.error();
    else
        assemble(doc, read);
    if (!read.ok())
        read.entries.clear();
    return read;
}

} // namespace qor
