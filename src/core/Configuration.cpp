#include "core/Configuration.h"

#include "platform/AppMessage.h"
#include "platform/FileSystem.h"
#include "platform/PersonalFolders.h"
#include "platform/Text.h"

#include <algorithm>
#include <utility>

namespace qor {
using namespace literals;

namespace {

const char* const IniSectionQor = "*qor";
const char* const IniSectionProgram = "qor spanisch";
const char* const MediumMarker = "QOR_S";
const char* const MediumVocabularyDir = "Vokabeln (S)/Grundwortschatz/";

std::string asDirectory(const std::string& value) {
    return value.empty() ? value : includeTrailingSeparator(normalizeSeparators(value));
}

std::string readRegistryString(const Registry& registry, const char* key, const char* name) {
    return registry.readString(key, name).value_or(std::string());
}

// Volume roots below a directory of mount points, e.g. /media/<user>/<volume>.
void collectVolumes(const std::string& parent, int depth, std::vector<std::string>& roots) {
    for (const DirectoryEntry& entry : listDirectory(parent)) {
        if (!entry.isDirectory)
            continue;
        const std::string path = parent + entry.name + "/";
        if (depth > 1)
            collectVolumes(path, depth - 1, roots);
        else
            roots.push_back(path);
    }
}

} // namespace

std::vector<std::string> mountedMediaVolumes() {
    std::vector<std::string> roots;
    collectVolumes("/media/", 2, roots);
    collectVolumes("/run/media/", 2, roots);
    collectVolumes("/mnt/", 1, roots);
    std::sort(roots.begin(), roots.end());
    return roots;
}

Configuration::Configuration(Registry& registry, std::string programPath, std::string programDir)
    : ProgramDir(asDirectory(programDir)), registry_(registry),
      programPath_(std::move(programPath)) {}

bool Configuration::startedFromNetwork() const {
    return programPath_.starts_with("\\\\") || programPath_.starts_with("//");
}

IniFile Configuration::iniFile() const {
    return IniFile(ProgramDir + "qor.ini");
}

std::string Configuration::UsersDirectory() const {
    if (!UserDir.empty())
        return UserDir;
    const std::string installed = ProgramDir + "Benutzer/";
    if (directoryExists(installed))
        return installed;
    return PersonalDataDirectory() + "Benutzer/";
}

void Configuration::ReadIniSettings() {
    IniFile ini = iniFile();
    if (!ini.exists())
        return;

    UserDir = asDirectory(ini.readString(IniSectionQor, "Benutzer-Verzeichnis"));
    if (!UserDir.empty() && !directoryExists(UserDir)) {
        AppMessage(
            "Das Benutzer-Verzeichnis "_cp + UserDir + " wurde nicht gefunden!"_cp + "\r" +
            "Für die Benutzerverwaltung wird auf das lokale Verzeichnis zurückgegriffen."_cp);
        UserDir.clear();
    }

    WaveDir = asDirectory(ini.readString(IniSectionProgram, "Wave-Verzeichnis"));
    if (!WaveDir.empty() && !directoryExists(WaveDir)) {
        AppMessage("Das Wave-Verzeichnis "_cp + WaveDir + " wurde nicht gefunden!"_cp);
        WaveDir.clear();
    }

    LawRecordingDir = asDirectory(ini.readString(IniSectionProgram, "Aufnahmen Recht"));
    if (!LawRecordingDir.empty() && !directoryExists(LawRecordingDir)) {
        AppMessage("Das Verzeichnis für die RECHT-Sprachaufnahmen "_cp + LawRecordingDir +
                   " wurde nicht gefunden!"_cp);
        LawRecordingDir = "-";
    }

    BusinessRecordingDir = asDirectory(ini.readString(IniSectionProgram, "Aufnahmen Wirtschaft"));
    if (!BusinessRecordingDir.empty() && !directoryExists(BusinessRecordingDir)) {
        AppMessage("Das Verzeichnis für die WIRTSCHAFT-Sprachaufnahmen "_cp + BusinessRecordingDir +
                   " wurde nicht gefunden!"_cp);
        BusinessRecordingDir = "-";
    }

    if (ini.valueExists(IniSectionQor, "Schreibschutz")) {
        WriteProtected = ini.readInteger(IniSectionQor, "Schreibschutz", 0) == 1;
    } else {
        ini.writeInteger(IniSectionQor, "Schreibschutz", 0);
        WriteProtected = false;
    }

    if (!RegisterMode && ini.readInteger(IniSectionProgram, "Register", 0) == 1) {
        ini.writeInteger(IniSectionProgram, "Register", 0);
        RegisterMode = true;
    }
}

void Configuration::ResolveDirectories(const MediaVolumeList& volumes) {
    BackdropColor =
        static_cast<Color>(registry_.readInteger(RegistryKey::Program, "Hintergrund")
                               .value_or(static_cast<std::int32_t>(DefaultBackdropColor)));
    OnlineHelp = registry_.readString(RegistryKey::Program, "Online-Hilfe").value_or("AN") != "AUS";
    Extras.Read(registry_);

    const char* const dirs = RegistryKey::Directories;
    RegisteredProgram = readRegistryString(registry_, dirs, "Programm");

    EditorSchema = registry_.readString(dirs, "Editor-Schema").value_or("default");
    if (!fileExists(ProgramDir + "editor/" + EditorSchema + ".ed"))
        EditorSchema = "default";

    PageRoot = asDirectory(readRegistryString(registry_, dirs, "HQOR"));
    if (PageRoot.empty() || !fileExists(PageRoot + "hqor/main.htx"))
        PageRoot = fileExists(ProgramDir + "hqor/main.htx") ? ProgramDir : std::string();

    resolveWaveDir(volumes);

    VocabularyRoot = directoryExists(ProgramDir + MediumVocabularyDir)
                         ? ProgramDir + "Vokabeln (S)/"
                         : std::string();
    if (VocabularyRoot.empty())
        return;

    VocabularyFileDir = extractFileDir(readRegistryString(registry_, dirs, "Vokabel-Dateien"));
    if (VocabularyFileDir.empty())
        VocabularyFileDir = VocabularyRoot;
    VocabularyFileDir = includeTrailingSeparator(VocabularyFileDir);
    OwnWaveDir = extractFileDir(readRegistryString(registry_, dirs, "Eigene Waves"));

    DictionaryFileSD = readRegistryString(registry_, dirs, "Datenbank1");
    DictionaryFileDS = readRegistryString(registry_, dirs, "Datenbank2");
    WaveBaseFile = readRegistryString(registry_, dirs, "Datenbank3");
    if (DictionaryFileSD.empty())
        DictionaryFileSD = ProgramDir + "s_d.qor";
    if (DictionaryFileDS.empty())
        DictionaryFileDS = ProgramDir + "d_s.qor";
    if (WaveBaseFile.empty())
        WaveBaseFile = ProgramDir + "s_w.qor";

    if (RegisteredProgram != programPath_)
        SaveDirectorySettings(SaveBits::ProgramPath);
}

bool Configuration::isMediumSoundDir(const std::string& dir) const {
    return !dir.empty() && fileExists(dir + MediumMarker);
}

void Configuration::resolveWaveDir(const MediaVolumeList& volumes) {
    if (!WaveDir.empty())
        return;
    WaveDir = asDirectory(readRegistryString(registry_, RegistryKey::Directories, "Wave-Dateien"));
    if (isMediumSoundDir(WaveDir)) {
        SaveDirectorySettings(SaveBits::WaveDir);
        return;
    }
    WaveDir.clear();

    const std::string drive =
        readRegistryString(registry_, RegistryKey::Directories, "CD-Laufwerk");
    if (!drive.empty()) {
        WaveDir = asDirectory(drive) + "wave/";
        if (isMediumSoundDir(WaveDir))
            return;
        WaveDir.clear();
    }
    SearchMediaDrive(volumes);
}

std::string Configuration::SearchMediaDrive(const MediaVolumeList& volumes) {
    if (isMediumSoundDir(WaveDir))
        return {};
    for (const std::string& volume : volumes()) {
        const std::string root = asDirectory(volume);
        if (fileExists(root + "wave/" + MediumMarker) &&
            directoryExists(root + MediumVocabularyDir)) {
            WaveDir = root + "wave/";
            SaveDirectorySettings(SaveBits::WaveDir);
            return root;
        }
    }
    return {};
}

void Configuration::SaveDirectorySettings(unsigned bits) {
    const bool lawWanted =
        (bits & SaveBits::LawRecordingDir) && !LawRecordingDir.empty() && !startedFromNetwork();
    if (((bits & SaveBits::UserDir) && !UserDir.empty()) ||
        ((bits & SaveBits::WaveDir) && !WaveDir.empty()) ||
        ((bits & SaveBits::BusinessRecordingDir) && !BusinessRecordingDir.empty()) || lawWanted) {
        IniFile ini = iniFile();
        ini.writeString(IniSectionQor, "Benutzer-Verzeichnis", UserDir);
        ini.writeString(IniSectionProgram, "Wave-Verzeichnis", WaveDir);
        // "-" marks a configured directory that was missing: it is dropped.
        if (LawRecordingDir == "-")
            ini.writeString(IniSectionProgram, "Aufnahmen Recht", "");
        else if (bits & SaveBits::LawRecordingDir)
            ini.writeString(IniSectionProgram, "Aufnahmen Recht", LawRecordingDir);
        if (BusinessRecordingDir == "-")
            ini.writeString(IniSectionProgram, "Aufnahmen Wirtschaft", "");
        else if (bits & SaveBits::BusinessRecordingDir)
            ini.writeString(IniSectionProgram, "Aufnahmen Wirtschaft", BusinessRecordingDir);
    }

    if ((bits & ~(SaveBits::WaveDir | SaveBits::UserDir)) == 0)
        return;
    const char* const dirs = RegistryKey::Directories;
    registry_.createKey(dirs);
    if (bits & SaveBits::EditorSchema)
        registry_.writeString(dirs, "Editor-Schema", EditorSchema);
    if ((bits & SaveBits::VocabularyFileDir) && !VocabularyFileDir.empty())
        registry_.writeString(dirs, "Vokabel-Dateien", VocabularyFileDir);
    if ((bits & SaveBits::OwnWaveDir) && !OwnWaveDir.empty())
        registry_.writeString(dirs, "Eigene Waves", OwnWaveDir);
    if ((bits & SaveBits::ProgramPath) && !ProgramDir.empty())
        registry_.writeString(dirs, "Programm", programPath_);
}

void Configuration::SaveGeneralSettings(const Color* backdropColor) {
    registry_.writeString(RegistryKey::Program, "Online-Hilfe", OnlineHelp ? "AN" : "AUS");
    Extras.Write(registry_);
    if (backdropColor)
        registry_.writeInteger(RegistryKey::Program, "Hintergrund",
                               static_cast<std::int32_t>(*backdropColor));
}

} // namespace qor
