// qor-recordings: speaks the Spanish words of the sample vocabulary libraries
// and the sentences of the language lab with espeak-ng into the
// installation's sound folder and writes the sound database that names them.
// Only recordings whose text changed are made again; recordings of words
// that are gone are removed.
//
//   qor-recordings --wave-dir DIR --folder NAME --state FILE --database FILE
//                  [--base SOURCE] [--phrases SOURCE] [--espeak PROGRAM]
//                  [--voice VOICE] LIBRARY...
//
// --base is a data-file source of hand-made entries (text, reference) that
// the database keeps; --phrases the language lab's phrase data, whose
// sentences are spoken at normal and at slow speed where their references
// point (IMA ADPCM wave files, a quarter of the size). Without --espeak no
// recordings are made.

#include "SampleRecordings.h"
#include "WaveCompression.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "qor-pack/DataFile.h"
#include "qor-pack/PackError.h"
#include "sound/WaveBaseFormat.h"

#include <algorithm>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

using namespace qor;
using namespace qor::recordings;

struct Options {
    std::string waveDir, folder, state, database, base, phrases, espeak, voice = "es";
    std::vector<std::string> libraries;
};

std::optional<Options> parseOptions(const std::vector<std::string>& args) {
    Options options;
    const std::map<std::string, std::string Options::*> named = {
        {"--wave-dir", &Options::waveDir}, {"--folder", &Options::folder},
        {"--state", &Options::state},      {"--database", &Options::database},
        {"--base", &Options::base},        {"--espeak", &Options::espeak},
        {"--voice", &Options::voice},      {"--phrases", &Options::phrases}};
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

// How fast a recording is spoken: words at espeak-ng's own pace, the lab's
// sentences at a calm normal pace and clearly slower with longer pauses
// between the words.
enum class Pace { Word, Normal, Slow };

struct Job {
    std::string file; // below the sound folder, "/" between folders
    std::string spoken;
    Pace pace = Pace::Word;
};

// What the state file remembers of a recording: its text, and its pace when
// that is not a word's.
std::string stateOf(const Job& job) {
    switch (job.pace) {
    case Pace::Normal:
        return "normal:" + job.spoken;
    case Pace::Slow:
        return "slow:" + job.spoken;
    default:
        return job.spoken;
    }
}

std::vector<std::string> paceArguments(Pace pace) {
    switch (pace) {
    case Pace::Normal:
        return {"-s", "150"};
    case Pace::Slow:
        return {"-s", "100", "-g", "8"};
    default:
        return {};
    }
}

bool runSpeaker(const Options& options, const Job& job, const std::string& output) {
    std::vector<std::string> args = {options.espeak, "-v", options.voice, "-b", "1"};
    for (std::string& argument : paceArguments(job.pace))
        args.push_back(std::move(argument));
    for (const char* argument : {"-w", output.c_str(), "--", job.spoken.c_str()})
        args.emplace_back(argument);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, options.espeak.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool speak(const Options& options, const Job& job, const std::string& target) {
    const std::string spoken = target + ".part";
    if (!runSpeaker(options, job, spoken)) {
        removeFile(programPath(spoken));
        return false;
    }
    removeFile(programPath(target));
    // The lab's many sentences are kept small; words stay plain PCM.
    bool made = false;
    if (job.pace == Pace::Word) {
        made = renameFile(programPath(spoken), programPath(target));
    } else {
        made = compressToAdpcm(spoken, target);
        removeFile(programPath(spoken));
        if (!made)
            removeFile(programPath(target));
    }
    return made;
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

std::optional<std::vector<std::string>> libraryTexts(const Options& options) {
    std::vector<std::string> texts;
    for (const std::string& library : options.libraries) {
        const std::optional<std::string> source = readUtf8File(library);
        if (!source) {
            std::cerr << library << ": cannot be read\n";
            return std::nullopt;
        }
        for (const LibraryWord& word : parseLibrarySource(*source))
            for (std::string& text : spanishTexts(word))
                texts.push_back(std::move(text));
    }
    return texts;
}

// The words of the libraries, then each sentence of the lab twice; the
// database gets each text once, a sentence with its normal-speed recording
// unless a library has it already.
struct Work {
    std::vector<Job> jobs;
    std::vector<SoundEntry> entries; // text and file below the sound folder
};

Work plannedWork(const Options& options, const RecordingPlan& words,
                 const std::vector<PhraseSentence>& sentences) {
    Work work;
    for (const PlannedRecording& recording : words.recordings)
        work.jobs.push_back({options.folder + "/" + recording.file, recording.spoken, Pace::Word});
    std::set<std::string> texts;
    for (const PlannedEntry& entry : words.entries) {
        work.entries.push_back({entry.text, options.folder + "/" + entry.file});
        texts.insert(entry.text);
    }
    for (const PhraseSentence& sentence : sentences) {
        work.jobs.push_back({sentence.normalFile, sentence.spanish, Pace::Normal});
        work.jobs.push_back({sentence.slowFile, sentence.spanish, Pace::Slow});
        if (texts.insert(sentence.spanish).second)
            work.entries.push_back({sentence.spanish, sentence.normalFile});
    }
    return work;
}

std::string soundReference(std::string file) {
    std::replace(file.begin(), file.end(), '/', '\\');
    return "XS:\\" + utf8ToCp1252(file);
}

int run(const Options& options) {
    const std::optional<std::vector<std::string>> texts = libraryTexts(options);
    if (!texts)
        return 1;
    std::vector<PhraseSentence> sentences;
    if (!options.phrases.empty()) {
        const std::optional<std::string> source = readUtf8File(options.phrases);
        if (!source) {
            std::cerr << options.phrases << ": cannot be read\n";
            return 1;
        }
        sentences = parsePhraseSource(*source);
    }
    const Work work = plannedWork(options, planRecordings(*texts), sentences);

    const std::string waveDir = includeTrailingSeparator(options.waveDir);
    std::map<std::string, std::string> made = readState(options.state);
    std::map<std::string, std::string> kept;
    int failures = 0, spoken = 0;
    for (const Job& job : work.jobs) {
        const std::string target = waveDir + job.file;
        const auto before = made.find(job.file);
        const bool current = before != made.end() && before->second == stateOf(job) &&
                             fileExists(programPath(target));
        if (!current && !options.espeak.empty() &&
            !createDirectories(programPath(extractFileDir(target)))) {
            std::cerr << extractFileDir(target) << ": cannot be created\n";
            return 1;
        }
        if (current || (!options.espeak.empty() && speak(options, job, target))) {
            kept[job.file] = stateOf(job);
            spoken += current ? 0 : 1;
        } else if (!options.espeak.empty()) {
            std::cerr << "espeak-ng could not speak \"" << job.spoken << "\"\n";
            ++failures;
        }
    }
    // Recordings of words no longer in the libraries go with them.
    for (const auto& [file, text] : made)
        if (!kept.contains(file))
            removeFile(programPath(waveDir + file));
    if (!writeState(options.state, kept)) {
        std::cerr << options.state << ": cannot be written\n";
        return 1;
    }

    std::vector<SoundEntry> entries = baseEntries(options.base);
    for (const SoundEntry& entry : work.entries)
        if (kept.contains(entry.Datei))
            entries.push_back({utf8ToCp1252(entry.Text), soundReference(entry.Datei)});
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
                     "FILE [--base SOURCE] [--phrases SOURCE] [--espeak PROGRAM] [--voice VOICE] "
                     "LIBRARY...\n";
        return 2;
    }
    try {
        return run(*options);
    } catch (const pack::PackError& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
}
