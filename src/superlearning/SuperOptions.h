#pragma once
// The settings object of superlearning: every setting (read from and
// written to the registry), the music that plays under a presentation, the
// order in which the library's entries are shown and the texts of the
// Techno and DD modes. One exists at a time; it is made when a presentation
// or the settings dialog needs it and writes its settings when it is freed
// after a change.

#include "platform/Random.h"
#include "sound/WordRecordings.h"
#include "superlearning/EntryOrder.h"
#include "superlearning/SuperSettings.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace qor {

class Registry;
class TBibliothek;
class TVocEinstellungen;
class TXWaveBase;

class TSuperOptions {
public:
    // Sends an MCI command; the answer, or "Error" and the number. A quiet
    // command shows nothing when it fails.
    using MciSender = std::function<std::string(const std::string& command, bool quiet)>;

    TSuperOptions(Registry& registry, SuperEnvironment environment, MciSender sendMci,
                  RandomSource random = Random);
    ~TSuperOptions(); // writes the settings when one changed
    TSuperOptions(const TSuperOptions&) = delete;
    TSuperOptions& operator=(const TSuperOptions&) = delete;

    const SuperSettings& Settings() const { return settings_; }

    // The presentation of this start: 0 "klassisch", 1 "abgedreht" (both
    // also kept as the full-screen window's mode), 2 Techno, 3 DD, 4 Vegas.
    void SetStyle(int style);
    int Style() const { return style_; }
    bool Changed() const { return changed_; }

    // A plain setting; marks the object changed when the value differs.
    template <typename T> void Set(T SuperSettings::*field, T value) {
        if (settings_.*field == value)
            return;
        settings_.*field = std::move(value);
        changed_ = true;
    }
    // MP3 needs a folder with music; the audio CD takes the drive from the
    // speech recordings. False when MP3 was refused.
    bool SetMusik(MusicSource source);
    void SetSprachausgabe(bool on);
    // Folders get a trailing separator; one that does not exist (or holds
    // no pictures) is said and not kept.
    void SetMP3Folder(const std::string& folder);
    void SetTechnoPhotoDir(const std::string& folder);
    // "Zurücksetzen": every default, and the object changed.
    void Reset();

    const std::vector<std::string>& MusicFiles() const { return musicFiles_; }
    // The settings dialog's music test: a command of its own, and a track
    // played whatever "Musik" says.
    std::string SendMci(const std::string& command, bool quiet) { return sendMci_(command, quiet); }
    void PlayNextMusicFile() { openNextTrack(); }
    void StartMusic();
    // After every step of a presentation: a finished track is followed by
    // the next.
    void CheckMusic();
    void StopMusic();

    // The background pages of DD: the ".htx" files of "SuperDD/" in the page
    // folder, without their extension.
    const std::vector<std::string>& DDPages() const { return ddPages_; }
    void ListDDPages(const std::string& pageFolder);

    // The Techno and DD modes' entry and side: one call gives "*" and the
    // next entry's word, the following call its meaning; with speech output
    // on each side comes with its recording (resolved), or the Spanish side
    // with its speech where it has none.
    struct Text {
        std::string text;
        WordSound recording;
    };
    Text NextText(const TBibliothek& library, const TVocEinstellungen& order,
                  const TXWaveBase& sounds);
    EntryCursor& Cursor() { return cursor_; }

private:
    void applyMusicFolder();
    std::string nextMusicFile();
    void openNextTrack();

    Registry& registry_;
    SuperEnvironment environment_;
    MciSender sendMci_;
    RandomSource random_;
    SuperSettings settings_;
    bool changed_ = false;
    int style_ = 0;
    std::vector<std::string> musicFiles_;
    std::deque<std::string> recentMusic_;
    std::vector<std::string> ddPages_;
    EntryCursor cursor_;
    bool meaningNext_ = false;
};

} // namespace qor
