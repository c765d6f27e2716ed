#pragma once
// What the main window keeps across its lives: it is destroyed whenever
// another full window (editor, training options, verb selection) takes
// over, and those windows leave it a command or a page for its return.

#include <string>

namespace qor {

// TrainingMode values besides the numbered superlearning variants.
namespace TrainingModes {
constexpr int Classic = 0;   // classic superlearning
constexpr int Abgedreht = 1; // the "abgedreht" superlearning variant
constexpr int Test = 100;    // area training asks the words (query mode)
} // namespace TrainingModes

struct MainWindowState {
    // A command list run once, right after the main window is next shown.
    std::string PendingCommand;
    // A page file (relative to the page folder) shown when the main window
    // is next shown.
    std::string ReturnPage;
    // A presentation or game runs inside the main window.
    bool PresentationRunning = false;

    // Area training: the subfolder of the vocabulary root ("Grundwortschatz/",
    // empty for any area) and the difficulty 0..3.
    std::string TrainingArea;
    int TrainingLevel = 0;
    int TrainingMode = TrainingModes::Classic;

    // The full window the superlearning fade window re-creates when it
    // closes: "Main", "Editor" or "Opts" (any other value: none), and where.
    std::string ReturnTarget;
    int returnLeft = 0;
    int returnTop = 0;

    // The verb last shown by "showverb" + number.
    int currentVerb = 0;
};

} // namespace qor
