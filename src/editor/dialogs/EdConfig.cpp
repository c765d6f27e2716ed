#include "editor/dialogs/EdConfig.h"

#include "editor/dialogs/SchemaDlg.h"
#include "graphics/QtGraphics.h"
#include "page/view/PageFonts.h"
#include "platform/AppMessage.h"
#include "platform/FileSystem.h"
#include "platform/QtDialogButtons.h"
#include "platform/QtText.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

namespace {

constexpr int SmallestSize = 6;
constexpr int LargestSize = 14; // what a scheme file can hold

void paintPanel(QFrame* panel, Color color) {
    panel->setStyleSheet(
        QStringLiteral("QFrame { background-color: %1; border: 1px solid #808080; }")
            .arg(toQColor(color).name()));
}

} // namespace

TEdConfig::TEdConfig(EditorScheme& scheme, Configuration& config, std::function<void()> applyScheme,
                     QWidget* parent, int sizeClass)
    : QDialog(parent), scheme_(scheme), config_(config), applyScheme_(std::move(applyScheme)),
      remembered_(scheme), rememberedName_(config.EditorSchema) {
    if (sizeClass >= 0)
        sizeClass_ = sizeClass;
    else if (parent)
        sizeClass_ = SchemeSizeClass(parent->window()->height());
    setWindowTitle(QStringLiteral("Eigenschaften von Editor"));
    createControls();
    showScheme();
}

QWidget* TEdConfig::createColorRows() {
    auto* group = new QGroupBox(QStringLiteral("Farben"), this);
    auto* grid = new QGridLayout(group);
    const QStringList hints = {
        QStringLiteral("Liste links"),
        QStringLiteral("Vokabelliste"),
        QStringLiteral("Schaltflächen links"),
        QStringLiteral("Vokabelfeld"),
        QStringLiteral("Eingabefelder"),
        QString::fromUtf8("Wörterbuch"),
        QString::fromUtf8("Felder des Wörterbuchs"),
    };
    for (int i = 0; i < 7; ++i) {
        F[i] = new QLineEdit(this);
        F[i]->setMaxLength(6);
        F[i]->setFixedWidth(F[i]->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWWW")));
        F[i]->installEventFilter(this);
        C[i] = new QFrame(this);
        C[i]->setFixedSize(48, F[i]->sizeHint().height());
        C[i]->setToolTip(QString::fromUtf8("Klicken, um die Farbe auszuwählen"));
        C[i]->setCursor(Qt::PointingHandCursor);
        C[i]->installEventFilter(this);
        connect(F[i], &QLineEdit::textEdited, this, [this, i] { colorEdited(i, false); });
        auto* label = new QLabel(QStringLiteral("Farbe%1").arg(i + 1), this);
        label->setBuddy(F[i]);
        grid->addWidget(label, i, 0);
        grid->addWidget(F[i], i, 1);
        grid->addWidget(C[i], i, 2);
        grid->addWidget(new QLabel(hints[i], this), i, 3);
    }
    return group;
}

QWidget* TEdConfig::createFontControls() {
    auto* group = new QGroupBox(QStringLiteral("Schrift"), this);
    Schriftart = new QFontComboBox(this);
    btnFett = new QPushButton(QStringLiteral("F"), this);
    btnFett->setCheckable(true);
    btnFett->setToolTip(QStringLiteral("Fett"));
    btnFett->setFixedWidth(btnFett->sizeHint().height());
    Groesse = new QComboBox(this);
    Groesse->setEditable(true);
    for (int size = 8; size <= LargestSize; ++size)
        Groesse->addItem(QString::number(size));

    connect(Schriftart, &QFontComboBox::currentFontChanged, this, &TEdConfig::fontChosen);
    connect(btnFett, &QPushButton::clicked, this, &TEdConfig::boldToggled);
    connect(Groesse, &QComboBox::currentTextChanged, this, &TEdConfig::sizeEdited);

    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(Groesse, 1);
    sizeRow->addWidget(btnFett);
    auto* font = new QFormLayout(group);
    font->addRow(QStringLiteral("Schriftart:"), Schriftart);
    font->addRow(QString::fromUtf8("Größe:"), sizeRow);
    return group;
}

QWidget* TEdConfig::createSchemeControls() {
    auto* group = new QGroupBox(QStringLiteral("Farbschema"), this);
    Schema = new QComboBox(this);
    Schema->addItem(QString()); // the nameless scheme, "default"
    for (const auto& name : SchemeNames(config_.ProgramDir))
        Schema->addItem(toQString(name));
    btnSpeichernUnter = new QPushButton(QStringLiteral("Speichern unter..."), this);
    connect(Schema, &QComboBox::currentIndexChanged, this, &TEdConfig::schemeChosen);
    connect(btnSpeichernUnter, &QPushButton::clicked, this, &TEdConfig::saveAs);

    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Schema:"), Schema);
    form->addRow(QString(), btnSpeichernUnter);
    return group;
}

void TEdConfig::createControls() {
    const OkCancelButtons buttons = createOkCancelButtons(this);
    btnOK = buttons.ok;
    btnAbbrechen = buttons.cancel;
    connect(btnOK, &QPushButton::clicked, this, &TEdConfig::accepted);

    auto* columns = new QHBoxLayout;
    auto* right = new QVBoxLayout;
    right->addWidget(createFontControls());
    right->addWidget(createSchemeControls());
    right->addStretch();
    columns->addWidget(createColorRows());
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons.box);
}

