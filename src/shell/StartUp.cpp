#include "shell/StartUp.h"

#include "platform/AppMessage.h"
#include "platform/FileSystem.h"
#include "platform/Random.h"
#include "platform/Text.h"

namespace qor {
using namespace literals;

namespace {

const std::string& firstArgument(const std::vector<std::string>& arguments) {
    static const std::string none;
    return arguments.empty() ? none : arguments.front();
}

const char* const DisplayTip =
    "\r\rTip:\rBei den meisten Grafikkarten ändert man die Auflösung in der\r"
    "Systemsteuerung unter \"Anzeige\" auf Seite \"Einstellungen\".";

bool displayIsSufficient(const ScreenInfo& screen) {
    if (screen.depth <= 8) {
        AppMessage("Nicht genug Farben!\r\r*qor spanisch benötigt mehr als 256 Farben bei einer "
                   "Auflösung\rvon (mindestens) 800 x 600 Pixel. Bitte ändern Sie die Farben\r"
                   "auf High Color (16 Bit) oder True-Color (24 bzw. 32 Bit)."_cp +
                       utf8ToCp1252(DisplayTip),
                   MessageStyle::Stop);
        return false;
    }
    if (screen.width < 800 || screen.height < 600) {
        AppMessage("Zu geringe Auflösung!\r\r*qor spanisch benötigt eine Auflösung von 800 x 600 "
                   "Pixel\rbei mehr als 256 Farben (High Color oder True Color).\rBitte ändern Sie "
                   "die Auflösung auf 800 x 600 Pixel."_cp +
                       utf8ToCp1252(DisplayTip),
                   MessageStyle::Stop);
        return false;
    }
    return true;
}

void createShortcuts(Program& program) {
    const std::string& target = program.config.programPath();
    if (AppMessage("Soll eine Verknüpfung mit qor spanisch auf dem Desktop erzeugt werden?"_cp,
                   MessageStyle::YesNo) == MessageResult::Yes)
        CreateShortcut(program.shell, target, "qor spanisch", ShortcutFolder::Desktop);
    CreateShortcut(program.shell, target, "qor spanisch", ShortcutFolder::Programs);
}

// A run killed during a save leaves its temporary file beside the file it
// was writing; the old file is whole, so the temporary only takes up room.
void removeLeftoversOfKilledSaves(const Configuration& config) {
    const std::string dirs[] = {config.UsersDirectory(),
                                extractFileDir(config.DictionaryFileSD),
                                extractFileDir(config.DictionaryFileDS),
                                extractFileDir(config.WaveBaseFile),
                                config.VocabularyFileDir,
                                config.OwnWaveDir,
                                config.ProgramDir + "editor/"};
    for (const std::string& dir : dirs)
        if (!dir.empty())
            removeStaleTemporaries(dir);
}

} // namespace

// Reading both directions takes longer than the rest of the start, and many
// sessions never look a word up.
TXDatabase& Program::Dictionary() {
    if (!dictionary) {
        auto loaded = std::make_unique<TXDatabase>();
        loaded->SelectDirection(true);
        loaded->Load(config.DictionaryFileDS);
        loaded->SelectDirection(false);
        loaded->Load(config.DictionaryFileSD);
        loaded->setWaveBase(waveBase.get());
        if (dictionaryCollation)
            loaded->setCollation(dictionaryCollation);
        dictionary = std::move(loaded);
    }
    return *dictionary;
}

bool IsEditorArgument(const std::vector<std::string>& arguments) {
    return lowerCase(firstArgument(arguments)) == "editor";
}

bool StartUp(Program& program, const std::vector<std::string>& arguments, const ScreenInfo& screen,
             const MediaVolumeList& volumes) {
    Configuration& config = program.config;
    config.EditorMode = IsEditorArgument(arguments);
    Randomize();
    program.library = std::make_unique<TBibliothek>(std::make_unique<TLastFiles>(program.registry));
    program.themenListe = std::make_unique<TThemenListe>(config, program.registry);

    if (!displayIsSufficient(screen))
        return false;

    config.RegisterMode = firstArgument(arguments) == "register";
    if (!config.startedFromNetwork())
        config.ReadIniSettings();
    config.ResolveDirectories(volumes);
    if (config.PageRoot.empty() || config.VocabularyRoot.empty()) {
        AppMessage(
            "*qor spanisch kann nicht gestartet werden!\nDie Installation ist unvollständig."_cp,
            MessageStyle::Stop);
        return false;
    }
    program.library->LetzteDateien().Load();
    removeLeftoversOfKilledSaves(config);

    if (!fileExists(config.DictionaryFileSD) || !fileExists(config.DictionaryFileDS) ||
        !fileExists(config.WaveBaseFile))
        return false;

    program.waveBase = std::make_unique<TXWaveBase>(config);
    program.waveBase->Load(config.WaveBaseFile);
    program.userBase = std::make_unique<TXUserBase>(config.UsersDirectory());
    // The library reads the logged-in user's scores of its entries.
    program.library->setScoreSource(
        [&users = *program.userBase](std::string_view word, bool german, int wordClass) {
            return users.IsLoggedIn() ? users.LookUpScore(word, german, wordClass) : std::nullopt;
        });

    if (config.RegisterMode)
        createShortcuts(program);
    return true;
}

void ShutDown(Program& program) {
    // Each step runs even when an earlier one failed, so that one failure
    // cannot keep the later objects from writing back what they keep.
    bool failed = false;
    const auto step = [&failed](auto&& action) {
        try {
            action();
        } catch (...) {
            failed = true;
        }
    };
    ProgramWindows* windows = program.windows;
    step([&] { program.training.reset(); });
    step([&] { program.library.reset(); });
    step([&] { program.settings.reset(); });
    step([&] { program.reserve.reset(); });
    step([&] { program.themenListe.reset(); });
    step([&] { program.verben.reset(); });
    step([&] {
        if (program.waveBase)
            program.waveBase->SaveIfChanged();
    });
    step([&] {
        const std::optional<Color> backdrop = windows ? windows->backdropColor() : std::nullopt;
        program.config.SaveGeneralSettings(backdrop ? &*backdrop : nullptr);
    });
    step([&] { program.waveBase.reset(); });
    step([&] { program.superOptions.reset(); });
    step([&] {
        // The end of the run does not wait for a user file that cannot be
        // written, but the user learns that this session's answers are lost.
        if (program.userBase && program.userBase->IsLoggedIn()) {
            const std::string user = program.userBase->User();
            if (!program.userBase->LogOut())
                AppMessage(user + " konnte nicht gespeichert werden!", MessageStyle::Default);
        }
        program.userBase.reset();
    });
    if (!windows) {
        program.dictionary.reset();
        return;
    }
    step([&] { windows->freeRecorder(); });
    step([&] { windows->freeBackdrop(); });
    step([&] { windows->freeDictionaryWindow(); });
    if (failed && !windows->terminating())
        step([&] { windows->processPendingMessages(); });
    windows->terminate();
}

} // namespace qor
