#include "users/LogInWizard.h"

#include "core/SharedRoutines.h"
#include "page/exercises/PageExercises.h"
#include "page/view/TXPage.h"
#include "platform/QtText.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace qor {

namespace {

// The colours of the wizard's pages, so that the panels of the later steps
// look like them.
const QColor PanelBackground(0xFB, 0xF6, 0xEA);
const QColor PanelText(0x2B, 0x26, 0x22);
const QColor NoteText(0x7D, 0x72, 0x64);
const QColor ErrorText(0xB0, 0x41, 0x2E);

QLabel* label(const char* utf8, QWidget* parent) {
    return new QLabel(QString::fromUtf8(utf8), parent);
}

QLabel* heading(const char* utf8, QWidget* parent) {
    QLabel* text = label(utf8, parent);
    QFont font = text->font();
    font.setBold(true);
    text->setFont(font);
    return text;
}

// A remark in the pages' comment colour, wrapped to the panel's width.
void setTextColor(QLabel* text, const QColor& color) {
    QPalette colors = text->palette();
    colors.setColor(QPalette::WindowText, color);
    text->setPalette(colors);
}

QLabel* note(const char* utf8, QWidget* parent, int indent = 0) {
    QLabel* text = label(utf8, parent);
    text->setWordWrap(true);
    text->setContentsMargins(indent, 0, 0, 0);
    setTextColor(text, NoteText);
    return text;
}

QWidget* panel(QWidget* parent) {
    auto* widget = new QWidget(parent);
    QPalette colors = widget->palette();
    colors.setColor(QPalette::Window, PanelBackground);
    colors.setColor(QPalette::WindowText, PanelText);
    widget->setPalette(colors);
    widget->setAutoFillBackground(true);
    return widget;
}

} // namespace

// Qt centres a dialog over its parent, or on the screen when it has none.
TXLogInWizard::TXLogInWizard(std::string pageFolder, QWidget* parent)
    : QDialog(parent), pageFolder_(std::move(pageFolder)) {
    createControls();
    setFixedSize(Width, Height);
    // The page control gets its final size before it lays out the first page.
    layout()->activate();
    showStep();
}

TXLogInWizard::~TXLogInWizard() = default;

void TXLogInWizard::createControls() {
    steps = new QStackedWidget(this);
    XPage = new TXPage(steps);
    XPage->SetCondition("s", true);
    XPage->setXPath(pageFolder_);
    exercises_ = std::make_unique<PageExercises>(*XPage);
    choicePanel = createChoicePanel();
    namePanel = createNamePanel();
    steps->addWidget(XPage);
    steps->addWidget(choicePanel);
    steps->addWidget(namePanel);

    btnZurueck = new QPushButton(QString::fromUtf8("< Zurück"), this);
    btnWeiter = new QPushButton(this);
    btnWeiter->setDefault(true);
    btnAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    connect(btnZurueck, &QPushButton::clicked, this, [this] { btnZurueckClick(); });
    connect(btnWeiter, &QPushButton::clicked, this, [this] { btnWeiterClick(); });
    connect(btnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 8, 8, 8);
    buttons->addStretch();
    buttons->addWidget(btnZurueck);
    buttons->addWidget(btnWeiter);
    buttons->addSpacing(12);
    buttons->addWidget(btnAbbrechen);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(steps, 1);
    layout->addLayout(buttons);
}

QWidget* TXLogInWizard::createChoicePanel() {
    QWidget* choice = panel(steps);
    auto* layout = new QVBoxLayout(choice);
    layout->setContentsMargins(20, 14, 20, 10);
    layout->setSpacing(0);
    layout->addWidget(heading("Anmeldung:", choice));
    layout->addSpacing(6);

    rgAnmeldung = new QButtonGroup(choice);
    const auto addOption = [&](Anmeldung id, const char* text, const char* remark) {
        auto* option = new QRadioButton(QString::fromUtf8(text), choice);
        rgAnmeldung->addButton(option, id);
        layout->addWidget(option);
        // Under the option's text, past its circle.
        layout->addWidget(note(remark, choice, 22));
        layout->addSpacing(6);
    };
    addOption(NameOnly, "Nur mit Namen (ohne Passwort) automatisch anmelden",
              "(empfohlen, wenn man das Programm alleine benutzt)");
    addOption(NameAndPassword, "Mit Namen und Passwort anmelden",
              "(empfohlen, wenn mehrere Personen das Programm benutzen)");
    addOption(NoLogin, "Nicht anmelden - Erfolgsanalyse deaktivieren", "(nicht empfohlen)");
    rgAnmeldung->button(NameOnly)->setChecked(true);
    // The forward button reads "OK" for the last option.
    connect(rgAnmeldung, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            showStep();
    });

    layout->addStretch();
    layout->addWidget(note("[Diese Einstellungen lassen sich jederzeit veränden, indem man auf "
                           "der Seite Home den Benutzernamen anklickt]",
                           choice));
    return choice;
}

