// Program entry: start mode, start-up checks and settings, and the orderly end.

#include "platform/FileSystem.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtMessagePresenter.h"
#include "platform/QtText.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/Text.h"
#include "shell/ProgramLocation.h"
#include "shell/StartUp.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <cstdio>

namespace {

qor::ScreenInfo primaryScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QSize size = screen->size();
    return {size.width(), size.height(), screen->depth()};
}

std::vector<std::string> programArguments() {
    std::vector<std::string> arguments;
    const QStringList all = QCoreApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i)
        arguments.push_back(qor::fromQString(all[i]));
    return arguments;
}

void printLine(const char* label, const std::string& value) {
    // Padded by characters, not by the bytes of their UTF-8 form.
    const std::string text = qor::utf8ToCp1252(label);
    const std::string padding(text.size() < 22 ? 22 - text.size() : 0, ' ');
    std::printf("%s%s %s\n", label, padding.c_str(), qor::cp1252ToUtf8(value).c_str());
}

// Until the main window takes over, a run reports what start-up resolved.
void reportSettings(const qor::Configuration& config) {
    printLine("Programm:", config.programPath());
    printLine("Programmverzeichnis:", config.ProgramDir);
    printLine("Seiten:", config.PageRoot);
    printLine("Vokabeln:", config.VocabularyRoot);
    printLine("Vokabel-Dateien:", config.VocabularyFileDir);
    printLine("Sprachaufnahmen:", config.WaveDir);
    printLine("Eigene Aufnahmen:", config.OwnWaveDir);
    printLine("Benutzer:", config.UserDir);
    printLine("Wörterbuch S-D:", config.DictionaryFileSD);
    printLine("Wörterbuch D-S:", config.DictionaryFileDS);
    printLine("Aufnahmen-Datenbank:", config.WaveBaseFile);
    printLine("Editor-Schema:", config.EditorSchema);
    printLine("Schreibschutz:", config.WriteProtected ? "ja" : "nein");
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("qor-spanisch");
    QApplication::setApplicationDisplayName("qor spanisch");

    qor::QtMessagePresenter messages;
    qor::setMessagePresenter(&messages);
    qor::QtFileDialogs fileDialogs;
    qor::setFileDialogs(&fileDialogs);
    qor::FileRegistry registry(qor::FileRegistry::defaultDirectory() + "registry.ini");
    qor::DesktopShell shell;

    const std::string programPath = qor::fromQString(QCoreApplication::applicationFilePath());
    qor::Program program(registry, shell, programPath, qor::ProgramDirFor(programPath));
    if (!qor::StartUp(program, programArguments(), primaryScreen()))
        return 1;

    reportSettings(program.config);
    qor::ShutDown(program);
    return 0;
}
