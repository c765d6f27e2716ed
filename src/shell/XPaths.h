#pragma once
// The directory settings window ("paths"): the program's folder, the user
// folder and the folders of the recordings, written back on "OK" with
// SaveDirectorySettings. A new user folder takes effect at the next start.

#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;
class QPushButton;
class QTabWidget;

namespace qor {

struct Program;

class TXPaths : public QDialog {
    Q_OBJECT

public:
    explicit TXPaths(Program& program, QWidget* parent = nullptr);

    // The fields, named as the window has always named them.
    QTabWidget* tabs = nullptr;
    QLineEdit* eInstall = nullptr;
    QLineEdit* eBenutzer = nullptr;
    QLineEdit* eWave = nullptr;
    QLineEdit* eUser = nullptr;
    QLineEdit* eWi = nullptr;
    QLineEdit* eRE = nullptr;
    QPushButton* btnBenutzer = nullptr;
    QPushButton* btnWave = nullptr;
    QPushButton* btnUser = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnAbbrechen = nullptr;

    // Takes the changed fields over and saves them; the bits written.
    unsigned btnOKClick();
    void btnBenutzerClick();
    void btnWaveClick();
    void btnUserClick();

private:
    void createControls();
    // A file dialog starting at the field's folder with a proposed name; the
    // chosen file, when one was chosen and it differs from the field.
    std::optional<std::string> browse(QLineEdit* field, const std::string& proposal,
                                      const std::string& filter) const;

    Program& program_;
};

} // namespace qor
