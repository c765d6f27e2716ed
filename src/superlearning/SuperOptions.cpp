#include "superlearning/SuperOptions.h"

#include "platform/AppMessage.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "sound/WordRecordings.h"
#include "vocabulary/Bibliothek.h"
#include "vocabulary/VocEinstellungen.h"

#include <algorithm>

namespace qor {

namespace {

// The files of a folder whose lower-cased extension is one of extensions.
std::vector<std::string> filesWithExtension(const std::string& folder,
                                            std::initializer_list<std::string_view> extensions) {
    std::vector<std::string> files;
    for (const DirectoryEntry& entry : listDirectory(folder)) {
        const std::string extension = lowerCase(extractFileExt(entry.name));
        if (!entry.isDirectory &&
            std::find(extensions.begin(), extensions.end(), extension) != extensions.end())
            files.push_back(folder + entry.name);
    }
    return files;
}

std::string withSeparator(const std::string& folder) {
    return folder.empty() ? folder : includeTrailingSeparator(normalizeSeparators(folder));
}

bool isError(const std::string& answer) {
    return answer.starts_with("Error");
}

} // namespace

TSuperOptions::TSuperOptions(Registry& registry, SuperEnvironment environment, MciSender sendMci,
                             RandomSource random)
    : registry_(registry), environment_(std::move(environment)), sendMci_(std::move(sendMci)),
      random_(std::move(random)),
      settings_(ReadSuperSettings(registry_, DefaultSuperSettings(environment_))) {
    applyMusicFolder();
    style_ = settings_.Modus;
    changed_ = false;
}

void TSuperOptions::SetStyle(int style) {
    style_ = style;
    if (style == 0 || style == 1)
        Set(&SuperSettings::Modus, style);
}

TSuperOptions::~TSuperOptions() {
    if (changed_)
        WriteSuperSettings(registry_, settings_);
}

// The music folder as read: empty means the program's "MP3/"; a folder that
// is not there is forgotten, and without music files there is no music.
void TSuperOptions::applyMusicFolder() {
    if (settings_.MP3.empty())
        settings_.MP3 = includeTrailingSeparator(environment_.programDir) + "MP3/";
    settings_.MP3 = withSeparator(settings_.MP3);
    musicFiles_.clear();
    if (directoryExists(settings_.MP3))
        musicFiles_ = filesWithExtension(settings_.MP3, {".mp3"});
    else
        settings_.MP3.clear();
    if (musicFiles_.empty() && settings_.Musik == MusicSource::Mp3)
        settings_.Musik = MusicSource::None;
}

bool TSuperOptions::SetMusik(MusicSource source) {
    if (source == MusicSource::Mp3) {
        if (settings_.MP3.empty() || !directoryExists(settings_.MP3))
            return false;
        musicFiles_ = filesWithExtension(settings_.MP3, {".mp3"});
    }
    Set(&SuperSettings::Musik, source);
    if (source == MusicSource::AudioCd)
        Set(&SuperSettings::Sprachausgabe, false);
    return true;
}

void TSuperOptions::SetSprachausgabe(bool on) {
    Set(&SuperSettings::Sprachausgabe, on);
    if (on && settings_.Musik == MusicSource::AudioCd)
        Set(&SuperSettings::Musik, MusicSource::None);
}

void TSuperOptions::SetMP3Folder(const std::string& folder) {
    const std::string music = withSeparator(folder);
    if (directoryExists(music)) {
        Set(&SuperSettings::MP3, music);
        musicFiles_ = filesWithExtension(music, {".mp3"});
        recentMusic_.clear();
        return;
    }
    AppMessage("MP3 : Das Verzeichnis \"" + music + "\" existiert nicht!", MessageStyle::Stop);
    Set(&SuperSettings::MP3, std::string());
    musicFiles_.clear();
}

void TSuperOptions::SetTechnoPhotoDir(const std::string& folder) {
    const std::string pictures = withSeparator(folder);
    if (pictures.empty()) {
        AppMessage("Der Techno-Modus benötigt ein Verzeichnis mit Bildern (JPG oder BMP)!"_cp,
                   MessageStyle::Stop);
    } else if (!directoryExists(pictures)) {
        AppMessage("Superlearning : Das Verzeichnis \"" + pictures + "\" existiert nicht!",
                   MessageStyle::Stop);
        Set(&SuperSettings::TechnoPhotoDir, std::string());
        return;
    } else if (filesWithExtension(pictures, {".jpg", ".bmp"}).empty()) {
        AppMessage("Superlearning : Das Verzeichnis \"" + pictures +
                       "\" enthält keine Bilder (JPG oder BMP)!"_cp,
                   MessageStyle::Stop);
    }
    Set(&SuperSettings::TechnoPhotoDir, pictures);
}

void TSuperOptions::Reset() {
    settings_ = DefaultSuperSettings(environment_);
    applyMusicFolder();
    changed_ = true;
}

// One file plays again and again; of more, one that was not among the last
// half.
std::string TSuperOptions::nextMusicFile() {
    if (musicFiles_.size() == 1)
        return musicFiles_.front();
    std::string file;
    do
        file = musicFiles_[static_cast<std::size_t>(
            randomBelow(random_, static_cast<int>(musicFiles_.size())))];
    while (std::find(recentMusic_.begin(), recentMusic_.end(), file) != recentMusic_.end());
    recentMusic_.push_back(file);
    if (recentMusic_.size() >= musicFiles_.size() || recentMusic_.size() > musicFiles_.size() / 2)
        recentMusic_.pop_front();
    return file;
}

void TSuperOptions::openNextTrack() {
    if (isError(sendMci_("open \"" + nextMusicFile() + "\" alias mp3", false))) {
        SetMusik(MusicSource::None);
        return;
    }
    sendMci_("play mp3", false);
}

void TSuperOptions::StartMusic() {
    if (settings_.Musik == MusicSource::AudioCd) {
        sendMci_("open cdaudio alias cd", true);
        if (sendMci_("status cd type track 2", true) == "audio") {
            sendMci_("set cd time format tmsf", true);
            sendMci_("play cd", false);
        }
    } else if (settings_.Musik == MusicSource::Mp3 && !musicFiles_.empty()) {
        openNextTrack();
    }
}

void TSuperOptions::CheckMusic() {
    if (settings_.Musik == MusicSource::AudioCd) {
        if (sendMci_("status cd mode", false) == "stopped") {
            sendMci_("status cd current track", false);
            sendMci_("status cd position", false);
            sendMci_("seek cd to start", false);
            sendMci_("play cd", false);
        }
    } else if (settings_.Musik == MusicSource::Mp3 && !musicFiles_.empty()) {
        if (sendMci_("status mp3 mode", true) == "stopped") {
            sendMci_("close mp3", true);
            openNextTrack();
        }
    }
}

void TSuperOptions::StopMusic() {
    if (settings_.Musik == MusicSource::AudioCd) {
        sendMci_("stop cd", true);
        sendMci_("close cd", true);
    } else if (settings_.Musik == MusicSource::Mp3) {
        sendMci_("stop mp3", true);
        sendMci_("close mp3", true);
    }
}

void TSuperOptions::ListDDPages(const std::string& pageFolder) {
    ddPages_.clear();
    const std::string folder = includeTrailingSeparator(pageFolder) + "SuperDD/";
    for (const std::string& file : filesWithExtension(folder, {".htx"})) {
        const std::string name = extractFileName(file);
        ddPages_.push_back(name.substr(0, name.size() - 4));
    }
}

TSuperOptions::Text TSuperOptions::NextText(const TBibliothek& library,
                                            const TVocEinstellungen& order,
                                            const TXWaveBase& sounds) {
    const std::vector<TVokabel>& entries = library.Eintraege();
    if (!meaningNext_) {
        const int last = order.Bis < 0 ? library.Count(false) - 1 : order.Bis;
        NextEntry(cursor_, order.Von, std::min(last, static_cast<int>(entries.size()) - 1),
                  order.Modus, random_);
    }
    if (cursor_.current < 0)
        return {};
    const EntryTexts texts = TextsOf(entries[static_cast<std::size_t>(cursor_.current)]);
    Text text{meaningNext_ ? texts.meaning : "*" + texts.word, {}};
    if (settings_.Sprachausgabe)
        text.recording = FindWordSound(sounds, meaningNext_ ? texts.meaning : texts.word,
                                       meaningNext_ != texts.wordIsSpanish);
    meaningNext_ = !meaningNext_;
    return text;
}

} // namespace qor
