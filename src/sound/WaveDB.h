#pragma once
// The management window of the sound database: browse, search and edit the
// entries, pick recordings from disk, listen to them and sort the list. An
// entry whose recording is missing is marked "synthetisch" when the
// program speaks it instead, and is heard that way.

#include "sound/MciSenders.h"

#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QToolButton;

namespace qor {

class Configuration;
class TXWaveBase;

class TWaveDB : public QDialog {
    Q_OBJECT
public:
    // Sends one multimedia command (command, quiet) and returns its answer.
    using MciSender = std::function<std::string(const std::string&, bool)>;

    // The window observes base until it is closed. Recordings play through
    // the program's MCI sender unless another is given.
    TWaveDB(TXWaveBase& base, Configuration& config, QWidget* parent = nullptr,
            MciSender sendMci = SendMci);
    ~TWaveDB() override;

    // Shows the current entry.
    void Refresh();

    // The controls, named as the window has always named them.
    QLineEdit* Suchen = nullptr;
    QLineEdit* eText = nullptr;
    QLineEdit* eDatei = nullptr;
    QLabel* lCount = nullptr;
    QLabel* lSynthetisch = nullptr;
    QToolButton* btnFirst = nullptr;
    QToolButton* btnPrevious = nullptr;
    QToolButton* btnNext = nullptr;
    QToolButton* btnLast = nullptr;
    QToolButton* btnNew = nullptr;
    QToolButton* btnDelete = nullptr;
    QToolButton* btnBrowse = nullptr;
    QToolButton* btnPlay = nullptr;
    QToolButton* btnSort = nullptr;

private:
    void createControls();
    // Runs a move to another entry only when the current one is complete.
    void moveIfComplete(const std::function<void()>& move);
    void SuchenChange();
    void eTextChange();
    void eDateiChange();
    void btnDeleteClick();
    void btnPlayClick();
    void btnBrowseClick();
    // The words spoken for the current entry, or empty while it has a
    // recording or speech is off.
    std::string spokenInstead() const;

    TXWaveBase& base_;
    Configuration& config_;
    MciSender sendMci_;
    bool refreshing_ = false;
};

} // namespace qor
