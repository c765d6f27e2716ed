#include "qor-pack/PackCommands.h"

#include "platform/FileSystem.h"
#include "platform/Zlib.h"
#include "qor-pack/DataFile.h"
#include "qor-pack/PackError.h"
#include "qor-pack/TextConversion.h"

#include <charconv>
#include <functional>
#include <optional>
#include <ostream>
#include <string_view>
#include <utility>
#include <vector>

namespace qor::pack {

namespace {

constexpr std::string_view kHelp = R"(Usage: qor-pack COMMAND [OPTIONS] IN OUT

Builds the files of the sample installation of *qor spanisch from readable
sources. Every output is written completely or not at all; missing folders
of OUT are created.

Commands:
  text IN OUT        UTF-8 text -> Windows-1252 with CR LF line ends.
                     Refuses characters Windows-1252 cannot hold, invalid
                     UTF-8 and control characters other than tab, naming file,
                     line and column. A UTF-8 byte-order mark is dropped.
  zlib IN OUT        the same conversion, then packed as one zlib stream
                     (packed pages: .htx, .hqor, .rqol, .rqo).
  lines-zlib IN OUT  the same conversion, but every line (the last one too)
                     ends in one zero byte instead of CR LF, then packed
                     (the language lab's phrase data).
  raw-zlib IN OUT    packs the bytes of IN unchanged as one zlib stream.
  unpack IN OUT      inflates a zlib stream, for inspection.
  datafile [--record N] IN OUT
                     writes a data file of the program (dictionary, sound
                     database): one zlib stream of zero-terminated
                     Windows-1252 strings, from a UTF-8 source with one
                     string per line.
  dump [--record N] IN OUT
                     writes a data file back as such a source.

Data-file sources:
  # text             a comment line (only when '#' is the first character)
  (blank line)       separates groups of strings; yields nothing
  \text              the string "text", taken literally after the backslash:
                     a line holding only "\" is the empty string, "\#1" is
                     "#1", "\\x" is "\x"
  anything else      one string, exactly as written

  --record N         every group must hold a whole number of records of N
                     strings (3 for a dictionary: word, class, meaning; 2 for
                     the sound database: text, file), so a missing line is
                     reported where it happens. For dump: a blank line after
                     every record.

Exit status: 0 done, 1 failed (message on stderr), 2 wrong usage.
)";

struct Invocation {
    std::string command;
    std::size_t recordSize = 0;
    std::string input;
    std::string output;
};

class UsageError : public PackError {
public:
    using PackError::PackError;
};

bool takesRecordOption(std::string_view command) {
    return command == "datafile" || command == "dump";
}

std::size_t parseRecordSize(std::string_view text) {
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0)
        throw UsageError("--record needs a whole number above 0, not \"" + std::string(text) +
                         "\"");
    return value;
}

Invocation parseArguments(const std::vector<std::string>& args) {
    Invocation call;
    call.command = args.front();
    std::vector<std::string> files;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (takesRecordOption(call.command) && arg == "--record") {
            if (i + 1 == args.size())
                throw UsageError("--record needs a number");
            call.recordSize = parseRecordSize(args[++i]);
        } else if (takesRecordOption(call.command) && arg.starts_with("--record=")) {
            call.recordSize = parseRecordSize(arg.substr(9));
        } else if (arg.starts_with("--")) {
            throw UsageError("unknown option " + std::string(arg) + " for " + call.command);
        } else {
            files.emplace_back(arg);
        }
    }
    if (files.size() != 2)
        throw UsageError(call.command + " needs an input and an output file");
    call.input = files[0];
    call.output = files[1];
    return call;
}

// The program path of a file named on the command line (which speaks UTF-8).
std::string programPath(const std::string& nativePath) {
    const std::optional<std::string> path = fromNativePath(nativePath);
    if (!path)
        throw PackError(nativePath + ": the path cannot be written in Windows-1252");
    return *path;
}

std::string readInput(const std::string& nativePath) {
    const std::optional<std::string> data = readFile(programPath(nativePath));
    if (!data)
        throw PackError(nativePath + ": cannot read the file");
    return *data;
}

void writeOutput(const std::string& nativePath, std::string_view data) {
    const std::string path = programPath(nativePath);
    const std::string dir = extractFileDir(path);
    if (!dir.empty() && !directoryExists(dir) && !createDirectories(dir))
        throw PackError(nativePath + ": cannot create its folder");
    if (!writeFileAtomic(path, data))
        throw PackError(nativePath + ": cannot write the file");
}

std::string pack(std::string_view data) {
    std::string packed = deflateZlib(data);
    // Even an empty input packs into a few bytes; nothing means zlib failed.
    if (packed.empty())
        throw PackError("zlib could not pack the data");
    return packed;
}

std::string unpack(std::string_view packed, const std::string& sourceName) {
    InflateResult result = inflateZlib(packed);
    if (!result.ok)
        throw PackError(sourceName + ": no complete zlib stream (" + result.error + ")");
    return std::move(result.data);
}

using Conversion = std::function<std::string(const Invocation&, const std::string& input)>;

const Conversion* findConversion(std::string_view command) {
    static const std::vector<std::pair<std::string_view, Conversion>> conversions = {
        {"text",
         [](const Invocation& call, const std::string& in) {
             return convertSourceText(in, call.input);
         }},
        {"zlib",
         [](const Invocation& call, const std::string& in) {
             return pack(convertSourceText(in, call.input));
         }},
        {"lines-zlib",
         [](const Invocation& call, const std::string& in) {
             std::string lines;
             std::size_t number = 0;
             for (const std::string_view line : splitLines(in)) {
                 lines += convertSourceLine(line, call.input, ++number);
                 lines += '\0';
             }
             return pack(lines);
         }},
        {"raw-zlib",
         [](const Invocation&, const std::string& in) {
             return pack(in);
         }},
        {"unpack",
         [](const Invocation& call, const std::string& in) {
             return unpack(in, call.input);
         }},
        {"datafile",
         [](const Invocation& call, const std::string& in) {
             return pack(joinDataFileStrings(parseDataFileSource(in, call.input, call.recordSize)));
         }},
        {"dump",
         [](const Invocation& call, const std::string& in) {
             const std::string content = unpack(in, call.input);
             return formatDataFileSource(splitDataFileContent(content, call.input),
                                         call.recordSize);
         }},
    };
    for (const auto& [name, conversion] : conversions) {
        if (name == command)
            return &conversion;
    }
    return nullptr;
}

} // namespace

int runPackTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << kHelp;
        return kExitUsage;
    }
    const std::string_view command = args.front();
    if (command == "--help" || command == "-h" || command == "help") {
        out << kHelp;
        return kExitOk;
    }
    const Conversion* conversion = findConversion(command);
    if (!conversion) {
        err << "qor-pack: unknown command \"" << command << "\" (see qor-pack --help)\n";
        return kExitUsage;
    }
    try {
        const Invocation call = parseArguments(args);
        const std::string result = (*conversion)(call, readInput(call.input));
        writeOutput(call.output, result);
        return kExitOk;
    } catch (const UsageError& error) {
        err << "qor-pack " << command << ": " << error.what() << " (see qor-pack --help)\n";
        return kExitUsage;
    } catch (const PackError& error) {
        err << "qor-pack: " << error.what() << '\n';
        return kExitFailed;
    }
}

} // namespace qor::pack
