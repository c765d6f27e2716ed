#pragma once
// qor-browse's stand-in for the program's main window: it receives what a
// page control sends its host and writes it down, one line per event, and
// plays scripted user actions on the page.

#include "BrowseOptions.h"
#include "platform/AppMessage.h"

#include <QPoint>
#include <QWidget>
#include <ostream>
#include <string>
#include <vector>

namespace qor {
class TXPage;
}

namespace qor::browse {

class BrowseHost {
public:
    // Connects itself to every event of page.
    BrowseHost(TXPage& page, const BrowseOptions& options, std::ostream& out);

    // Plays the steps in order; false when one could not be done (a link
    // that is not on the page, an unknown key).
    bool play(const std::vector<Step>& steps);

    // Writes one line of program text.
    void report(const std::string& line);

private:
    QWidget* widgetAt(QPoint at);
    void move(QPoint at);
    void press(QPoint at, Qt::MouseButton button);
    bool clickLink(const std::string& name);
    bool key(const std::string& name);
    void wait(int milliseconds);

    TXPage& page_;
    std::ostream& out_;
};

// Messages the page shows are written down too; on a screen they are also
// shown, otherwise answered with the box's default button.
class ReportedMessages : public MessagePresenter {
public:
    ReportedMessages(BrowseHost& host, bool showThem);
    ~ReportedMessages() override;
    ReportedMessages(const ReportedMessages&) = delete;
    ReportedMessages& operator=(const ReportedMessages&) = delete;

    int present(const std::string& caption, const std::string& text, int style) override;

private:
    BrowseHost& host_;
    bool show_;
    MessagePresenter* previous_;
};

} // namespace qor::browse
