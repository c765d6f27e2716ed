// qor-recordings: speaks the Spanish words of the sample vocabulary libraries
// with espeak-ng into the installation's sound folder and writes the sound
// database that names them. Only recordings whose text changed are made
// again; recordings of words that are gone are removed.
//
//   qor-recordings --wave-dir DIR --folder NAME --state FILE --database FILE
//                  [--base SOURCE] [--espeak PROGRAM] [--voice VOICE] LIBRARY...
//
// --base is a data-file source of hand-made entries (text, reference) that
// the database keeps; without --espeak no recordings are made.

#include "SampleRecordings.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "qor-pack/DataFile.h"
#include "qor-pack/PackError.h"
#include "sound/WaveBaseFormat.h"

#include <algorithm>
#include <iostream>
#include <map>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

using namespace qor;
using namespace qor::recordings;

struct Options {
    std::string waveDir, folder, state, database, base, espeak, voice = "es";
    std::vector<std::string> libraries;
};

std::optional<Options> parseOptions(const std::vector<std::string>& args) {
    Options options;
    const std::map<std::string, std::string Options::*> named = {
        {"--wave-dir", &Options::waveDir}, {"--folder", &Options::folder},
        {"--state", &Options::state},      {"--database", &Options::database},
        {"--base", &Options::base},        {"--espeak", &Options::espeak},
        {"--voice", &Options::voice}};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto option = named.find(args[i]);
        if (option == named.end()) {
            options.libraries.push_back(args[i]);
        } else if (i + 1 < args.size()) {
            options.*(option->second) = args[++i];
        } else {
            return std::nullopt;
        }
    }
    if (options.waveDir.empty() || options.folder.empty() || options.state.empty() ||
        options.database.empty())
        return std::nullopt;
    return options;
}

// The tool runs on UTF-8 names; the program's file functions take Windows-1252.
std::string programPath(const std::string& utf8) {
    return utf8ToCp1252(utf8);
}

std::optional<std::string> readUtf8File(const std::string& utf8Path) {
    return readFile(programPath(utf8Path));
}

// file -> spoken text of the recordings made before.
std::map<std::string, std::string> readState(const std::string& path) {
    std::map<std::string, std::string> made;
    const std::optional<std::string> text = readUtf8File(path);
    if (!text)
        return made;
    std::size_t pos = 0;
    while (pos < text->size()) {
        std::size_t end = text->find('\n', pos);
        if (end == std::string::npos)
            end = text->size();
        const std::string line = text->substr(pos, end - pos);
        const std::size_t tab = line.find('\t');
        if (tab != std::string::npos)
            made[line.substr(0, tab)] = line.substr(tab + 1);
        pos = end + 1;
    }
    return made;
}

bool writeState(const std::string& path, const std::map<std::string, std::string>& made) {
    std::string text;
    for (const auto& [file, spoken] : made)
        text += file + '\t' + spoken + '\n';
    return writeFileAtomic(programPath(path), text);
}

bool speak(const Options& options, const std::string& spoken, const std::string& target) {
    const std::string temporary = target + ".part";
    std::vector<std::string> args = {options.espeak, "-v",      options.voice, "-b",  "1",
                                     "-w",           temporary, "--",          spoken};
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, options.espeak.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        removeFile(programPath(temporary));
        return false;
    }
    removeFile(programPath(target));
    return renameFile(programPath(temporary), programPath(target));
}

std::vector<SoundEntry> baseEntries(const std::string& source) {
    std::vector<SoundEntry> entries;
    if (source.empty())
        return entries;
    const std::optional<std::string> text = readUtf8File(source);
    if (!text)
        throw pack::PackError(source + ": cannot be read");
    const std::vector<std::string> strings = pack::parseDataFileSource(*text, source, 2);
    for (std::size_t i = 0; i + 1 < strings.size(); i += 2)
        entries.push_back({strings[i], strings[i + 1]});
    return entries;
}

int run(const Options& options) {
    std::vector<std::string> texts;
    for (const std::string& library : options.libraries) {
        const std::optional<std::string> source = readUtf8File(library);
        if (!source) {
            std::cerr << library << ": cannot be read\n";
            return 1;
        }
        for (const LibraryWord& word : parseLibrarySource(*source))
            for (std::string& text : spanishTexts(word))
                texts.push_back(std::move(text));
    }
    const RecordingPlan plan = planRecordings(texts);

    const std::string folder = includeTrailingSeparator(options.waveDir) + options.folder + "/";
    if (!createDirectories(programPath(folder))) {
        std::cerr << folder << ": cannot be created\n";
        return 1;
    }
    std::map<std::string, std::string> made = readState(options.state);
    std::map<std::string, std::string> kept;
    int failures = 0, spoken = 0;
    for (const PlannedRecording& recording : plan.recordings) {
        const std::string target = folder + recording.file;
        const auto before = made.find(recording.file);
        const bool current = before != made.end() && before->second == recording.spoken &&
                             fileExists(programPath(target));
        if (current || (!options.espeak.empty() && speak(options, recording.spoken, target))) {
            kept[recording.file] = recording.spoken;
            spoken += current ? 0 : 1;
        } else if (!options.espeak.empty()) {
            std::cerr << "espeak-ng could not speak \"" << recording.spoken << "\"\n";
            ++failures;
        }
    }
    // Recordings of words no longer in the libraries go with them.
    for (const auto& [file, text] : made)
        if (!kept.contains(file))
            removeFile(programPath(folder + file));
    if (!writeState(options.state, kept)) {
        std::cerr << options.state << ": cannot be written\n";
        return 1;
    }

    std::vector<SoundEntry> entries = baseEntries(options.base);
    for (const PlannedEntry& entry : plan.entries)
        if (kept.contains(entry.file))
            entries.push_back({utf8ToCp1252(entry.text),
                               "XS:\\" + utf8ToCp1252(options.folder) + "\\" + entry.file});
    std::stable_sort(entries.begin(), entries.end(), [](const SoundEntry& a, const SoundEntry& b) {
        return compareIgnoreCase(a.Text, b.Text) < 0;
    });
    if (!writeFileAtomic(programPath(options.database), packWaveBase(entries))) {
        std::cerr << options.database << ": cannot be written\n";
        return 1;
    }
    std::cout << "Sample recordings: " << kept.size() << " (" << spoken << " made now), "
              << entries.size() << " database entries\n";
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options =
        parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options) {
        std::cerr << "usage: qor-recordings --wave-dir DIR --folder NAME --state FILE --database "
                     "FILE [--base SOURCE] [--espeak PROGRAM] [--voice VOICE] LIBRARY...\n";
        return 2;
    }
    try {
        return run(*options);
    } catch (const pack::PackError& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
}
