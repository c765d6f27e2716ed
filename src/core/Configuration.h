#pragma once
// The program's directory, file and general settings: where the pages,
// libraries, recordings, users and data files are, read once at start from
// the settings store, the optional "qor.ini" beside the program and a search
// of the mounted volumes, and written back through SaveDirectorySettings.

#include "core/ExtraFeatures.h"
#include "graphics/Color.h"
#include "platform/IniFile.h"
#include "platform/Registry.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qor {

// Settings store keys and the ini file's sections.
namespace RegistryKey {
inline constexpr const char* Program = "SOFTWARE\\QOR\\qor spanisch";
inline constexpr const char* Directories = "SOFTWARE\\QOR\\qor spanisch\\Verzeichnisse";
inline constexpr const char* Files = "SOFTWARE\\QOR\\qor spanisch\\Dateien";
} // namespace RegistryKey

// The parts SaveDirectorySettings writes.
namespace SaveBits {
constexpr unsigned VocabularyFileDir = 0x01;
constexpr unsigned WaveDir = 0x02;
constexpr unsigned OwnWaveDir = 0x04;
constexpr unsigned ProgramPath = 0x08;
constexpr unsigned UserDir = 0x20;
constexpr unsigned EditorSchema = 0x40;
constexpr unsigned BusinessRecordingDir = 0x80;
constexpr unsigned LawRecordingDir = 0x100;
} // namespace SaveBits

inline constexpr Color DefaultBackdropColor = 8421504; // grey 128, 128, 128

// Root directories of the mounted volumes a program medium may be on, in the
// order they are tried, each ending in '/'.
using MediaVolumeList = std::function<std::vector<std::string>()>;
std::vector<std::string> mountedMediaVolumes();

class Configuration {
public:
    // programPath is the running program's full path; programDir the
    // directory holding its data, ending in '/'.
    Configuration(Registry& registry, std::string programPath, std::string programDir);

    // Start modes.
    bool EditorMode = false;
    bool RegisterMode = false;

    // Directories end in '/'; an empty one is not available. Files are full paths.
    std::string ProgramDir;
    std::string RegisteredProgram;
    std::string PageRoot;
    std::string UserDir;
    std::string WaveDir;
    std::string OwnWaveDir;
    std::string LawRecordingDir;      // "-" when configured but missing
    std::string BusinessRecordingDir; // "-" when configured but missing
    std::string VocabularyRoot;
    std::string VocabularyFileDir;
    std::string EditorSchema = "default";
    std::string DictionaryFileSD;
    std::string DictionaryFileDS;
    std::string WaveBaseFile;

    Color BackdropColor = DefaultBackdropColor;
    bool OnlineHelp = true;
    ExtraFeatures Extras;
    bool WriteProtected = false;

    const std::string& programPath() const { return programPath_; }
    // Where the user files are: UserDir when set, else "Benutzer/" in the
    // program directory when the installation has one, else the person's own
    // data folder (an installed program's directory is not theirs to write).
    std::string UsersDirectory() const;
    // Started through a network path name: the ini file is then neither read
    // nor written for the law recordings.
    bool startedFromNetwork() const;
    IniFile iniFile() const;

    void ReadIniSettings();
    void ResolveDirectories(const MediaVolumeList& volumes = mountedMediaVolumes);
    // Looks for the program medium unless WaveDir already holds one; returns
    // the medium's root, or empty.
    std::string SearchMediaDrive(const MediaVolumeList& volumes = mountedMediaVolumes);
    void SaveDirectorySettings(unsigned bits);
    // backdropColor is given when the backdrop window exists.
    void SaveGeneralSettings(const Color* backdropColor = nullptr);

    Registry& registry() { return registry_; }

private:
    void resolveWaveDir(const MediaVolumeList& volumes);
    bool isMediumSoundDir(const std::string& dir) const;

    Registry& registry_;
    std::string programPath_;
};

} // namespace qor
