#pragma once
// The process-wide objects of one run of the program, created by StartUp and
// freed by ShutDown in their fixed order.

#include "core/Configuration.h"
#include "dictionary/XDatabase.h"
#include "lab/ThemenListe.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "shell/MainWindowState.h"
#include "sound/WaveBase.h"
#include "superlearning/SuperOptions.h"
#include "users/XUserBase.h"
#include "verbs/Verben.h"
#include "vocabulary/Bibliothek.h"
#include "vocabulary/ReserveList.h"
#include "vocabulary/VocabularyTraining.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace qor {

// The program's windows as start and end of a run see them; the window
// system stays behind this seam so that StartUp and ShutDown need no display.
class ProgramWindows {
public:
    virtual ~ProgramWindows() = default;
    // The backdrop's colour, while the backdrop window exists.
    virtual std::optional<Color> backdropColor() const = 0;
    // Frees the program's recorder if one was made.
    virtual void freeRecorder() = 0;
    // Frees the backdrop window if it is shown.
    virtual void freeBackdrop() = 0;
    // Frees the dictionary window, which saves the dictionary (asking first).
    virtual void freeDictionaryWindow() = 0;
    // Asks the application to end once the running event has been handled.
    virtual void terminate() = 0;
    virtual bool terminating() const = 0;
    virtual void processPendingMessages() = 0;
};

struct Program {
    Program(Registry& settingsStore, ShellServices& desktop, std::string programPath,
            std::string programDir)
        : registry(settingsStore), shell(desktop),
          config(settingsStore, std::move(programPath), std::move(programDir)) {}

    // The dictionary, loaded now if this is its first use.
    TXDatabase& Dictionary();

    Registry& registry;
    ShellServices& shell;
    Configuration config;

    // The one open vocabulary library, with the recently used files.
    std::unique_ptr<TBibliothek> library;
    // How vocabulary is trained, made when the main window is first created.
    std::unique_ptr<TVocEinstellungen> settings;
    // The built-in reserve of wrong choices, read when first needed.
    std::unique_ptr<TRes> reserve;
    // The training of the library: its slots and counters outlive the main
    // window, which asks its questions.
    std::unique_ptr<VocabularyTraining> training;
    // Both directions of the dictionary: the start checks that their files
    // are there, the first use loads them (Dictionary()); saved and freed
    // with the dictionary window at the end. Null until loaded.
    std::unique_ptr<TXDatabase> dictionary;
    // How the dictionary compares headwords once it is loaded.
    Collation dictionaryCollation;
    // The sound database, loaded at start and written back at the end.
    std::unique_ptr<TXWaveBase> waveBase;
    // The language lab's topics, made at start; it writes its settings when freed.
    std::unique_ptr<TThemenListe> themenListe;
    // The verb trainer, made when the main window is first created.
    std::unique_ptr<TVerben> verben;
    // Superlearning's settings, made when a presentation or the settings
    // dialog needs them and freed (written when changed) when it closes.
    std::unique_ptr<TSuperOptions> superOptions;
    // The users; the one logged in is logged out at the end.
    std::unique_ptr<TXUserBase> userBase;

    // What the main window keeps while other full windows take turns.
    MainWindowState mainState;
    // The windows, once the program entry has created them; null before.
    ProgramWindows* windows = nullptr;
};

} // namespace qor
