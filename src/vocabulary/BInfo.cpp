#include "vocabulary/BInfo.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qor {

namespace {

QWidget* numbers(const QString& title, const std::vector<std::pair<const char*, int>>& rows,
                 QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* form = new QFormLayout(group);
    for (const auto& [label, value] : rows) {
        auto* number = new QLabel(QString::number(value), group);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        form->addRow(QString::fromUtf8(label), number);
    }
    return group;
}

std::vector<std::pair<const char*, int>> wordClassRows(const DirectionCounts& counts) {
    const auto& c = counts.wordClasses;
    return {{"Nomen:", c[0]},
            {"Verben:", c[1]},
            {"Adjektive:", c[2]},
            {"Kleine Wörter:", c[3]},
            {"Redew. mit Verb:", c[4]},
            {"Redew. ohne Verb:", c[5]},
            {"Vokabeln gesamt:", counts.Total()},
            {"davon mit Kontext(en):", counts.withContext}};
}

std::vector<std::pair<const char*, int>> difficultyRows(const DirectionCounts& counts) {
    const auto& d = counts.difficulties;
    return {{"Baby:", d[0]},      {"Leicht:", d[1]},  {"Mittel:", d[2]},
            {"Schwierig:", d[3]}, {"Tödlich:", d[4]}, {"Vokabeln gesamt:", counts.Total()}};
}

// One tab: the two directions side by side.
QWidget* tab(const LibraryCounts& counts,
             std::vector<std::pair<const char*, int>> (*rows)(const DirectionCounts&),
             QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(numbers(QStringLiteral("Spanisch-Deutsch"), rows(counts.spanish), page));
    layout->addWidget(numbers(QStringLiteral("Deutsch-Spanisch"), rows(counts.german), page));
    return page;
}

} // namespace

TBInfo::TBInfo(const std::vector<TVokabel>& entries, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Infos zur Bibliothek"));
    const LibraryCounts counts = CountLibrary(entries);
    auto* tabs = new QTabWidget(this);
    tabs->addTab(tab(counts, wordClassRows, tabs), QStringLiteral("Wortarten"));
    tabs->addTab(tab(counts, difficultyRows, tabs), QStringLiteral("Schwierigkeitsgrade"));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
}

} // namespace qor
