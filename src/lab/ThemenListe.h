#pragma once
// The language lab: spoken Spanish sentences of everyday situations, grouped
// by topic, each with its German translation and recordings at normal and at
// slow speed. TThemenListe reads the built-in phrase data, keeps the current
// topic and sentence and the three switches (dictation, German text,
// automatic reading), and writes the page variables and conditions that the
// lab's pages show. The pages play the recordings themselves.

#include "platform/Random.h"

#include <deque>
#include <string>
#include <vector>

namespace qor {

class CommandPage;
class Configuration;
class Registry;
class TZIPResource;

// One sentence: the five lines of the phrase data.
struct TSatz {
    std::string Spanisch;
    std::string Variante; // a second accepted way of writing it, usually empty
    std::string Hilfe;    // the hint of the dictation
    std::string Deutsch;
    std::string Aufnahme; // the slow recording, "XS:\..." ending in "a.wav"
};

using TSatzListe = std::vector<TSatz>;

struct TThema {
    std::string Name;
    TSatzListe Saetze;
};

// Phrase data: a line starting with "****" opens a topic named by the rest
// of the line; then every five lines are one sentence. An empty first line
// reads as "FEHLER!", an empty (or one-blank) hint as the dot mask of the
// sentence. Lines before the first topic are passed over.
std::vector<TThema> ReadPhraseData(TZIPResource& data);

class TThemenListe {
public:
    static constexpr const char* RegistryKey = "SOFTWARE\\QOR\\qor spanisch\\Sprachlabor";
    // A sentence comes back after at most this many others were shown.
    static constexpr std::size_t RecentRoom = 20;

    // The built-in phrase data; the stored settings are read and a sentence
    // of the stored topic is drawn.
    TThemenListe(const Configuration& config, Registry& registry, RandomSource random = Random);
    // Phrase data from elsewhere.
    TThemenListe(TZIPResource& data, const Configuration& config, Registry& registry,
                 RandomSource random);
    // Writes the settings.
    ~TThemenListe();
    TThemenListe(const TThemenListe&) = delete;
    TThemenListe& operator=(const TThemenListe&) = delete;

    const std::vector<TThema>& Themen() const { return themen_; }
    int Thema() const { return thema_; }
    // The current sentence's index in its topic; -1 while the topic has none.
    int Satz() const { return satz_; }

    bool Diktat() const { return diktat_; }
    bool Deutsch() const { return deutsch_; }
    bool Automatik() const { return automatik_; }
    void SetDiktat(bool on) { diktat_ = on; }
    void SetDeutsch(bool on) { deutsch_ = on; }
    void SetAutomatik(bool on) { automatik_ = on; }

    // Another topic gets a fresh sentence; the current one, or a number
    // outside the list, changes nothing.
    void ChooseTopic(int thema);
    // A random sentence of the topic that was not among the last ones.
    void NextSentence();

    // The page conditions "diktat", "deutsch", "autoread", "normal",
    // "langsam" and the variables "Thema", "Normal", "Langsam", "LabSatz",
    // "LabDeutsch", and in dictation "lsg" and "help". Where a recording is
    // missing and the program speaks instead, "Normal" and "Langsam" are the
    // commands that speak the sentence ("labsprich", "labsprichlangsam").
    void ShowSentence(CommandPage& page) const;
    // Speaks the current sentence on "welle", slowly or not.
    void SpeakSentence(bool slow) const;
    // "laborliste.htx" with the topics as links in "LabListe".
    void ShowTopicList(CommandPage& page) const;

    // The file of a recording reference "XS:\..." in the sound directory;
    // empty without a sound directory or when the file is not there.
    std::string ResolveRecording(const std::string& reference) const;

private:
    void loadSettings();
    void saveSettings() const;
    const TSatz* currentSentence() const;

    const Configuration& config_;
    Registry& registry_;
    RandomSource random_;
    std::vector<TThema> themen_;
    int thema_ = 0;
    int satz_ = -1;
    std::deque<int> recent_; // the last sentences of the topic, oldest first
    bool diktat_ = true;
    bool deutsch_ = true;
    bool automatik_ = false;
};

// The recording at normal speed: the slow one's reference with its final
// "a" before ".wav" made "b".
std::string NormalSpeedReference(std::string reference);

} // namespace qor
