#include "qor-dictd/DictdCommand.h"

#include "platform/FileSystem.h"
#include "qor-dictd/DictdFiles.h"
#include "qor-dictd/DictionaryBuild.h"
#include "qor-pack/DataFile.h"
#include "qor-pack/PackError.h"

#include <optional>
#include <ostream>
#include <string_view>

namespace qor::dictd {

using pack::PackError;

namespace {

constexpr std::string_view kHelp = R"(Usage: qor-dictd DIRECTION INDEX DICT OUT [--ours SOURCE]

Builds one direction of the dictionary of *qor spanisch from a FreeDict
dictionary in dictd format (Debian's dict-freedict-spa-deu and
dict-freedict-deu-spa put it in /usr/share/dictd).

  DIRECTION       spa-deu (Spanish headwords, German meanings) or deu-spa
  INDEX           the dictd index, e.g. freedict-spa-deu.index
  DICT            its data, compressed by dictzip (.dict.dz) or not (.dict)
  OUT             the dictionary as a data-file source (UTF-8, three lines
                  per entry), for qor-pack datafile --record 3
  --ours SOURCE   our own entries in that form, merged in; where both have a
                  headword in the same class, ours is kept

One entry per headword and word class, its senses joined by "; ", sorted as
the program's look-up expects. Meanings the program's format check would
refuse and headwords Windows-1252 cannot hold are left out; the counts of
what was read, written and left out are printed.

Exit status: 0 done, 1 failed (message on stderr), 2 wrong usage.
)";

struct Invocation {
    Headwords headwords = Headwords::Spanish;
    std::string index;
    std::string dict;
    std::string output;
    std::string ours; // empty: none
};

class UsageError : public PackError {
public:
    using PackError::PackError;
};

Invocation parseArguments(const std::vector<std::string>& args) {
    Invocation call;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--ours") {
            if (i + 1 == args.size())
                throw UsageError("--ours needs a file");
            call.ours = args[++i];
        } else if (args[i].starts_with("--")) {
            throw UsageError("unknown option " + args[i]);
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 4)
        throw UsageError("needs DIRECTION, INDEX, DICT and OUT");
    if (positional[0] != "spa-deu" && positional[0] != "deu-spa")
        throw UsageError("the direction is spa-deu or deu-spa, not \"" + positional[0] + "\"");
    call.headwords = positional[0] == "spa-deu" ? Headwords::Spanish : Headwords::German;
    call.index = positional[1];
    call.dict = positional[2];
    call.output = positional[3];
    return call;
}

// Files are named on the command line by their UTF-8 file-system names.
std::string readNamedFile(const std::string& name) {
    const std::optional<std::string> path = fromNativePath(name);
    std::optional<std::string> data = path ? readFile(*path) : std::nullopt;
    if (!data)
        throw PackError(name + ": cannot read the file");
    return std::move(*data);
}

void writeNamedFile(const std::string& name, std::string_view data) {
    const std::optional<std::string> path = fromNativePath(name);
    const std::string dir = path ? extractFileDir(*path) : "";
    if (!path || (!dir.empty() && !createDirectories(dir)) || !writeFileAtomic(*path, data))
        throw PackError(name + ": cannot write the file");
}

void report(const Invocation& call, const BuildCounts& counts, std::ostream& out) {
    const ConversionCounts& read = counts.conversion;
    out << call.index << ": " << read.articles << " articles, " << read.headwords << " headwords\n"
        << "  headwords left out: " << read.affixes << " prefixes and suffixes, "
        << read.headwordsNotWindows1252 << " not in Windows-1252, " << read.headwordsWithoutMeaning
        << " without a meaning left\n"
        << "  meanings left out: " << read.meaningsWithComma << " with a comma outside a comment, "
        << read.meaningsWithSemicolon << " with a semicolon, " << read.meaningsEmpty
        << " with nothing Windows-1252 can show; " << read.meaningsShortened
        << " shortened by characters it cannot\n"
        << "  " << counts.joined << " entries joined with one of the same headword and class\n"
        << "  " << counts.ours << " entries of our own, " << counts.replacedByOurs
        << " FreeDict entries gave way to them\n"
        << call.output << ": " << counts.written << " entries\n";
}

} // namespace

int runDictdTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << kHelp;
        return kExitOk;
    }
    try {
        const Invocation call = parseArguments(args);
        const std::vector<std::string> ours =
            call.ours.empty() ? std::vector<std::string>{}
                              : pack::parseDataFileSource(readNamedFile(call.ours), call.ours, 3);
        const std::string data = gunzip(readNamedFile(call.dict), call.dict);
        const std::vector<std::string> articles =
            dictdArticles(readNamedFile(call.index), data, call.index);
        BuildCounts counts;
        const std::vector<std::string> dictionary =
            buildDictionary(articles, call.headwords, ours, counts);
        writeNamedFile(call.output, pack::formatDataFileSource(dictionary, 3));
        report(call, counts, out);
        return kExitOk;
    } catch (const UsageError& error) {
        err << "qor-dictd: " << error.what() << " (see qor-dictd --help)\n";
        return kExitUsage;
    } catch (const PackError& error) {
        err << "qor-dictd: " << error.what() << '\n';
        return kExitFailed;
    }
}

} // namespace qor::dictd
