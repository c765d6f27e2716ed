#include "verbs/VerbenAuswahl.h"

#include "controls/XCheckBox.h"
#include "controls/XListBox.h"
#include "platform/QtText.h"
#include "verbs/Verben.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

namespace {

constexpr Color Ink = rgbColor(0x2B, 0x26, 0x22);
constexpr Color Accent = rgbColor(0xB0, 0x41, 0x2E);

// The look of the program's pages: paper, a red title bar, white cards.
const char* const StyleSheet = R"(
QWidget#verbSelection { background: #FBF6EA; }
QLabel { color: #2B2622; }
QLabel#title { color: #FFFFFF; font-size: 24pt; font-weight: bold; }
QLabel#subtitle { color: #F8E6C0; font-style: italic; }
QLabel#heading { color: #A23B2A; font-size: 13pt; font-weight: bold; }
QWidget#titleBar { background: #B0412E; }
QFrame#card { background: #FFFFFF; border: 1px solid #E6D8BC; border-radius: 8px; }
QPushButton { background: #FFFFFF; border: 1px solid #D9C7A3; border-radius: 5px;
              padding: 5px 12px; color: #2B2622; }
QPushButton:hover { border-color: #B0412E; color: #B0412E; }
QPushButton#bAbfrage { background: #B0412E; border-color: #8E3222; color: #FFFFFF;
                       font-weight: bold; }
QPushButton#bAbfrage:hover { background: #C4533E; }
)";

QLabel* label(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QFrame* card(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("card"));
    return frame;
}

QImage onOffMark(bool on, int size) {
    QImage mark(size, size, QImage::Format_ARGB32_Premultiplied);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xB0, 0x41, 0x2E), 1.5));
    painter.setBrush(on ? QColor(0xB0, 0x41, 0x2E) : QColor(Qt::white));
    painter.drawEllipse(QRectF(3, 3, size - 6, size - 6));
    return mark;
}

} // namespace

