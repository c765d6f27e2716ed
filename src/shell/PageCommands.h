#pragma once
// The main window's command handler: pages send comma-separated command
// lists ("gws,s2,go"); each part is looked up in one table, tried from the
// top, and the first row that matches runs. The table itself is in
// PageCommands.cpp; its rows act on the main window's state and, through
// PageCommandHost, on the window, its page and the program's other windows.

#include "shell/MainWindowState.h"

#include <string>
#include <string_view>

namespace qor {

// What the rows need from the main window.
class PageCommandHost {
public:
    virtual ~PageCommandHost() = default;

    // Lets the window system catch up (a click's repaint) before a command runs.
    virtual void ProcessMessages() = 0;

    // The page control: load a page file (relative to the shown page's
    // folder), the shown page's file name, show the shown page again, set a
    // page variable or condition.
    virtual void LoadPage(const std::string& fileName) = 0;
    virtual std::string CurrentPageFile() const = 0;
    virtual void ReloadPage() = 0;
    virtual void SetPageDefine(const std::string& name, const std::string& value) = 0;
    virtual void SetPageCondition(const std::string& name, bool on) = 0;

    // Opens an address in the web browser; OpenHomePage the publisher's.
    virtual void OpenUrl(const std::string& url) = 0;
    virtual void OpenHomePage() = 0;
    // Looks for the program medium; true when a sound directory is now known.
    virtual bool SearchMedium() = 0;

    // Modal windows.
    virtual void ShowRecordingSetup() = 0;
    virtual void ShowWaveBase() = 0;
    virtual void ShowPaths() = 0;

    // Starts area training with the state's area, level and mode. False when
    // the user cancelled, which abandons the rest of the command list.
    virtual bool StartAreaTraining() = 0;

    // The orderly end of the program.
    virtual void Beenden() = 0;
};

class TPageCommands {
public:
    TPageCommands(MainWindowState& state, PageCommandHost& host) : state_(state), host_(host) {}

    // Runs a command list: lower-cased, split at commas, empty parts and
    // parts starting with "#" skipped, unknown parts ignored. A cancel in
    // "go" and a number that cannot be read end the list.
    void Run(std::string_view commandList);

private:
    struct Row;
    static const Row Rows[];

    void runPart(std::string_view part);
    // The text after a row's command as a decimal integer; when it is none
    // the rest of the list is abandoned.
    bool readNumber(std::string_view text, int& number);
    void abandonList() { abandoned_ = true; }
    void showLabResult(const char* text);
    void setArea(const char* folder);
    void setTrainingMode(int mode);
    void setNumberedMode(std::string_view number);
    void openUrl(const char* scheme, std::string_view address);
    void seekMedium();
    void go();

    MainWindowState& state_;
    PageCommandHost& host_;
    bool abandoned_ = false;
};

} // namespace qor
