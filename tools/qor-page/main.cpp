// qor-page: tools for the authors of page files.
//
//   qor-page check PAGE_DIR
//   qor-page dump [--condition NAME]... [--define NAME=VALUE]... FILE

#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "qor-page/PageCheck.h"
#include "qor-page/PageDump.h"

#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* Usage = R"(Usage: qor-page check PAGE_DIR
       qor-page dump [--condition NAME]... [--define NAME=VALUE]... FILE

check  holds a page tree (the folder "hqor") against what the program
       expects: the page files it loads by name, pages that do not parse
       cleanly (a message shown while reading or parsing them), pictures
       they name that are missing, and the styles of run-time text
       (NORMAL, KOMMENTAR, VOK, BED, ZEIT, IRR, REG) that no page defines.
       Exit status 1 only when a page does not parse cleanly.
dump   prints the parsed model of one page file: items with their format,
       side tables, title, definitions, aliases, styles and conditions. An
       exercise file is dumped once per exercise. --condition and --define
       set what the program would have set before the page is shown.
)";

// Command-line text (UTF-8) as program text.
std::optional<std::string> programText(const std::string& argument) {
    return qor::utf8ToCp1252Exact(argument);
}

int usage() {
    std::cerr << Usage;
    return 2;
}

int runDump(const std::vector<std::string>& args) {
    qor::pagetool::DumpOptions options;
    std::optional<std::string> file;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if ((args[i] == "--condition" || args[i] == "--define") && hasValue) {
            const auto value = programText(args[i + 1]);
            if (!value)
                return usage();
            (args[i] == "--condition" ? options.conditions : options.definitions).push_back(*value);
            ++i;
        } else if (!file && args[i].rfind("--", 0) != 0) {
            file = qor::fromNativePath(args[i]);
            if (!file) {
                std::cerr << "qor-page: the file name cannot be written in Windows-1252\n";
                return 2;
            }
        } else {
            return usage();
        }
    }
    if (!file)
        return usage();
    std::string out;
    const bool ok = qor::pagetool::dumpPageFile(*file, options, out);
    std::cout << out;
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "check") {
        const auto dir = qor::fromNativePath(args[1]);
        if (!dir || !qor::directoryExists(*dir)) {
            std::cerr << "qor-page: no such folder: " << args[1] << "\n";
            return 2;
        }
        return qor::pagetool::checkTree(*dir, std::cout);
    }
    if (!args.empty() && args[0] == "dump")
        return runDump({args.begin() + 1, args.end()});
    return usage();
}