QWidget* TXLogInWizard::createNamePanel() {
    QWidget* names = panel(steps);
    Name = new QLineEdit(names);
    Name->setMaxLength(MaxNameLength);
    Password = new QLineEdit(names);
    Password->setMaxLength(MaxPasswordLength);
    Password->setEchoMode(QLineEdit::Password);
    lPassword = label("Passwort:", names);
    lNewName =
        note("(darf keine Leer- oder Sonderzeichen enthalten - Umlaute sind aber zulässig)", names);
    lPasswordNote = note("(wenn man das Passwort vergißt, kann man zwar das Programm weiter "
                         "benutzen, aber die bisherigen Daten für die Erfolgskontrolle sind "
                         "verloren)",
                         names);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    fields->addWidget(label("Name:", names), 0, 0);
    fields->addWidget(Name, 0, 1);
    // The notes take the whole width, so that the nine characters of the
    // message about a name fit on its line.
    fields->addWidget(lNewName, 1, 0, 1, 3);
    fields->addWidget(lPassword, 2, 0);
    fields->addWidget(Password, 2, 1);
    fields->addWidget(lPasswordNote, 3, 0, 1, 3);
    fields->setColumnMinimumWidth(1, 200);
    fields->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(names);
    layout->setContentsMargins(20, 14, 20, 10);
    layout->addWidget(heading("Neuer Benutzer:", names));
    layout->addSpacing(6);
    layout->addLayout(fields);
    layout->addStretch();
    return names;
}

TXLogInWizard::Anmeldung TXLogInWizard::chosenLogin() const {
    return static_cast<Anmeldung>(rgAnmeldung->checkedId());
}

std::string TXLogInWizard::name() const {
    return fromQString(Name->text());
}

std::string TXLogInWizard::password() const {
    return fromQString(Password->text());
}

void TXLogInWizard::btnWeiterClick() {
    step_ = std::min(step_ + 1, LastStep);
    showStep();
}

void TXLogInWizard::btnZurueckClick() {
    step_ = std::max(step_ - 1, 1);
    showStep();
}

void TXLogInWizard::showStep() {
    btnZurueck->setVisible(step_ > 1);
    btnWeiter->setText(QStringLiteral("Weiter >"));
    switch (step_) {
    case 1:
        showPage("_wizard1.htx");
        break;
    case 2:
        showPage("_wizard2.htx");
        break;
    case 3:
        steps->setCurrentWidget(choicePanel);
        if (chosenLogin() == NoLogin)
            btnWeiter->setText(QStringLiteral("OK"));
        rgAnmeldung->checkedButton()->setFocus();
        break;
    case 4:
        if (chosenLogin() == NoLogin) {
            Name->clear();
            Password->clear();
            reject();
            return;
        }
        showNamePanel();
        break;
    default:
        checkName();
        break;
    }
}

void TXLogInWizard::showPage(const char* fileName) {
    steps->setCurrentWidget(XPage);
    XPage->setXFile(pageFolder_ + fileName);
    XPage->setFocus();
}

void TXLogInWizard::showNamePanel() {
    const bool withPassword = chosenLogin() == NameAndPassword;
    if (!withPassword)
        Password->clear();
    lPassword->setVisible(withPassword);
    Password->setVisible(withPassword);
    lPasswordNote->setVisible(withPassword);
    btnWeiter->setText(QStringLiteral("OK"));
    steps->setCurrentWidget(namePanel);
    Name->setFocus();
}

// A valid name ends the wizard; otherwise it says why and asks again.
void TXLogInWizard::checkName() {
    const std::string chosen = name();
    if (!chosen.empty() && !HasInvalidFileNameChar(chosen)) {
        accept();
        return;
    }
    setTextColor(lNewName, ErrorText);
    lNewName->setText(
        chosen.empty() ? QStringLiteral("Bitte einen Namen eingaben!")
                       : QStringLiteral("Der Name darf keines der folgenden Zeichen enthalten: ") +
                             toQString(InvalidFileNameChars));
    step_ = 4;
    showStep();
}

} // namespace qor
