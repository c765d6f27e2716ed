#pragma once
// "Einstellungen für den Verbtrainer": which verbs and which tenses the drill
// asks. It stands in place of the main window (800 x 572, borderless); when
// it is left it calls OnLeave with the command the new main window is to
// run - "verb" after "Abfrage", nothing after "Abbrechen" or when it is
// closed - and deletes itself.

#include <QWidget>
#include <array>
#include <functional>
#include <string>

class QLabel;
class QPushButton;

namespace qor {

class TVerben;
class TXListBox;
class tXCheckBox;

class T_F_VerbenAuswahl : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = 800;
    static constexpr int Height = 572;

    explicit T_F_VerbenAuswahl(TVerben& verben, QWidget* parent = nullptr);

    // Told once, with the start command for the main window ("verb" or "")
    // and whether the window was cancelled.
    std::function<void(const std::string& command, bool cancelled)> OnLeave;

    TXListBox* VerbListe = nullptr;
    QLabel* VerbCounter = nullptr;
    QPushButton* AlleAn = nullptr;
    QPushButton* AlleAus = nullptr;
    std::array<tXCheckBox*, 16> Zeiten{};
    QPushButton* bAbfrage = nullptr;
    QPushButton* bAbbrechen = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildVerbColumn();
    QWidget* buildTenseColumn();
    void setAll(bool on);
    void countActive();
    void bAbfrageClick();
    void leave(const std::string& command, bool cancelled);

    TVerben& verben_;
    bool left_ = false;
};

} // namespace qor
