#include "CommandLine.h"

#include "platform/Text.h"
#include "shell/SpecialCodes.h"

#include <algorithm>
#include <cstdio>

namespace qor {

namespace {

constexpr int UsageErrorStatus = 2;

const char* const HelpText =
    R"(Aufruf: qor-spanisch [editor | register]
        qor-spanisch --help | --version

*qor spanisch, der Spanisch-Vokabeltrainer für Deutschsprachige.

Argumente:
  editor         öffnet den Vokabel-Editor statt des Hauptfensters
  register       legt nach dem Start Verknüpfungen auf dem Schreibtisch
                 und im Programmmenü an

Optionen:
  -h, --help     zeigt diese Hilfe
  -v, --version  zeigt die Version
  Dazu die Optionen von Qt, etwa -platform oder -style.

Umgebung:
  QOR_HOME           Ordner einer anderen Installation
  QOR_CONFIG_DIR     Ordner der Einstellungen (Vorgabe: $XDG_CONFIG_HOME/qor)
  XDG_CONFIG_HOME    Ordner der persönlichen Einstellungen (~/.config)
  XDG_DATA_HOME      Benutzerdateien in $XDG_DATA_HOME/qor/Benutzer
                     (Vorgabe: ~/.local/share/qor/Benutzer)
  QOR_STARTUP_PROBE  1: meldet, wann die Startseite erschien; exit: endet dann

Mehr dazu in „man qor-spanisch“.
)";

bool isHelp(const std::string& argument) {
    return argument == "--help" || argument == "-h";
}

bool isVersion(const std::string& argument) {
    return argument == "--version" || argument == "-v";
}

// Major, minor and release, and the build when there is one: 0.1.0.
std::string versionNumber(const ProgramVersion& version) {
    std::string number = std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
                         std::to_string(version.release);
    if (version.build != 0)
        number += "." + std::to_string(version.build);
    return number;
}

} // namespace

std::optional<int> AnswerInformationRequest(const std::vector<std::string>& arguments) {
    // The first of the two wins, wherever it stands.
    const auto request = std::find_if(arguments.begin(), arguments.end(), [](const auto& argument) {
        return isHelp(argument) || isVersion(argument);
    });
    if (request == arguments.end())
        return std::nullopt;
    if (isHelp(*request))
        std::fputs(HelpText, stdout);
    else
        std::printf("qor-spanisch %s\n", versionNumber(ThisProgramVersion()).c_str());
    return 0;
}

std::optional<int> RefuseUnknownOption(const std::vector<std::string>& arguments) {
    const auto option = std::find_if(arguments.begin(), arguments.end(), [](const auto& argument) {
        return argument.starts_with('-');
    });
    if (option == arguments.end())
        return std::nullopt;
    std::fprintf(stderr,
                 "qor-spanisch: unbekannte Option „%s“\n"
                 "Aufruf und Optionen zeigt „qor-spanisch --help“.\n",
                 cp1252ToUtf8(*option).c_str());
    return UsageErrorStatus;
}

} // namespace qor
