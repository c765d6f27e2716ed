#pragma once
// The wizard of the first start: two pages that introduce the program and
// its users (shown by a page control), the choice of how to log in, then
// the new user's name and, when logging in with a password, the password.
// It ends with OK once the name is valid for a file name, and with cancel
// when the user chose not to log in (the name is then empty).
//
//   TXLogInWizard wizard(pageRoot + "hqor/");
//   if (wizard.exec() == QDialog::Accepted) create(wizard.name(), wizard.password());

#include <QDialog>
#include <memory>
#include <string>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace qor {

class PageExercises;
class TXPage;

class TXLogInWizard : public QDialog {
    Q_OBJECT

public:
    static constexpr int Width = 480;
    static constexpr int Height = 300;
    static constexpr int MaxNameLength = 24;
    static constexpr int MaxPasswordLength = 12;
    static constexpr int LastStep = 5;

    // The ways of logging in offered in step 3, in their order there.
    enum Anmeldung { NameOnly, NameAndPassword, NoLogin };

    // pageFolder: where "_wizard1.htx" and "_wizard2.htx" are, ending in '/'.
    explicit TXLogInWizard(std::string pageFolder, QWidget* parent = nullptr);
    ~TXLogInWizard() override;

    // 1 and 2: the pages; 3: the choice; 4: name and password; 5: checking.
    int step() const { return step_; }
    Anmeldung chosenLogin() const;
    // The new user's name and password, as program text.
    std::string name() const;
    std::string password() const;

    // "Weiter >" (or "OK") and "< Zurück".
    void btnWeiterClick();
    void btnZurueckClick();

    QStackedWidget* steps = nullptr;
    TXPage* XPage = nullptr;
    QWidget* choicePanel = nullptr;
    QWidget* namePanel = nullptr;
    QButtonGroup* rgAnmeldung = nullptr;
    QLineEdit* Name = nullptr;
    QLineEdit* Password = nullptr;
    QLabel* lPassword = nullptr;
    QLabel* lPasswordNote = nullptr;
    QLabel* lNewName = nullptr;
    QPushButton* btnZurueck = nullptr;
    QPushButton* btnWeiter = nullptr;
    QPushButton* btnAbbrechen = nullptr;

private:
    void createControls();
    QWidget* createChoicePanel();
    QWidget* createNamePanel();
    // Shows what belongs to the current step, or ends the wizard there.
    void showStep();
    void showPage(const char* fileName);
    void showNamePanel();
    void checkName();

    std::string pageFolder_;
    int step_ = 1;
    // After the page, which it must not outlive.
    std::unique_ptr<PageExercises> exercises_;
};

} // namespace qor