T_F_VerbenAuswahl::T_F_VerbenAuswahl(TVerben& verben, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), verben_(verben) {
    setWindowTitle(QStringLiteral("Einstellungen für den Verbtrainer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_StyledBackground);
    setObjectName(QStringLiteral("verbSelection"));
    setFixedSize(Width, Height);
    setStyleSheet(QString::fromUtf8(StyleSheet));

    auto* titleBar = new QWidget(this);
    titleBar->setObjectName(QStringLiteral("titleBar"));
    titleBar->setAttribute(Qt::WA_StyledBackground);
    auto* titles = new QVBoxLayout(titleBar);
    titles->setContentsMargins(40, 10, 40, 10);
    titles->addWidget(label("title", QStringLiteral("Verbtrainer einstellen"), titleBar));
    titles->addWidget(label(
        "subtitle", QStringLiteral("Welche Verben und welche Zeiten sollen abgefragt werden?"),
        titleBar));

    auto* columns = new QHBoxLayout;
    columns->setContentsMargins(40, 16, 40, 0);
    columns->setSpacing(24);
    columns->addWidget(buildVerbColumn());
    columns->addWidget(buildTenseColumn(), 1);

    bAbfrage = new QPushButton(QStringLiteral("Abfrage"), this);
    bAbfrage->setObjectName(QStringLiteral("bAbfrage"));
    bAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(40, 0, 40, 20);
    buttons->addStretch();
    buttons->addWidget(bAbbrechen);
    buttons->addWidget(bAbfrage);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(titleBar);
    page->addLayout(columns, 1);
    page->addLayout(buttons);

    connect(bAbfrage, &QPushButton::clicked, this, [this] { bAbfrageClick(); });
    connect(bAbbrechen, &QPushButton::clicked, this, [this] {
        bAbbrechen->setEnabled(false);
        leave("", true);
    });
}

QWidget* T_F_VerbenAuswahl::buildVerbColumn() {
    auto* column = card(this);
    column->setFixedWidth(250);
    auto* layout = new QVBoxLayout(column);
    VerbCounter = label("heading", QString(), column);
    layout->addWidget(VerbCounter);
    VerbListe = new TXListBox(column);
    VerbListe->setListenTyp(TListenTyp::ltOnOff);
    VerbListe->setColor(rgbColor(0xFF, 0xFF, 0xFF));
    VerbListe->setFarbeAn(Accent);
    VerbListe->setFarbeAus(Ink);
    VerbListe->setIcon1(onOffMark(true, VerbListe->ItemHeight()));
    VerbListe->setIcon2(onOffMark(false, VerbListe->ItemHeight()));
    std::vector<std::string> items;
    const std::string& selection = verben_.VerbSelection();
    for (int verb = 0; verb < verben_.Count(); ++verb) {
        const bool on = static_cast<std::size_t>(verb) < selection.size() &&
                        selection[static_cast<std::size_t>(verb)] == '+';
        items.push_back((on ? OnMarker : OffMarker) + verben_.Verb(verb).Infinitiv);
    }
    VerbListe->setItems(std::move(items));
    layout->addWidget(VerbListe, 1);
    AlleAn = new QPushButton(QStringLiteral("Alle AN"), column);
    AlleAus = new QPushButton(QStringLiteral("Alle AUS"), column);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(AlleAn);
    buttons->addWidget(AlleAus);
    layout->addLayout(buttons);
    connect(AlleAn, &QPushButton::clicked, this, [this] { setAll(true); });
    connect(AlleAus, &QPushButton::clicked, this, [this] { setAll(false); });
    VerbListe->OnChange = [this](QWidget*) {
        countActive();
    };
    countActive();
    return column;
}

QWidget* T_F_VerbenAuswahl::buildTenseColumn() {
    auto* column = card(this);
    auto* grid = new QGridLayout(column);
    grid->addWidget(label("heading", QStringLiteral("Zeiten"), column), 0, 0);
    grid->addWidget(label("heading", QString(), column), 0, 1);
    const std::string& selection = verben_.TenseSelection();
    for (int slot = 0; slot < TenseSlots; ++slot) {
        auto* box = new tXCheckBox(column);
        box->setCaption(TenseNames[static_cast<std::size_t>(slot)]);
        box->setFontColor(Ink);
        box->setChecked(selection[static_cast<std::size_t>(slot)] == '+');
        box->setMinimumHeight(26);
        Zeiten[static_cast<std::size_t>(slot)] = box;
        grid->addWidget(box, slot % 8 + 1, slot / 8);
    }
    grid->setRowStretch(9, 1);
    return column;
}

void T_F_VerbenAuswahl::setAll(bool on) {
    std::vector<std::string> items = VerbListe->Items();
    for (std::string& item : items)
        if (!item.empty())
            item.front() = on ? OnMarker : OffMarker;
    VerbListe->setItems(std::move(items));
    countActive();
}

void T_F_VerbenAuswahl::countActive() {
    int active = 0;
    for (const std::string& item : VerbListe->Items())
        active += !item.empty() && item.front() == OnMarker;
    VerbCounter->setText(QStringLiteral("%1 Verben aktiv").arg(active));
}

// The choice is stored before it is checked, so an empty one is kept too.
void T_F_VerbenAuswahl::bAbfrageClick() {
    std::string verbs;
    for (const std::string& item : VerbListe->Items())
        verbs += !item.empty() && item.front() == OnMarker ? '+' : '-';
    std::string tenses;
    for (const tXCheckBox* box : Zeiten)
        tenses += box->Checked() ? '+' : '-';
    verben_.SetVerbSelection(verbs);
    verben_.SetTenseSelection(tenses);
    verben_.SaveSelection();
    if (!verben_.BuildActiveLists())
        return;
    bAbfrage->setEnabled(false);
    leave("verb", false);
}

void T_F_VerbenAuswahl::leave(const std::string& command, bool cancelled) {
    if (left_)
        return;
    left_ = true;
    if (OnLeave)
        OnLeave(command, cancelled);
    close();
}

void T_F_VerbenAuswahl::closeEvent(QCloseEvent* event) {
    leave("", false);
    QWidget::closeEvent(event);
}

} // namespace qor
