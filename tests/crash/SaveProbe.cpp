// Saves one kind of data file through the program's own code, so that the
// save tests can run it under injected faults:
//   qor-save-probe KIND DIR prepare   writes the old file (marker "alt")
//   qor-save-probe KIND DIR change    loads it, adds the marker "neu", saves
//   qor-save-probe KIND DIR check     prints "alt", "neu" or "beschädigt"
// KIND: settings, sounds, dictionary, user, library, scheme. "change" prints
// every message the user would see and whether the save reported success.

#include "core/Configuration.h"
#include "dictionary/DictionaryFormat.h"
#include "dictionary/XDatabase.h"
#include "editor/model/EditorScheme.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/ScriptedMessages.h"
#include "sound/WaveBase.h"
#include "sound/WaveBaseFormat.h"
#include "users/XUserBase.h"
#include "vocabulary/Bibliothek.h"
#include "vocabulary/LastFiles.h"

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace qor;

namespace {

constexpr int EntryCount = 400; // enough that a half-written file is short of most of them
constexpr int SettingsCount = 20;
const char* const ProbeKey = "SOFTWARE\\QOR\\qor spanisch\\Probe";

std::string numbered(int i) {
    return "wort" + std::to_string(i);
}

// What a step found: the marker, or that loading complained.
std::string verdict(bool hasNew, bool hasOld, const ScriptedMessages& messages) {
    if (!messages.shown().empty())
        return "beschädigt";
    return hasNew ? "neu" : hasOld ? "alt" : "beschädigt";
}

struct Kind {
    std::function<bool(const std::string& dir)> prepare;
    std::function<bool(const std::string& dir, ScriptedMessages& messages)> change;
    std::function<std::string(const std::string& dir)> check;
};

Kind settings() {
    const auto file = [](const std::string& dir) {
        return dir + "registry.ini";
    };
    return {[file](const std::string& dir) {
                FileRegistry registry(file(dir));
                // Every value is a save of its own: a few make the file long enough.
                for (int i = 0; i < SettingsCount; ++i)
                    registry.writeString(ProbeKey, numbered(i), "x");
                return registry.writeString(ProbeKey, "Wert", "alt");
            },
            [file](const std::string& dir, ScriptedMessages&) {
                return FileRegistry(file(dir)).writeString(ProbeKey, "Wert", "neu");
            },
            [file](const std::string& dir) {
                ScriptedMessages messages;
                const FileRegistry registry(file(dir));
                const auto value = registry.readString(ProbeKey, "Wert");
                const bool whole = registry.valueExists(ProbeKey, numbered(SettingsCount - 1));
                return verdict(whole && value == "neu", whole && value == "alt", messages);
            }};
}

Kind sounds() {
    static MemoryRegistry registry;
    static Configuration config(registry, "/probe/qor-spanisch", "/probe/");
    const auto file = [](const std::string& dir) {
        return dir + "s_w.qor";
    };
    return {[file](const std::string& dir) {
                std::vector<SoundEntry> entries;
                for (int i = 0; i < EntryCount; ++i)
                    entries.push_back({numbered(i), "XS:\\" + numbered(i) + ".wav"});
                entries.push_back({"probe", "XS:\\alt.wav"});
                return writeFileAtomic(file(dir), packWaveBase(entries));
            },
            [file](const std::string& dir, ScriptedMessages& messages) {
                TXWaveBase base(config);
                base.Load(file(dir));
                base.InsertNew();
                base.SetText("probe neu");
                base.SetDatei("XS:\\neu.wav");
                messages.answer(MessageResult::Yes); // save the changes?
                messages.answer(MessageResult::No);  // somewhere else?
                base.SaveIfChanged();
                return !base.SavedFileName().empty();
            },
            [file](const std::string& dir) {
                ScriptedMessages messages;
                TXWaveBase base(config);
                base.Load(file(dir));
                const bool whole = !base.LookUp(numbered(EntryCount - 1), true).empty();
                return verdict(whole && !base.LookUp("probe neu", true).empty(),
                               whole && base.LookUp("probe", true) == "XS:\\alt.wav", messages);
            }};
}

Kind dictionary() {
    const auto file = [](const std::string& dir) {
        return dir + "sd.qor";
    };
    const auto has = [](const TXDatabase& database, const std::string& word) {
        for (const DictionaryEntry& entry : database.Entries(TXDatabase::SpanishGerman))
            if (entry.Vokabel == word)
                return true;
        return false;
    };
    return {[file](const std::string& dir) {
                std::vector<DictionaryEntry> entries;
                for (int i = 0; i < EntryCount; ++i)
                    entries.push_back({numbered(i), "Wort", 1});
                entries.push_back({"probe", "alt", 1});
                return writeFileAtomic(file(dir), packDictionary(entries));
            },
            [file](const std::string& dir, ScriptedMessages& messages) {
                TXDatabase database;
                database.SelectDirection(false);
                database.Load(file(dir));
                database.InsertEmpty();
                database.SetWord("probe neu");
                database.SetMeaning("neu");
                messages.answer(MessageResult::Yes);
                messages.answer(MessageResult::No);
                database.SaveIfChanged(false);
                return !database.SavedFileName(TXDatabase::SpanishGerman).empty();
            },
            [file, has](const std::string& dir) {
                ScriptedMessages messages;
                TXDatabase database;
                database.SelectDirection(false);
                database.Load(file(dir));
                const bool whole = has(database, numbered(EntryCount - 1));
                return verdict(whole && has(database, "probe neu"), whole && has(database, "probe"),
                               messages);
            }};
}

Kind user() {
    const auto record = [](const std::string& dir, const std::string& word) {
        TXUserBase users(dir);
        users.LogIn("Probe", "");
        users.RecordAnswer(word, false, 'e', 25, 1);
        return users.LogOut();
    };
    return {[](const std::string& dir) {
                TXUserBase users(dir);
                users.LogIn("Probe", "");
                for (int i = 0; i < EntryCount; ++i)
                    users.RecordAnswer(numbered(i), false, 'e', 25, 1);
                users.RecordAnswer("alt", false, 'e', 25, 1);
                return users.LogOut();
            },
            [record](const std::string& dir, ScriptedMessages&) { return record(dir, "neu"); },
            [](const std::string& dir) {
                ScriptedMessages messages;
                TXUserBase users(dir);
                users.LogIn("Probe", "");
                const auto has = [&users](const std::string& word) {
                    return users.LookUpScore(word, false, 1).has_value();
                };
                const bool whole = has(numbered(EntryCount - 1));
                return verdict(whole && has("neu"), whole && has("alt"), messages);
            }};
}

Kind library() {
    static MemoryRegistry registry;
    const auto file = [](const std::string& dir) {
        return dir + "probe.asc";
    };
    const auto entry = [](const std::string& word) {
        TVokabel vokabel;
        vokabel.Vokabel = word;
        vokabel.Bedeutung[0] = "Bedeutung";
        return vokabel;
    };
    const auto has = [](const TBibliothek& library, const std::string& word) {
        for (const TVokabel& vokabel : library.Eintraege())
            if (vokabel.Vokabel == word)
                return true;
        return false;
    };
    const auto make = [] {
        return TBibliothek(std::make_unique<TLastFiles>(registry));
    };
    return {[file, entry, make](const std::string& dir) {
                TBibliothek library = make();
                for (int i = 0; i < EntryCount; ++i)
                    library.Add(entry(numbered(i)));
                library.Add(entry("alt"));
                return library.Save(file(dir));
            },
            [file, entry, make](const std::string& dir, ScriptedMessages&) {
                TBibliothek library = make();
                library.Load(file(dir), true);
                library.Add(entry("neu"));
                return library.Save("");
            },
            [file, has, make](const std::string& dir) {
                ScriptedMessages messages;
                TBibliothek library = make();
                library.Load(file(dir), true);
                const bool whole = has(library, numbered(EntryCount - 1));
                return verdict(whole && has(library, "neu"), whole && has(library, "alt"),
                               messages);
            }};
}

Kind scheme() {
    const auto file = [](const std::string& dir) {
        return dir + "probe.ed";
    };
    const auto anyFont = [](const std::string&) {
        return true;
    };
    return {[file](const std::string& dir) {
                EditorScheme scheme;
                scheme.FontName = "alt";
                return WriteScheme(file(dir), scheme);
            },
            [file, anyFont](const std::string& dir, ScriptedMessages&) {
                EditorScheme scheme;
                ReadScheme(file(dir), scheme, anyFont);
                scheme.FontName = "neu";
                return WriteScheme(file(dir), scheme);
            },
            [file, anyFont](const std::string& dir) {
                ScriptedMessages messages;
                EditorScheme scheme;
                // A scheme is one short write: the colours come last.
                const bool whole = ReadScheme(file(dir), scheme, anyFont) &&
                                   readFile(file(dir))->find("FARBE7=") != std::string::npos;
                return verdict(whole && scheme.FontName == "neu", whole && scheme.FontName == "alt",
                               messages);
            }};
}

} // namespace

int main(int argc, char* argv[]) {
    const std::map<std::string, Kind (*)()> kinds = {
        {"settings", settings}, {"sounds", sounds},   {"dictionary", dictionary},
        {"user", user},         {"library", library}, {"scheme", scheme}};
    if (argc != 4 || !kinds.count(argv[1])) {
        std::fprintf(stderr, "usage: qor-save-probe KIND DIR prepare|change|check\n");
        return 2;
    }
    const Kind kind = kinds.at(argv[1])();
    const std::string dir = includeTrailingSeparator(argv[2]);
    const std::string step = argv[3];
    if (step == "prepare")
        return kind.prepare(dir) ? 0 : 1;
    if (step == "check") {
        std::printf("%s\n", kind.check(dir).c_str());
        return 0;
    }
    ScriptedMessages messages;
    const bool saved = kind.change(dir, messages);
    for (const std::string& text : messages.texts())
        std::printf("MELDUNG: %s\n", text.c_str());
    std::printf("%s\n", saved ? "GESPEICHERT" : "NICHT GESPEICHERT");
    return 0;
}