void TEdConfig::showScheme() {
    showing_ = true;
    for (int i = 0; i < 7; ++i) {
        F[i]->setText(QString::fromStdString(ColorHex(scheme_.Colors[i])));
        paintPanel(C[i], scheme_.Colors[i]);
    }
    const QWidget* editor = parentWidget() ? parentWidget() : this;
    Schriftart->setCurrentFont(scheme_.FontName.empty() ? editor->font()
                                                        : QFont(toQString(scheme_.FontName)));
    btnFett->setChecked(scheme_.Bold);
    QFont boldness = btnFett->font();
    boldness.setBold(scheme_.Bold);
    btnFett->setFont(boldness);
    Groesse->setEditText(QString::number(scheme_.Sizes[sizeClass_]));
    const bool nameless = config_.EditorSchema == DefaultSchemeName;
    const int index = nameless ? 0 : Schema->findText(toQString(config_.EditorSchema));
    Schema->setCurrentIndex(std::max(index, 0));
    showing_ = false;
}

// Every change of a scheme item leaves the named scheme behind.
void TEdConfig::schemeChanged() {
    scheme_.SchemaGeaendert = true;
    config_.EditorSchema = DefaultSchemeName;
    showing_ = true;
    Schema->setCurrentIndex(0);
    showing_ = false;
    applyScheme_();
}

void TEdConfig::setColor(int index, Color color) {
    F[index]->setText(QString::fromStdString(ColorHex(color)));
    if (color == scheme_.Colors[index])
        return;
    scheme_.Colors[index] = color;
    paintPanel(C[index], color);
    schemeChanged();
}

// Typing takes a colour once it has six digits; Enter takes any length.
void TEdConfig::colorEdited(int index, bool anyLength) {
    const std::string text = fromQString(F[index]->text());
    if (text.empty() && !anyLength)
        return; // cleared to type a new value
    const auto color = ColorFromHex(text);
    if (!color) {
        F[index]->setText(QString::fromStdString(ColorHex(scheme_.Colors[index])));
        return;
    }
    if (anyLength || text.size() == 6)
        setColor(index, *color);
}

void TEdConfig::pickColor(int index) {
    const QColor chosen = QColorDialog::getColor(toQColor(scheme_.Colors[index]), this,
                                                 QStringLiteral("Farbe%1").arg(index + 1));
    if (chosen.isValid())
        setColor(index, rgbColor(chosen.red(), chosen.green(), chosen.blue()));
}

bool TEdConfig::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < 7; ++i) {
        if (watched == F[i] && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                colorEdited(i, true);
                return true; // Enter takes the colour; it does not close the dialog
            }
        } else if (watched == C[i] && event->type() == QEvent::MouseButtonRelease) {
            pickColor(i);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TEdConfig::fontChosen() {
    if (showing_)
        return;
    scheme_.FontName = fromQString(Schriftart->currentFont().family());
    schemeChanged();
}

void TEdConfig::boldToggled() {
    scheme_.Bold = btnFett->isChecked();
    QFont boldness = btnFett->font();
    boldness.setBold(scheme_.Bold);
    btnFett->setFont(boldness);
    schemeChanged();
}

void TEdConfig::sizeEdited() {
    if (showing_)
        return;
    bool number = false;
    const int size = Groesse->currentText().trimmed().toInt(&number);
    if (!number || size < SmallestSize || size > LargestSize || size == scheme_.Sizes[sizeClass_])
        return;
    scheme_.Sizes[sizeClass_] = size;
    schemeChanged();
}

void TEdConfig::schemeChosen() {
    if (showing_)
        return;
    std::string name = fromQString(Schema->currentText());
    if (name.empty())
        name = DefaultSchemeName;
    const std::string path = SchemeFile(config_.ProgramDir, name);
    if (fileExists(path) && ReadScheme(path, scheme_, IsFontInstalled)) {
        config_.EditorSchema = name;
        applyScheme_();
    }
    showScheme(); // also puts back the selection of a scheme that could not be read
}

void TEdConfig::saveAs() {
    TSchemaDlg dialog(config_.EditorSchema, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::string name = dialog.name();
    const std::string path = SchemeFile(config_.ProgramDir, name);
    createDirectories(SchemeDirectory(config_.ProgramDir));
    if (!WriteScheme(path, scheme_)) {
        AppMessage("Das Farbschema konnte nicht gespeichert werden:\r\n" + path);
        return;
    }
    config_.EditorSchema = name;
    if (name != DefaultSchemeName && Schema->findText(toQString(name)) < 0)
        Schema->addItem(toQString(name));
    showScheme();
    config_.SaveDirectorySettings(SaveBits::EditorSchema);
    nameSaved_ = true;
}

void TEdConfig::accepted() {
    if (config_.EditorSchema != rememberedName_)
        config_.SaveDirectorySettings(SaveBits::EditorSchema);
    accept();
}

// Everything as it was when the dialog opened, the changed flag included:
// changes made before it are still to be kept.
void TEdConfig::reject() {
    scheme_ = remembered_;
    config_.EditorSchema = rememberedName_;
    if (nameSaved_)
        config_.SaveDirectorySettings(SaveBits::EditorSchema);
    applyScheme_();
    QDialog::reject();
}

} // namespace qor
